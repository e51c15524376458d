#pragma once
#include "controls/grid.h"
#include "gui/context_menu.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QValidator>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QLineEdit;
class QMenu;

namespace pesavia {

// Accepts what a numeric cell editor may hold while the operator types: digits only for whole numbers;
// digits, one "." or "," and a leading "-" for decimal numbers. Unlike QDoubleValidator it does not
// depend on the locale.
class NumberValidator : public QValidator {
  public:
    NumberValidator(EditorKind kind, QObject* parent);
    State validate(QString& input, int& pos) const override;

  private:
    EditorKind kind_;
};

// The Qt item model over one grid model. The row and column counts are cached so that the model announces
// every change of shape before the view sees it.
class GridItemModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    GridItemModel(Grid& grid, QObject* parent);
    ~GridItemModel() override;

    Grid& grid() const { return grid_; }
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  signals:
    // The grid model's current cell moved (by the program or by the view).
    void currentCellChanged(int col, int row);
    // Column widths or row heights may have changed.
    void sizesChanged();

  private:
    bool holds(const QModelIndex& index) const;
    void onChange(const GridChange& change);

    Grid& grid_;
    int connection_;
    int rows_, cols_;
};

// One item delegate for every grid: a line editor with the cell's editor kind and a bold font, that reports
// each change of its text live and asks the view for one end of edit when its text is committed.
class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    GridDelegate(Grid& grid, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

    EventRunner run;

  signals:
    // The editor of (col, row) was committed: the end of that edit is due.
    void editCommitted(int col, int row) const;

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

  private:
    Grid& grid_;
};

// A table view bound to one grid model: headers hidden (the fixed rows and columns are cells), sizes,
// alignment and look from the model, fixed cells read-only, the current cell kept in step both ways, and
// exactly one end of edit per edit, delivered after the commit so that a handler may show a message.
class GridView : public QTableView {
    Q_OBJECT
  public:
    GridView(Grid& grid, QWidget* parent = nullptr);

    Grid& grid() const { return model_->grid(); }
    GridItemModel* gridModel() const { return model_; }

    // Wraps every forwarded event (editor changes, ends of edit, menu entries).
    void setEventRunner(EventRunner runner);

    // The context menu the window gives the grid; empty: no menu.
    void setContextMenu(std::vector<MenuEntry> entries);
    QMenu* contextMenu() const { return menu_; }

    // The editor open on a cell, if any.
    QLineEdit* openEditor() const;

  protected:
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void applySizes();
    void showGridCurrent();
    void scheduleEditDone(int col, int row);
    void deliverEditDone();
    void runEvent(const std::function<void()>& action) const { RunEvent(run_, action); }

    GridItemModel* model_;
    GridDelegate* delegate_;
    EventRunner run_;
    QMenu* menu_ = nullptr;
    std::vector<CellPos> pendingDone_; // ends of edit committed, not yet delivered
    bool delivering_ = false;
    bool followingModel_ = false;
};

} // namespace pesavia
