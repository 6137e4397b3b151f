#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "common/sort.h"

namespace {

// Points whose key Num is given and whose Nuevo tags the original position, so that
// the order of equal keys can be read back as a string of letters.
std::vector<TPuntoMDT> Puntos(const std::vector<int>& claves) {
    std::vector<TPuntoMDT> v;
    for (std::size_t k = 0; k < claves.size(); ++k) {
        v.push_back({claves[k], 0.5 * claves[k], -1.0 * claves[k], 1.0, static_cast<std::int32_t>('a' + k)});
    }
    return v;
}

std::string Etiquetas(const std::vector<TPuntoMDT>& v) {
    std::string s;
    for (const auto& p : v) s += static_cast<char>(p.Nuevo);
    return s;
}

TEST(SortQuickSort, OrderOfEqualKeysFollowsThePartition) {
    // Traced by hand through the partition steps.
    struct Caso {
        std::vector<int> claves;
        std::string esperado;
    };
    const Caso casos[] = {
        {{2, 1, 2, 1, 2}, "dbeca"},
        {{7, 7, 7, 7, 7}, "edcba"},
        {{7, 7, 7}, "cba"},
        {{7, 7}, "ba"},
        {{3}, "a"},
    };
    for (const Caso& c : casos) {
        auto v = Puntos(c.claves);
        Sort::QuickSortPoints(v, 0, static_cast<std::int32_t>(v.size()) - 1, 1);
        EXPECT_EQ(Etiquetas(v), c.esperado);
    }
}

TEST(SortQuickSort, KeysAndRanges) {
    // Key 3 (Y = -Num) orders the other way round; key 5 is Nuevo.
    auto v = Puntos({4, 1, 3, 2});
    Sort::QuickSortPoints(v, 0, 3, 3);
    EXPECT_EQ(Etiquetas(v), "acdb");
    Sort::QuickSortPoints(v, 0, 3, 5);
    EXPECT_EQ(Etiquetas(v), "abcd");
    Sort::QuickSortPoints(v, 0, 3, 2);
    EXPECT_EQ(Etiquetas(v), "bdca");

    // 1-based use: element 0 and everything outside the range stay put.
    auto w = Puntos({9, 5, 4, 3, 0});
    Sort::QuickSortPoints(w, 1, 3, 1);
    EXPECT_EQ(Etiquetas(w), "adcbe");

    // Ranges with first >= last are accepted and change nothing.
    Sort::QuickSortPoints(w, 3, 3, 1);
    Sort::QuickSortPoints(w, 4, 2, 1);
    EXPECT_EQ(Etiquetas(w), "adcbe");
    EXPECT_THROW(Sort::QuickSortPoints(w, 1, 5, 1), std::out_of_range);

    // A key outside 1..5 makes every key equal.
    auto x = Puntos({2, 1, 2, 1, 2});
    Sort::QuickSortPoints(x, 0, 4, 9);
    EXPECT_EQ(Etiquetas(x), "edcba");
}

TEST(SortQuickSort, Pairs) {
    std::vector<TIncidencia> v{{3, 1}, {1, 2}, {3, 3}, {2, 4}, {1, 5}};
    Sort::QuickSortPairs(v, 0, 4, 1);
    std::vector<std::int32_t> puntos;
    for (const auto& p : v) puntos.push_back(p.Punto);
    EXPECT_EQ(puntos, (std::vector<std::int32_t>{1, 1, 2, 3, 3}));
    Sort::QuickSortPairs(v, 0, 4, 2);
    for (std::size_t k = 0; k < v.size(); ++k) EXPECT_EQ(v[k].Triangulo, static_cast<std::int32_t>(k + 1));

    // Records move whole: each triangle keeps its point.
    const std::vector<TIncidencia> esperado{{3, 1}, {1, 2}, {3, 3}, {2, 4}, {1, 5}};
    for (std::size_t k = 0; k < v.size(); ++k) EXPECT_EQ(v[k].Punto, esperado[k].Punto);
}

TEST(SortQuickSort, KeyValues) {
    const std::vector<TPuntoMDT> p{{7, 1.5, 2.5, 3.5, 9}};
    EXPECT_EQ(std::get<std::int32_t>(Sort::PointKey(p, 0, 1)), 7);
    EXPECT_EQ(std::get<double>(Sort::PointKey(p, 0, 2)), 1.5);
    EXPECT_EQ(std::get<double>(Sort::PointKey(p, 0, 4)), 3.5);
    EXPECT_EQ(std::get<std::int32_t>(Sort::PointKey(p, 0, 5)), 9);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(Sort::PointKey(p, 0, 0)));
    const std::vector<TIncidencia> q{{4, 8}};
    EXPECT_EQ(std::get<std::int32_t>(Sort::PairKey(q, 0, 2)), 8);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(Sort::PairKey(q, 0, 3)));
}

TEST(SortQuickSort, LargeInputsOfEveryShape) {
    const std::int32_t n = 200000;
    std::vector<std::vector<TPuntoMDT>> entradas(4);
    std::uint32_t x = 12345;
    for (std::int32_t k = 0; k < n; ++k) {
        x = x * 1664525u + 1013904223u;
        entradas[0].push_back({static_cast<std::int32_t>(x % 1000), 0, 0, 0, k});       // many repeats
        entradas[1].push_back({k, 0, 0, 0, k});                                           // ascending
        entradas[2].push_back({n - k, 0, 0, 0, k});                                       // descending
        entradas[3].push_back({5, 0, 0, 0, k});                                           // all equal
    }
    for (auto& v : entradas) {
        auto ordenado = v;
        Sort::QuickSortPoints(ordenado, 0, n - 1, 1);
        EXPECT_TRUE(std::is_sorted(ordenado.begin(), ordenado.end(),
                                   [](const TPuntoMDT& a, const TPuntoMDT& b) { return a.Num < b.Num; }));
        // Nothing lost or duplicated: the tags are a permutation.
        std::vector<bool> visto(n, false);
        for (const auto& p : ordenado) visto.at(p.Nuevo) = true;
        EXPECT_TRUE(std::all_of(visto.begin(), visto.end(), [](bool b) { return b; }));
    }
}

}  // namespace
