// Decisions at the precision a file writes its numbers.

#include <gtest/gtest.h>

#include "common/file_precision.h"

namespace {

TEST(Precision, TheUnitOfTheLastWrittenDecimal) {
    const struct {
        const char* texto;
        double unidad;
    } casos[] = {{"1257.932", 0.001}, {"2+695.425", 0.001}, {" -0.50 ", 0.01}, {"0,013", 0.001},
                 {"120", 1},          {"1+234", 1},         {"1.5E+2", 10},    {"5E-3", 0.001},
                 {"2.5d1", 1},        {"", 1}};
    for (const auto& c : casos) EXPECT_DOUBLE_EQ(Precision::UnidadDe(c.texto), c.unidad) << c.texto;
}

TEST(Precision, EqualWhenNeitherUnitShowsTheDifference) {
    // Two grades found from elevations of 3 decimals 130 m and 290 m apart, both
    // -2.69 % on paper, 8e-16 apart in the machine.
    const double g1 = (1254.435 - 1257.932) / 130;
    const double g2 = (1246.634 - 1254.435) / 290;
    ASSERT_NE(g1, g2);
    EXPECT_TRUE(Precision::Iguales(g1, Precision::UnidadPendiente(0.001, 130), g2,
                                   Precision::UnidadPendiente(0.001, 290)));
    // Written with four decimals, 2.69 and 2.70 are two grades; so is what the finer
    // of two units shows, however coarse the other.
    EXPECT_FALSE(Precision::Iguales(0.0269, 0.000001, 0.027, 0.000001));
    EXPECT_FALSE(Precision::Iguales(0.0100, 0.1, 0.0104, 0.0001));
    EXPECT_TRUE(Precision::Iguales(0.0100, 0.1, 0.01004, 0.0001));
    // Half a unit is already a difference.
    EXPECT_TRUE(Precision::Nulo(0.0004, 0.001));
    EXPECT_FALSE(Precision::Nulo(-0.0005, 0.001));
    EXPECT_DOUBLE_EQ(Precision::UnidadPendiente(0.001, 0), 0.001);
}

}  // namespace
