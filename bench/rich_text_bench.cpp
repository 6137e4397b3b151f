// A Clip RTF planta listing of about 50 MB (a table of seven cells a row, as a word
// processor writes it: row properties, paragraph marks and font changes around every
// cell) turned into plain text, and read into elements, beside a plain read of the
// same file.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_support.h"
#include "design_readers/clip_planta_rtf.h"
#include "platform/rich_text.h"

namespace {

constexpr std::size_t kTargetBytes = 50u * 1000u * 1000u;

const std::string& InputFile() {
    static const std::string path = [] {
        const std::string file = (std::filesystem::temp_directory_path() / "tarsel_bench_listado.rtf").string();
        std::FILE* out = std::fopen(file.c_str(), "wb");
        std::string text =
            "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1 Courier New;}}"
            "{\\colortbl;\\red0\\green0\\blue0;}{\\*\\generator bench;}\\uc1\\pard Estaci\\'f3n\\par\r\n";
        std::size_t written = 0;
        for (long row = 0; written < kTargetBytes; ++row) {
            text += "\\trowd\\trgaph108\\trleft-108\\cellx1200\\cellx2400\\cellx3600\\cellx4800\\cellx6000"
                    "\\cellx7200\\cellx8400\r\n";
            const std::string cells[] = {std::to_string(row / 100) + "+" + std::to_string(row % 100 * 10) + ".000",
                                         "10.000",
                                         "1,234,567.890", "4,456,789.123", "123.4567", "  infinito",
                                         std::to_string(row % 97) + ".250"};
            for (const std::string& cell : cells)
                text += "\\pard\\intbl\\ql{\\f1\\fs18\\lang3082 " + cell + "}\\cell ";
            text += "\\row\r\n";
            if (text.size() > 1 << 16) {
                std::fwrite(text.data(), 1, text.size(), out);
                written += text.size();
                text.clear();
            }
        }
        text += "\\pard\\par}";
        std::fwrite(text.data(), 1, text.size(), out);
        std::fclose(out);
        return file;
    }();
    return path;
}

std::int64_t FileBytes() { return static_cast<std::int64_t>(std::filesystem::file_size(InputFile())); }

// The whole file read into memory, as the conversion first does.
void BM_ReadFile(benchmark::State& state) {
    for (auto _ : state) {
        std::ifstream file(InputFile(), std::ios::binary);
        std::string bytes(static_cast<std::size_t>(FileBytes()), '\0');
        file.read(bytes.data(), FileBytes());
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * FileBytes());
    bench::ReportMemory(state);
}

void BM_ReadLines(benchmark::State& state) { bench::ReadLines(state, InputFile()); }

void BM_RtfToText(benchmark::State& state) {
    std::size_t textBytes = 0;
    for (auto _ : state) {
        const auto text = platform::LoadRtfText(InputFile());
        textBytes = text ? text->size() : 0;
        benchmark::DoNotOptimize(textBytes);
    }
    state.SetBytesProcessed(state.iterations() * FileBytes());
    state.counters["text_MB"] = static_cast<double>(textBytes) / 1e6;
    bench::ReportMemory(state);
}

// The text read on into the elements of the alignment, as the Clip planta reader does.
void BM_ClipPlantaRTF(benchmark::State& state) {
    std::size_t elements = 0;
    for (auto _ : state) {
        const auto text = platform::LoadRtfText(InputFile());
        std::vector<TPlanta> planta(1);
        EntryClipWindows::LeerPlantaRTF(text ? *text : std::string(), planta);
        elements = planta.size() - 1;
        benchmark::DoNotOptimize(planta.data());
    }
    state.SetBytesProcessed(state.iterations() * FileBytes());
    state.counters["elements"] = static_cast<double>(elements);
    bench::ReportMemory(state);
}

BENCHMARK(BM_ReadFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RtfToText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClipPlantaRTF)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
