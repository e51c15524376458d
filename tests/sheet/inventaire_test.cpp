#include "sheet/inventaire.h"

#include "support/fake_desktop.h"

#include <gtest/gtest.h>

namespace pesavia::test {
namespace {

class InventaireTest : public testing::Test {
protected:
    FakeDesktop desktop;
    TFormInventaire inv{desktop};
    Grid& g = inv.AdvStringGridInventaire;

    void Tape(int col, int row, const std::string& text) {
        g.editChange(col, row, text);
        g.editDone(col, row);
    }
    std::pair<std::string, std::string> Totaux() const {
        return {g.cell(3, g.rowCount() - 1), g.cell(4, g.rowCount() - 1)};
    }
};

TEST_F(InventaireTest, DefaultListAndEditors) {
    EXPECT_EQ(g.rowCount(), 30);
    EXPECT_EQ(g.cell(0, 1), "Hélice");
    EXPECT_EQ(g.cell(0, 24), "Réservoir suplémentaire");
    EXPECT_EQ(g.cell(0, 28), "Divers");
    EXPECT_EQ(g.cell(0, 29), "Correction globale");
    EXPECT_EQ(g.cell(4, 0), "Moment unitaire +/-");
    EXPECT_EQ(g.alignment(2, 0), Alignment::Center);
    EXPECT_EQ(g.cell(3, 29), "0");
    EXPECT_EQ(g.alignment(4, 29), Alignment::Right);
    EXPECT_EQ(g.colWidth(1), 340);
    EXPECT_EQ(g.colWidth(2), 60);
    EXPECT_TRUE(g.isFixedRow(29));
    EXPECT_FALSE(g.isFixed(0, 5)); // item names can be changed
    ASSERT_TRUE(g.editorKind);
    const EditorKind kinds[] = {EditorKind::Text, EditorKind::Text, EditorKind::PositiveNumber,
                                EditorKind::Float, EditorKind::Float};
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(g.editorKind(c, 3), kinds[c]) << c;
}

TEST_F(InventaireTest, TotalsOfCountTimesUnitValues) {
    Tape(2, 1, "2");
    Tape(3, 1, "1.5");
    Tape(4, 1, "-0.3");
    EXPECT_EQ(g.cell(3, 1), "1.50");
    EXPECT_EQ(g.cell(4, 1), "-0.30");
    EXPECT_EQ(Totaux(), (std::pair<std::string, std::string>{"3.00", "-0.60"}));
    // An empty count elsewhere counts for nothing.
    g.setCell(2, 5, "");
    g.setCell(3, 5, "7");
    Tape(3, 1, "1.5");
    EXPECT_EQ(Totaux(), (std::pair<std::string, std::string>{"3.00", "-0.60"}));
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(InventaireTest, BadCellsAreReportedAndKeepTheTotals) {
    Tape(2, 1, "2");
    Tape(3, 1, "1.5");
    struct {
        int col;
        const char *typed, *shown, *message;
    } const cases[] = {{2, "", "", "Nombre incorrecte"},
                       {3, "1,5", "1.50", "Masse incorrecte"},
                       {4, "x", "0.00", "Moment incorrect"}};
    for (const auto& c : cases) {
        desktop.messages.clear();
        Tape(c.col, 2, "4"); // a correct cell first, replaced below
        g.setCell(2, 2, "1");
        const auto before = Totaux();
        Tape(c.col, 2, c.typed);
        EXPECT_EQ(Totaux(), before);
        EXPECT_EQ(desktop.texts(), std::vector<std::string>{c.message}) << c.typed;
        EXPECT_EQ(g.cell(c.col, 2), c.shown);
        EXPECT_EQ(g.currentCell(), (CellPos{c.col, 2}));
        g.setCell(2, 2, "0");
        g.setCell(3, 2, "0");
        g.setCell(4, 2, "0");
    }
}

TEST_F(InventaireTest, LinesAreAddedAboveTheFooterAndTheFixedOnesNeverDeleted) {
    Tape(2, 28, "1");
    Tape(3, 28, "2");
    inv.AddInventaireLine.click();
    ASSERT_EQ(g.rowCount(), 31);
    EXPECT_EQ(g.cell(0, 29), "");
    EXPECT_EQ(g.cell(0, 30), "Correction globale");
    inv.AddInventaireLine.click(); // the new line has no count yet
    EXPECT_EQ(g.rowCount(), 31);

    for (int row : {0, 1, 30}) {
        g.selectCell(0, row);
        inv.DelInventaireLine.click();
        EXPECT_EQ(g.rowCount(), 31) << row;
    }
    g.selectCell(0, 28);
    inv.DelInventaireLine.click();
    EXPECT_EQ(g.rowCount(), 30);
    EXPECT_EQ(g.cell(0, 28), "");
    EXPECT_EQ(Totaux(), (std::pair<std::string, std::string>{"0.00", "0.00"}));
}

} // namespace
} // namespace pesavia::test
