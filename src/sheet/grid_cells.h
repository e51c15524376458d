#pragma once
#include "controls/grid.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace pesavia {

// Small operations on grid cells that the sheet and the inventory share.

// Writes `texts` into one row from column 0 on.
void SetRowTexts(Grid& grid, int row, std::initializer_list<const char*> texts);
// Writes `texts` into one column from row `firstRow` on.
void SetColTexts(Grid& grid, int col, int firstRow, std::initializer_list<const char*> texts);
// "0", right-aligned, in columns firstCol..lastCol of rows firstRow..lastRow.
void FillZeros(Grid& grid, int firstCol, int lastCol, int firstRow, int lastRow);
// Right-aligns columns firstCol..lastCol of rows firstRow..lastRow.
void AlignRight(Grid& grid, int firstCol, int lastCol, int firstRow, int lastRow);
// Rewrites a typed cell as the program shows numbers.
void NormaliseCellule(Grid& grid, int col, int row, std::string_view format);
// The cell read with the strict rule.
std::optional<long double> LitCellule(const Grid& grid, int col, int row);

// Columns 1 and 2 of a line read as typed; then the edited cell (column 1 or 2) is rewritten with its format.
struct LigneSaisie {
    std::optional<long double> col1, col2;
};
LigneSaisie LitPuisNormalise(Grid& grid, int col, int row, std::string_view format1,
                             std::string_view format2);

// Inserts an empty line just above the footer and selects its first cell; answers its row.
int InsereLigneAvantPied(Grid& grid);
// Removes the selected line unless it is one of the two top rows or the footer; answers whether it did.
bool SupprimeLigneSelectionnee(Grid& grid);

} // namespace pesavia
