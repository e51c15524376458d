#include "sheet/grid_cells.h"

#include "store/numbers.h"

namespace pesavia {

void SetRowTexts(Grid& grid, int row, std::initializer_list<const char*> texts) {
    int col = 0;
    for (const char* t : texts)
        grid.setCell(col++, row, t);
}

void SetColTexts(Grid& grid, int col, int firstRow, std::initializer_list<const char*> texts) {
    int row = firstRow;
    for (const char* t : texts)
        grid.setCell(col, row++, t);
}

void FillZeros(Grid& grid, int firstCol, int lastCol, int firstRow, int lastRow) {
    for (int r = firstRow; r <= lastRow; ++r)
        for (int c = firstCol; c <= lastCol; ++c) {
            grid.setCell(c, r, "0");
            grid.setAlignment(c, r, Alignment::Right);
        }
}

void AlignRight(Grid& grid, int firstCol, int lastCol, int firstRow, int lastRow) {
    for (int r = firstRow; r <= lastRow; ++r)
        for (int c = firstCol; c <= lastCol; ++c)
            grid.setAlignment(c, r, Alignment::Right);
}

void NormaliseCellule(Grid& grid, int col, int row, std::string_view format) {
    grid.setCell(col, row, NormaliseNombre(grid.cell(col, row), format));
}

std::optional<long double> LitCellule(const Grid& grid, int col, int row) {
    return LitNombre(grid.cell(col, row));
}

LigneSaisie LitPuisNormalise(Grid& grid, int col, int row, std::string_view format1,
                             std::string_view format2) {
    const LigneSaisie typed{LitCellule(grid, 1, row), LitCellule(grid, 2, row)};
    if (col == 1) NormaliseCellule(grid, col, row, format1);
    if (col == 2) NormaliseCellule(grid, col, row, format2);
    return typed;
}

int InsereLigneAvantPied(Grid& grid) {
    const int row = grid.rowCount() - 1;
    grid.insertRow(row);
    grid.selectCell(0, row);
    return row;
}

bool SupprimeLigneSelectionnee(Grid& grid) {
    const int row = grid.selectedRow();
    if (row < 2 || row >= grid.rowCount() - 1) return false;
    grid.removeRow(row);
    return true;
}

} // namespace pesavia
