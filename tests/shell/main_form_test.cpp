#include "shell/main_form.h"

#include "controls/error.h"
#include "controls/text_case.h"
#include "sheet/fiche.h"
#include "shell/param_form.h"
#include "shell_fixture.h"
#include "store/grid_file.h"
#include "store/register.h"
#include "store/settings.h"
#include "tiny_jpeg.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace pesavia::test {
namespace {

const char* const kMessage475 =
    "Ce logiciel étant réservé à l'usage des ULM, il est limité à la masse maximale au "
    "décolage de 475 kg. Pour une version sans cette limite, consultez le site "
    "internet de l'éditeur.";
const char* const kMasseIncorrecte = "Masse maxi au décollage incorrect";
const char* const kImmatIncorrecte =
    "Immatriculation incorrecte : elle ne peut contenir ni « / », ni « \\ », ni "
    "caractère de contrôle, et ne peut être « . » ou « .. ».";

TAvion Avion(std::string immat, std::string train = "0", std::string date = "05/03/2024") {
    TAvion a;
    a.Immat = std::move(immat);
    a.TypeAvion = "Savannah";
    a.LieuDerPesee = "Lens";
    a.MTOW = "450";
    a.Train = std::move(train);
    a.DateDerPesee = std::move(date);
    return a;
}

class MainFormTest : public ShellTest {
  protected:
    std::unique_ptr<TFormMain> open() { return std::make_unique<TFormMain>(programme, desktop); }

    // The main window with its program folder and a register holding `avions`.
    std::unique_ptr<TFormMain> openWith(const std::vector<TAvion>& avions) {
        std::filesystem::create_directories(dossierProgramme());
        WriteRegister(registre(), avions);
        return open();
    }

