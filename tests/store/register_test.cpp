#include "store/register.h"

#include "controls/error.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pesavia {
namespace {

using test::ReadAll;
using test::TempDir;
using test::WriteAll;

TAvion fullEntry(const std::string& immat) {
    TAvion a;
    a.Immat = immat;
    a.TypeAvion = "Skyranger";
    a.LieuDerPesee = "Aérodrome de Lézignan";
    a.DateDerPesee = "ignored";
    a.DatePrecPesee = "12/05/2019";
    a.MassePrecVide = "280,5";
    a.MTOW = "450.5";
    a.Train = "1";
    a.Niveau = "longeron";
    a.Reference = "bord d'attaque";
    a.Masse = "301.20";
    a.MasseVide = "298.70";
    a.DValue = "0.3500";
    a.BigDValue = "1.4500";
    a.XMin = "0.1";
    a.XMax = "0.6";
    a.YMin = "250";
    a.YMax = "475";
    a.NbMinX = "5";
    a.NbMinY = "8";
    return a;
}

IdentiteAvion identity(const std::string& immat) {
    return {immat, "Savannah", "Muret", "450,5", "0"};
}

TEST(Register, missingFileIsAnEmptyRegister) {
    TempDir dir;
    EXPECT_TRUE(ChargeAvions(dir.file("pesavia.ini")).empty());
    WriteAll(dir.file("empty.ini"), "");
    EXPECT_TRUE(ChargeAvions(dir.file("empty.ini")).empty());
}

TEST(Register, identityOnlyThenFullEntryRoundTrip) {
    TempDir dir;
    const std::string path = dir.file("pesavia.ini");
    EXPECT_EQ(EnregistreIdentite(path, {"F-JABC ", "Savannah", "Muret", "450,5", "-1"}), 0);
    EXPECT_EQ(ReadAll(path),
              "[AVIONS]\r\n0=F-JABC \r\n[AVIONS-IMMAT]\r\n0=F-JABC \r\n[AVIONS-TYPE_AVION]\r\n"
              "0=Savannah\r\n[AVIONS-LIEU_DER_PESEE]\r\n0=Muret\r\n[AVIONS-MTOW]\r\n0=450,5\r\n"
              "[AVIONS-TRAIN]\r\n0=-1\r\n");
    TAvion expected;
    expected.Immat = "F-JABC";
    expected.TypeAvion = "Savannah";
    expected.LieuDerPesee = "Muret";
    expected.MTOW = "450,5";
    expected.Train = "-1"; // as written, not the default
    ASSERT_EQ(ChargeAvions(path), ttbavion{expected});

    EXPECT_EQ(SauveAvion(path, fullEntry("F-JABC"), "03/06/2024"), 0);
    TAvion full = fullEntry("F-JABC");
    full.DateDerPesee = "03/06/2024"; // today, not the entry's own date
    EXPECT_EQ(ChargeAvions(path), ttbavion{full});
    EXPECT_NE(ReadAll(path).find("0=A\xE9rodrome de L\xE9zignan\r\n"), std::string::npos);

    // The identity recorded again replaces the values in place and keeps the rest of the entry.
    EXPECT_EQ(EnregistreIdentite(path, {"F-JABC", "Savannah S", "Muret", "450", "1"}), 0);
    full.TypeAvion = "Savannah S";
    full.LieuDerPesee = "Muret";
    full.MTOW = "450";
    EXPECT_EQ(ChargeAvions(path), ttbavion{full});
}

TEST(Register, sauveAvionOfAnUnknownRegistrationWritesNothing) {
    TempDir dir;
    const std::string path = dir.file("pesavia.ini");
    EXPECT_EQ(SauveAvion(path, fullEntry("F-JXYZ"), "01/01/2024"), -1);
    EXPECT_FALSE(std::filesystem::exists(path));
    EnregistreIdentite(path, identity("F-JABC"));
    const std::string before = ReadAll(path);
    EXPECT_EQ(SauveAvion(path, fullEntry("f-jabc"), "01/01/2024"), -1); // case counts
    EXPECT_EQ(ReadAll(path), before);
}

TEST(Register, firstKeyWithTheRegistrationWinsForBothWriters) {
    TempDir dir;
    const std::string path = dir.file("pesavia.ini");
    WriteAll(path, "[AVIONS]\nA=F-JDUP\nB= F-JDUP\n[AVIONS-IMMAT]\nA=F-JDUP\nB=F-JDUP\n"
                   "[AVIONS-TYPE_AVION]\nA=first\nB=second\nC=never read\n");
    ttbavion avions = ChargeAvions(path);
    ASSERT_EQ(avions.size(), 2u); // keys "A" and "B" taken as they stand
    EXPECT_EQ(avions[0].TypeAvion, "first");
    EXPECT_EQ(avions[1].TypeAvion, "second");

    EXPECT_EQ(SauveAvion(path, fullEntry("  F-JDUP  "), "02/02/2024"), 0);
    EXPECT_EQ(EnregistreIdentite(path, {"F-JDUP", "third", "", "", "0"}), 0);
    avions = ChargeAvions(path);
    ASSERT_EQ(avions.size(), 2u);
    EXPECT_EQ(avions[0].TypeAvion, "third");
    EXPECT_EQ(avions[0].DateDerPesee, "02/02/2024");
    EXPECT_EQ(avions[1].TypeAvion, "second");
    EXPECT_EQ(avions[1].DateDerPesee, "");
}

TEST(Register, readsFieldSectionsInAnyOrder) {
    TempDir dir;
    const std::string path = dir.file("pesavia.ini");
    // Hand-edited: field keys out of the index's order, in another case, duplicated, or missing.
    WriteAll(path, "[AVIONS]\nx=F-JX\ny=F-JY\nz=F-JZ\n"
                   "[AVIONS-TYPE_AVION]\nx=tx\nZ=tz\nY=ty\nz=late\n"
                   "[AVIONS-TRAIN]\ny=1\n"
                   "[AVIONS-MTOW]\nx=1\nx=2\ny=3\nz=4\n");
    const ttbavion avions = ChargeAvions(path);
    ASSERT_EQ(avions.size(), 3u);
    EXPECT_EQ(avions[0].TypeAvion, "tx");
    EXPECT_EQ(avions[1].TypeAvion, "ty");
    EXPECT_EQ(avions[2].TypeAvion, "tz");
    EXPECT_EQ(avions[0].Train, "0");
    EXPECT_EQ(avions[1].Train, "1");
    EXPECT_EQ(avions[0].MTOW, "1");
    EXPECT_EQ(avions[1].MTOW, "3");
    EXPECT_EQ(avions[2].MTOW, "4");
}

TEST(Register, newKeysAreTheCountOrTheNextFreeNumber) {
    TempDir dir;
    const std::string path = dir.file("pesavia.ini");
    EXPECT_EQ(EnregistreIdentite(path, identity("F-J000")), 0);
    EXPECT_EQ(EnregistreIdentite(path, identity("F-J001")), 1);
    EXPECT_NE(ReadAll(path).find("[AVIONS]\r\n0=F-J000\r\n1=F-J001\r\n"), std::string::npos);

    // A hand-edited index whose count "2" is already a key: the new aircraft must not take it over.
    WriteAll(path, "[AVIONS]\n2=F-JTWO\n5=F-JFIVE\n[AVIONS-TYPE_AVION]\n2=two\n5=five\n");
    EXPECT_EQ(EnregistreIdentite(path, identity("F-JNEW")), 2);
    EXPECT_EQ(EnregistreIdentite(path, identity("F-JNEW2")), 3);
    const ttbavion avions = ChargeAvions(path);
    ASSERT_EQ(avions.size(), 4u);
    EXPECT_EQ(avions[0].TypeAvion, "two");
    EXPECT_EQ(avions[1].TypeAvion, "five");
    EXPECT_EQ(avions[2].Immat, "F-JNEW");
    EXPECT_EQ(avions[3].Immat, "F-JNEW2");
    const std::string text = ReadAll(path);
    EXPECT_NE(text.find("[AVIONS]\r\n2=F-JTWO\r\n5=F-JFIVE\r\n3=F-JNEW\r\n4=F-JNEW2\r\n"), std::string::npos);
}

TEST(Register, keepsEveryAircraftBeyondTheOldListingLimit) {
    TempDir dir;
    const std::string path = dir.file("pesavia.ini");
    std::string text = "[AVIONS]\r\n";
    for (int i = 0; i < 3498; ++i)
        text += std::to_string(i) + "=F-J" + std::to_string(i) + "\r\n";
    text += "[AVIONS-IMMAT]\r\n";
    for (int i = 0; i < 3498; ++i)
        text += std::to_string(i) + "=F-J" + std::to_string(i) + "\r\n";
    WriteAll(path, text);
    EXPECT_EQ(EnregistreIdentite(path, identity("F-NEW1")), 3498);
    EXPECT_EQ(EnregistreIdentite(path, identity("F-NEW2")), 3499);
    EXPECT_EQ(SauveAvion(path, fullEntry("F-NEW2"), "04/04/2024"), 3499);
    const ttbavion avions = ChargeAvions(path);
    ASSERT_EQ(avions.size(), 3500u);
    EXPECT_EQ(avions[0].Immat, "F-J0");
    EXPECT_EQ(avions[3497].Immat, "F-J3497");
    EXPECT_EQ(avions[3498].Immat, "F-NEW1");
    EXPECT_EQ(avions[3499].Masse, "301.20");
}

TEST(Register, aFailedWriteRaisesTheIniError) {
    TempDir dir;
    const std::string path = dir.file("absent/pesavia.ini");
    try {
        EnregistreIdentite(path, identity("F-JABC"));
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Impossible d'écrire dans " + path);
    }
}

} // namespace
} // namespace pesavia
