#pragma once
#include "signal.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pesavia {

enum class Alignment { Left, Right, Center };

// Colours as the grid files hold them: 0x00BBGGRR for a plain colour, the named special values below.
using GridColor = std::int32_t;
inline constexpr GridColor clBlack = 0x000000;
inline constexpr GridColor clNone = 0x1FFFFFFF;
inline constexpr GridColor clWindow = static_cast<GridColor>(0xFF000005);
inline constexpr GridColor clWindowText = static_cast<GridColor>(0xFF000008);
inline constexpr GridColor clBtnFace = static_cast<GridColor>(0xFF00000F);

// The display properties of one cell, created the first time one of them is set.
struct CellProperties {
    bool IsBaseCell = true;
    int CellSpanX = -1;
    int CellSpanY = -1;
    Alignment alignment = Alignment::Left;
    GridColor BorderColor = clBlack;
    int BorderWidth = 0;
    GridColor BrushColor = clWindow;
    GridColor BrushColorTo = clNone;
    std::string BrushStyle = "bsSolid";
    GridColor FontColor = clWindowText;
    std::string FontName = "Tahoma";
    int FontSize = 8;
    std::vector<std::string> FontStyle; // members: "fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"
    std::string Editor = "edNormal";
    std::string GradientDirection = "GradientVertical";
    bool ReadOnly = false;
    std::string VAlignment = "vtaCenter";
    bool WordWrap = false;
    int NodeLevel = 0;
    friend bool operator==(const CellProperties&, const CellProperties&) = default;
};

// The cell editor a grid offers for a cell.
enum class EditorKind { Text, PositiveNumber, Float };

struct CellPos {
    int col = 0, row = 0;
    friend bool operator==(const CellPos&, const CellPos&) = default;
};

struct GridChange {
    enum Kind { Cell, Structure, Selection } kind;
    int col = -1, row = -1;
};

// A table of text cells addressed (column, row) from 0. The row count includes the header and footer rows;
// fixed cells (header rows, left columns, footer rows, right columns) cannot be edited by the operator.
class Grid {
public:
    Grid(int cols, int rows);

    int colCount() const { return cols_; }
    int rowCount() const { return static_cast<int>(cells_.size()); }
    void setColCount(int n);
    void setRowCount(int n);

    int fixedRows() const { return fixedRows_; }
    int fixedCols() const { return fixedCols_; }
    int fixedFooterRows() const { return fixedFooterRows_; }
    int fixedRightCols() const { return fixedRightCols_; }
    // Changing the fixed rows or columns puts the current cell on the first non-fixed cell.
    void setFixedRows(int n) { fixedRows_ = n; current_ = {fixedCols_, fixedRows_}; structureChanged(); }
    void setFixedCols(int n) { fixedCols_ = n; current_ = {fixedCols_, fixedRows_}; structureChanged(); }
    void setFixedFooterRows(int n) { fixedFooterRows_ = n; structureChanged(); }
    void setFixedRightCols(int n) { fixedRightCols_ = n; structureChanged(); }
    bool isFixed(int col, int row) const;
    bool isFixedRow(int row) const;

    // Cells outside the grid read as empty; writing one is ignored.
    const std::string& cell(int col, int row) const;
    void setCell(int col, int row, std::string text);
    void clearCells(); // empties every text and property set

    int colWidth(int col) const { return colWidths_.at(static_cast<size_t>(col)); }
    int rowHeight(int row) const { return rowHeights_.at(static_cast<size_t>(row)); }
    void setColWidth(int col, int width);
    void setRowHeight(int row, int height);
    int defaultRowHeight() const { return defaultRowHeight_; }
    void setDefaultRowHeight(int h); // also applied to every existing row
    int defaultColWidth() const { return defaultColWidth_; }

    // Property sets. Setting the alignment creates the cell's set from its appearance when it has none.
    const std::optional<CellProperties>& properties(int col, int row) const;
    void setProperties(int col, int row, std::optional<CellProperties> props);
    CellProperties appearance(int col, int row) const; // the look of a cell without a property set
    Alignment alignment(int col, int row) const;
    void setAlignment(int col, int row, Alignment a);

    // Row insertion moves the rows at and below `row` down; new cells are empty.
    void insertRow(int row);
    void removeRow(int row);

    // The current cell and the selection (a single cell here). A grid always has a current cell: at first
    // the first non-fixed column of the first non-fixed row.
    CellPos currentCell() const { return current_; }
    int selectedRow() const { return current_.row; }
    void selectCell(int col, int row);

    std::function<EditorKind(int col, int row)> editorKind; // unset: plain text everywhere

    // Events, set by the window model that owns the grid.
    std::function<void(int col, int row)> OnEditCellDone;
    std::function<void(int col, int row, const std::string& text)> OnEditChange;
    // The operator changes the text in the cell editor: the cell follows the editor live.
    void editChange(int col, int row, std::string text);
    // The operator ends the edit of a cell (Enter, Tab, arrows, a click elsewhere).
    void editDone(int col, int row);

    std::string hint;
    Signal<GridChange> changed;

private:
    bool inside(int col, int row) const;
    void structureChanged();
    void clampCurrent();

    int cols_;
    std::vector<std::vector<std::string>> cells_;              // [row][col]
    std::vector<std::vector<std::optional<CellProperties>>> props_; // [row][col]
    std::vector<int> colWidths_, rowHeights_;
    int fixedRows_ = 1, fixedCols_ = 1, fixedFooterRows_ = 0, fixedRightCols_ = 0;
    int defaultRowHeight_ = 24, defaultColWidth_ = 64;
    CellPos current_{1, 1};
};

} // namespace pesavia
