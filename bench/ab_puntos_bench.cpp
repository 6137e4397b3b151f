// A text list of a million points to a .PTO file, beside a plain line-by-line read
// of the same list: the conversion must keep at least a quarter of the reading
// speed, with flat memory (maxrss does not grow with the file).

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench_support.h"
#include "office_to_field/a_b_estandar.h"

namespace {

constexpr int kPoints = 1000000;

// The list, written once for the whole run: names, coordinates with three
// decimals, separated by blanks, commas or TABs as a surveyor's lists are.
const std::string& InputFile() {
    static const std::string path = [] {
        const std::string file = (std::filesystem::temp_directory_path() / "tarsel_bench_puntos.txt").string();
        std::FILE* out = std::fopen(file.c_str(), "wb");
        const char separators[] = {' ', ',', '\t'};
        std::string line;
        for (int i = 0; i < kPoints; ++i) {
            const char sep = separators[i % 3];
            line = "P" + std::to_string(i);
            line += sep;
            line += std::to_string(450000 + i % 90000) + "." + std::to_string(100 + i % 900);
            line += sep;
            line += std::to_string(4100000 + i % 70000) + "." + std::to_string(100 + i % 899);
            line += sep;
            line += std::to_string(600 + i % 300) + "." + std::to_string(100 + i % 897);
            line += "\r\n";
            std::fwrite(line.data(), 1, line.size(), out);
        }
        std::fclose(out);
        return file;
    }();
    return path;
}

void BM_ReadLines(benchmark::State& state) { bench::ReadLines(state, InputFile()); }

void BM_PuntosToPTO(benchmark::State& state) {
    const std::string& in = InputFile();
    const std::string out = (std::filesystem::temp_directory_path() / "tarsel_bench_puntos.pto").string();
    for (auto _ : state) {
        benchmark::DoNotOptimize(office_to_field::PuntosBasesToRecords(in, out, false));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(std::filesystem::file_size(in)));
    bench::ReportMemory(state);
    std::filesystem::remove(out);
}

BENCHMARK(BM_ReadLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PuntosToPTO)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
