// A DXF drawing of a million points (R2000 layout, 3D, every point on the layer
// asked for) to KTW words and to point records, beside a plain line read of the same
// file. A 3D drawing is read once and a little (its first entity tells that it is
// 3D); memory stays that of one entity.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/context.h"
#include "bench_support.h"
#include "office_to_field/dxf_points.h"
#include "design_readers/fixed_window.h"
#include "platform/scripted_desktop.h"

namespace {

constexpr int kPoints = 1000000;

const std::string& InputFile() {
    static const std::string path = [] {
        const std::string file = (std::filesystem::temp_directory_path() / "tarsel_bench_puntos.dxf").string();
        std::FILE* out = std::fopen(file.c_str(), "wb");
        std::fputs("  0\r\nSECTION\r\n  2\r\nHEADER\r\n  9\r\n$ACADVER\r\n  1\r\nAC1015\r\n  0\r\nENDSEC\r\n"
                   "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n", out);
        for (int i = 0; i < kPoints; ++i) {
            std::fprintf(out,
                         "  0\r\nPOINT\r\n  5\r\n%X\r\n330\r\n1F\r\n100\r\nAcDbEntity\r\n  8\r\nPuntos\r\n"
                         "100\r\nAcDbPoint\r\n 10\r\n%.4f\r\n 20\r\n%.4f\r\n 30\r\n%.3f\r\n",
                         i + 0x100, 412345.0 + (i % 1000) * 0.731, 4567890.0 + (i / 1000) * 0.517,
                         100.0 + (i % 97) * 0.25);
        }
        std::fputs("  0\r\nENDSEC\r\n  0\r\nEOF\r\n", out);
        std::fclose(out);
        return file;
    }();
    return path;
}


void BM_ReadLines(benchmark::State& state) { bench::ReadLines(state, InputFile()); }

void Import(benchmark::State& state, bool bin) {
    platform::ScriptedDesktop desktop;
    platform::MemorySettingsStore settings;
    State shared;
    Context ctx{desktop, settings, shared};
    design_readers::FixedWindow window("DXF");
    office_to_field::AbRequest request;
    request.InPath = InputFile();
    request.OutPath = (std::filesystem::temp_directory_path() / "tarsel_bench_puntos.out").string();
    request.Layer = "PUNTOS";
    for (auto _ : state) {
        const bool done = bin ? office_to_field::DXF_Bin(ctx, window, request)
                              : office_to_field::DXF_KTW(ctx, window, request);
        benchmark::DoNotOptimize(done);
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(InputFile())));
    bench::ReportMemory(state);
    std::filesystem::remove(request.OutPath);
}

void BM_DXF_KTW(benchmark::State& state) { Import(state, false); }
void BM_DXF_Bin(benchmark::State& state) { Import(state, true); }

BENCHMARK(BM_ReadLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DXF_KTW)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DXF_Bin)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
