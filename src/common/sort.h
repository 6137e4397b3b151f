#pragma once
// The terrain model's quicksort: iterative, in place, ascending by one key, records
// moved whole. Not stable: equal keys come out in the order this partition scheme
// leaves them, and output files show that order, so the scheme must not change.

#include <array>
#include <cstdint>
#include <stdexcept>
#include <utility>
#include <variant>
#include <vector>

#include "common/records.h"

namespace Sort {

// Sorts v[first..last] ascending by key(element). The middle element is the pivot;
// elements equal to it stop both scans and are swapped, so runs of equal keys split
// evenly. The smaller part is sorted at once and the larger waits on a fixed stack of
// 33 ranges, enough for any range a 32-bit index can address. An empty range
// (first >= last) is left as it is; indexes outside v throw std::out_of_range.
template <class T, class KeyFn>
void QuickSort(std::vector<T>& v, std::int32_t first, std::int32_t last, KeyFn key) {
    if (first >= last) return;
    if (first < 0 || static_cast<std::size_t>(last) >= v.size()) {
        throw std::out_of_range("Sort::QuickSort: índice fuera del intervalo");
    }
    std::array<std::int32_t, 33> bajos{};
    std::array<std::int32_t, 33> altos{};
    std::size_t pila = 0;  // ranges waiting: bajos/altos[0 .. pila - 1]
    auto apilar = [&](std::int32_t lo, std::int32_t hi) {
        if (pila >= bajos.size()) throw std::length_error("Sort::QuickSort: pila agotada");
        bajos[pila] = lo;
        altos[pila] = hi;
        ++pila;
    };

    apilar(first, last);
    while (pila > 0) {
        --pila;
        std::int32_t lo = bajos[pila];
        std::int32_t hi = altos[pila];
        while (lo < hi) {
            const std::int32_t mid = lo + (hi - lo) / 2;
            std::swap(v[lo], v[mid]);
            const auto pivote = key(v[lo]);
            std::int32_t i = lo + 1;
            std::int32_t j = hi;
            for (;;) {
                while (i < j && key(v[i]) < pivote) ++i;
                while (j >= i && key(v[j]) > pivote) --j;
                if (i >= j) break;
                std::swap(v[i], v[j]);
                --j;
                ++i;
            }
            std::swap(v[lo], v[j]);
            if (j - lo <= hi - j) {
                if (j + 1 < hi) apilar(j + 1, hi);
                hi = j - 1;
            } else {
                if (j - 1 > lo) apilar(lo, j - 1);
                lo = j + 1;
            }
        }
    }
}

// A key value as the terrain model sees it: a whole number, a Double, or nothing for
// a key outside the record's fields.
using Clave = std::variant<std::monostate, std::int32_t, double>;

// Key 1 Num, 2 X, 3 Y, 4 Z, 5 Nuevo.
inline Clave PointKey(const std::vector<TPuntoMDT>& points, std::size_t index, std::int16_t key) {
    const TPuntoMDT& p = points.at(index);
    switch (key) {
    case 1: return p.Num;
    case 2: return p.X;
    case 3: return p.Y;
    case 4: return p.Z;
    case 5: return p.Nuevo;
    default: return {};
    }
}

// Key 1 Punto, 2 Triangulo.
inline Clave PairKey(const std::vector<TIncidencia>& pairs, std::size_t index, std::int16_t key) {
    const TIncidencia& p = pairs.at(index);
    switch (key) {
    case 1: return p.Punto;
    case 2: return p.Triangulo;
    default: return {};
    }
}

// A key outside the record's fields makes every key empty, hence all equal: the range
// is still rearranged as the scheme does with equal keys.
inline void QuickSortPoints(std::vector<TPuntoMDT>& points, std::int32_t first, std::int32_t last, std::int16_t key) {
    switch (key) {
    case 1: QuickSort(points, first, last, [](const TPuntoMDT& p) { return p.Num; }); break;
    case 2: QuickSort(points, first, last, [](const TPuntoMDT& p) { return p.X; }); break;
    case 3: QuickSort(points, first, last, [](const TPuntoMDT& p) { return p.Y; }); break;
    case 4: QuickSort(points, first, last, [](const TPuntoMDT& p) { return p.Z; }); break;
    case 5: QuickSort(points, first, last, [](const TPuntoMDT& p) { return p.Nuevo; }); break;
    default: QuickSort(points, first, last, [](const TPuntoMDT&) { return 0; }); break;
    }
}

inline void QuickSortPairs(std::vector<TIncidencia>& pairs, std::int32_t first, std::int32_t last, std::int16_t key) {
    switch (key) {
    case 1: QuickSort(pairs, first, last, [](const TIncidencia& p) { return p.Punto; }); break;
    case 2: QuickSort(pairs, first, last, [](const TIncidencia& p) { return p.Triangulo; }); break;
    default: QuickSort(pairs, first, last, [](const TIncidencia&) { return 0; }); break;
    }
}

}  // namespace Sort
