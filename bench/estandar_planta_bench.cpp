// An Estandar planta of a million elements (straights, clothoids and arcs that join
// up, so the continuity check finds nothing) read and written as Tarsel records
// (.PLA) and as Tunelix word lines, beside a plain line-by-line read of the same
// file: each conversion should keep at least a quarter of the reading speed, and
// memory should grow only with the element array.

#include <benchmark/benchmark.h>

#include "bench_support.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/context.h"
#include "common/angle_units.h"
#include "common/gm_clothoid.h"
#include "common/gm_plane.h"
#include "common/numbers.h"
#include "design_readers/estandar.h"
#include "field_writers/write_files.h"
#include "platform/scripted_desktop.h"
#include "platform/settings_store.h"

namespace {

constexpr int kElements = 1000000;
constexpr std::uintmax_t kFileBytes = 88401398;  // what the generator below writes

// Straight 60 m, entry clothoid A 100 over 40 m, arc R 250 over 30 m, exit clothoid
// 40 m; the turn changes side every cycle.
const std::string& InputFile() {
    static const std::string path = [] {
        const std::string file = (std::filesystem::temp_directory_path() / "tarsel_bench_planta.txt").string();
        std::error_code error;
        if (std::filesystem::file_size(file, error) == kFileBytes && !error) return file;  // from an earlier run
        std::FILE* out = std::fopen(file.c_str(), "wb");
        TPlanta e;  // Acimut in radians while computing
        e.X = 500000;
        e.Y = 4000000;
        e.Acimut = 1;
        std::string line;
        for (int n = 1; n <= kElements; ++n) {
            const int kind = (n - 1) % 4;
            const double side = ((n - 1) / 4) % 2 == 0 ? 1 : -1;
            e.N = n;
            e.Parametro = kind == 1 || kind == 3 ? 100 : 0;
            e.Radio = kind == 0 ? 0 : kind == 1 ? 0.001 * side : 250 * side;
            e.Longitud = kind == 0 ? 60 : kind == 2 ? 30 : 40;
            line.clear();
            Num::AppendFormat(line, e.N, "0", '.');
            for (double v : {e.PK, e.X, e.Y, GM::Radianes_A_Centesimales(e.Acimut), e.Radio, e.Parametro, e.Longitud}) {
                line += ' ';
                Num::AppendFormat(line, v, "0.00000", '.');
            }
            line += "\r\n";
            std::fwrite(line.data(), 1, line.size(), out);
            double largo = e.Longitud;
            const GM::TPuntoEje fin = kind == 0   ? GM::Punto_En_Recta(largo, e)
                                      : kind == 2 ? GM::Punto_En_Curva(largo, e)
                                                  : GM::Punto_En_Clotoide(largo, kind == 1 ? 250 : 0, e);
            e.PK += e.Longitud;
            e.X = fin.X;
            e.Y = fin.Y;
            e.Acimut = fin.Acimut;
            GM::Normalizar_Angulo(e.Acimut);
        }
        std::fclose(out);
        return file;
    }();
    return path;
}

std::int64_t FileBytes() { return static_cast<std::int64_t>(std::filesystem::file_size(InputFile())); }

void BM_ReadLines(benchmark::State& state) { bench::ReadLines(state, InputFile()); }

void Convert(benchmark::State& state, std::int16_t formato, const char* outName) {
    const std::string& file = InputFile();
    const std::string out = (std::filesystem::temp_directory_path() / outName).string();
    platform::ScriptedDesktop desktop;
    platform::MemorySettingsStore store;
    State shared;
    shared.FormatoCampo = formato;
    Context ctx{desktop, store, shared};
    const design_readers::Ficheros ficheros{file, out, file, out, ""};
    for (auto _ : state) {
        if (!design_readers::Estandar_Planta(ctx, ficheros) || desktop.Boxes().size() != 1) {
            state.SkipWithError("the conversion did not complete alone");
            break;
        }
        desktop.ClearTranscript();
    }
    state.SetBytesProcessed(state.iterations() * FileBytes());
    state.counters["output_MB"] = static_cast<double>(std::filesystem::file_size(out)) / 1e6;
    bench::ReportMemory(state);
    std::filesystem::remove(out);
}

// The reading and the writing alone, without the continuity check (about a fifth
// of a whole conversion's time, most of it in the sines and cosines of the points).
void WithoutCheck(benchmark::State& state, std::int16_t formato, const char* outName) {
    const std::string out = (std::filesystem::temp_directory_path() / outName).string();
    TInfoProyecto info;
    for (auto _ : state) {
        std::vector<TPlanta> planta(1);
        design_readers::LeerPlantaEstandar(InputFile(), planta);
        field_writers::WriteFiles writer(out, formato, info);
        for (std::size_t i = 1; i < planta.size(); ++i) writer.Write_Planta(i, planta);
        writer.Commit();
    }
    state.SetBytesProcessed(state.iterations() * FileBytes());
    bench::ReportMemory(state);
    std::filesystem::remove(out);
}

// The reading alone: the lines parsed into the element array.
void BM_PlantaReadOnly(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<TPlanta> planta(1);
        design_readers::LeerPlantaEstandar(InputFile(), planta);
        benchmark::DoNotOptimize(planta.data());
    }
    state.SetBytesProcessed(state.iterations() * FileBytes());
    bench::ReportMemory(state);
}

void BM_PlantaToPLA(benchmark::State& state) { Convert(state, 0, "tarsel_bench_planta.pla"); }
void BM_PlantaToPLAWithoutCheck(benchmark::State& state) { WithoutCheck(state, 0, "tarsel_bench_planta.pla"); }
void BM_PlantaToTunelixWithoutCheck(benchmark::State& state) { WithoutCheck(state, 4, "tarsel_bench_planta.ktw"); }
void BM_PlantaToTunelix(benchmark::State& state) { Convert(state, 4, "tarsel_bench_planta.ktw"); }

BENCHMARK(BM_ReadLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlantaToPLA)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlantaToTunelix)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlantaToPLAWithoutCheck)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlantaToTunelixWithoutCheck)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlantaReadOnly)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
