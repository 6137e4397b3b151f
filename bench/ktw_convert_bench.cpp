// KTW observations to "Estandar" and to DXF over a generated file of a million
// lines (narrow and wide words mixed), and to the ISPOL field book, beside a plain
// line-by-line read of the same file, and the drawing's bytes written through one buffered stream:
// "Estandar" must keep at least a quarter of the reading speed, the drawing at
// most twice the time of writing its bytes.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/state.h"
#include "bench_support.h"
#include "field_to_office/entry_ispol.h"
#include "field_to_office/ktw_tarsel_taqui.h"
#include "field_to_office/user_filter_converters.h"

namespace {

constexpr int kLines = 1000000;
constexpr std::uintmax_t kFileBytes = 161444000;  // what the generator below writes

std::string Digits(long value, int width) {
    std::string text = std::to_string(value < 0 ? -value : value);
    if (static_cast<int>(text.size()) < width) text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
    return text.substr(text.size() - static_cast<std::size_t>(width));
}

// Built by appending: GCC 12 warns wrongly (-Wrestrict) on chains of "+" here.
std::string Word(const char* wi, char unit, long value, bool wide) {
    std::string word(wi);
    word.append("...");
    word.push_back(unit);
    word.push_back(value < 0 ? '-' : '+');
    word.append(Digits(value, wide ? 16 : 8));
    word.push_back(' ');
    return word;
}

std::string TextWord(const char* wi, const std::string& text, bool wide) {
    const std::size_t width = wide ? 16 : 8;
    std::string word(wi);
    word.append("...0+");
    word.append(width - text.size(), '0');
    word.append(text);
    word.push_back(' ');
    return word;
}

// The file, written once for the whole run.
const std::string& InputFile() {
    static const std::string path = [] {
        const std::string file = (std::filesystem::temp_directory_path() / "tarsel_bench_obs.ktw").string();
        std::error_code error;
        if (std::filesystem::file_size(file, error) == kFileBytes && !error) return file;  // from an earlier run
        std::FILE* out = std::fopen(file.c_str(), "wb");
        std::string line;
        for (int i = 0; i < kLines; ++i) {
            const bool wide = i % 2 == 1;
            line.clear();
            if (wide) line += '*';
            if (i % 1000 == 0) {
                line += TextWord("11", std::string("ST").append(std::to_string(i / 1000 % 100)), wide);
                line += Word("84", '0', 500000 + i, wide);
                line += Word("85", '0', 4000000 + i, wide);
                line += Word("86", '0', 100000, wide);
                line += Word("88", '0', 1550, wide);
            } else if (i % 100 == 0) {
                line += TextWord("41", std::string("COD").append(std::to_string(i / 100 % 10)), wide);
            } else {
                line += TextWord("11", std::string("P").append(std::to_string(i % 100000)), wide);
                line += Word("21", '2', 12345678L + i % 1000, wide);
                line += Word("22", '2', 9876543L, wide);
                line += Word("31", wide ? '6' : '0', 12345 + i % 5000, wide);
                line += Word("87", '0', 1300, wide);
                line += Word("81", '0', 500123 + i, wide);
                line += Word("82", '0', 4000456 + i, wide);
                line += Word("83", '0', -1234 + i % 3000, wide);
            }
            line += "\r\n";
            std::fwrite(line.data(), 1, line.size(), out);
        }
        std::fclose(out);
        return file;
    }();
    return path;
}

std::int64_t FileBytes() { return static_cast<std::int64_t>(std::filesystem::file_size(InputFile())); }

using bench::ReportMemory;

std::uintmax_t& DrawingBytes() {
    static std::uintmax_t bytes = 0;
    return bytes;
}

void BM_ReadLines(benchmark::State& state) { bench::ReadLines(state, InputFile()); }

void Convert(benchmark::State& state, const char* filtro, const char* outName) {
    const std::string& file = InputFile();
    const std::string out = (std::filesystem::temp_directory_path() / outName).string();
    State options;
    std::int32_t vertices = 0;
    for (auto _ : state) {
        KTWTaquiRequest request{file, out, filtro, false, false, ','};
        ConvertKTWTaqui(request, options, vertices);
        // The window deletes the old output before each conversion.
        state.PauseTiming();
        std::filesystem::remove(out);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * FileBytes());
    KTWTaquiRequest request{file, out, filtro, false, false, ','};
    ConvertKTWTaqui(request, options, vertices);
    const std::uintmax_t written = std::filesystem::file_size(out);
    if (std::string_view(filtro) == "DXF") DrawingBytes() = written;
    state.counters["output_MB"] = static_cast<double>(written) / 1e6;
    ReportMemory(state);
    std::filesystem::remove(out);
}

void BM_ConvertEstandar(benchmark::State& state) { Convert(state, "Estandar", "tarsel_bench_obs.txt"); }
void BM_ConvertDXF(benchmark::State& state) { Convert(state, "DXF", "tarsel_bench_obs.dxf"); }

BENCHMARK(BM_ReadLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertEstandar)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertDXF)->Unit(benchmark::kMillisecond);
// The record formats; Calco also writes its station file, FieldWorks without coordinates.
void BM_ConvertSDR(benchmark::State& state) { Convert(state, "SDR", "tarsel_bench_obs.sdr"); }
void BM_ConvertCalco(benchmark::State& state) {
    Convert(state, "Calco", "tarsel_bench_obs.lec");
    std::filesystem::remove(std::filesystem::temp_directory_path() / "tarsel_bench_obs.sub");
}
void BM_ConvertFieldWorks(benchmark::State& state) { Convert(state, "FieldWorks", "tarsel_bench_obs.fwd"); }
BENCHMARK(BM_ConvertSDR)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertCalco)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertFieldWorks)->Unit(benchmark::kMillisecond);
// The bytes of the drawing written through one buffered stream.
void BM_WriteDrawingBytes(benchmark::State& state) { bench::WriteBytes(state, DrawingBytes(), "tarsel_bench_bytes.dxf"); }
BENCHMARK(BM_WriteDrawingBytes)->Unit(benchmark::kMillisecond);
// "Elsamex" writes no observation lines: the decoding alone.
void BM_DecodeOnly(benchmark::State& state) { Convert(state, "Elsamex", "tarsel_bench_obs.elsamex"); }
BENCHMARK(BM_DecodeOnly)->Unit(benchmark::kMillisecond);

