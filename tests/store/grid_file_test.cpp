#include "store/grid_file.h"

#include "controls/error.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <functional>

using namespace std::string_literals;

namespace pesavia {
namespace {

using test::ReadAll;
using test::TempDir;
using test::WriteAll;

// Hand-made stream pieces, written byte by byte so that the tests do not lean on the writer.
std::string name(std::string_view s) {
    return std::string(1, static_cast<char>(s.size())) + std::string(s);
}
std::string record(std::string_view type, const std::string& props) {
    return "TPF0" + name(type) + std::string(1, '\0') + props + std::string(2, '\0');
}
std::string int8(std::string_view prop, int v) {
    return name(prop) + "\x02" + std::string(1, static_cast<char>(v));
}
std::string text(std::string_view prop, std::string_view s) {
    return name(prop) + "\x06" + name(s);
}
std::string boolean(std::string_view prop, bool v) {
    return name(prop) + (v ? "\x09" : "\x08");
}
std::string ident(std::string_view prop, std::string_view v) {
    return name(prop) + "\x07" + name(v);
}
std::string header(int cols, int rows, std::string_view widths, std::string_view heights, bool full = true) {
    return record("TGridPropIO", int8("ColCount", cols) + int8("RowCount", rows) + text("ColWidths", widths) +
                                     text("RowHeights", heights) + boolean("FullGrid", full) + int8("ID", 7));
}
std::string cellRecord(int col, int row, std::string_view s, bool hasProp = false) {
    return record("TGridCellIO", int8("Col", col) + int8("Row", row) + (s.empty() ? "" : text("Cell", s)) +
                                     boolean("HasProp", hasProp));
}
std::string propRecord(const std::string& props) {
    return record("TGridCellPropIO", props);
}

std::string decodeError(const std::string& bytes, Grid& grid) {
    try {
        DecodeGrille(grid, bytes);
    } catch (const Error& e) {
        return e.what();
    }
    return "no error";
}

TEST(GridFile, matchesTheWorkedExampleByteForByte) {
    Grid grid(2, 3);
    grid.setCell(1, 2, "12.50");
    const std::string bytes = EncodeGrille(grid);
    const std::string cell12 =
        "\x54\x50\x46\x30\x0B\x54\x47\x72\x69\x64\x43\x65\x6C\x6C\x49\x4F\x00\x03\x43\x6F"
        "\x6C\x02\x01\x03\x52\x6F\x77\x02\x02\x04\x43\x65\x6C\x6C\x06\x05\x31\x32\x2E\x35"
        "\x30\x07\x48\x61\x73\x50\x72\x6F\x70\x08\x00\x00"s;
    ASSERT_EQ(cell12.size(), 52u);
    ASSERT_GE(bytes.size(), 52u);
    EXPECT_EQ(bytes.substr(bytes.size() - 52), cell12); // the last cell's record closes the file
    EXPECT_EQ(bytes.substr(0, 4 + 12 + 1), "TPF0\x0BTGridPropIO"s + '\0');
    EXPECT_NE(
        bytes.find(text("ColWidths", "64,64") + text("RowHeights", "24,24,24") + boolean("FullGrid", true)),
        std::string::npos);
    // An empty cell has its record, without a Cell property.
    EXPECT_NE(bytes.find(record("TGridCellIO", int8("Col", 0) + int8("Row", 0) + boolean("HasProp", false))),
              std::string::npos);
}

TEST(GridFile, writesEachTextWithItsTag) {
    struct Case {
        std::string cell;
        std::string value; // the bytes after the "Cell" property name
    } cases[] = {
        {"12.50", "\x06\x05"
                  "12.50"},
        {"é", "\x12\x01\x00\x00\x00\xE9\x00"s},
        {"€", "\x12\x01\x00\x00\x00\xAC\x20"s},
        {"Réservoir", "\x14\x0A\x00\x00\x00\x52\xC3\xA9\x73\x65\x72\x76\x6F\x69\x72"s},
        {"日本", "\x06\x02??"}, // not in the code page: "?" first, then plain ASCII
        {std::string(255, 'a'), "\x06\xFF" + std::string(255, 'a')},
        {std::string(300, 'a'), "\x0C\x2C\x01\x00\x00"s + std::string(300, 'a')},
    };
    for (const auto& c : cases) {
        Grid grid(1, 1);
        grid.setCell(0, 0, c.cell);
        const std::string bytes = EncodeGrille(grid);
        EXPECT_NE(bytes.find("\x04"
                             "Cell" +
                             c.value + "\x07HasProp"),
                  std::string::npos)
            << c.cell.substr(0, 12);
    }
}

TEST(GridFile, writesIntegersInTheSmallestTagAndColoursByName) {
    Grid grid(1, 1);
    CellProperties p;
    p.FontSize = 200;
    p.BorderWidth = 70000;
    p.BrushColor = 0x123456;
    p.FontColor = static_cast<GridColor>(0xFF000000 + 26);
    p.FontStyle = {"fsUnderline", "fsBold"};
    grid.setProperties(0, 0, p);
    const std::string bytes = EncodeGrille(grid);
    const std::string prefix = "CellProperties.";
    struct Case {
        const char* prop;
        std::string value;
    } cases[] = {
        {"CellSpanX", "\x02\xFF"},
        {"FontSize", "\x03\xC8\x00"s},
        {"BorderWidth", "\x04\x70\x11\x01\x00"s},
        {"BrushColor", "\x04\x56\x34\x12\x00"s},
        {"BorderColor", "\x07\x07"
                        "clBlack"},
        {"BrushColorTo", "\x07\x06"
                         "clNone"},
        {"FontColor", "\x07\x0A"
                      "clHotLight"},
        {"FontStyle", "\x0B\x06"
                      "fsBold\x0B"
                      "fsUnderline\x00"s},
        {"Alignment", "\x07\x0D"
                      "taLeftJustify"},
    };
    for (const auto& c : cases)
        EXPECT_NE(bytes.find(name(prefix + c.prop) + c.value), std::string::npos) << c.prop;
    EXPECT_NE(bytes.find(boolean("HasGraphic", false) + std::string(2, '\0')), std::string::npos);
}

TEST(GridFile, roundTripRestoresSizesTextsAndProperties) {
    Grid saved(4, 5);
    saved.setColWidth(0, 120);
    saved.setRowHeight(4, 30);
    saved.setCell(0, 0, "Réservoir");
    saved.setCell(1, 0, "é");
    saved.setCell(2, 1, std::string(400, 'x'));
    saved.setCell(3, 4, "Masse € 12.50 \"quoted\"");
    saved.setAlignment(1, 1, Alignment::Right);
    saved.setAlignment(2, 0, Alignment::Center);
    CellProperties odd = saved.appearance(3, 3);
    odd.FontName = "Liberation Sans";
    odd.FontStyle = {"fsItalic", "fsStrikeOut"};
    odd.BrushStyle = "bsDiagCross";
    odd.VAlignment = "vtaBottom";
    odd.WordWrap = true;
    odd.FontColor = 0x00ABCDEF;
    saved.setProperties(3, 3, odd);
    saved.insertRow(2);

    Grid loaded(2, 2);
    loaded.setCell(0, 0, "old");
    loaded.setAlignment(1, 1, Alignment::Center);
    DecodeGrille(loaded, EncodeGrille(saved));
    ASSERT_EQ(loaded.colCount(), 4);
    ASSERT_EQ(loaded.rowCount(), 6);
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(loaded.colWidth(c), saved.colWidth(c));
    for (int r = 0; r < 6; ++r)
        EXPECT_EQ(loaded.rowHeight(r), saved.rowHeight(r));
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(loaded.cell(c, r), saved.cell(c, r)) << c << "," << r;
            EXPECT_EQ(loaded.properties(c, r), saved.properties(c, r)) << c << "," << r;
        }
    EXPECT_EQ(loaded.alignment(1, 1), Alignment::Right);
    EXPECT_EQ(EncodeGrille(loaded), EncodeGrille(saved));
}

TEST(GridFile, readingFoldsTextsIntoTheCodePage) {
    const auto cell = [](const std::string& value) {
        return record("TGridCellIO", int8("Col", 0) + int8("Row", 0) + name("Cell") + value);
    };
    struct Case {
        std::string value;
        const char* expected;
    } cases[] = {
        {"\x14\x06\x00\x00\x00\xC3\xA9\xE6\x97\xA5!"s, "é?!"}, // outside the code page: "?"
        {"\x12\x02\x00\x00\x00\xAC\x20\x00\xD8"s, "€?"},       // an unpaired surrogate too
        {"\x0C\x01\x00\x00\x00\xE9"s, "é"},                    // long and short texts are in the code page
        {"\x06\x01\x80"s, "€"},
    };
    for (const auto& c : cases) {
        Grid grid(1, 1);
        DecodeGrille(grid, header(1, 1, "64", "24") + cell(c.value));
        EXPECT_EQ(grid.cell(0, 0), c.expected);
    }
}

TEST(GridFile, headerOnlyGivesEmptyCellsAndATrailingByteIsIgnored) {
    Grid grid(2, 2);
    grid.setCell(1, 1, "old");
    grid.setAlignment(1, 1, Alignment::Right);
    DecodeGrille(grid, header(3, 2, "10,20,30", "5,6,99"));
    EXPECT_EQ(grid.colCount(), 3);
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.colWidth(2), 30);
    EXPECT_EQ(grid.rowHeight(1), 6);
    EXPECT_EQ(grid.cell(1, 1), "");
    EXPECT_FALSE(grid.properties(1, 1));

