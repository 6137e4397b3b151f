#pragma once
// Element arrays compared field by field with values worked out by hand.

#include <gtest/gtest.h>

#include <vector>

#include "common/records.h"

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

}  // namespace testing_support
