#include "sheet_fixture.h"

#include "controls/error.h"
#include "sheet/inventaire.h"
#include "store/register.h"

namespace pesavia::test {
namespace {

class SaveTest : public SheetTest {
protected:
    void Enregistre() {
        EnregistreIdentite(tmp.file("pesavia.ini"), {"F-JABC", "Skyranger", "Moissac", "450", "0"});
    }
    static std::string Fichier(const Grid& grid) { return EncodeGrille(grid); }
};

TEST_F(SaveTest, SaveWritesTheEntryAndTheFourGrids) {
    Enregistre();
    PeseTricycle();
    AjouteCorrection("10", "0.5");
    fiche->AdvStringGridCorrection.setCell(0, 2, "Extincteur");
    fiche->EditLRef.setText("Bord d'attaque");
    fiche->EditPrecMasse.setText("290,5");
    fiche->SpinEditYMineur.type("150"); // counted as typed until the field is left
    fiche->ButtonsaveClick();

    const ttbavion avions = ChargeAvions(tmp.file("pesavia.ini"));
    ASSERT_EQ(avions.size(), 1u);
    const TAvion& a = avions[0];
    EXPECT_EQ(a.Immat, "F-JABC");
    EXPECT_EQ(a.TypeAvion, "Skyranger");
    EXPECT_EQ(a.LieuDerPesee, "Moissac");
    EXPECT_EQ(a.DateDerPesee, "11/12/2026"); // today, not the date shown
    EXPECT_EQ(a.DatePrecPesee, "");          // the blank mask is no date
    EXPECT_EQ(a.MassePrecVide, "290,5");
    EXPECT_EQ(a.MTOW, "450");
    EXPECT_EQ(a.Train, "0");
    EXPECT_EQ(a.Reference, "Bord d'attaque");
    EXPECT_EQ(a.Masse, "299.30");
    EXPECT_EQ(a.MasseVide, "289.30");
    EXPECT_EQ(a.DValue, "1.2000");
    EXPECT_EQ(a.BigDValue, "1.5000");
    EXPECT_EQ(a.XMin, fiche->EditXmin.text());
    EXPECT_FALSE(a.XMin.empty());
    EXPECT_EQ(a.YMax, fiche->EditYmax.text());
    EXPECT_EQ(a.NbMinX, "10");
    EXPECT_EQ(a.NbMinY, "150");

    const std::pair<const Grid*, std::string> files[] = {
        {&fiche->AdvStringGrid1, fiche->FichierPesee},
        {&fiche->AdvStringGridCorrection, fiche->FichierCorrect},
        {&fiche->AdvStringGrid2, fiche->FichierEnveloppe},
        {&fiche->AdvStringGridDevis, fiche->FichierExemple}};
    for (const auto& [grid, path] : files)
        EXPECT_EQ(ReadAll(path), Fichier(*grid)) << path;

    // Reopening restores the grids before the opening computation.
    Ouvre();
    EXPECT_EQ(fiche->AdvStringGridCorrection.rowCount(), 4);
    EXPECT_EQ(fiche->AdvStringGridCorrection.cell(0, 2), "Extincteur");
    EXPECT_EQ(fiche->AdvStringGrid1.cell(1, 2), "119.80");
    EXPECT_EQ(fiche->STMasseMesuree.text(), "299.30");
}

TEST_F(SaveTest, PreviousDateIsSavedAsTyped) {
    Enregistre();
    fiche->MaskEditPrecDate.setText("03/04/2019");
    fiche->ButtonsaveClick();
    EXPECT_EQ(ChargeAvions(tmp.file("pesavia.ini")).at(0).DatePrecPesee, "03/04/2019");
}

TEST_F(SaveTest, AircraftMissingFromTheRegisterSavesNothing) {
    EnregistreIdentite(tmp.file("pesavia.ini"), {"F-JXYZ", "Other", "Ici", "300", "1"});
    const std::string before = ReadAll(tmp.file("pesavia.ini"));
    fiche->ButtonsaveClick();
    EXPECT_EQ(ReadAll(tmp.file("pesavia.ini")), before);
    EXPECT_FALSE(std::filesystem::exists(fiche->FichierPesee));
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(SaveTest, InventoryIsSavedOnCloseAndRestoredOnReopen) {
    desktop.onNextModal<TFormInventaire>([](TFormInventaire& inv) {
        Grid& g = inv.AdvStringGridInventaire;
        g.editChange(0, 1, "Hélice bipale");
        g.editDone(0, 1);
        g.selectCell(0, 3);
        inv.DelInventaireLine.click();
        inv.AddInventaireLine.click();
        g.editChange(0, 28, "Parachute");
        g.editDone(0, 28);
    });
    fiche->ButtonInventaire.click();
    ASSERT_TRUE(std::filesystem::exists(fiche->FichierInventaire));

    std::vector<std::string> seen;
    desktop.onNextModal<TFormInventaire>([&](TFormInventaire& inv) {
        const Grid& g = inv.AdvStringGridInventaire;
        for (int r = 0; r < g.rowCount(); ++r)
            seen.push_back(g.cell(0, r));
    });
    fiche->ButtonInventaire.click();
    ASSERT_EQ(seen.size(), 30u);
    EXPECT_EQ(seen[1], "Hélice bipale");
    EXPECT_EQ(seen[3], "Batterie"); // "Génératrice ou Alternateur" was deleted
    EXPECT_EQ(seen[27], "Divers");
    EXPECT_EQ(seen[28], "Parachute");
    EXPECT_EQ(seen[29], "Correction globale");
    EXPECT_EQ(desktop.modalShown.size(), 2u);
}

TEST_F(SaveTest, UnreadableInventoryIsKeptWhole) {
    WriteAll(fiche->FichierInventaire, "TPF0 damaged");
    fiche->ButtonInventaire.click();
    EXPECT_EQ(ReadAll(fiche->FichierInventaire), "TPF0 damaged");
    EXPECT_TRUE(desktop.modalShown.empty());
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].kind, MessageKind::Error);
    EXPECT_NE(desktop.messages[0].text.find(fiche->FichierInventaire), std::string::npos);
    EXPECT_NE(desktop.messages[0].text.find("conservé"), std::string::npos);
}

TEST_F(SaveTest, InventoryWriteErrorIsRaisedAfterTheWindowClosed) {
    fiche->FichierInventaire = tmp.file("absent/F-JABC_inventaire.bin");
    EXPECT_THROW(fiche->ButtonInventaire.click(), Error);
    EXPECT_EQ(desktop.modalShown.size(), 1u);
}

} // namespace
} // namespace pesavia::test