    DecodeGrille(grid, header(1, 1, "10", "5") + cellRecord(0, 0, "kept") + "\x00"s);
    EXPECT_EQ(grid.cell(0, 0), "kept");
}

TEST(GridFile, aPartialSaveStartsAtTheTopLeftAndKeepsTheGradient) {
    Grid grid(3, 3);
    grid.setCell(2, 2, "stays");
    CellProperties own = grid.appearance(0, 0);
    own.BrushColorTo = 0x0000FF;
    own.GradientDirection = "GradientHorizontal";
    grid.setProperties(0, 0, own);
    const std::string props = propRecord(
        ident("CellProperties.Alignment", "taCenter") + ident("CellProperties.BrushColorTo", "clLime") +
        ident("CellProperties.GradientDirection", "GradientVertical") + int8("CellProperties.FontSize", 12));
    DecodeGrille(grid,
                 header(9, 9, "", "", false) + cellRecord(5, 7, "a", true) + props + cellRecord(6, 7, "b"));
    EXPECT_EQ(grid.colCount(), 3);
    EXPECT_EQ(grid.cell(0, 0), "a");
    EXPECT_EQ(grid.cell(1, 0), "b");
    EXPECT_EQ(grid.cell(2, 2), "stays");
    ASSERT_TRUE(grid.properties(0, 0));
    EXPECT_EQ(grid.properties(0, 0)->alignment, Alignment::Center);
    EXPECT_EQ(grid.properties(0, 0)->FontSize, 12);
    EXPECT_EQ(grid.properties(0, 0)->BrushColorTo, 0x0000FF);
    EXPECT_EQ(grid.properties(0, 0)->GradientDirection, "GradientHorizontal");
}

