#include "sheet_fixture.h"

#include "controls/error.h"
#include "store/numbers.h"

namespace pesavia::test {
namespace {

using Row = std::array<std::string, 3>;

TEST_F(SheetTest, CorrectionLineIsSubtractedAndItsDeletionGivesBackTheMeasure) {
    PeseTricycle();
    AjouteCorrection("10", "0.5");
    const Grid& g = fiche->AdvStringGridCorrection;
    ASSERT_EQ(g.rowCount(), 4);
    EXPECT_EQ(Ligne(g, 2), (Row{"10.00", "0.5000", "5.00"}));
    EXPECT_EQ(Footer(g), (Row{"289.30", "0.9131", "264.16"}));
    EXPECT_EQ(fiche->STMasseVide.text(), "289.30");
    EXPECT_EQ(fiche->STDrefcorr.text(), "0.9131");
    EXPECT_EQ(fiche->AdvStringGridDevis.cell(2, 1), "289.30"); // the load sheet follows
    EXPECT_EQ(fiche->CelluleCorrection, CellPos{});

    fiche->AdvStringGridCorrection.selectCell(1, 2);
    fiche->ButtonSuppCorrection.click();
    EXPECT_EQ(g.rowCount(), 3);
    EXPECT_EQ(Footer(g), (Row{"299.30", "0.8993", "269.16"}));
    EXPECT_EQ(fiche->STMasseVide.text(), "299.30");
    EXPECT_TRUE(desktop.messages.empty());
}

struct MassCase {
    const char* typed;
    const char* shown;
    const char* message; // empty: accepted
};

class CorrectionMass : public SheetTest, public testing::WithParamInterface<MassCase> {};

TEST_P(CorrectionMass, IsCheckedAsTyped) {
    const auto& c = GetParam();
    PeseTricycle();
    AjouteCorrection("0", "0.5");
    Tape(fiche->AdvStringGridCorrection, 1, 2, c.typed);
    const Grid& g = fiche->AdvStringGridCorrection;
    EXPECT_EQ(g.cell(1, 2), c.shown);
    if (*c.message) {
        EXPECT_EQ(desktop.texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(g.currentCell(), (CellPos{1, 2}));
        EXPECT_EQ(g.cell(3, 2), "0.00"); // nothing recomputed
        EXPECT_EQ(fiche->STMasseVide.text(), "299.30");
    } else {
        EXPECT_TRUE(desktop.messages.empty());
        EXPECT_EQ(fiche->STMasseVide.text(), FormatNombre(299.3L - LitNombre(c.shown).value(), 2));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Mtow450, CorrectionMass,
    testing::Values(MassCase{"450", "450.00", ""}, MassCase{"0", "0.00", ""},
                    MassCase{
                        "450.01", "450.01",
                        "Vous ne pouvez pas dépasser la masse maximale au décollage enregistrée précédement "
                        "(450 kg)"},
                    MassCase{"-1", "-1.00", "Une masse <0 est impossible"},
                    MassCase{"12,5", "12.50", "Masse incorrecte"}, MassCase{"", "0.00", "Masse incorrecte"}));

TEST_F(SheetTest, CommaMassIsReportedThenAcceptedByV) {
    PeseTricycle();
    AjouteCorrection("0", "0.5");
    Tape(fiche->AdvStringGridCorrection, 1, 2, "12,5");
    ASSERT_EQ(desktop.texts(), std::vector<std::string>{"Masse incorrecte"});
    EXPECT_EQ(fiche->CelluleCorrection, (CellPos{1, 2}));
    fiche->ButtonValidCorrection.click();
    EXPECT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(Ligne(fiche->AdvStringGridCorrection, 2), (Row{"12.50", "0.5000", "6.25"}));
    EXPECT_EQ(fiche->STMasseVide.text(), "286.80");
    EXPECT_EQ(fiche->CelluleCorrection, CellPos{});
}

TEST_F(SheetTest, BadArmIsReported) {
    PeseTricycle();
    AjouteCorrection("10", "0.5");
    Tape(fiche->AdvStringGridCorrection, 2, 2, "0,7");
    EXPECT_EQ(desktop.texts(), std::vector<std::string>{"Bras de levier incorrect"});
    EXPECT_EQ(fiche->AdvStringGridCorrection.cell(2, 2), "0.7000");
    EXPECT_EQ(fiche->AdvStringGridCorrection.cell(3, 2), "5.00"); // the moment of the previous arm stays
}

TEST_F(SheetTest, MenuLineWithOnlyAMassCountsAtTheNextRecomputation) {
    PeseTricycle();
    Grid& g = fiche->AdvStringGridCorrection;
    fiche->AddCorrectLine.click();
    ASSERT_EQ(g.rowCount(), 4);
    EXPECT_EQ(g.currentCell(), (CellPos{0, 2}));
    Tape(g, 1, 2, "10");
    EXPECT_EQ(g.cell(1, 2), "10.00");
    EXPECT_EQ(g.cell(3, 2), "");
    EXPECT_EQ(Footer(g), (Row{"299.30", "0.8993", "269.16"})); // nothing recomputed yet
    fiche->AddCorrectLine.click();                             // its arm and moment do not read
    fiche->ButtonAddCorrection.click();                        // its arm does not read
    EXPECT_EQ(g.rowCount(), 4);

    fiche->Editdvalue.leave();
    EXPECT_EQ(g.cell(1, 3), "289.30");
    EXPECT_EQ(g.cell(3, 3), "269.16"); // the empty moment subtracts nothing
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(SheetTest, FixedCorrectionRowsAreNeverDeleted) {
    PeseTricycle();
    AjouteCorrection("10", "0.5");
    Grid& g = fiche->AdvStringGridCorrection;
    for (int row : {0, 1, 3}) {
        g.selectCell(1, row);
        fiche->ButtonSuppCorrection.click();
        fiche->DelCorrectLine.click();
        EXPECT_EQ(g.rowCount(), 4) << "row " << row;
    }
    g.selectCell(0, 2);
    fiche->DelCorrectLine.click();
    EXPECT_EQ(g.rowCount(), 3);
    EXPECT_EQ(fiche->STMasseVide.text(), "299.30");
}

TEST_F(SheetTest, CorrectionBeforeAnyWeighingWritesItsMomentThenStops) {
    Grid& g = fiche->AdvStringGridCorrection;
    fiche->ButtonAddCorrection.click();
    g.setCell(2, 2, "0.5000");
    g.editChange(1, 2, "10");
    // x is still empty: the strict reading of it fails.
    EXPECT_THROW(g.editDone(1, 2), Error);
    EXPECT_EQ(g.cell(3, 2), "5.00");
    EXPECT_EQ(Footer(g), (Row{"", "", ""}));
    EXPECT_EQ(fiche->CelluleCorrection, (CellPos{1, 2})); // not reset by a stopped handler
}

} // namespace
} // namespace pesavia::test