    // Types a new aircraft's identity as the operator would.
    static void Saisit(TFormMain& form, const std::string& immat, const std::string& type,
                       const std::string& lieu, const std::string& mtow, int train = 0) {
        form.ComboBoxListeAvion.type(immat, false);
        form.EditTypeAvion.type(type);
        form.EditLieu.type(lieu);
        form.EditMTOW.type(mtow);
        form.RadioGroupType.click(train);
    }
};

TEST_F(MainFormTest, firstStart_createsFolderAndShowsEmptyWindow) {
    ASSERT_FALSE(std::filesystem::exists(dossierProgramme()));
    auto form = open();
    EXPECT_TRUE(std::filesystem::is_directory(dossierProgramme()));
    EXPECT_EQ(programme.FichierParam, dossierProgramme() + "param.ini");
    EXPECT_EQ(programme.Param.DataDir, dossierProgramme());
    EXPECT_FALSE(std::filesystem::exists(programme.FichierParam)); // only the dialog's "OK" writes it
    EXPECT_TRUE(form->ComboBoxListeAvion.items().empty());
    EXPECT_EQ(form->ComboBoxListeAvion.text(), "");
    EXPECT_EQ(form->MaskEditDate.text(), "11/12/2026");
    EXPECT_EQ(form->EditTypeAvion.text(), "");
    EXPECT_EQ(form->RadioGroupType.itemIndex(), -1);
    EXPECT_FALSE(form->Image1.visible());
    EXPECT_FALSE(form->Image2.visible());
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(desktop.terminateCalls, 0);
    EXPECT_EQ(form->ButtonNew.hint(), "Créer ou ouvre une fiche de pesée");
    EXPECT_EQ(form->Button1.hint(), "Modifier le dossier de sauvegarde des données");
}

TEST_F(MainFormTest, start_listsRegisterAndLoadsDiagramsBesideTheProgram) {
    desktop.executableDir = makeFolder("bin");
    WriteAll(desktop.executableDir + "qtricycle.jpg", TinyJpeg());
    // No "qclassique.jpg": that picture just stays empty.
    auto form = openWith({Avion("F-JABC"), Avion("59-DX"), Avion("12ABC")});
    EXPECT_EQ(form->ComboBoxListeAvion.items(), (std::vector<std::string>{"F-JABC", "59-DX", "12ABC"}));
    EXPECT_EQ(form->ComboBoxListeAvion.itemIndex(), -1);
    ASSERT_TRUE(form->Image1.image());
    EXPECT_EQ(form->Image1.image()->width, 3);
    EXPECT_FALSE(form->Image2.image());
}

TEST_F(MainFormTest, programFolderThatCannotBeCreated_isFatalButCreationRunsToItsEnd) {
    const std::string blocker = tmp.file("not-a-folder");
    WriteAll(blocker, "x");
    setenv("XDG_DATA_HOME", blocker.c_str(), 1);
    auto form = open();
    const std::string message = "Impossible de créer le dossier " + blocker + "/Pesavia/";
    ASSERT_FALSE(desktop.messages.empty());
    EXPECT_EQ(desktop.messages.front().text, message);
    // The data folder falls back to the same missing folder, which is reported too.
    EXPECT_EQ(desktop.texts(), (std::vector<std::string>{message, message}));
    EXPECT_EQ(desktop.terminateCalls, 2);
    EXPECT_EQ(programme.FichierParam, blocker + "/Pesavia/param.ini");
    EXPECT_EQ(form->MaskEditDate.text(), "11/12/2026");
}

TEST_F(MainFormTest, validation_firstFailureShowsItsMessageAndNothingIsWritten) {
    struct Case {
        std::string type, immat, lieu, mtow, message;
    };
    const Case cases[] = {
        {"", "F-JABC", "", "450", "Type d'appareil manquant"},
        {"   ", "F-JABC", "Lens", "450", "Type d'appareil manquant"},
        {"Savannah", "  ", "", "abc", "Immatriculation de l'appareil manquante"},
        {"Savannah", "F-JABC", " ", "abc", "Lieu manquant"},
        {"Savannah", "F-JABC", "Lens", "1 200", kMessage475},
        {"Savannah", "F-JABC", "Lens", "475,01", kMessage475},
        {"Savannah", "F-JABC", "Lens", "0", kMasseIncorrecte},
        {"Savannah", "F-JABC", "Lens", "-3", kMasseIncorrecte},
        {"Savannah", "F-JABC", "Lens", "abc", kMasseIncorrecte},
        {"Savannah", "F-JABC", "Lens", "12kg", kMasseIncorrecte},
        {"Savannah", "F-JABC", "Lens", "", kMasseIncorrecte},
        // Registrations that cannot name the aircraft's files, refused before the place is checked.
        {"Savannah", "F/JABC", "", "450", kImmatIncorrecte},
        {"Savannah", "..\\PARAM", "Lens", "450", kImmatIncorrecte},
        {"Savannah", " .. ", "Lens", "450", kImmatIncorrecte},
        {"Savannah", ".", "Lens", "450", kImmatIncorrecte},
        {"Savannah", "F-J\tABC", "Lens", "450", kImmatIncorrecte},
        {"Savannah", "F-JABC\n", "Lens", "450", kImmatIncorrecte},
    };
    auto form = open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type + "|" + c.immat + "|" + c.lieu + "|" + c.mtow);
        desktop.messages.clear();
        Saisit(*form, c.immat, c.type, c.lieu, c.mtow);
        form->ButtonNew.click();
        EXPECT_EQ(desktop.texts(), std::vector<std::string>{c.message});
        EXPECT_FALSE(std::filesystem::exists(registre()));
        EXPECT_TRUE(desktop.modalShown.empty());
        EXPECT_TRUE(form->visible());
    }
}

TEST_F(MainFormTest, acceptedMasses_storedAsTypedAndShownNormalisedOnTheSheet) {
    struct Case {
        std::string typed, onSheet;
    };
    const Case cases[] = {{"450,5", "450.5"}, {"475", "475"}, {" 4 50 ", "450"}, {"0,5", "0.5"}};
    auto form = open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        std::string shown;
        desktop.onNextModal<TFormFiche>([&](TFormFiche& sheet) { shown = sheet.StMTow.text(); });
        Saisit(*form, "F-JABC", "Savannah", "Lens", c.typed);
        form->ButtonNew.click();
        EXPECT_TRUE(desktop.messages.empty());
        EXPECT_EQ(shown, c.onSheet);
        const ttbavion avions = ChargeAvions(registre());
        ASSERT_EQ(avions.size(), 1u);
        EXPECT_EQ(avions[0].MTOW, TrimBlanks(c.typed)); // read back without surrounding blanks
    }
}