// The ISPOL field book of the same file, bases by the prefix "P1".
void BM_ConvertIspol(benchmark::State& state) {
    EntryISPOL::IspolRequest request;
    request.entrada = InputFile();
    request.salida = (std::filesystem::temp_directory_path() / "tarsel_bench_ispol.txt").string();
    request.identBasesValor = "P1";
    request.fecha = "07/12/2026";
    request.hora = "10:30:00";
    for (auto _ : state) EntryISPOL::WriteFieldBook(request);
    state.SetBytesProcessed(state.iterations() * FileBytes());
    state.counters["output_MB"] = static_cast<double>(std::filesystem::file_size(request.salida)) / 1e6;
    ReportMemory(state);
    std::filesystem::remove(request.salida);
}
BENCHMARK(BM_ConvertIspol)->Unit(benchmark::kMillisecond);

// A user filter of every field, separated by ";", with the line of field names;
// and the right-justified columns of point name, X, Y, Z and code 1.
void ConvertUser(benchmark::State& state, const char* definicion, const char* outName) {
    UserFilterRequest request;
    request.entrada = InputFile();
    request.salida = (std::filesystem::temp_directory_path() / outName).string();
    request.filtro = "Mio";
    request.definicion = definicion;
    request.formatoCampo = 1;
    State options;
    std::int32_t vertices = 0;
    for (auto _ : state) ConvertKTWUser(request, {}, options, vertices);
    state.SetBytesProcessed(state.iterations() * FileBytes());
    state.counters["output_MB"] = static_cast<double>(std::filesystem::file_size(request.salida)) / 1e6;
    ReportMemory(state);
    std::filesystem::remove(request.salida);
}
void BM_ConvertUserEveryField(benchmark::State& state) {
    ConvertUser(state, "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,PC00*&",
                "tarsel_bench_user.txt");
}
void BM_ConvertUserJustified(benchmark::State& state) {
    ConvertUser(state, "4,17,18,19,12,J000$&", "tarsel_bench_user_j.txt");
}
BENCHMARK(BM_ConvertUserEveryField)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertUserJustified)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
