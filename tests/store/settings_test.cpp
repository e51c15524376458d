#include "store/settings.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace pesavia {
namespace {

using test::ReadAll;
using test::TempDir;
using test::WriteAll;

TEST(DossierSpecial, isTheXdgDataFolderElseTheHomeShare) {
    TempDir dir;
    EXPECT_EQ(DossierSpecial(26), dir.path() + "home/.local/share");
    EXPECT_EQ(DossierProgramme(), dir.path() + "home/.local/share/Pesavia/");
    setenv("XDG_DATA_HOME", "relative/ignored", 1);
    EXPECT_EQ(DossierSpecial(26), dir.path() + "home/.local/share");
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(DossierSpecial(26), dir.path() + "home/.local/share");
}

TEST(ChargeParam, fallsBackToTheProgramsFolder) {
    TempDir dir;
    const std::string program = DossierProgramme();
    std::filesystem::create_directory(dir.file("data"));
    struct Case {
        const char* name;
        std::string file; // empty: no file at all
        std::string dataDir;
    } cases[] = {
        {"no file", "", program},
        {"separator added", "[PARAM]\nDATADIR=" + dir.file("data") + "\n", dir.file("data/")},
        {"separator kept", "[PARAM]\nDATADIR=" + dir.file("data/") + "\n", dir.file("data/")},
        {"missing folder", "[PARAM]\nDATADIR=" + dir.file("gone") + "\n", program},
        {"empty value", "[PARAM]\nDATADIR=\n", program},
        {"windows path", "[PARAM]\nDATADIR=C:\\Pesavia\\\n", program},
        {"lower-case names", "[param]\ndatadir=" + dir.file("data") + "\n", dir.file("data/")},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(program);
        const std::string path = dir.file("param.ini");
        std::filesystem::remove(path);
        if (!c.file.empty()) WriteAll(path, c.file);
        const tparam p = ChargeParam(path);
        EXPECT_EQ(p.DataDir, c.dataDir) << c.name;
        EXPECT_EQ(p.TypeBalance, "") << c.name;
        EXPECT_EQ(p.FichierLogo, "") << c.name;
        EXPECT_TRUE(std::filesystem::is_directory(p.DataDir)) << c.name;
    }
}

TEST(SauveParam, writesTheFiveKeysAndReadsThemBack) {
    TempDir dir;
    const std::string path = dir.file("param.ini");
    const tparam written{dir.path(), "Balance Électronique", "N°12", "  /  /    ", dir.file("logo.jpg")};
    SauveParam(path, written);
    EXPECT_EQ(ReadAll(path), "[PARAM]\r\nDATADIR=" + dir.path() +
                                 "\r\n[BALANCE]\r\nTYPE=Balance \xC9lectronique\r\nNUM=N\xB0"
                                 "12\r\nETALONNAGE=  /  /    \r\n[LOGO]\r\nFILE=" +
                                 dir.file("logo.jpg") + "\r\n");
    tparam expected = written;
    expected.DateEtalonnage = "/  /"; // blanks around a value are lost on reading
    EXPECT_EQ(ChargeParam(path), expected);

    // A second save replaces every value in place.
    SauveParam(path, tparam{dir.path(), "T", "", "01/02/2024", ""});
    EXPECT_EQ(ChargeParam(path), (tparam{dir.path(), "T", "", "01/02/2024", ""}));
    EXPECT_EQ(ReadAll(path).find("Balance"), std::string::npos);
}

TEST(ChargeParam, readsLowerCaseSectionsOfAHandEditedFile) {
    TempDir dir;
    const std::string path = dir.file("param.ini");
    WriteAll(path, "[balance]\ntype= Sartorius \nnum=\"42\"\netalonnage=03/04/2023\n[logo]\nfile=/x.jpg\n");
    const tparam p = ChargeParam(path);
    EXPECT_EQ(p.TypeBalance, "Sartorius");
    EXPECT_EQ(p.NumBalance, "42");
    EXPECT_EQ(p.DateEtalonnage, "03/04/2023");
    EXPECT_EQ(p.FichierLogo, "/x.jpg");
}

} // namespace
} // namespace pesavia
