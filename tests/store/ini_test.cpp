#include "store/ini.h"
#include "store/text_encoding.h"

#include "controls/error.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>

namespace pesavia {
namespace {

using test::ReadAll;
using test::TempDir;
using test::WriteAll;

TEST(IniFile, readsValuesByTheProfileConventions) {
    const IniFile ini("[Avions]\n"
                      "Key=first\n"
                      "KEY=second\n"
                      "  padded  =   spaced out  \r\n"
                      "dq=\"  inside  \"\n"
                      "sq='x'\n"
                      "mixed=\"x'\n"
                      "lone=\"\n"
                      "empty=\n"
                      "eq=a=b\n"
                      "; comment=no\n"
                      "[avions]\n"
                      "later=hidden\n"
                      "[Autre]\n"
                      "key=other\n");
    struct Case {
        const char* section;
        const char* key;
        std::optional<std::string> expected;
    } cases[] = {
        {"AVIONS", "key", "first"},         // case ignored, first duplicate wins
        {"avions", "PADDED", "spaced out"}, // blanks around names and values dropped
        {"Avions", "dq", "  inside  "},     // one pair of quotes removed, blanks inside kept
        {"Avions", "sq", "x"},
        {"Avions", "mixed", "\"x'"}, // quotes that do not match stay
        {"Avions", "lone", "\""},
        {"Avions", "empty", ""}, // present and empty is not absent
        {"Avions", "eq", "a=b"}, // the value starts after the first "="
        {"Avions", "; comment", std::nullopt},
        {"Avions", "later", std::nullopt}, // the second section of a name is never read
        {"Autre", "KEY", "other"},
        {"Absent", "key", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ini.value(c.section, c.key), c.expected) << c.section << "/" << c.key;
    EXPECT_EQ(ini.readString("Avions", "empty", "0"), "");
    EXPECT_EQ(ini.readString("Avions", "missing", "0"), "0");
}

TEST(IniFile, listsEveryKeyInFileOrder) {
    std::string text = "[AVIONS]\n";
    for (int i = 0; i < 4000; ++i)
        text += std::to_string(i) + "=F-J" + std::to_string(i) + "\n";
    text += "0=duplicate\n";
    const auto keys = IniFile(text).keys("avions");
    ASSERT_EQ(keys.size(), 4000u); // far beyond what a 16,384-character buffer holds
    EXPECT_EQ(keys[9], "9");
    EXPECT_EQ(keys[10], "10");
    EXPECT_EQ(keys[11], "11");
    EXPECT_EQ(keys.back(), "3999");
    EXPECT_TRUE(IniFile("").keys("AVIONS").empty());
}

TEST(IniFile, readsLongValuesWhole) {
    const std::string longValue(5000, 'x');
    EXPECT_EQ(IniFile("[S]\nk=" + longValue + "\n").value("S", "k"), longValue);
}

TEST(IniFile, writesInPlaceAtSectionEndOrAsNewSection) {
    IniFile ini("; top\n[A]\nx=1\nY=2\n\n[B]\nz=3\n");
    ini.writeString("a", "y", "20");  // replaced in place, the key keeps its spelling
    ini.writeString("A", "new", "n"); // at the end of its section, before the blank line
    ini.writeString("C", "c", "c1");  // new section at the end
    ini.writeString("b", "z", "");    // an empty value stays a present key
    ini.writeString("B", "w", "two\nlines");
    EXPECT_EQ(ini.text(),
              "; top\r\n[A]\r\nx=1\r\nY=20\r\nnew=n\r\n\r\n[B]\r\nz=\r\nw=two lines\r\n[C]\r\nc=c1\r\n");
    EXPECT_EQ(IniFile(ini.text()).value("B", "z"), "");
}

TEST(IniFileOnDisk, storesWindows1252AndCreatesAMissingFile) {
    TempDir dir;
    const std::string path = dir.file("test.ini");
    UpdateIniFile(path, [](IniFile& ini) {
        ini.writeString("LIEU", "0", "Aérodrome");
        ini.writeString("LIEU", "1", "€ 5 − 3"); // "−" (U+2212) is not in the code page
        return true;
    });
    EXPECT_EQ(ReadAll(path), "[LIEU]\r\n0=A\xE9rodrome\r\n1=\x80 5 ? 3\r\n");
    const IniFile back = ReadIniFile(path);
    EXPECT_EQ(back.value("LIEU", "0"), "Aérodrome");
    EXPECT_EQ(back.value("LIEU", "1"), "€ 5 ? 3");
}

TEST(IniFileOnDisk, keepsEveryByteOfAFileItDoesNotUnderstand) {
    TempDir dir;
    const std::string path = dir.file("odd.ini");
    std::string bytes = "[S]\r\nk=";
    for (int b = 0x80; b <= 0xFF; ++b)
        bytes += static_cast<char>(b);
    bytes += "\r\nnot a key line\r\n";
    WriteAll(path, bytes);
    UpdateIniFile(path, [](IniFile& ini) {
        ini.writeString("T", "t", "1");
        return true;
    });
    EXPECT_EQ(ReadAll(path), bytes + "[T]\r\nt=1\r\n");
}

TEST(IniFileOnDisk, aFailedWriteRaisesAndLeavesThePreviousFileWhole) {
    TempDir dir;
    const std::string path = dir.file("pesavia.ini");
    const std::string before = "[A]\r\nk=v\r\n";
    WriteAll(path, before);

    // A file size limit makes the write itself fail, even for root.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 8;
    setrlimit(RLIMIT_FSIZE, &small);
    try {
        UpdateIniFile(path, [](IniFile& ini) {
            ini.writeString("A", "k", std::string(100, 'w'));
            return true;
        });
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Impossible d'écrire dans " + path);
    }
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(ReadAll(path), before);
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();

    const std::string nowhere = dir.file("missing/pesavia.ini");
    EXPECT_THROW(UpdateIniFile(nowhere, [](IniFile&) { return true; }), Error);
    EXPECT_FALSE(std::filesystem::exists(nowhere));
}

TEST(IniFileOnDisk, neverReplacesAFileItCouldNotRead) {
    TempDir dir;
    const std::string path = dir.file("folder.ini");
    std::filesystem::create_directory(path); // a directory stands where the file should be
    EXPECT_THROW(UpdateIniFile(path, [](IniFile&) { return true; }), Error);
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_FALSE(ReadIniFile(path).value("A", "k"));
}

TEST(TextEncoding, convertsBetweenWindows1252AndUtf8) {
    struct Case {
        const char* utf8;
        const char* cp1252;
    } cases[] = {
        {"abc", "abc"},          {"é", "\xE9"}, {"€", "\x80"}, {"Œuvre", "\x8Cuvre"}, {"ÿ", "\xFF"},
        {"日本", "??"},          {"😀", "?"},    {"\xC3", "?"}, {"\xC0\xAF", "??"}, // truncated and overlong
                                                                                   // sequences
        {"\xED\xA0\x80", "???"},                                                   // an encoded surrogate
    };
    for (const auto& c : cases)
        EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252) << c.utf8;
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(byte)), byte) << b;
    }
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16("Réservoir 😀")), "Réservoir 😀");
    EXPECT_EQ(Utf8ToUtf16("😀").size(), 2u);
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t{0xD800})), "?");
}

} // namespace
} // namespace pesavia
