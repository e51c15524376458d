#include "sheet_fixture.h"

namespace pesavia::test {
namespace {

using Row = std::array<std::string, 3>;

class DevisTest : public SheetTest {
protected:
    // Empty mass 300.00 kg at 0.3500 m.
    void SetUp() override {
        SheetTest::SetUp();
        Pese({{{"150", "0"}, {"150", "0"}, {"0", "0"}}}, "0.35", "1.5");
    }
    void Item(int row, const std::string& arm, const std::string& mass) {
        Tape(fiche->AdvStringGridDevis, 1, row, arm);
        Tape(fiche->AdvStringGridDevis, 2, row, mass);
    }
    Row Total() const { return Footer(fiche->AdvStringGridDevis); }
    Grid& g() { return fiche->AdvStringGridDevis; }
};

TEST_F(DevisTest, TotalsAndLoadedCentreOfGravity) {
    EXPECT_EQ(Ligne(g(), 1), (Row{"0.3500", "300.00", "105.00"}));
    Item(2, "0.5", "20");
    Item(3, "0.4", "80");
    EXPECT_EQ(Ligne(g(), 2), (Row{"0.5000", "20.00", "10.00"}));
    EXPECT_EQ(Ligne(g(), 3), (Row{"0.4000", "80.00", "32.00"}));
    EXPECT_EQ(Total(), (Row{"0.3675", "400.00", "147.00"}));
    ASSERT_TRUE(fiche->Chart1.bubble);
    EXPECT_EQ(fiche->Chart1.bubble->centre, (ChartPoint{0.3675L, 400}));

    // A line of mass 0 adds nothing, whatever its arm.
    Item(4, "1.2", "0");
    EXPECT_EQ(g().cell(3, 4), "0.00");
    EXPECT_EQ(Total(), (Row{"0.3675", "400.00", "147.00"}));
    // A label is kept as typed and checks nothing.
    Tape(g(), 0, 4, "Pilote, 0 kg ");
    EXPECT_EQ(g().cell(0, 4), "Pilote, 0 kg ");
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(DevisTest, AddedLineEmptiesTheTotalsUntilItIsComplete) {
    Item(2, "0.5", "20");
    fiche->ButtonAddDevis.click();
    ASSERT_EQ(g().rowCount(), 9);
    EXPECT_EQ(g().cell(0, 8), "Appareil équipé");
    EXPECT_EQ(g().currentCell(), (CellPos{0, 7}));
    fiche->ButtonAddDevis.click(); // the new line's mass and moment do not read
    EXPECT_EQ(g().rowCount(), 9);

    fiche->ButtonGraph.click();
    EXPECT_EQ(Total(), (Row{"0.3594", "", ""})); // the loaded centre keeps its text
    EXPECT_FALSE(fiche->Chart1.bubble);

    Item(7, "1", "30");
    EXPECT_EQ(Total(), (Row{"0.4143", "350.00", "145.00"}));
    EXPECT_TRUE(fiche->Chart1.bubble);
}

TEST_F(DevisTest, FixedRowsAreNeverDeletedAndADeletionRecomputes) {
    Item(2, "0.5", "20");
    for (int row : {0, 1, 7}) {
        g().selectCell(1, row);
        fiche->ButtonSuppDevis.click();
        EXPECT_EQ(g().rowCount(), 8) << row;
    }
    g().selectCell(1, 2);
    fiche->ButtonSuppDevis.click();
    EXPECT_EQ(g().rowCount(), 7);
    EXPECT_EQ(g().cell(0, 2), "Passagers AV");
    EXPECT_EQ(Total(), (Row{"0.3500", "300.00", "105.00"}));
}

TEST_F(DevisTest, MassChecks) {
    Item(2, "0.5", "451");
    EXPECT_EQ(
        desktop.texts(),
        std::vector<std::string>{
            "Vous ne pouvez pas dépasser la masse maximale au décollage enregistrée précédement (450 kg)"});
    EXPECT_EQ(g().currentCell(), (CellPos{2, 2}));
    EXPECT_EQ(Total(), (Row{"0.3500", "300.00", "105.00"}));

    desktop.messages.clear();
    Item(2, "0.5", "-1");
    EXPECT_EQ(desktop.texts(), std::vector<std::string>{"Une masse <0 est impossible"});

    // Lines each within the MTOW are accepted although their total is above it.
    desktop.messages.clear();
    Item(2, "0.5", "200");
    Item(3, "0.4", "200");
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(Total(), (Row{"0.4071", "700.00", "285.00"}));

    Tape(g(), 2, 4, "40,5");
    EXPECT_EQ(desktop.texts(), std::vector<std::string>{"Masse incorrecte"});
    EXPECT_EQ(g().cell(2, 4), "40.50");
    fiche->ButtonValidDevis.click();
    EXPECT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(g().cell(3, 4), "0.00"); // arm 0 as created
    EXPECT_EQ(Total(), (Row{"0.3849", "740.50", "285.00"}));
    EXPECT_EQ(fiche->CelluleDevis, CellPos{});

    Tape(g(), 1, 4, "x");
    EXPECT_EQ(desktop.texts().back(), "Distance au C.G incorrect");
}

TEST(SommeColonne, StopsAtTheFirstCellThatDoesNotRead) {
    Grid g(1, 4);
    g.setCell(0, 0, "1.5");
    g.setCell(0, 1, "2");
    g.setCell(0, 2, "abc");
    EXPECT_EQ(TFormFiche::SommeColonne(g, 0, 0, 1, "%.2f"), "3.50");
    EXPECT_EQ(TFormFiche::SommeColonne(g, 0, 0, 2, "%.4f"), "");
    EXPECT_EQ(TFormFiche::SommeColonne(g, 0, 3, 2, "%.2f"), "0.00");
}

} // namespace
} // namespace pesavia::test
