// pesavia-grid dump FILE   prints a grid data file as JSON
// pesavia-grid build       reads that JSON on stdin and writes the file's bytes to stdout
#include "store/grid_file.h"

#include "controls/error.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>

namespace pesavia {
namespace {

using nlohmann::ordered_json;

ordered_json colorJson(GridColor c) {
    if (const auto name = ColorName(c)) return std::string(*name);
    return c;
}

GridColor colorFromJson(const ordered_json& j) {
    if (j.is_number_integer()) return j.get<GridColor>();
    if (const auto c = ColorFromName(j.get<std::string>())) return *c;
    throw Error("Couleur inconnue : " + j.get<std::string>());
}

ordered_json propertiesJson(const CellProperties& p) {
    return {
        {"IsBaseCell", p.IsBaseCell},
        {"CellSpanX", p.CellSpanX},
        {"CellSpanY", p.CellSpanY},
        {"Alignment", std::string(AlignmentName(p.alignment))},
        {"BorderColor", colorJson(p.BorderColor)},
        {"BorderWidth", p.BorderWidth},
        {"BrushColor", colorJson(p.BrushColor)},
        {"BrushColorTo", colorJson(p.BrushColorTo)},
        {"BrushStyle", p.BrushStyle},
        {"FontColor", colorJson(p.FontColor)},
        {"FontName", p.FontName},
        {"FontSize", p.FontSize},
        {"FontStyle", p.FontStyle},
        {"Editor", p.Editor},
        {"GradientDirection", p.GradientDirection},
        {"ReadOnly", p.ReadOnly},
        {"VAlignment", p.VAlignment},
        {"WordWrap", p.WordWrap},
        {"NodeLevel", p.NodeLevel},
    };
}

CellProperties propertiesFromJson(const ordered_json& j) {
    CellProperties p;
    p.IsBaseCell = j.at("IsBaseCell").get<bool>();
    p.CellSpanX = j.at("CellSpanX").get<int>();
    p.CellSpanY = j.at("CellSpanY").get<int>();
    const auto a = AlignmentFromName(j.at("Alignment").get<std::string>());
    if (!a) throw Error("Alignement inconnu : " + j.at("Alignment").get<std::string>());
    p.alignment = *a;
    p.BorderColor = colorFromJson(j.at("BorderColor"));
    p.BorderWidth = j.at("BorderWidth").get<int>();
    p.BrushColor = colorFromJson(j.at("BrushColor"));
    p.BrushColorTo = colorFromJson(j.at("BrushColorTo"));
    p.BrushStyle = j.at("BrushStyle").get<std::string>();
    p.FontColor = colorFromJson(j.at("FontColor"));
    p.FontName = j.at("FontName").get<std::string>();
    p.FontSize = j.at("FontSize").get<int>();
    p.FontStyle = j.at("FontStyle").get<std::vector<std::string>>();
    p.Editor = j.at("Editor").get<std::string>();
    p.GradientDirection = j.at("GradientDirection").get<std::string>();
    p.ReadOnly = j.at("ReadOnly").get<bool>();
    p.VAlignment = j.at("VAlignment").get<std::string>();
    p.WordWrap = j.at("WordWrap").get<bool>();
    p.NodeLevel = j.at("NodeLevel").get<int>();
    return p;
}

int dump(const std::string& path) {
    Grid grid(0, 0);
    ChargeGrille(grid, path);
    ordered_json j;
    j["colCount"] = grid.colCount();
    j["rowCount"] = grid.rowCount();
    j["colWidths"] = ordered_json::array();
    for (int c = 0; c < grid.colCount(); ++c)
        j["colWidths"].push_back(grid.colWidth(c));
    j["rowHeights"] = ordered_json::array();
    for (int r = 0; r < grid.rowCount(); ++r)
        j["rowHeights"].push_back(grid.rowHeight(r));
    j["cells"] = ordered_json::array();
    for (int r = 0; r < grid.rowCount(); ++r) {
        for (int c = 0; c < grid.colCount(); ++c) {
            ordered_json cell = {{"col", c}, {"row", r}, {"text", grid.cell(c, r)}};
            if (const auto& p = grid.properties(c, r)) cell["properties"] = propertiesJson(*p);
            j["cells"].push_back(std::move(cell));
        }
    }
    std::cout << j.dump(2) << '\n';
    return 0;
}

int build() {
    const std::string input{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    const ordered_json j = ordered_json::parse(input);
    const int cols = j.at("colCount").get<int>();
    const int rows = j.at("rowCount").get<int>();
    if (cols < 0 || rows < 0 || 1LL * cols * rows > 1'000'000) throw Error("Taille de grille incorrecte");
    Grid grid(cols, rows);
    const auto& widths = j.at("colWidths");
    const auto& heights = j.at("rowHeights");
    if (widths.size() != static_cast<size_t>(cols) || heights.size() != static_cast<size_t>(rows))
        throw Error("colWidths et rowHeights doivent donner une valeur par colonne et par ligne");
    for (int c = 0; c < cols; ++c)
        grid.setColWidth(c, widths.at(static_cast<size_t>(c)).get<int>());
    for (int r = 0; r < rows; ++r)
        grid.setRowHeight(r, heights.at(static_cast<size_t>(r)).get<int>());
    for (const auto& cell : j.at("cells")) {
        const int c = cell.at("col").get<int>();
        const int r = cell.at("row").get<int>();
        if (c < 0 || c >= cols || r < 0 || r >= rows) throw Error("Cellule hors de la grille");
        grid.setCell(c, r, cell.at("text").get<std::string>());
        if (cell.contains("properties")) grid.setProperties(c, r, propertiesFromJson(cell.at("properties")));
    }
    const std::string bytes = EncodeGrille(grid);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace
} // namespace pesavia

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    try {
        if (command == "dump" && argc == 3) return pesavia::dump(argv[2]);
        if (command == "build" && argc == 2) return pesavia::build();
    } catch (const pesavia::Error& e) {
        std::cerr << e.what() << '\n';
        return 1;
    } catch (const nlohmann::json::exception& e) {
        std::cerr << "Description JSON incorrecte : " << e.what() << '\n';
        return 1;
    }
    std::cerr
        << "Usage : pesavia-grid dump FICHIER\n        pesavia-grid build < FICHIER.json > FICHIER.bin\n";
    return 2;
}
