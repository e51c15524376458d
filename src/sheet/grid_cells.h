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

} // namespace pesavia
