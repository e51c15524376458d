// Loading the register and saving one aircraft into it, at the size the old key listing could hold
// (3,498 aircraft) and ten times that.
#include "store/atomic_file.h"
#include "store/ini.h"
#include "store/register.h"
#include "store/text_encoding.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <string>
#include <unistd.h>

namespace pesavia {
namespace {

TAvion aircraft(int i) {
    const std::string n = std::to_string(i);
    return TAvion{"F-J" + n,
                  "Skyranger " + n,
                  "Aérodrome de Lézignan",
                  "03/06/2024",
                  "12/05/2019",
                  "280.50",
                  "450.5",
                  "1",
                  "longeron",
                  "bord d'attaque",
                  "301.20",
                  "298.70",
                  "0.3500",
                  "1.4500",
                  "0.1",
                  "0.6",
                  "250",
                  "475",
                  "5",
                  "8"};
}

// The register as the program leaves it: each aircraft recorded by the main window, then saved by its
// weighing sheet, so that the sections come in the order the first aircraft's keys were written.
std::string registerFile(int count) {
    static std::map<int, std::string> made;
    if (auto it = made.find(count); it != made.end()) return it->second;
    IniFile ini;
    for (int i = 0; i < count; ++i) {
        const std::string k = std::to_string(i);
        const TAvion a = aircraft(i);
        for (const auto& [section, value] : std::initializer_list<std::pair<const char*, const std::string&>>{
                 {"AVIONS", a.Immat},
                 {"AVIONS-IMMAT", a.Immat},
                 {"AVIONS-TYPE_AVION", a.TypeAvion},
                 {"AVIONS-LIEU_DER_PESEE", a.LieuDerPesee},
                 {"AVIONS-MTOW", a.MTOW},
                 {"AVIONS-TRAIN", a.Train},
                 {"AVIONS-DATE_PREC_PESEE", a.DatePrecPesee},
                 {"AVIONS-DATE_DER_PESEE", a.DateDerPesee},
                 {"AVIONS-MASSE", a.Masse},
                 {"AVIONS-MASSE_VIDE", a.MasseVide},
                 {"AVIONS-MASSE_PREC_VIDE", a.MassePrecVide},
                 {"AVIONS-DVALUE", a.DValue},
                 {"AVIONS-BIGDVALUE", a.BigDValue},
                 {"AVIONS-XMIN", a.XMin},
                 {"AVIONS-XMAX", a.XMax},
                 {"AVIONS-YMIN", a.YMin},
                 {"AVIONS-YMAX", a.YMax},
                 {"AVIONS-NBMINX", a.NbMinX},
                 {"AVIONS-NBMINY", a.NbMinY},
                 {"AVIONS-NIVEAU", a.Niveau},
                 {"AVIONS-REFERENCE", a.Reference}})
            ini.writeString(section, k, value);
    }
    return made[count] = Utf8ToCp1252(ini.text());
}

std::string benchFile(int count) {
    const auto dir = std::filesystem::temp_directory_path() / ("pesavia-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / ("pesavia-" + std::to_string(count) + ".ini")).string();
    WriteFileAtomically(path, registerFile(count));
    return path;
}

void BM_ChargeAvions(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const std::string path = benchFile(count);
    for (auto _ : state) {
        const ttbavion avions = ChargeAvions(path);
        if (static_cast<int>(avions.size()) != count) state.SkipWithError("aircraft lost");
        benchmark::DoNotOptimize(avions.data());
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    state.SetComplexityN(count);
}
BENCHMARK(BM_ChargeAvions)->Arg(3498)->Arg(35000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void BM_SauveAvion(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const std::string path = benchFile(count);
    TAvion entry = aircraft(count / 2);
    for (auto _ : state) {
        entry.Masse = std::to_string(state.iterations());
        if (SauveAvion(path, entry, "04/06/2024") != count / 2) state.SkipWithError("aircraft not found");
    }
    state.SetComplexityN(count);
}
BENCHMARK(BM_SauveAvion)->Arg(3498)->Arg(35000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

} // namespace
} // namespace pesavia
