// One edit of a scale reading through to the rebuilt chart description, on a sheet holding a full weighing,
// three corrections, an eight-point envelope and a filled load sheet.
#include "sheet/fiche.h"

#include <benchmark/benchmark.h>

namespace {

using namespace pesavia;

class QuietDesktop : public Desktop {
public:
    void ShowMessage(const std::string&, MessageKind) override {}
    void ShowModal(WindowModel&) override {}
    std::optional<std::string> BrowseFolder(const std::string&, const std::string&) override { return {}; }
    std::optional<std::string> OpenFileName(const std::string&, const std::string&,
                                            const std::string&) override {
        return {};
    }
    void OpenDocument(const std::string&) override {}
    Date Today() override { return {2026, 12, 11}; }
    std::string ShortDatePattern() override { return "dd/MM/yyyy"; }
    std::string ExecutableDir() override { return "/"; }
    void Terminate() override {}
};

void Enter(Grid& grid, int col, int row, const char* text) {
    grid.editChange(col, row, text);
    grid.editDone(col, row);
}

void BM_EditReadingToChart(benchmark::State& state) {
    Programme programme;
    QuietDesktop desktop;
    TFormFiche f(programme, desktop);
    f.StTypeTrain.setText("Tricycle");
    f.StMTow.setText("450");
    f.Editdvalue.setText("1.2");
    f.Editbigdvalue.setText("1.5");
    const char* readings[3][2] = {{"120.5", "0.5"}, {"119.8", "0.5"}, {"60", "0"}};
    for (int r = 1; r <= 3; ++r) {
        Enter(f.AdvStringGrid1, 1, r, readings[r - 1][0]);
        Enter(f.AdvStringGrid1, 2, r, readings[r - 1][1]);
    }
    for (const char* mass : {"2", "1.5", "0.8"}) {
        f.ButtonAddCorrection.click();
        const int row = f.AdvStringGridCorrection.rowCount() - 2;
        Enter(f.AdvStringGridCorrection, 1, row, mass);
        Enter(f.AdvStringGridCorrection, 2, row, "0.6");
    }
    const char* points[8][2] = {{"0.70", "300"}, {"0.75", "400"}, {"0.80", "450"}, {"0.95", "450"},
                                {"1.00", "420"}, {"1.00", "350"}, {"0.95", "300"}, {"0.85", "295"}};
    for (const auto& p : points) {
        f.ButtonAddPoint.click();
        const int row = f.AdvStringGrid2.rowCount() - 1;
        Enter(f.AdvStringGrid2, 1, row, p[0]);
        Enter(f.AdvStringGrid2, 2, row, p[1]);
    }
    for (int row = 2; row <= 6; ++row) {
        Enter(f.AdvStringGridDevis, 1, row, "0.5");
        Enter(f.AdvStringGridDevis, 2, row, "20");
    }

    bool flip = false;
    for (auto _ : state) {
        f.AdvStringGrid1.editChange(1, 2, flip ? "119,8" : "119.9");
        f.AdvStringGrid1.editDone(1, 2);
        flip = !flip;
        benchmark::DoNotOptimize(f.Chart1.lines.data());
    }
    if (f.Chart1.lines.size() != 8 || !f.Chart1.bubble) state.SkipWithError("chart not rebuilt");
}
BENCHMARK(BM_EditReadingToChart)->Unit(benchmark::kMicrosecond);

} // namespace
