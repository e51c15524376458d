#include "grid.h"

#include <algorithm>

namespace pesavia {

namespace {
const std::string kEmpty;
const std::optional<CellProperties> kNoProps;
} // namespace

Grid::Grid(int cols, int rows) : cols_(std::max(cols, 0)) {
    colWidths_.assign(static_cast<size_t>(cols_), defaultColWidth_);
    setRowCount(rows);
    current_ = {fixedCols_, fixedRows_};
}

bool Grid::inside(int col, int row) const { return col >= 0 && row >= 0 && col < cols_ && row < rowCount(); }

void Grid::setColCount(int n) {
    n = std::max(n, 0);
    cols_ = n;
    for (auto& r : cells_) r.resize(static_cast<size_t>(n));
    for (auto& r : props_) r.resize(static_cast<size_t>(n));
    colWidths_.resize(static_cast<size_t>(n), defaultColWidth_);
    structureChanged();
}

void Grid::setRowCount(int n) {
    n = std::max(n, 0);
    cells_.resize(static_cast<size_t>(n), std::vector<std::string>(static_cast<size_t>(cols_)));
    props_.resize(static_cast<size_t>(n), std::vector<std::optional<CellProperties>>(static_cast<size_t>(cols_)));
    rowHeights_.resize(static_cast<size_t>(n), defaultRowHeight_);
    structureChanged();
}

bool Grid::isFixedRow(int row) const { return row < fixedRows_ || row >= rowCount() - fixedFooterRows_; }

bool Grid::isFixed(int col, int row) const {
    return isFixedRow(row) || col < fixedCols_ || col >= cols_ - fixedRightCols_;
}

const std::string& Grid::cell(int col, int row) const {
    return inside(col, row) ? cells_[static_cast<size_t>(row)][static_cast<size_t>(col)] : kEmpty;
}

void Grid::setCell(int col, int row, std::string text) {
    if (!inside(col, row)) return;
    auto& c = cells_[static_cast<size_t>(row)][static_cast<size_t>(col)];
    if (c == text) return;
    c = std::move(text);
    changed(GridChange{GridChange::Cell, col, row});
}

void Grid::clearCells() {
    for (auto& r : cells_) std::fill(r.begin(), r.end(), std::string());
    for (auto& r : props_) std::fill(r.begin(), r.end(), std::nullopt);
    structureChanged();
}

void Grid::setColWidth(int col, int width) {
    if (col < 0 || col >= cols_) return;
    colWidths_[static_cast<size_t>(col)] = width;
    structureChanged();
}

void Grid::setRowHeight(int row, int height) {
    if (row < 0 || row >= rowCount()) return;
    rowHeights_[static_cast<size_t>(row)] = height;
    structureChanged();
}

void Grid::setDefaultRowHeight(int h) {
    defaultRowHeight_ = h;
    std::fill(rowHeights_.begin(), rowHeights_.end(), h);
    structureChanged();
}

const std::optional<CellProperties>& Grid::properties(int col, int row) const {
    return inside(col, row) ? props_[static_cast<size_t>(row)][static_cast<size_t>(col)] : kNoProps;
}

void Grid::setProperties(int col, int row, std::optional<CellProperties> props) {
    if (!inside(col, row)) return;
    props_[static_cast<size_t>(row)][static_cast<size_t>(col)] = std::move(props);
    changed(GridChange{GridChange::Cell, col, row});
}

CellProperties Grid::appearance(int col, int row) const {
    CellProperties p;
    if (isFixed(col, row)) {
        p.BrushColor = clBtnFace;
        p.FontStyle = {"fsBold"};
    }
    return p;
}

Alignment Grid::alignment(int col, int row) const {
    const auto& p = properties(col, row);
    return p ? p->alignment : Alignment::Left;
}

void Grid::setAlignment(int col, int row, Alignment a) {
    if (!inside(col, row)) return;
    auto& p = props_[static_cast<size_t>(row)][static_cast<size_t>(col)];
    if (!p) p = appearance(col, row);
    if (p->alignment == a) return;
    p->alignment = a;
    changed(GridChange{GridChange::Cell, col, row});
}

void Grid::insertRow(int row) {
    row = std::clamp(row, 0, rowCount());
    cells_.insert(cells_.begin() + row, std::vector<std::string>(static_cast<size_t>(cols_)));
    props_.insert(props_.begin() + row, std::vector<std::optional<CellProperties>>(static_cast<size_t>(cols_)));
    rowHeights_.insert(rowHeights_.begin() + row, defaultRowHeight_);
    structureChanged();
}

void Grid::removeRow(int row) {
    if (row < 0 || row >= rowCount()) return;
    cells_.erase(cells_.begin() + row);
    props_.erase(props_.begin() + row);
    rowHeights_.erase(rowHeights_.begin() + row);
    structureChanged();
}

void Grid::selectCell(int col, int row) {
    current_ = {col, row};
    clampCurrent();
    changed(GridChange{GridChange::Selection, current_.col, current_.row});
}

void Grid::clampCurrent() {
    current_.col = std::clamp(current_.col, 0, std::max(cols_ - 1, 0));
    current_.row = std::clamp(current_.row, 0, std::max(rowCount() - 1, 0));
}

void Grid::structureChanged() {
    clampCurrent();
    changed(GridChange{GridChange::Structure});
}

void Grid::editChange(int col, int row, std::string text) {
    setCell(col, row, std::move(text));
    if (OnEditChange) OnEditChange(col, row, cell(col, row));
}

void Grid::editDone(int col, int row) {
    if (OnEditCellDone) OnEditCellDone(col, row);
}

} // namespace pesavia