TEST(GridFile, reportsEachDamage) {
    const std::string head = header(2, 1, "64,64", "24");
    struct Case {
        const char* what;
        std::string bytes;
        std::string message;
    } cases[] = {
        {"no signature", "TPF1" + head.substr(4), "Format de flux incorrect"},
        {"bad cell signature", head + "XXXX" + cellRecord(0, 0, "a").substr(4), "Format de flux incorrect"},
        {"nested record", head.substr(0, head.size() - 1) + "\x01", "Format de flux incorrect"},
        {"too short", "TP", "Erreur de lecture du flux"},
        {"ends in header", head.substr(0, 30), "Erreur de lecture du flux"},
        {"ends in cell", head + cellRecord(0, 0, "abc").substr(0, 20), "Erreur de lecture du flux"},
        {"ends before props", head + cellRecord(0, 0, "a", true), "Erreur de lecture du flux"},
        {"long text too long", head + record("TGridCellIO", name("Cell") + "\x0C\xFF\xFF\xFF\x7F"s),
         "Erreur de lecture du flux"},
        {"unknown header property", record("TGridPropIO", int8("Colour", 1)),
         "La propriété Colour n'existe pas"},
        {"unknown cell property", head + record("TGridCellIO", int8("Column", 1)),
         "La propriété Column n'existe pas"},
        {"unknown cell-prop property",
         head + cellRecord(0, 0, "", true) + propRecord(int8("CellProperties.Size", 1)),
         "La propriété CellProperties.Size n'existe pas"},
        {"prefix missing", head + cellRecord(0, 0, "", true) + propRecord(int8("FontSize", 1)),
         "La propriété FontSize n'existe pas"},
        {"text for integer", record("TGridPropIO", text("ColCount", "2")), "Valeur de propriété incorrecte"},
        {"integer for text", head + record("TGridCellIO", int8("Cell", 2)), "Valeur de propriété incorrecte"},
        {"integer for boolean", record("TGridPropIO", int8("FullGrid", 1)), "Valeur de propriété incorrecte"},
        {"unknown colour",
         head + cellRecord(0, 0, "", true) + propRecord(ident("CellProperties.FontColor", "clPink")),
         "Valeur de propriété incorrecte"},
        {"unknown alignment",
         head + cellRecord(0, 0, "", true) + propRecord(ident("CellProperties.Alignment", "taLeft")),
         "Valeur de propriété incorrecte"},
        {"unknown font style",
         head + cellRecord(0, 0, "", true) +
             propRecord(name("CellProperties.FontStyle") + "\x0B\x06"
                                                           "fsBlue\x00"s),
         "Valeur de propriété incorrecte"},
        {"cell picture", head + cellRecord(0, 0, "", true) + propRecord(boolean("HasGraphic", true)),
         "Valeur de propriété incorrecte"},
        {"negative column", head + cellRecord(-1, 0, "a"), "Valeur de propriété incorrecte"},
        {"negative count", header(-2, 1, "", "24"), "Valeur de propriété incorrecte"},
        {"huge grid",
         record("TGridPropIO", name("ColCount") + "\x04\x00\x00\x01\x00"s + name("RowCount") +
                                   "\x04\x00\x00\x01\x00"s + boolean("FullGrid", true)),
         "Valeur de propriété incorrecte"},
        {"too few widths", header(3, 1, "64,64", "24"), "ColWidths ne donne que 2 valeurs pour 3 colonnes"},
        {"too few heights", header(2, 2, "64,64", ""), "RowHeights ne donne que 0 valeurs pour 2 lignes"},
        {"width not an integer", header(2, 1, "64,6.5", "24"), "'6.5' n'est pas une valeur entière correcte"},
        {"empty width", header(2, 1, "64,", "24"), "'' n'est pas une valeur entière correcte"},
    };
    for (const auto& c : cases) {
        Grid grid(1, 1);
        grid.setCell(0, 0, "before");
        EXPECT_EQ(decodeError(c.bytes, grid), c.message) << c.what;
    }
}

