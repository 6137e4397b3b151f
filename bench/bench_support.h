#pragma once
// What the benchmark programs share: the memory counter, a plain line-by-line read
// (the yardstick of the text readers), and writing a number of bytes through one
// buffered stream, the yardstick of the DXF writer.

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "common/buffered_output.h"
#include "common/line_input.h"

namespace bench {

inline void ReportMemory(benchmark::State& state) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["maxrss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Reads the file line by line, as the converters do, and nothing else.
inline void ReadLines(benchmark::State& state, const std::string& file) {
    for (auto _ : state) {
        LineInput input(file);
        std::string_view line;
        std::size_t count = 0;
        while (input.Next(line)) count += line.size() > 0 ? 1 : 0;
        benchmark::DoNotOptimize(count);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(std::filesystem::file_size(file)));
    ReportMemory(state);
}

// `total` bytes written through one BufferedOutput in pieces of one point's size
// of a drawing: what the drawing would cost if its texts cost nothing.
inline void WriteBytes(benchmark::State& state, std::uintmax_t total, const char* outName) {
    const std::string out = (std::filesystem::temp_directory_path() / outName).string();
    const std::string piece(600, 'x');
    for (auto _ : state) {
        BufferedOutput stream(out);
        for (std::uintmax_t written = 0; written < total; written += piece.size()) stream.Write(piece);
        stream.Commit();
    }
    state.counters["output_MB"] = static_cast<double>(total) / 1e6;
    std::filesystem::remove(out);
}

}  // namespace bench
