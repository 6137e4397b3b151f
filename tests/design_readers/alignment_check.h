#pragma once
// Element arrays compared field by field with values worked out by hand.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/records.h"
#include "field_writers/rechazo.h"
#include "support/files.h"

namespace testing_support {

inline void ExpectPlanta(const std::vector<TPlanta>& got, const std::vector<TPlanta>& want) {
    ASSERT_EQ(got.size(), want.size() + 1);  // element 0 stays empty
    for (std::size_t i = 0; i < want.size(); ++i) {
        const TPlanta& g = got[i + 1];
        const TPlanta& w = want[i];
        SCOPED_TRACE("elemento " + std::to_string(i + 1));
        EXPECT_EQ(g.N, w.N);
        EXPECT_NEAR(g.PK, w.PK, 1e-9);
        EXPECT_NEAR(g.X, w.X, 1e-9);
        EXPECT_NEAR(g.Y, w.Y, 1e-9);
        EXPECT_NEAR(g.Acimut, w.Acimut, 1e-9);
        EXPECT_NEAR(g.Radio, w.Radio, 1e-9);
        EXPECT_NEAR(g.Parametro, w.Parametro, 1e-9);
        EXPECT_NEAR(g.Longitud, w.Longitud, 1e-9);
    }
}

inline void ExpectAlzado(const std::vector<TAlzado>& got, const std::vector<TAlzado>& want) {
    ASSERT_EQ(got.size(), want.size() + 1);
    for (std::size_t i = 0; i < want.size(); ++i) {
        const TAlzado& g = got[i + 1];
        const TAlzado& w = want[i];
        SCOPED_TRACE("elemento " + std::to_string(i + 1));
        EXPECT_EQ(g.N, w.N);
        EXPECT_NEAR(g.PK, w.PK, 1e-9);
        EXPECT_NEAR(g.Z, w.Z, 1e-9);
        EXPECT_NEAR(g.Pendiente, w.Pendiente, 1e-9);
        EXPECT_NEAR(g.Kv, w.Kv, 1e-9);
        EXPECT_NEAR(g.Longitud, w.Longitud, 1e-9);
    }
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