TEST_F(MainFormTest, newAircraftGetNextKeysAndReopeningRewritesTheSameKey) {
    auto form = open();
    Saisit(*form, "f-jabc", "Savannah", "Lens", "450");
    form->ButtonNew.click();
    EXPECT_EQ(KeysOf(registre(), "AVIONS"), std::vector<std::string>{"0"});
    for (const char* section :
         {"AVIONS-IMMAT", "AVIONS-TYPE_AVION", "AVIONS-LIEU_DER_PESEE", "AVIONS-MTOW", "AVIONS-TRAIN"})
        EXPECT_EQ(KeysOf(registre(), section), std::vector<std::string>{"0"}) << section;

    Saisit(*form, "59-DX", "Ventura", "Arras", "472,5", 1);
    form->ButtonNew.click();
    EXPECT_EQ(KeysOf(registre(), "AVIONS"), (std::vector<std::string>{"0", "1"}));

    // Listed after a refill: select the first one, change its place and open it again.
    form->Button1.click();
    ASSERT_EQ(form->ComboBoxListeAvion.items(), (std::vector<std::string>{"F-JABC", "59-DX"}));
    form->ComboBoxListeAvion.pick(0);
    form->EditLieu.type("Calais");
    form->ButtonNew.click();
    EXPECT_EQ(KeysOf(registre(), "AVIONS"), (std::vector<std::string>{"0", "1"}));
    const ttbavion avions = ChargeAvions(registre());
    ASSERT_EQ(avions.size(), 2u);
    EXPECT_EQ(avions[0].Immat, "F-JABC");
    EXPECT_EQ(avions[0].LieuDerPesee, "Calais");
    EXPECT_EQ(avions[1].Immat, "59-DX");
    EXPECT_EQ(avions[1].MTOW, "472,5");
    EXPECT_EQ(avions[1].Train, "1");
}

TEST_F(MainFormTest, selection_fillsIdentityDateAndLandingGear) {
    struct Case {
        std::string train, date;
        int index;
        std::string shownDate;
        bool image1, image2;
    };
    // Each case follows the previous one: clearing the gear leaves the drawing that was shown.
    const Case cases[] = {
        {"1", "05/03/2024", 1, "05/03/2024", false, true},
        {"0", "31/02/2020", 0, "11/12/2026", true, false},
        {"5", "", 1, "11/12/2026", false, true},
        {"-3", "1/2/2024", -1, "1/2/2024", false, true},
        {"0", "garbage", 0, "11/12/2026", true, false},
        {"1x", "05/03/2024", -1, "05/03/2024", true, false},
    };
    std::vector<TAvion> avions;
    for (size_t i = 0; i < std::size(cases); ++i) {
        avions.push_back(Avion("F-JA" + std::to_string(i), cases[i].train, cases[i].date));
        avions.back().TypeAvion = "Type " + std::to_string(i);
        avions.back().MTOW = "4" + std::to_string(i) + "0,5";
        avions.back().LieuDerPesee = "Lieu " + std::to_string(i);
    }
    auto form = openWith(avions);
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        form->ComboBoxListeAvion.pick(static_cast<int>(i));
        EXPECT_EQ(form->ComboBoxListeAvion.text(), avions[i].Immat);
        EXPECT_EQ(form->EditTypeAvion.text(), avions[i].TypeAvion);
        EXPECT_EQ(form->EditMTOW.text(), avions[i].MTOW);
        EXPECT_EQ(form->EditLieu.text(), avions[i].LieuDerPesee);
        EXPECT_EQ(form->MaskEditDate.text(), cases[i].shownDate);
        EXPECT_EQ(form->RadioGroupType.itemIndex(), cases[i].index);
        EXPECT_EQ(form->Image1.visible(), cases[i].image1);
        EXPECT_EQ(form->Image2.visible(), cases[i].image2);
    }
}

