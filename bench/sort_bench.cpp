// The terrain model's quicksort against std::sort on the same 3,000,000 points, for
// every key and for random, ascending, descending and all-equal inputs. Each row times
// Sort::QuickSortPoints and reports std::sort's time and the ratio beside it.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <vector>

#include "common/records.h"
#include "common/sort.h"

namespace {

constexpr std::size_t kPuntos = 3'000'000;

enum Entrada { kAleatoria = 0, kAscendente = 1, kDescendente = 2, kIguales = 3 };

// A small deterministic generator, so that every run sorts the same data.
struct Generador {
    std::uint64_t estado = 0x9E3779B97F4A7C15ull;
    std::uint64_t Siguiente() {
        estado ^= estado << 13;
        estado ^= estado >> 7;
        estado ^= estado << 17;
        return estado;
    }
    double Real(double escala) { return static_cast<double>(Siguiente() >> 11) * (escala / 9007199254740992.0); }
};

// Element 0 is the unused slot of the terrain model's arrays.
std::vector<TPuntoMDT> Datos(Entrada entrada) {
    std::vector<TPuntoMDT> v(kPuntos + 1);
    Generador g;
    for (std::size_t k = 1; k <= kPuntos; ++k) {
        TPuntoMDT& p = v[k];
        switch (entrada) {
        case kAleatoria:
            p = {static_cast<std::int32_t>(g.Siguiente() % 1'000'000'000), 400000 + g.Real(5000),
                 4400000 + g.Real(5000), 600 + g.Real(200), static_cast<std::int32_t>(g.Siguiente() % 1'000'000'000)};
            break;
        case kAscendente:
        case kDescendente: {
            const auto n = static_cast<std::int32_t>(entrada == kAscendente ? k : kPuntos + 1 - k);
            p = {n, 400000 + 0.01 * n, 4400000 + 0.01 * n, 600 + 0.0001 * n, n};
            break;
        }
        case kIguales: p = {7, 400000.5, 4400000.5, 600.25, 7}; break;
        }
    }
    return v;
}

template <class KeyFn>
void OrdenarStd(std::vector<TPuntoMDT>& v, KeyFn key) {
    std::sort(v.begin() + 1, v.end(), [&](const TPuntoMDT& a, const TPuntoMDT& b) { return key(a) < key(b); });
}

void OrdenarStd(std::vector<TPuntoMDT>& v, std::int16_t clave) {
    switch (clave) {
    case 1: OrdenarStd(v, [](const TPuntoMDT& p) { return p.Num; }); break;
    case 2: OrdenarStd(v, [](const TPuntoMDT& p) { return p.X; }); break;
    case 3: OrdenarStd(v, [](const TPuntoMDT& p) { return p.Y; }); break;
    case 4: OrdenarStd(v, [](const TPuntoMDT& p) { return p.Z; }); break;
    default: OrdenarStd(v, [](const TPuntoMDT& p) { return p.Nuevo; }); break;
    }
}

template <class F>
double Segundos(F&& f) {
    const auto t0 = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

void BM_QuickSortPoints(benchmark::State& state) {
    const auto clave = static_cast<std::int16_t>(state.range(0));
    const auto entrada = static_cast<Entrada>(state.range(1));
    const std::vector<TPuntoMDT> original = Datos(entrada);
    double totalStd = 0;
    double totalPropio = 0;
    for (auto _ : state) {
        std::vector<TPuntoMDT> v = original;
        const double propio =
            Segundos([&] { Sort::QuickSortPoints(v, 1, static_cast<std::int32_t>(kPuntos), clave); });
        benchmark::DoNotOptimize(v.data());
        v = original;
        const double estandar = Segundos([&] { OrdenarStd(v, clave); });
        benchmark::DoNotOptimize(v.data());
        state.SetIterationTime(propio);
        totalPropio += propio;
        totalStd += estandar;
    }
    state.counters["std_sort_ms"] = benchmark::Counter(totalStd * 1000, benchmark::Counter::kAvgIterations);
    state.counters["ratio"] = totalStd > 0 ? totalPropio / totalStd : 0;
}

void Argumentos(benchmark::internal::Benchmark* b) {
    b->ArgNames({"clave", "entrada"});
    for (int clave = 1; clave <= 5; ++clave) {
        for (int entrada = kAleatoria; entrada <= kIguales; ++entrada) b->Args({clave, entrada});
    }
}

}  // namespace

BENCHMARK(BM_QuickSortPoints)->Apply(Argumentos)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
