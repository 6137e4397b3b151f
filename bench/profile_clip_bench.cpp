// KTW profiles to Clip over a generated file of 100,000 profiles of 30 points each,
// beside a plain line-by-line read of the same file. The profiles come in scattered
// chainage order and in pairs that share a chainage, so that sorting and merging
// are both exercised: neither may grow quadratically with the number of profiles.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/state.h"
#include "bench_support.h"
#include "field_to_office/ktw_profiles.h"

namespace {

constexpr int kProfiles = 100000;
constexpr int kPoints = 30;

std::string Word(const char* wi, long value) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    std::string word(wi);
    word.append("...0");
    word.push_back(value < 0 ? '-' : '+');
    word.append(8 - digits.size(), '0');
    word.append(digits);
    word.push_back(' ');
    return word;
}

const std::string& InputFile() {
    static const std::string path = [] {
        const std::string file = (std::filesystem::temp_directory_path() / "tarsel_bench_profiles.ktw").string();
        std::FILE* out = std::fopen(file.c_str(), "wb");
        std::string text;
        for (int i = 0; i < kProfiles; ++i) {
            // Two consecutive profiles share each chainage; the pairs are scattered.
            const long pk = static_cast<long>((i / 2) * 7919L % (kProfiles / 2)) * 1000L + 500;
            text = "41....+00PERFIL ";
            text += Word("42", pk);
            text += Word("43", 50000000 + i);
            text += Word("44", 4000000);
            text += Word("45", 123456);
            text += "\r\n";
            for (int k = 0; k < kPoints; ++k) {
                text += Word("77", pk);
                text += Word("78", (k - kPoints / 2) * 250 + (i % 2) * 100);
                text += Word("83", 100000 + k * 37);
                text += "\r\n";
            }
            std::fwrite(text.data(), 1, text.size(), out);
        }
        std::fclose(out);
        return file;
    }();
    return path;
}

std::int64_t FileBytes() { return static_cast<std::int64_t>(std::filesystem::file_size(InputFile())); }

using bench::ReportMemory;

void BM_ReadLines(benchmark::State& state) { bench::ReadLines(state, InputFile()); }

void BM_ProfilesToClip(benchmark::State& state) {
    ProfileRequest request;
    request.entrada = InputFile();
    request.salida = (std::filesystem::temp_directory_path() / "tarsel_bench_profiles.ter").string();
    request.filtro = "Perfiles Clip";
    request.formatoCampo = 2;
    State options;
    std::int32_t vertices = 0;
    for (auto _ : state) ConvertKTWPerfiles(request, options, vertices);
    state.SetBytesProcessed(state.iterations() * FileBytes());
    state.counters["output_MB"] = static_cast<double>(std::filesystem::file_size(request.salida)) / 1e6;
    ReportMemory(state);
    std::filesystem::remove(request.salida);
}

BENCHMARK(BM_ReadLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProfilesToClip)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
