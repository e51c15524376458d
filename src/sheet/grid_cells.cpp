#include "sheet/grid_cells.h"

#include "store/numbers.h"

namespace pesavia {

void SetRowTexts(Grid& grid, int row, std::initializer_list<const char*> texts) {
    int col = 0;
    for (const char* t : texts) grid.setCell(col++, row, t);
}

void SetColTexts(Grid& grid, int col, int firstRow, std::initializer_list<const char*> texts) {
    int row = firstRow;
    for (const char* t : texts) grid.setCell(col, row++, t);
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
        for (int c = firstCol; c <= lastCol; ++c) grid.setAlignment(c, r, Alignment::Right);
}

void NormaliseCellule(Grid& grid, int col, int row, std::string_view format) {
    grid.setCell(col, row, NormaliseNombre(grid.cell(col, row), format));
}

std::optional<long double> LitCellule(const Grid& grid, int col, int row) { return LitNombre(grid.cell(col, row)); }

} // namespace pesavia