TEST(GridFile, aFailedLoadLeavesTheGridAsFarAsItGot) {
    Grid grid(1, 1);
    grid.setCell(0, 0, "before");
    // A damaged header changes nothing.
    EXPECT_EQ(decodeError(header(3, 1, "1", "24"), grid), "ColWidths ne donne que 1 valeurs pour 3 colonnes");
    EXPECT_EQ(grid.cell(0, 0), "before");
    EXPECT_EQ(grid.colCount(), 1);
    // Once the header is applied, the grid has the new size and the cells read so far.
    grid.setCell(0, 0, "before");
    const std::string bytes =
        header(2, 2, "5,5", "5,5") + cellRecord(0, 0, "first") + cellRecord(1, 0, "second");
    EXPECT_EQ(decodeError(bytes.substr(0, bytes.size() - 3), grid), "Erreur de lecture du flux");
    EXPECT_EQ(grid.colCount(), 2);
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.cell(0, 0), "first");
    EXPECT_EQ(grid.cell(1, 0), "");
}

TEST(GridFileOnDisk, savesAtomicallyAndReportsFileErrors) {
    TempDir dir;
    Grid grid(2, 2);
    grid.setCell(1, 1, "Réservoir");
    const std::string path = dir.file("F-JABC_pesee.bin");
    SauveGrille(grid, path);
    EXPECT_EQ(ReadAll(path), EncodeGrille(grid));
    Grid back(1, 1);
    ChargeGrille(back, path);
    EXPECT_EQ(back.cell(1, 1), "Réservoir");

    const std::string nowhere = dir.file("absent/F-JABC_pesee.bin");
    struct Case {
        const char* what;
        std::function<void()> run;
        std::string message;
    } cases[] = {
        {"save", [&] { SauveGrille(grid, nowhere); },
         "Impossible de créer le fichier \"" + nowhere + "\". Le chemin d'accès spécifié est introuvable"},
        {"save over a folder", [&] { SauveGrille(grid, dir.path() + "home"); },
         "Impossible de créer le fichier \"" + dir.path() + "home\". Accès refusé"},
        {"load", [&] { ChargeGrille(back, nowhere); },
         "Impossible d'ouvrir le fichier \"" + nowhere + "\". Le chemin d'accès spécifié est introuvable"},
        {"load a folder", [&] { ChargeGrille(back, dir.path() + "home"); },
         "Impossible d'ouvrir le fichier \"" + dir.path() + "home\". Accès refusé"},
    };
    for (const auto& c : cases) {
        try {
            c.run();
            ADD_FAILURE() << c.what << ": no error";
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), c.message) << c.what;
        }
    }
    EXPECT_EQ(back.cell(1, 1), "Réservoir");
}

} // namespace
} // namespace pesavia
