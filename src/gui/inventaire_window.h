#pragma once
#include "gui/bindings.h"

#include <QDialog>

namespace pesavia {

class GridView;
class TFormInventaire;

// The equipment inventory: one white box with its bar text and the grid with its context menu. It has no
// buttons; its close box closes it.
class InventaireWindow : public QDialog {
    Q_OBJECT
  public:
    InventaireWindow(TFormInventaire& inventaire, Desktop& desktop, QWidget* parent = nullptr);

    GridView* grid() const { return grid_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    Binder binder_;
    GridView* grid_;
};

} // namespace pesavia
