#include "store/grid_file.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

namespace pesavia {
namespace {

using test::ReadAll;
using test::TempDir;
using test::WriteAll;

int run(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

const std::string kTool = PESAVIA_GRID_TOOL;

TEST(PesaviaGridTool, dumpThenBuildGivesTheSameBytes) {
    TempDir dir;
    Grid grid(3, 4);
    grid.setCell(0, 0, "Réservoir");
    grid.setCell(1, 0, "é");
    grid.setCell(2, 2, std::string(300, 'z'));
    grid.setCell(1, 3, "\"quoted\" \\ back");
    grid.setAlignment(1, 1, Alignment::Right);
    CellProperties odd = grid.appearance(2, 3);
    odd.FontColor = 0x00123456;
    odd.FontStyle = {"fsItalic"};
    grid.setProperties(2, 3, odd);
    grid.setColWidth(2, 150);
    SauveGrille(grid, dir.file("fixture.bin"));

    ASSERT_EQ(run(kTool + " dump " + dir.file("fixture.bin") + " > " + dir.file("grid.json")), 0);
    const std::string json = ReadAll(dir.file("grid.json"));
    EXPECT_NE(json.find("\"text\": \"Réservoir\""), std::string::npos);
    EXPECT_NE(json.find("\"Alignment\": \"taRightJustify\""), std::string::npos);
    EXPECT_NE(json.find("\"FontColor\": 1193046"), std::string::npos);
    ASSERT_EQ(run(kTool + " build < " + dir.file("grid.json") + " > " + dir.file("rebuilt.bin")), 0);
    EXPECT_EQ(ReadAll(dir.file("rebuilt.bin")), ReadAll(dir.file("fixture.bin")));
}

TEST(PesaviaGridTool, refusesDamagedInputWithTheFrenchMessage) {
    TempDir dir;
    WriteAll(dir.file("bad.bin"), "TPF1");
    WriteAll(dir.file("bad.json"), "{\"colCount\": 1}");
    struct Case {
        std::string command;
        std::string message;
    } cases[] = {
        {kTool + " dump " + dir.file("bad.bin"), "Format de flux incorrect"},
        {kTool + " dump " + dir.file("absent.bin"), "Impossible d'ouvrir le fichier"},
        {kTool + " build < " + dir.file("bad.json"), "Description JSON incorrecte"},
        {kTool + " frobnicate", "Usage : pesavia-grid"},
    };
    for (const auto& c : cases) {
        EXPECT_NE(run(c.command + " > " + dir.file("out") + " 2> " + dir.file("err")), 0) << c.command;
        EXPECT_NE(ReadAll(dir.file("err")).find(c.message), std::string::npos) << c.command;
    }
}

} // namespace
} // namespace pesavia
