// The terrain model over a generated drawing of 1,000,000 3D faces (36 lines each,
// as AutoCAD writes them, handles and subclass markers included), beside a plain
// line-by-line read of the same file: each stage timed on its own, then the whole
// run. The peak memory of a run is read from a process that runs it alone:
//   bench_dxf_mdt_bench --benchmark_filter=BM_WholeRun
// (the stage benchmarks keep the scanned model in memory between iterations).

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "bench_support.h"
#include "design_readers/dxf_mdt.h"
#include "platform/scripted_desktop.h"

namespace {

constexpr int kColumns = 500;  // cells of two faces each: 500 x 1000 cells
constexpr int kRows = 1000;
constexpr std::uintmax_t kFileBytes = 243037482;  // what the generator below writes

class Window : public design_readers::WindowServices {
public:
    bool SeccionTipo() const override { return false; }
    std::string Programa() const override { return "DXF"; }
    void Progreso(const std::string&) override { ++texts; }
    std::string TextoRTF(const std::string&) override { return {}; }
    std::optional<std::string> GuardarComo(const std::string&, const std::string&) override { return {}; }
    std::string Capa() const override { return "Terreno"; }
    int texts = 0;
};

void Group(std::string& text, const char* code, double value) {
    char digits[32];
    text += code;
    text += '\n';
    text.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
    text += '\n';
}

// A vertex of the terrain: positions with four decimals, as surveys give them.
void Corner(std::string& text, int corner, int i, int j) {
    static const char* const codes[4][3] = {{" 10", " 20", " 30"}, {" 11", " 21", " 31"}, {" 12", " 22", " 32"}, {" 13", " 23", " 33"}};
    Group(text, codes[corner][0], 479000.0 + i * 2.5 + j * 0.0001);
    Group(text, codes[corner][1], 5709000.0 + j * 2.5 + i * 0.0003);
    Group(text, codes[corner][2], 150.0 + ((i * 7 + j * 13) % 1000) / 8.0);
}

void Face(std::string& text, long handle, const int (&corners)[3][2]) {
    char hex[16];
    text += "  0\n3DFACE\n  5\n";
    text.append(hex, std::to_chars(hex, hex + sizeof hex, handle, 16).ptr);
    text += "\n330\n1F\n100\nAcDbEntity\n  8\nTerreno\n100\nAcDbFace\n";
    for (int k = 0; k < 4; ++k) Corner(text, k, corners[k < 3 ? k : 2][0], corners[k < 3 ? k : 2][1]);
}

const std::string& InputFile() {
    static const std::string path = [] {
        const std::string file = (std::filesystem::temp_directory_path() / "tarsel_bench_faces.dxf").string();
        std::error_code error;
        if (std::filesystem::file_size(file, error) == kFileBytes && !error) return file;  // from an earlier run
        std::FILE* out = std::fopen(file.c_str(), "wb");
        std::string text = "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1027\n  0\nENDSEC\n  0\nSECTION\n  2\nENTITIES\n";
        long handle = 0x100;
        for (int j = 0; j < kRows; ++j) {
            for (int i = 0; i < kColumns; ++i) {
                Face(text, handle++, {{i, j}, {i + 1, j}, {i + 1, j + 1}});
                Face(text, handle++, {{i, j}, {i + 1, j + 1}, {i, j + 1}});
            }
            std::fwrite(text.data(), 1, text.size(), out);
            text.clear();
        }
        text = "  0\nENDSEC\n  0\nEOF\n";
        std::fwrite(text.data(), 1, text.size(), out);
        std::fclose(out);
        return file;
    }();
    return path;
}

std::int64_t FileBytes() { return static_cast<std::int64_t>(std::filesystem::file_size(InputFile())); }

std::string OutputFile() { return (std::filesystem::temp_directory_path() / "tarsel_bench_faces.mdt").string(); }

// The model after each stage, made once for the stage benchmarks.
struct Model {
    EntryDxf::Puntos puntos{1};
    EntryDxf::Triangulos triangulos{1};
    EntryDxf::Incidencias incidencias{1};
};

const Model& Scanned() {
    static const Model model = [] {
        Model m;
        Window window;
        design_readers::ProgressLine progress(window);
        EntryDxf::LeerCaras3D(InputFile(), "Terreno", m.puntos, m.triangulos, progress);
        return m;
    }();
    return model;
}

const Model& Sorted() {
    static const Model model = [] {
        Model m = Scanned();
        EntryDxf::OrdenarPuntos(m.puntos);
        return m;
    }();
    return model;
}

void BM_ReadLines(benchmark::State& state) { bench::ReadLines(state, InputFile()); }

void BM_Scan(benchmark::State& state) {
    for (auto _ : state) {
        Model m;
        Window window;
        design_readers::ProgressLine progress(window);
        EntryDxf::LeerCaras3D(InputFile(), "Terreno", m.puntos, m.triangulos, progress);
        state.counters["faces"] = static_cast<double>(m.triangulos.size() - 1);
    }
    state.SetBytesProcessed(state.iterations() * FileBytes());
}

void BM_SortPoints(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Model m = Scanned();
        state.ResumeTiming();
        EntryDxf::OrdenarPuntos(m.puntos);
    }
}

void BM_MergeAndUses(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Model m = Sorted();
        state.ResumeTiming();
        EntryDxf::RenumerarPuntos(m.puntos);
        EntryDxf::RenumerarTriangulos(m.puntos, m.triangulos);
        EntryDxf::TriangulosPorPunto(m.puntos, m.triangulos, m.incidencias);
        state.counters["points"] = static_cast<double>(m.puntos.size() - 1);
    }
}

void BM_Write(benchmark::State& state) {
    Model m = Sorted();
    EntryDxf::RenumerarPuntos(m.puntos);
    EntryDxf::RenumerarTriangulos(m.puntos, m.triangulos);
    EntryDxf::TriangulosPorPunto(m.puntos, m.triangulos, m.incidencias);
    for (auto _ : state) EntryDxf::WriteMDTFile(OutputFile(), m.puntos, m.triangulos, m.incidencias);
    state.counters["output_MB"] = static_cast<double>(std::filesystem::file_size(OutputFile())) / 1e6;
    std::filesystem::remove(OutputFile());
}

void BM_WholeRun(benchmark::State& state) {
    for (auto _ : state) {
        Window window;
        platform::ScriptedDesktop desktop;
        const std::int32_t faces = EntryDxf::DXF_MDT(InputFile(), OutputFile(), "terreno", window, desktop);
        state.counters["faces"] = faces;
        state.counters["texts"] = window.texts;
    }
    state.SetBytesProcessed(state.iterations() * FileBytes());
    bench::ReportMemory(state);
    std::filesystem::remove(OutputFile());
}

BENCHMARK(BM_ReadLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Scan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortPoints)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MergeAndUses)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Write)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeRun)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
