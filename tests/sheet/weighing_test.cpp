#include "sheet_fixture.h"

#include "controls/error.h"

namespace pesavia::test {
namespace {

struct WeighingCase {
    const char* name;
    int train;
    const char* gear; // the landing-gear text shown on the sheet
    std::array<Lecture, 3> lectures;
    const char *d, *bigD;
    std::array<const char*, 3> nets;
    const char *m, *dTrain, *x, *moment;
};

constexpr std::array<Lecture, 3> kTricycle{{{"120.5", "0.5"}, {"119.8", "0.5"}, {"60", "0"}}};
constexpr std::array<const char*, 3> kTricycleNets{"120.00", "119.30", "60.00"};
constexpr std::array<Lecture, 3> kTail{{{"120", "0"}, {"119.3", "0"}, {"15", "0"}}};
constexpr std::array<const char*, 3> kTailNets{"120.00", "119.30", "15.00"};

class WholeWeighing : public SheetTest, public testing::WithParamInterface<WeighingCase> {};

TEST_P(WholeWeighing, ComputesMassCentreAndMeasuredLine) {
    const auto& c = GetParam();
    Ouvre(c.train);
    fiche->StTypeTrain.setText(c.gear);
    Pese(c.lectures, c.d, c.bigD);
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(fiche->AdvStringGrid1.cell(3, r), c.nets[r - 1]) << "row " << r;
    EXPECT_EQ(fiche->STMasseMesuree.text(), c.m);
    EXPECT_EQ(fiche->STDTrain.text(), c.dTrain);
    EXPECT_EQ(fiche->STDrefMesuree.text(), c.x);
    const std::array<std::string, 3> measured{c.m, c.x, c.moment};
    EXPECT_EQ(Ligne(fiche->AdvStringGridCorrection, 1), measured);
    EXPECT_EQ(Footer(fiche->AdvStringGridCorrection), measured);
    EXPECT_EQ(fiche->STMasseVide.text(), c.m);
    EXPECT_EQ(fiche->STDrefcorr.text(), c.x);
    EXPECT_TRUE(desktop.messages.empty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Gears, WholeWeighing,
    testing::Values(
        WeighingCase{"tricycle", 0, "Tricycle", kTricycle, "1.2", "1.5", kTricycleNets,
                     "299.30", "0.3007", "0.8993", "269.16"},
        WeighingCase{"capitals", 0, "TRICYCLE", kTricycle, "1.2", "1.5", kTricycleNets,
                     "299.30", "0.3007", "0.8993", "269.16"},
        WeighingCase{"tailwheel", 1, "Classique", kTail, "0.35", "4.6", kTailNets,
                     "254.30", "0.2713", "0.6213", "158.01"},
        // Any text other than "tricycle" is a conventional gear.
        WeighingCase{"othergear", 0, "Tricycle?", kTail, "0.35", "4.6", kTailNets,
                     "254.30", "0.2713", "0.6213", "158.01"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(SheetTest, TypedNumbersAreNormalisedAndComputedAsShown) {
    struct {
        const char *typed, *shown;
    } const cases[] = {
        {"60,5", "60.50"}, {"abc", "0.00"}, {"1 250,3", "1250.30"}, {"", "0.00"}, {"1.2.3", "0.00"}};
    for (const auto& c : cases) {
        Tape(fiche->AdvStringGrid1, 1, 3, c.typed);
        EXPECT_EQ(fiche->AdvStringGrid1.cell(1, 3), c.shown) << c.typed;
        EXPECT_EQ(fiche->AdvStringGrid1.cell(3, 3), c.shown) << c.typed;
        EXPECT_EQ(fiche->STMasseMesuree.text(), c.shown) << c.typed;
    }
    Tape(fiche->Editdvalue, "1,2");
    EXPECT_EQ(fiche->Editdvalue.text(), "1.2000");
}

TEST_F(SheetTest, NewAircraftWithNothingWeighedComputesNoCentre) {
    TFormFiche& f = *fiche;
    EXPECT_EQ(f.Editdvalue.text(), "0.0000");
    EXPECT_EQ(f.Editbigdvalue.text(), "0.0000");
    // Only row 1 went through the end of edit when the sheet opened.
    EXPECT_EQ(f.AdvStringGrid1.cell(1, 1), "0.00");
    EXPECT_EQ(f.AdvStringGrid1.cell(3, 1), "0.00");
    EXPECT_EQ(f.AdvStringGrid1.cell(1, 2), "0");
    EXPECT_EQ(f.AdvStringGrid1.cell(3, 3), "0");
    EXPECT_EQ(f.AdvStringGrid1.alignment(2, 3), Alignment::Right);
    EXPECT_EQ(f.STMasseMesuree.text(), "0.00");
    EXPECT_EQ(f.STDTrain.text(), "");
    EXPECT_EQ(f.STDrefMesuree.text(), "");
    EXPECT_EQ(f.STMasseVide.text(), "0.00");
    EXPECT_EQ(f.STDrefcorr.text(), "0.0000");
    EXPECT_EQ(Ligne(f.AdvStringGridCorrection, 1), (std::array<std::string, 3>{"0.00", "0.0000", "0.00"}));
    EXPECT_EQ(Footer(f.AdvStringGridCorrection), (std::array<std::string, 3>{"", "", ""}));
    EXPECT_EQ(f.SpinEditXMineur.value(), 10);
    EXPECT_EQ(f.EditXmin.text(), "");
    EXPECT_FALSE(f.Chart1.visible());
    EXPECT_TRUE(f.Groupboxpoint.visible());
    EXPECT_TRUE(f.GroupBoxExemple.visible());
    EXPECT_TRUE(desktop.messages.empty());

    // Tares equal to the readings weigh nothing either.
    Pese({{{"5", "5"}, {"0", "0"}, {"0", "0"}}}, "1.2", "1.5");
    EXPECT_EQ(f.STMasseMesuree.text(), "0.00");
    EXPECT_EQ(f.STDrefMesuree.text(), "");
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(SheetTest, CreationSetsUpTheGridsAndControls) {
    TFormFiche f(programme, desktop);
    EXPECT_EQ(f.STMasseMesuree.text(), "0.000");
    EXPECT_EQ(f.STMasseVide.text(), "0.000");
    EXPECT_FALSE(f.Groupboxpoint.visible());
    EXPECT_FALSE(f.GroupBoxExemple.visible());
    EXPECT_FALSE(f.Chart1.visible());
    EXPECT_FALSE(f.Chart1.tracking);
    EXPECT_EQ(f.MaskEditPrecDate.text(), "  /  /    ");
    EXPECT_EQ(f.stx.text(), "0");
    EXPECT_EQ(f.Button2.caption(), "Imprimer");
    EXPECT_FALSE(f.Button2.OnClick);

    const Grid& mass = f.AdvStringGrid1;
    EXPECT_EQ(mass.cell(3, 0), "Masse nette");
    EXPECT_EQ(mass.cell(0, 3), "Roue AV/AR");
    EXPECT_TRUE(mass.isFixed(3, 1));
    EXPECT_FALSE(mass.isFixed(2, 3));
    EXPECT_EQ(mass.colWidth(2), 80);

    const Grid& corr = f.AdvStringGridCorrection;
    EXPECT_EQ(corr.rowCount(), 3);
    EXPECT_EQ(corr.cell(0, 1), "Valeurs lues");
    EXPECT_EQ(corr.cell(0, 2), "V. corrigées");
    EXPECT_EQ(corr.cell(3, 0), "Moment / référence");
    EXPECT_EQ(corr.rowHeight(0), 36);
    EXPECT_EQ(corr.colWidth(0), 108);
    EXPECT_TRUE(corr.isFixed(1, 1));
    EXPECT_TRUE(corr.isFixed(1, 2));

    const Grid& env = f.AdvStringGrid2;
    EXPECT_EQ(env.rowCount(), 1);
    EXPECT_EQ(env.cell(1, 0), "D au C.G");

    const Grid& devis = f.AdvStringGridDevis;
    EXPECT_EQ(devis.rowCount(), 8);
    EXPECT_EQ(devis.cell(0, 1), "Masse à vide");
    EXPECT_EQ(devis.cell(0, 7), "Appareil équipé");
    EXPECT_EQ(devis.cell(3, 7), "0");
    EXPECT_TRUE(devis.isFixed(1, 1));
    EXPECT_TRUE(devis.isFixed(1, 7));
    EXPECT_TRUE(devis.isFixed(3, 3));
    EXPECT_FALSE(devis.isFixed(0, 2));
}

TEST_F(SheetTest, DamagedNetMassStopsWithTheConversionError) {
    PeseTricycle();
    fiche->AdvStringGrid1.setCell(3, 2, "1l9.30");
    try {
        Tape(fiche->AdvStringGrid1, 1, 1, "121");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "'1l9.30' n'est pas une valeur en virgule flottante correcte");
    }
    EXPECT_EQ(fiche->AdvStringGrid1.cell(3, 1), "120.50");
    EXPECT_EQ(fiche->STMasseMesuree.text(), "299.30");
}

} // namespace
} // namespace pesavia::test