TEST_F(MainFormTest, typingAPrefixSelectsTheRegistrationAndOtherTextSelectsNothing) {
    TAvion autre = Avion("59-DX", "1");
    autre.TypeAvion = "Ventura";
    auto form = openWith({Avion("F-JABC"), autre});
    form->ComboBoxListeAvion.type("59-d");
    EXPECT_EQ(form->ComboBoxListeAvion.itemIndex(), 1);
    EXPECT_EQ(form->ComboBoxListeAvion.text(), "59-DX");
    EXPECT_EQ(form->EditTypeAvion.text(), "Ventura");
    EXPECT_EQ(form->RadioGroupType.itemIndex(), 1);

    form->ComboBoxListeAvion.type("F-X");
    EXPECT_EQ(form->ComboBoxListeAvion.itemIndex(), -1);
    EXPECT_EQ(form->ComboBoxListeAvion.text(), "F-X");
    EXPECT_EQ(form->EditTypeAvion.text(), "Ventura"); // nothing selected, nothing filled
}

TEST_F(MainFormTest, noLandingGear_recordsTheEntryThenRefusesTheSheet) {
    auto form = open();
    Saisit(*form, "F-JABC", "Savannah", "Lens", "450");
    form->RadioGroupType.setItemIndex(-1);
    form->ButtonNew.click();
    EXPECT_EQ(desktop.texts(), std::vector<std::string>{"Type d'atterrisseur inconnu"});
    EXPECT_TRUE(desktop.modalShown.empty());
    EXPECT_TRUE(form->visible());
    const ttbavion avions = ChargeAvions(registre());
    ASSERT_EQ(avions.size(), 1u);
    EXPECT_EQ(avions[0].Train, "-1");
    EXPECT_EQ(avions[0].TypeAvion, "Savannah");
}

TEST_F(MainFormTest, selectedAircraft_sheetReceivesRegisterValuesAndIsReselectedAfterwards) {
    desktop.executableDir = makeFolder("bin");
    WriteAll(desktop.executableDir + "qclassique.jpg", TinyJpeg());
    TAvion a = Avion("F-JABC", "1");
    a.DatePrecPesee = "02/01/2020";
    a.MassePrecVide = "280.5";
    a.Niveau = "longeron";
    a.Reference = "bord d'attaque";
    a.DValue = "0.4500";
    a.BigDValue = "1.2000";
    a.XMin = "0.1";
    a.XMax = "abc";
    a.YMin = "200";
    a.YMax = "4,5";
    a.NbMinX = "150";
    a.NbMinY = "x";
    auto form = openWith({Avion("59-DX"), a});
    form->ComboBoxListeAvion.type("f-j");
    form->EditLieu.type("  Arras ");

    desktop.onNextModal<TFormFiche>([&](TFormFiche& sheet) {
        EXPECT_FALSE(form->visible());
        const std::string base = dossierProgramme() + "F-JABC";
        EXPECT_EQ(sheet.TypeTrain, 1);
        EXPECT_EQ(sheet.DataDir, dossierProgramme());
        EXPECT_EQ(sheet.FichierIni, registre());
        EXPECT_EQ(sheet.FichierPesee, base + "_pesee.bin");
        EXPECT_EQ(sheet.FichierCorrect, base + "_corect.bin");
        EXPECT_EQ(sheet.FichierEnveloppe, base + "_enveloppe.bin");
        EXPECT_EQ(sheet.FichierExemple, base + "_exemple.bin");
        EXPECT_EQ(sheet.FichierInventaire, base + "_inventaire.bin");
        EXPECT_EQ(sheet.AdvStringGrid1.cell(0, 3), "Roue AR");
        EXPECT_EQ(sheet.Lform1.text(), "D1 = p2 x D / M =");
        EXPECT_EQ(sheet.LForm2.text(), "x = d + D1 =");
        EXPECT_EQ(sheet.StTypeTrain.text(), "Classique");
        EXPECT_EQ(sheet.Image1.image(), form->Image2.image());
        EXPECT_TRUE(sheet.Image1.image());
        EXPECT_EQ(sheet.StTypeAvion.text(), "Savannah");
        EXPECT_EQ(sheet.STImmatAvion.text(), "F-JABC");
        EXPECT_EQ(sheet.STDate.text(), "05/03/2024");
        EXPECT_EQ(sheet.STLieu.text(), "  Arras ");
        EXPECT_EQ(sheet.MaskEditPrecDate.text(), "02/01/2020");
        EXPECT_EQ(sheet.EditPrecMasse.text(), "280.5");
        EXPECT_EQ(sheet.EditMiseaniveau.text(), "longeron");
        EXPECT_EQ(sheet.EditLRef.text(), "bord d'attaque");
        EXPECT_EQ(sheet.Editdvalue.text(), "0.4500");
        EXPECT_EQ(sheet.Editbigdvalue.text(), "1.2000");
        EXPECT_EQ(sheet.EditXmin.text(), "0.1");
        EXPECT_EQ(sheet.EditXmax.text(), "");
        EXPECT_EQ(sheet.EditYmin.text(), "200");
        EXPECT_EQ(sheet.EditYmax.text(), ""); // "," does not read in a stored limit
        EXPECT_EQ(sheet.SpinEditXMineur.value(), 100);
        EXPECT_EQ(sheet.SpinEditYMineur.value(), 10);
        // Changed by someone else while the sheet is open: seen after it closes.
        WriteRegister(registre(), {Avion("59-DX"), a, Avion("12ABC")});
    });
    form->ButtonNew.click();
    EXPECT_EQ(desktop.modalShown.size(), 1u);
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_TRUE(form->visible());
    EXPECT_EQ(form->ComboBoxListeAvion.items(), (std::vector<std::string>{"59-DX", "F-JABC", "12ABC"}));
    EXPECT_EQ(form->ComboBoxListeAvion.itemIndex(), 1);
    // The identity was recorded again once the sheet closed.
    EXPECT_EQ(ChargeAvions(registre())[1].LieuDerPesee, "Arras");
}

