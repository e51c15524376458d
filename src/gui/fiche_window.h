#pragma once
#include "gui/bindings.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pesavia {

class ChartView;
class Grid;
class GridView;
class TFormFiche;

// The weighing sheet: its four bands laid out and bound to the sheet model. It decides nothing itself.
class FicheWindow : public QDialog {
    Q_OBJECT
  public:
    FicheWindow(TFormFiche& fiche, Desktop& desktop, QWidget* parent = nullptr);

    GridView* massGrid() const { return masses_; }
    GridView* correctionGrid() const { return corrections_; }
    GridView* envelopeGrid() const { return envelope_; }
    GridView* loadSheetGrid() const { return devis_; }
    ChartView* chartView() const { return chart_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // Small builders that place one bound control at its design position.
    QGroupBox* box(QWidget* parent, const char* title, QRect where) const;
    QLabel* caption(QWidget* parent, const QString& text, QRect where, bool bold = false) const;
    QLabel* shown(QWidget* parent, Text& model, QRect where, bool bold = false) const;
    QLineEdit* field(QWidget* parent, Text& model, QRect where) const;
    QPushButton* button(QWidget* parent, Button& model, QRect where, bool keepsEditorFocus = false) const;
    GridView* grid(QWidget* parent, Grid& model, QRect where) const;

    void buildSheetBand(QWidget* band);
    void buildMeasureBand(QWidget* band);
    void buildCgBand(QWidget* band);
    void buildEnvelopeBand(QWidget* band);

    TFormFiche& fiche_;
    Binder binder_;
    GridView* masses_ = nullptr;
    GridView* corrections_ = nullptr;
    GridView* envelope_ = nullptr;
    GridView* devis_ = nullptr;
    ChartView* chart_ = nullptr;
};

} // namespace pesavia
