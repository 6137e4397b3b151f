#pragma once
// Parsings of design files run on hand-written files and checked against elements
// worked out by hand.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/records.h"
#include "field_writers/rechazo.h"
#include "support/files.h"
#include "support/reader_run.h"

namespace testing_support {

// The elements 1 .. n of a parsing's array against those worked out by hand.
inline void ExpectElementos(const std::vector<TPlanta>& got, std::vector<TPlanta> want) {
    want.insert(want.begin(), TPlanta{});
    ExpectPlanta(got, want);
}

inline void ExpectElementos(const std::vector<TAlzado>& got, std::vector<TAlzado> want) {
    want.insert(want.begin(), TAlzado{});
    ExpectAlzado(got, want, 1e-12);
}

// The elements a parsing reads from a file (element 0 empty).
template <class Elemento, class Leer>
std::vector<Elemento> Leido(Leer leer, const std::string& path) {
    std::vector<Elemento> v(1);
    leer(path, v);
    return v;
}

struct CasoRechazo {
    const char* texto;   // the file
    const char* motivo;  // what the refusal says
};

// Every file is refused with its reason.
template <class Elemento, class Leer>
void ExpectRechazos(Leer leer, const std::vector<CasoRechazo>& casos) {
    TempDir dir;
    for (const auto& caso : casos) {
        WriteBytes(dir.File("f.txt"), caso.texto);
        try {
            Leido<Elemento>(leer, dir.File("f.txt"));
            ADD_FAILURE() << caso.texto;
        } catch (const Rechazo& r) {
            EXPECT_STREQ(r.what(), caso.motivo);
        }
    }
}

}  // namespace testing_support
