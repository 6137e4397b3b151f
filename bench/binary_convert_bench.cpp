// Binary observations (.FIC) to "Estandar" and to DXF over a generated file of a
// million records (166 MB), beside a plain read of the same file, and the DXF
// output's bytes written through one buffered stream: "Estandar" must keep at
// least a quarter of the reading speed, the drawing at most twice the time of
// writing its bytes.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "app/state.h"
#include "bench_support.h"
#include "common/record_input.h"
#include "field_to_office/binary_converters.h"
#include "field_to_office/tarsel_binary_records.h"

namespace {

constexpr int kRecords = 1000000;

void PutText(std::string& record, const std::string& text) {
    std::string field = text.substr(0, 10);
    field.resize(10, '\0');
    record += field;
}

void PutDouble(std::string& record, double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, 8);
    for (int i = 0; i < 8; ++i) record.push_back(static_cast<char>(bits >> (8 * i) & 0xFF));
}

// The file, written once for the whole run.
const std::string& InputFile() {
    static const std::string path = [] {
        const std::string file = (std::filesystem::temp_directory_path() / "tarsel_bench_obs.fic").string();
        std::error_code error;
        if (std::filesystem::file_size(file, error) == kRecords * kDatoCampoBINBytes && !error) return file;
        std::FILE* out = std::fopen(file.c_str(), "wb");
        std::string record;
        for (int i = 0; i < kRecords; ++i) {
            record.clear();
            PutText(record, "ST" + std::to_string(i / 1000 % 100));
            for (double v : {500000.0 + i, 4000000.0, 100.0}) PutDouble(record, v);
            PutText(record, "P" + std::to_string(i % 100000));
            for (double v : {0.123456 + i % 1000 * 0.006, 1.5 + i % 7 * 0.01, 12.345 + i % 5000 * 0.01, 1.55, 1.3})
                PutDouble(record, v);
            record.append(8, '\0');  // prism constant and ppm
            PutText(record, "COD" + std::to_string(i / 100 % 10));
            for (int k = 0; k < 4; ++k) PutText(record, "0");
            for (double v : {500123.0 + i * 0.001, 4000456.0 + i * 0.002, 98.765 + i % 3000 * 0.001})
                PutDouble(record, v);
            std::fwrite(record.data(), 1, record.size(), out);
        }
        std::fclose(out);
        return file;
    }();
    return path;
}

std::int64_t FileBytes() { return static_cast<std::int64_t>(std::filesystem::file_size(InputFile())); }

using bench::ReportMemory;

void BM_ReadRecords(benchmark::State& state) {
    const std::string& file = InputFile();
    for (auto _ : state) {
        RecordInput input(file, kDatoCampoBINBytes);
        std::size_t sum = 0;
        while (const unsigned char* record = input.Next()) sum += record[0];
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(state.iterations() * FileBytes());
    ReportMemory(state);
}

std::uintmax_t& DrawingBytes() {
    static std::uintmax_t bytes = 0;
    return bytes;
}

void Convert(benchmark::State& state, const char* filtro, const char* outName) {
    const std::string& file = InputFile();
    const std::string out = (std::filesystem::temp_directory_path() / outName).string();
    State options;
    std::int32_t vertices = 0;
    for (auto _ : state) {
        ConvertBinaryTaqui({file, out, filtro, ','}, options, vertices);
    }
    state.SetBytesProcessed(state.iterations() * FileBytes());
    const std::uintmax_t written = std::filesystem::file_size(out);
    if (std::string_view(filtro) == "DXF") DrawingBytes() = written;
    state.counters["output_MB"] = static_cast<double>(written) / 1e6;
    ReportMemory(state);
    std::filesystem::remove(out);
}

void BM_ConvertEstandar(benchmark::State& state) { Convert(state, "Estandar", "tarsel_bench_fic.txt"); }
void BM_ConvertDXF(benchmark::State& state) { Convert(state, "DXF", "tarsel_bench_fic.dxf"); }

// The bytes of the drawing written through one buffered stream.
void BM_WriteDrawingBytes(benchmark::State& state) { bench::WriteBytes(state, DrawingBytes(), "tarsel_bench_bytes.dxf"); }

BENCHMARK(BM_ReadRecords)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertEstandar)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertDXF)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteDrawingBytes)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