TEST_F(MainFormTest, typedAircraft_sheetGetsNoRegisterValuesAndIsNotListedYet) {
    TAvion a = Avion("F-JABC");
    a.MassePrecVide = "280.5";
    a.DatePrecPesee = "02/01/2020";
    a.Reference = "bord d'attaque";
    a.NbMinX = "20";
    auto form = openWith({a});
    form->ComboBoxListeAvion.type("F-JABC", false); // typed in full without completion: nothing selected
    form->EditTypeAvion.type("Savannah");
    form->EditLieu.type("Lens");
    form->EditMTOW.type("450");
    form->RadioGroupType.click(0);
    desktop.onNextModal<TFormFiche>([&](TFormFiche& sheet) {
        EXPECT_EQ(sheet.AdvStringGrid1.cell(0, 3), "Roue AV");
        EXPECT_EQ(sheet.Lform1.text(), "D2 = p1 x D / M =");
        EXPECT_EQ(sheet.LForm2.text(), "x = d - D2 =");
        EXPECT_EQ(sheet.StTypeTrain.text(), "Tricycle");
        EXPECT_EQ(sheet.EditPrecMasse.text(), "");
        EXPECT_EQ(sheet.MaskEditPrecDate.text(), "  /  /    ");
        EXPECT_EQ(sheet.EditLRef.text(), "");
        EXPECT_EQ(sheet.SpinEditXMineur.value(), 10);
    });
    form->ButtonNew.click();
    ASSERT_EQ(desktop.modalShown.size(), 1u);

    Saisit(*form, "ZZ-NEW", "Ventura", "Lens", "450");
    form->ButtonNew.click();
    EXPECT_EQ(desktop.modalShown.size(), 2u);
    EXPECT_EQ(form->ComboBoxListeAvion.items(), std::vector<std::string>{"F-JABC"});
    EXPECT_EQ(form->ComboBoxListeAvion.text(), "ZZ-NEW");
    EXPECT_EQ(ChargeAvions(registre()).size(), 2u);
}

TEST_F(MainFormTest, gridFilesThatExistAreLoadedIntoTheSheet) {
    auto form = open();
    Grid enveloppe(3, 4);
    enveloppe.setCell(1, 1, "0.2500");
    enveloppe.setCell(2, 1, "300.00");
    SauveGrille(enveloppe, dossierProgramme() + "F-JABC_enveloppe.bin");
    // An inventory file is left for the inventory window to read.
    SauveGrille(enveloppe, dossierProgramme() + "F-JABC_inventaire.bin");
    desktop.onNextModal<TFormFiche>([&](TFormFiche& sheet) {
        EXPECT_EQ(sheet.AdvStringGrid2.rowCount(), 4);
        EXPECT_EQ(sheet.AdvStringGrid2.cell(1, 1), "0.2500");
        EXPECT_EQ(sheet.AdvStringGrid2.cell(2, 1), "300.00");
    });
    Saisit(*form, "F-JABC", "Savannah", "Lens", "450");
    form->ButtonNew.click();
    EXPECT_EQ(desktop.modalShown.size(), 1u);
}

