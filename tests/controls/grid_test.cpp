#include "controls/grid.h"

#include <gtest/gtest.h>

namespace pesavia {
namespace {

TEST(Grid, currentCellStartsOnTheFirstEditableCell) {
    Grid g(4, 3);
    EXPECT_EQ(g.currentCell(), (CellPos{1, 1}));
    g.setFixedCols(0);
    g.setFixedRows(2);
    EXPECT_EQ(g.currentCell(), (CellPos{0, 2}));
    EXPECT_EQ(g.selectedRow(), 2);
}

TEST(Grid, fixedCellsIncludeFooterAndRightColumn) {
    Grid g(4, 5);
    g.setFixedFooterRows(1);
    g.setFixedRightCols(1);
    EXPECT_TRUE(g.isFixed(1, 0));
    EXPECT_TRUE(g.isFixed(0, 2));
    EXPECT_TRUE(g.isFixed(3, 2));
    EXPECT_TRUE(g.isFixed(1, 4));
    EXPECT_FALSE(g.isFixed(1, 2));
    g.insertRow(g.rowCount() - 1);
    EXPECT_TRUE(g.isFixed(1, 5)); // the footer is whatever row is last
    EXPECT_FALSE(g.isFixed(1, 4));
}

TEST(Grid, insertAndRemoveRowsMoveTextsPropertiesAndHeights) {
    Grid g(2, 3);
    g.setCell(0, 1, "a");
    g.setCell(0, 2, "footer");
    g.setAlignment(1, 2, Alignment::Right);
    g.setRowHeight(2, 36);
    g.insertRow(2);
    ASSERT_EQ(g.rowCount(), 4);
    EXPECT_EQ(g.cell(0, 2), "");
    EXPECT_EQ(g.cell(0, 3), "footer");
    EXPECT_EQ(g.alignment(1, 3), Alignment::Right);
    EXPECT_EQ(g.rowHeight(3), 36);
    EXPECT_EQ(g.rowHeight(2), g.defaultRowHeight());
    g.removeRow(1);
    EXPECT_EQ(g.cell(0, 1), "");
    EXPECT_EQ(g.cell(0, 2), "footer");
    EXPECT_EQ(g.cell(7, 7), ""); // outside reads as empty
}

TEST(Grid, alignmentCreatesThePropertySetFromTheCellsLook) {
    Grid g(3, 3);
    EXPECT_FALSE(g.properties(1, 1).has_value());
    g.setAlignment(1, 0, Alignment::Center);
    g.setAlignment(1, 1, Alignment::Right);
    ASSERT_TRUE(g.properties(1, 0).has_value());
    EXPECT_EQ(g.properties(1, 0)->FontStyle, std::vector<std::string>{"fsBold"}); // a fixed cell is bold
    EXPECT_TRUE(g.properties(1, 1)->FontStyle.empty());
    EXPECT_EQ(g.alignment(1, 1), Alignment::Right);
}

TEST(Grid, editorChangesFollowTheCellLiveAndEndOfEditFiresOnce) {
    Grid g(3, 3);
    std::vector<std::string> seen;
    int done = 0;
    g.OnEditChange = [&](int, int, const std::string& t) { seen.push_back(t); };
    g.OnEditCellDone = [&](int c, int r) {
        ++done;
        EXPECT_EQ(g.cell(c, r), "12");
    };
    g.editChange(1, 1, "1");
    g.editChange(1, 1, "12");
    g.editDone(1, 1);
    EXPECT_EQ(seen, (std::vector<std::string>{"1", "12"}));
    EXPECT_EQ(done, 1);
}

} // namespace
} // namespace pesavia
