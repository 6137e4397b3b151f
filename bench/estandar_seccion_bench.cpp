// Estandar typical sections: 100,000 sections of nine points read and written as
// Tarsel .SCT with its index and as Corvana .PRO over a straight profile, beside a
// plain line-by-line read of the same file. The Corvana run holds its work lines
// until the final pass, so its memory grows with the number of sections.

#include <benchmark/benchmark.h>

#include "bench_support.h"

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/context.h"
#include "common/numbers.h"
#include "design_readers/estandar_seccion.h"
#include "platform/scripted_desktop.h"
#include "platform/settings_store.h"
#include "../fuzz/support/fuzz_window.h"

namespace {

constexpr int kSecciones = 100000;

std::string Temp(const char* name) { return (std::filesystem::temp_directory_path() / name).string(); }

const std::string& InputFile() {
    static const std::string path = [] {
        const std::string file = Temp("tarsel_bench_secciones.txt");
        std::FILE* out = std::fopen(file.c_str(), "wb");
        std::string line;
        for (int s = 0; s < kSecciones; ++s) {
            line.clear();
            Num::AppendFormat(line, s * 10.0, "0.000", '.');
            line += "\r\n";
            // Every twentieth section a little wider, so the final file keeps changes.
            const double ancho = s % 20 == 0 ? 7.5 : 7;
            for (int k = -4; k <= 4; ++k) {
                Num::AppendFormat(line, k * ancho / 4, "0.000", '.');
                line += ' ';
                Num::AppendFormat(line, 100 - 0.02 * (k < 0 ? -k : k), "0.000", ',');
                line += "\r\n";
            }
            std::fwrite(line.data(), 1, line.size(), out);
        }
        std::fclose(out);
        return file;
    }();
    return path;
}

void BM_ReadLines(benchmark::State& state) { bench::ReadLines(state, InputFile()); }

void Convert(benchmark::State& state, std::int16_t formato, const char* outName) {
    platform::ScriptedDesktop desktop;
    platform::MemorySettingsStore store;
    State shared;
    shared.FormatoCampo = formato;
    Context ctx{desktop, store, shared};
    fuzz::Window window("Estandar", true);
    design_readers::FicherosSeccion f;
    f.entrada = InputFile();
    f.salida = Temp(outName);
    f.nombreEntrada = f.entrada;
    f.nombreSalida = f.salida;
    f.alzado = Temp("tarsel_bench_secciones.alz");
    f.nombreAlzado = f.alzado;
    std::FILE* alz = std::fopen(f.alzado.c_str(), "wb");
    std::fputs("1 0 100 0 0 2000000\n", alz);
    std::fclose(alz);
    for (auto _ : state) {
        if (!design_readers::Estandar_Seccion_Tipo(ctx, window, f)) {
            state.SkipWithError("the conversion did not complete");
            break;
        }
        desktop.ClearTranscript();
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(InputFile())));
    bench::ReportMemory(state);
    std::filesystem::remove(f.salida);
    std::filesystem::remove(f.alzado);
}

void BM_SeccionesToSCT(benchmark::State& state) { Convert(state, 0, "tarsel_bench_secciones.sct"); }
void BM_SeccionesToCorvana(benchmark::State& state) { Convert(state, 3, "tarsel_bench_secciones.pro"); }

BENCHMARK(BM_ReadLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SeccionesToSCT)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SeccionesToCorvana)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