TEST_F(MainFormTest, damagedGridFile_discardsTheSheetAndKeepsTheWindowShown) {
    auto form = open();
    WriteAll(dossierProgramme() + "F-JABC_exemple.bin", "not a grid");
    Saisit(*form, "F-JABC", "Savannah", "Lens", "450");
    EXPECT_THROW(form->ButtonNew.click(), Error);
    EXPECT_TRUE(desktop.modalShown.empty());
    EXPECT_TRUE(form->visible());
    EXPECT_EQ(ChargeAvions(registre()).size(), 1u); // recorded before the sheet was prepared
}

TEST_F(MainFormTest, failureWhileTheSheetIsShown_restoresTheWindowRecordsAgainThenPropagates) {
    auto form = openWith({Avion("F-JABC")});
    form->ComboBoxListeAvion.pick(0);
    desktop.onNextModal<TFormFiche>([&](TFormFiche&) {
        WriteRegister(registre(), {Avion("F-JABC"), Avion("59-DX")});
        form->EditLieu.setText("Calais");
        throw Error("Impossible d'écrire dans x");
    });
    EXPECT_THROW(form->ButtonNew.click(), Error);
    EXPECT_TRUE(form->visible());
    EXPECT_EQ(form->ComboBoxListeAvion.items(), (std::vector<std::string>{"F-JABC", "59-DX"}));
    EXPECT_EQ(form->ComboBoxListeAvion.itemIndex(), 0);
    EXPECT_EQ(ChargeAvions(registre())[0].LieuDerPesee, "Calais");
}

TEST_F(MainFormTest, parametersDialog_newDataFolderListsItsRegisterAndEmptiesTheRegistration) {
    auto form = openWith({Avion("F-JABC")});
    const std::string nouveau = makeFolder("autres-donnees");
    WriteRegister(nouveau + "pesavia.ini", {Avion("59-DX"), Avion("12ABC")});
    form->ComboBoxListeAvion.pick(0);
    form->EditLieu.type("Arras");
    desktop.folderAnswers.push_back(nouveau.substr(0, nouveau.size() - 1));
    desktop.onNextModal<TFormParam>([&](TFormParam& dialog) {
        EXPECT_FALSE(form->visible());
        dialog.Buttonchangedatadir.click();
        dialog.Button1.click();
    });
    form->Button1.click();
    EXPECT_TRUE(form->visible());
    EXPECT_EQ(programme.Param.DataDir, nouveau);
    EXPECT_NE(ReadAll(programme.FichierParam).find("DATADIR=" + nouveau), std::string::npos);
    EXPECT_EQ(form->ComboBoxListeAvion.items(), (std::vector<std::string>{"59-DX", "12ABC"}));
    EXPECT_EQ(form->ComboBoxListeAvion.itemIndex(), -1);
    EXPECT_EQ(form->ComboBoxListeAvion.text(), "");
    EXPECT_EQ(form->EditLieu.text(), "Arras");
    EXPECT_TRUE(std::filesystem::exists(registre())); // the old folder's files stay where they were
}

TEST_F(MainFormTest, parametersDialog_closeBoxChangesNothing) {
    auto form = openWith({Avion("F-JABC")});
    const std::string nouveau = makeFolder("autres");
    desktop.folderAnswers.push_back(nouveau);
    desktop.onNextModal<TFormParam>([](TFormParam& dialog) { dialog.Buttonchangedatadir.click(); });
    form->ComboBoxListeAvion.type("F-J");
    form->Button1.click();
    EXPECT_EQ(programme.Param.DataDir, dossierProgramme());
    EXPECT_FALSE(std::filesystem::exists(programme.FichierParam));
    EXPECT_EQ(form->ComboBoxListeAvion.items(), std::vector<std::string>{"F-JABC"});
    EXPECT_EQ(form->ComboBoxListeAvion.text(), "");
    EXPECT_TRUE(form->visible());
}

} // namespace
} // namespace pesavia::test
