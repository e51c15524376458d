#include "shell/param_form.h"

#include "controls/error.h"
#include "shell_fixture.h"
#include "store/settings.h"
#include "tiny_jpeg.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pesavia::test {
namespace {

class ParamFormTest : public ShellTest {
  protected:
    std::string logo, autreLogo, donnees;

    void SetUp() override {
        std::filesystem::create_directories(dossierProgramme());
        programme.FichierParam = dossierProgramme() + "param.ini";
        donnees = makeFolder("donnees");
        logo = tmp.file("logo.jpg");
        WriteAll(logo, TinyJpeg());
        autreLogo = makeFolder("images") + "autre.jpg";
        WriteAll(autreLogo, TinyJpeg());
        programme.Param = {donnees, "Sartorius", "12", "01/02/2025", logo};
    }

    std::unique_ptr<TFormParam> open() {
        auto dialog = std::make_unique<TFormParam>(programme, desktop);
        dialog->closeRequested.connect([this] { ++closes; });
        return dialog;
    }

    int closes = 0;
};

TEST_F(ParamFormTest, creation_showsTheStoredSettingsAndTheLogo) {
    auto dialog = open();
    EXPECT_EQ(dialog->Labeldatadir.text(), donnees);
    EXPECT_EQ(dialog->EditTypeBal.text(), "Sartorius");
    EXPECT_EQ(dialog->EditNumBal.text(), "12");
    EXPECT_EQ(dialog->MaskEditDateEtalone.text(), "01/02/2025");
    EXPECT_EQ(dialog->Labellogofile.text(), logo);
    ASSERT_TRUE(dialog->Image1.image());
    EXPECT_EQ(dialog->Image1.image()->width, 3);
    EXPECT_EQ(dialog->Image1.image()->height, 2);
    EXPECT_EQ(dialog->Buttonchangedatadir.hint(), "Changer");
    EXPECT_EQ(dialog->Buttonchangelogo.hint(), "Changer de logo");

    programme.Param = {donnees, "", "", "", tmp.file("absent.jpg")};
    auto empty = open();
    EXPECT_EQ(empty->MaskEditDateEtalone.text(), "  /  /    ");
    EXPECT_FALSE(empty->Image1.image());
}

TEST_F(ParamFormTest, dataFolderBrowser_opensOnTheDataFolderAndKeepsOnlyExistingChoices) {
    auto dialog = open();
    struct Case {
        std::optional<std::string> answer;
        std::string label;
    };
    const std::string autre = makeFolder("autre");
    const Case cases[] = {
        {std::nullopt, donnees},
        {tmp.file("absent"), donnees},
        {autre.substr(0, autre.size() - 1), autre},
        {donnees, donnees},
    };
    for (const Case& c : cases) {
        desktop.folderAnswers.push_back(c.answer);
        dialog->Buttonchangedatadir.click();
        EXPECT_EQ(dialog->Labeldatadir.text(), c.label);
    }
    ASSERT_EQ(desktop.folderCalls.size(), std::size(cases));
    EXPECT_EQ(desktop.folderCalls[0].title_or_filter, "dossier de sauvegarde");
    EXPECT_EQ(desktop.folderCalls[0].folder, donnees);

    // A data folder that has gone: the browser opens on the program's folder.
    std::filesystem::remove_all(donnees);
    dialog->Buttonchangedatadir.click();
    EXPECT_EQ(desktop.folderCalls.back().folder, dossierProgramme());
    EXPECT_EQ(programme.Param.DataDir, donnees); // nothing stored before "OK"
}

TEST_F(ParamFormTest, logoDialog_proposesTheCurrentLogoOrTheDataFolder) {
    auto dialog = open();
    desktop.fileAnswers.push_back(autreLogo);
    dialog->Buttonchangelogo.click();
    ASSERT_EQ(desktop.fileCalls.size(), 1u);
    EXPECT_EQ(desktop.fileCalls[0].title_or_filter, "Fichier image JPEG (*.jpg) | *.jpg");
    EXPECT_EQ(desktop.fileCalls[0].folder, tmp.path().substr(0, tmp.path().size() - 1));
    EXPECT_EQ(desktop.fileCalls[0].fileName, "logo.jpg");
    EXPECT_EQ(dialog->Labellogofile.text(), autreLogo);
    EXPECT_EQ(programme.Param.FichierLogo, logo);

    programme.Param.FichierLogo = tmp.file("absent.jpg");
    desktop.fileAnswers.push_back(tmp.file("absent.jpg")); // a file that does not exist is ignored
    dialog->Buttonchangelogo.click();
    EXPECT_EQ(desktop.fileCalls[1].folder, donnees.substr(0, donnees.size() - 1));
    EXPECT_EQ(desktop.fileCalls[1].fileName, "logo.jpg");
    EXPECT_EQ(dialog->Labellogofile.text(), autreLogo);
    EXPECT_TRUE(dialog->Image1.image());
}

TEST_F(ParamFormTest, unreadableLogo_isNotShownButItsPathIsStored) {
    const std::string abime = tmp.file("abime.jpg");
    WriteAll(abime, "not a picture");
    auto dialog = open();
    ASSERT_TRUE(dialog->Image1.image()); // the readable stored logo
    desktop.fileAnswers.push_back(abime);
    dialog->Buttonchangelogo.click();
    EXPECT_EQ(dialog->Labellogofile.text(), abime);
    EXPECT_FALSE(dialog->Image1.image()); // never the preview of another file
    dialog->Button1.click();
    EXPECT_EQ(programme.Param.FichierLogo, abime);
    EXPECT_EQ(ChargeParam(programme.FichierParam).FichierLogo, abime);
}

TEST_F(ParamFormTest, ok_storesTrimmedScaleAndBlankDateThenCloses) {
    auto dialog = open();
    const std::string autre = makeFolder("autre");
    desktop.folderAnswers.push_back(autre);
    dialog->Buttonchangedatadir.click();
    dialog->EditTypeBal.type("  Kern  ");
    dialog->EditNumBal.type(" 7 ");
    dialog->MaskEditDateEtalone.type("");
    dialog->Button1.click();
    EXPECT_EQ(closes, 1);
    const tparam expected{autre, "Kern", "7", "  /  /    ", logo};
    EXPECT_EQ(programme.Param, expected);
    const std::string ini = ReadAll(programme.FichierParam);
    EXPECT_NE(ini.find("DATADIR=" + autre), std::string::npos);
    EXPECT_NE(ini.find("ETALONNAGE=  /  /    "), std::string::npos);
    EXPECT_EQ(ChargeParam(programme.FichierParam).TypeBalance, "Kern");
}

TEST_F(ParamFormTest, ok_keepsStoredFolderAndLogoThatVanishedSinceTheirChoice) {
    auto dialog = open();
    const std::string autre = makeFolder("autre");
    desktop.folderAnswers.push_back(autre);
    desktop.fileAnswers.push_back(autreLogo);
    dialog->Buttonchangedatadir.click();
    dialog->Buttonchangelogo.click();
    std::filesystem::remove_all(autre);
    std::filesystem::remove(autreLogo);
    dialog->Button1.click();
    EXPECT_EQ(programme.Param.DataDir, donnees);
    EXPECT_EQ(programme.Param.FichierLogo, logo);
}

TEST_F(ParamFormTest, annuler_putsTheStoredValuesBackAndStaysOpen) {
    auto dialog = open();
    desktop.folderAnswers.push_back(makeFolder("autre"));
    desktop.fileAnswers.push_back(autreLogo);
    dialog->Buttonchangedatadir.click();
    dialog->Buttonchangelogo.click();
    dialog->EditTypeBal.type("Kern");
    dialog->MaskEditDateEtalone.type("03/04/2026");
    dialog->Button2.click();
    EXPECT_EQ(closes, 0);
    EXPECT_EQ(dialog->Labeldatadir.text(), donnees);
    EXPECT_EQ(dialog->Labellogofile.text(), logo);
    EXPECT_EQ(dialog->EditTypeBal.text(), "Sartorius");
    EXPECT_EQ(dialog->MaskEditDateEtalone.text(), "01/02/2025");
    EXPECT_TRUE(dialog->Image1.image());
    EXPECT_FALSE(std::filesystem::exists(programme.FichierParam));
}

TEST_F(ParamFormTest, failedWrite_keepsTheDialogOpenWithTheNewSettings) {
    programme.FichierParam = tmp.file("absent/param.ini");
    auto dialog = open();
    dialog->EditTypeBal.type("Kern");
    EXPECT_THROW(dialog->Button1.click(), Error);
    EXPECT_EQ(closes, 0);
    EXPECT_EQ(programme.Param.TypeBalance, "Kern");
}

} // namespace
} // namespace pesavia::test
