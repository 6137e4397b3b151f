// Vextor road files: an aln file of 100,000 short straights read and written as .PLA, and
// 100,000 stations of a sta file, each placed on a 1 km profile with one of twenty
// nine-point templates, written as .SCT with its index; each beside a plain
// line-by-line read of its large input.

#include <benchmark/benchmark.h>

#include "bench_support.h"

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/context.h"
#include "app/register_forms.h"
#include "design_readers/form_seccion_tipo.h"
#include "design_readers/vextor.h"
#include "platform/scripted_desktop.h"
#include "platform/settings_store.h"
#include "../fuzz/support/fuzz_window.h"

namespace {

constexpr int kElementos = 100000;

std::string Temp(const char* name) { return (std::filesystem::temp_directory_path() / name).string(); }

// An eight-character number word: index, unit 0, sign and eight digits.
void Palabra(std::string& line, const char* wi, long long valor) {
    char word[32];
    std::snprintf(word, sizeof word, "%s...0%c%08lld ", wi, valor < 0 ? '-' : '+', valor < 0 ? -valor : valor);
    line += word;
}

std::string Escribir(const char* name, const std::string& bytes) {
    const std::string file = Temp(name);
    std::FILE* out = std::fopen(file.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    std::fclose(out);
    return file;
}

const std::string& Aln() {
    static const std::string path = [] {
        std::string t = "41...0+00000001 42...0+HZALIGNM \r\n";
        for (int i = 0; i <= kElementos; ++i) {
            // A zigzag of 0.5 m straights, so that every azimuth is computed.
            Palabra(t, "11", i * 500LL);
            t += i == kElementos ? "12...0+00000EOP " : "12...0+STRAIGHT ";
            Palabra(t, "13", 0);
            Palabra(t, "14", 0);
            Palabra(t, "15", (i % 2) * 100LL);
            Palabra(t, "16", i * 490LL);
            t += "\r\n";
        }
        return Escribir("alnV_tarsel_bench.ktw", t);
    }();
    return path;
}

const std::string& Sta() {
    static const std::string path = [] {
        std::string t = "41...0+00000001 42...0+ASSIGNMT \r\n";
        char name[32];
        for (int i = 0; i < kElementos; ++i) {
            std::snprintf(name, sizeof name, "11...0+0000T%03d ", i % 20);
            t += name;
            Palabra(t, "12", (i % 1000) * 1000LL);
            t += "\r\n";
        }
        return Escribir("staV_tarsel_bench.ktw", t);
    }();
    return path;
}

void BM_ReadAln(benchmark::State& state) { bench::ReadLines(state, Aln()); }
void BM_ReadSta(benchmark::State& state) { bench::ReadLines(state, Sta()); }

void BM_PlantaToPLA(benchmark::State& state) {
    platform::ScriptedDesktop desktop;
    platform::MemorySettingsStore store;
    State shared;
    Context ctx{desktop, store, shared};
    const design_readers::Ficheros f{Aln(), Temp("tarsel_bench_vextor.pla"), "ALN.KTW", "EJE.PLA", ""};
    for (auto _ : state) {
        EntryVextor::Modulo m;
        Errors::Inicializa_Errores(m.MensajesError);
        if (!EntryVextor::Vextor_Planta(ctx, m, f)) {
            state.SkipWithError(desktop.Boxes().empty() ? "the conversion did not complete"
                                                        : desktop.Boxes().back().text.c_str());
            break;
        }
        desktop.ClearTranscript();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(std::filesystem::file_size(Aln())));
    bench::ReportMemory(state);
    std::filesystem::remove(f.salida);
}

void BM_SeccionesToSCT(benchmark::State& state) {
    platform::ScriptedDesktop desktop;
    platform::MemorySettingsStore store;
    State shared;
    shared.FormatoCampo = 0;
    Context ctx{desktop, store, shared};
    app::RegisterForms(ctx);
    fuzz::Window window("Vextor", true);
    std::string crs = "41...0+00000001 42...0+TEMPLATE \r\n";
    char name[32];
    for (int t = 0; t < 20; ++t) {
        for (int k = -4; k <= 4; ++k) {
            std::snprintf(name, sizeof name, "11...0+0000T%03d ", t);
            crs += name;
            Palabra(crs, "12", k * (3000LL + t * 10));
            Palabra(crs, "13", -20LL * (k < 0 ? -k : k));
            crs += "\r\n";
        }
    }
    design_readers::FicherosSeccion f;
    f.entrada = Escribir("crsV_tarsel_bench.ktw", crs);
    f.salida = Temp("tarsel_bench_vextor.sct");
    f.nombreEntrada = "CRS.KTW";
    f.nombreSalida = "EJE.SCT";
    f.alzado = Escribir("prfV_tarsel_bench.ktw",
                        "41...0+00000001 42...0+0VALIGNM \r\n"
                        "11...0+00000000 12...0+STRAIGHT 13...0+00000000 14...0+00100000 15...0+00000000 16...0+00000000 \r\n"
                        "11...0+01000000 12...0+00000EOP 13...0+00000000 14...0+00110000 15...0+00000000 16...0+00000000 \r\n");
    f.nombreAlzado = "PRF.KTW";
    for (auto _ : state) {
        // The layer dialog answers "Rasante" as it opens.
        desktop.QueueAction([&desktop] {
            desktop.Forms().Get<design_readers::frmClipOptions>("frmClipOptions").btnAceptar.UserClick();
        });
        EntryVextor::Modulo m;
        Errors::Inicializa_Errores(m.MensajesError);
        if (!EntryVextor::Secciones_Vextor(ctx, window, m, f, Sta(), "STA.KTW")) {
            state.SkipWithError(desktop.Boxes().empty() ? "the conversion did not complete"
                                                        : desktop.Boxes().back().text.c_str());
            break;
        }
        desktop.ClearTranscript();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(std::filesystem::file_size(Sta())));
    bench::ReportMemory(state);
    std::filesystem::remove(f.salida);
}

BENCHMARK(BM_ReadAln)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlantaToPLA)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadSta)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SeccionesToSCT)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
