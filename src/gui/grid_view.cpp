#include "gui/grid_view.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

#include <algorithm>

namespace pesavia {

namespace {

// Properties the delegate keeps on each editor.
constexpr const char* kCol = "pesaviaCol";
constexpr const char* kRow = "pesaviaRow";
constexpr const char* kOriginal = "pesaviaOriginal";   // the cell's text when the edit began
constexpr const char* kCommitted = "pesaviaCommitted"; // this edit's end was already asked for
constexpr const char* kMove = "pesaviaMove";           // rows to move once the editor is closed

QString toQt(const std::string& s) {
    return QString::fromStdString(s);
}

Qt::Alignment toQt(Alignment a) {
    switch (a) {
    case Alignment::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case Alignment::Center:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case Alignment::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// A plain grid colour (0x00BBGGRR); the special system values are not plain.
std::optional<QColor> plainColor(GridColor c) {
    if (c < 0 || c > 0xFFFFFF) return std::nullopt;
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

const QColor kFixedBackground(240, 240, 240);

} // namespace

NumberValidator::NumberValidator(EditorKind kind, QObject* parent) : QValidator(parent), kind_(kind) {}

QValidator::State NumberValidator::validate(QString& input, int&) const {
    bool separator = false;
    for (qsizetype i = 0; i < input.size(); ++i) {
        const QChar c = input[i];
        if (c.isDigit() && c.unicode() < 128) continue;
        if (kind_ != EditorKind::Float) return Invalid;
        if (c == u'-' && i == 0) continue;
        if ((c == u'.' || c == u',') && !separator) {
            separator = true;
            continue;
        }
        return Invalid;
    }
    return Acceptable;
}

GridItemModel::GridItemModel(Grid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), rows_(grid.rowCount()), cols_(grid.colCount()) {
    connection_ = grid_.changed.connect([this](const GridChange& c) { onChange(c); });
}

GridItemModel::~GridItemModel() {
    grid_.changed.disconnect(connection_);
}

bool GridItemModel::holds(const QModelIndex& index) const {
    return index.isValid() && index.model() == this && index.row() < rows_ && index.column() < cols_;
}

int GridItemModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}
int GridItemModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cols_;
}

QVariant GridItemModel::data(const QModelIndex& index, int role) const {
    if (!holds(index)) return {};
    const int col = index.column(), row = index.row();
    const bool fixed = grid_.isFixed(col, row);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return toQt(grid_.cell(col, row));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(toQt(grid_.alignment(col, row)));
    case Qt::BackgroundRole:
        return QBrush(fixed ? kFixedBackground : QColor(Qt::white));
    case Qt::ForegroundRole: {
        const auto& props = grid_.properties(col, row);
        const auto colour = props ? plainColor(props->FontColor) : std::nullopt;
        return QBrush(colour.value_or(QColor(Qt::black)));
    }
    case Qt::FontRole:
        if (fixed) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags GridItemModel::flags(const QModelIndex& index) const {
    if (!holds(index)) return Qt::NoItemFlags;
    // Fixed cells are drawn as cells but the operator can neither select nor edit them.
    if (grid_.isFixed(index.column(), index.row())) return Qt::ItemNeverHasChildren;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemNeverHasChildren;
}

bool GridItemModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !holds(index)) return false;
    if (grid_.isFixed(index.column(), index.row())) return false;
    grid_.setCell(index.column(), index.row(), value.toString().toStdString());
    return true;
}

void GridItemModel::onChange(const GridChange& change) {
    switch (change.kind) {
    case GridChange::Cell:
        if (change.row < rows_ && change.col < cols_) {
            const QModelIndex i = index(change.row, change.col);
            emit dataChanged(i, i);
        }
        break;
    case GridChange::Structure:
        if (grid_.rowCount() == rows_ && grid_.colCount() == cols_) {
            if (rows_ > 0 && cols_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1));
        } else {
            beginResetModel();
            rows_ = grid_.rowCount();
            cols_ = grid_.colCount();
            endResetModel();
        }
        emit sizesChanged();
        emit currentCellChanged(grid_.currentCell().col, grid_.currentCell().row);
        break;
    case GridChange::Selection:
        emit currentCellChanged(change.col, change.row);
        break;
    }
}

GridDelegate::GridDelegate(Grid& grid, QObject* parent) : QStyledItemDelegate(parent), grid_(grid) {}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    QFont bold = option.font;
    bold.setBold(true);
    editor->setFont(bold); // the cell under edit is bold
    const int col = index.column(), row = index.row();
    editor->setAlignment(toQt(grid_.alignment(col, row)));
    const EditorKind kind = grid_.editorKind ? grid_.editorKind(col, row) : EditorKind::Text;
    if (kind != EditorKind::Text) editor->setValidator(new NumberValidator(kind, editor));
    editor->setProperty(kCol, col);
    editor->setProperty(kRow, row);
    editor->setProperty(kOriginal, toQt(grid_.cell(col, row)));
    // Every keystroke reaches the model: the cell follows the editor live.
    connect(editor, &QLineEdit::textEdited, this, [this, col, row](const QString& text) {
        RunEvent(run, [&] { grid_.editChange(col, row, text.toStdString()); });
    });
    return editor;
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* line = static_cast<QLineEdit*>(editor);
    const QString text = index.data(Qt::EditRole).toString();
    // The program may rewrite the cell while its editor is open ("V" normalises it); an echo of the
    // operator's own typing must not move the caret.
    if (line->text() != text) line->setText(text);
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    // A message shown at the end of an edit takes the focus from the editor, which commits it a second
    // time: one edit ends once.
    if (editor->property(kCommitted).toBool()) return;
    editor->setProperty(kCommitted, true);
    model->setData(index, static_cast<QLineEdit*>(editor)->text(), Qt::EditRole);
    emit editCommitted(index.column(), index.row());
}

void GridDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    // A cell tall enough for two lines (the headers) wraps its text; a one-line cell cuts it.
    if (option->rect.height() >= 2 * option->fontMetrics.lineSpacing())
        option->features |= QStyleOptionViewItem::WrapText;
    else
        option->features &= ~QStyleOptionViewItem::WrapText;
}

bool GridDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QLineEdit*>(object);
    if (editor && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            // Up and down leave the cell, as Enter and Tab do.
            editor->setProperty(kMove, key == Qt::Key_Up ? -1 : 1);
            emit commitData(editor);
            emit closeEditor(editor, NoHint);
            return true;
        }
    }
    if (editor && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // A message box or a menu over the window does not end the edit: the editor gets the focus back.
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

GridView::GridView(Grid& grid, QWidget* parent)
    : QTableView(parent), model_(new GridItemModel(grid, this)), delegate_(new GridDelegate(grid, this)) {
    setModel(model_);
    setItemDelegate(delegate_);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setEditTriggers(AnyKeyPressed | DoubleClicked | EditKeyPressed | SelectedClicked);
    setTabKeyNavigation(true);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    if (!grid.hint.empty()) setToolTip(toQt(grid.hint));

    connect(model_, &GridItemModel::sizesChanged, this, &GridView::applySizes);
    connect(model_, &GridItemModel::currentCellChanged, this, &GridView::showGridCurrent);
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        applySizes();
        showGridCurrent();
    });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        if (followingModel_ || !current.isValid()) return;
        const CellPos pos{current.column(), current.row()};
        if (pos == this->grid().currentCell()) return;
        runEvent([&] { this->grid().selectCell(pos.col, pos.row); });
    });
    connect(delegate_, &GridDelegate::editCommitted, this, &GridView::scheduleEditDone);
    applySizes();
    showGridCurrent();
}

void GridView::setEventRunner(EventRunner runner) {
    run_ = runner;
    delegate_->run = std::move(runner);
}

void GridView::setContextMenu(std::vector<MenuEntry> entries) {
    ReplaceContextMenu(menu_, this, std::move(entries), &run_);
}

QLineEdit* GridView::openEditor() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? qobject_cast<QLineEdit*>(indexWidget(current)) : nullptr;
}

void GridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    const int col = editor->property(kCol).toInt(), row = editor->property(kRow).toInt();
    if (hint == QAbstractItemDelegate::RevertModelCache) {
        // Escape gives the cell back its text from before the edit.
        const std::string original = editor->property(kOriginal).toString().toStdString();
        runEvent([&] { grid().setCell(col, row, original); });
    }
    // The cursor moves on, but no editor opens by itself on the next cell: the end of this edit is
    // delivered first, and its handler may want the operator back on this cell.
    const int move = editor->property(kMove).toInt();
    std::optional<CursorAction> action;
    if (hint == QAbstractItemDelegate::EditNextItem)
        action = MoveNext;
    else if (hint == QAbstractItemDelegate::EditPreviousItem)
        action = MovePrevious;
    else if (move != 0)
        action = move < 0 ? MoveUp : MoveDown;
    QTableView::closeEditor(
        editor, hint == QAbstractItemDelegate::RevertModelCache ? hint : QAbstractItemDelegate::NoHint);
    if (action) {
        const QModelIndex next = moveCursor(*action, Qt::NoModifier);
        if (next.isValid()) setCurrentIndex(next);
    }
}

void GridView::contextMenuEvent(QContextMenuEvent* event) {
    if (!menu_) return QTableView::contextMenuEvent(event);
    menu_->exec(event->globalPos());
}

void GridView::applySizes() {
    const Grid& g = grid();
    for (int c = 0; c < model_->columnCount(); ++c)
        horizontalHeader()->resizeSection(c, g.colWidth(c));
    for (int r = 0; r < model_->rowCount(); ++r)
        verticalHeader()->resizeSection(r, g.rowHeight(r));
}

void GridView::showGridCurrent() {
    const CellPos pos = grid().currentCell();
    const QModelIndex index = model_->index(pos.row, pos.col);
    if (!index.isValid() || index == currentIndex()) return;
    followingModel_ = true;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
    followingModel_ = false;
}

void GridView::scheduleEditDone(int col, int row) {
    pendingDone_.push_back({col, row});
    QTimer::singleShot(0, this, &GridView::deliverEditDone);
}

void GridView::deliverEditDone() {
    // A handler's message runs a nested event loop that may deliver the next queued end of edit: the
    // outer call delivers them in order instead.
    if (delivering_) return;
    delivering_ = true;
    while (!pendingDone_.empty()) {
        const CellPos pos = pendingDone_.front();
        pendingDone_.erase(pendingDone_.begin());
        runEvent([&] { grid().editDone(pos.col, pos.row); });
    }
    delivering_ = false;
    showGridCurrent();
}

} // namespace pesavia
