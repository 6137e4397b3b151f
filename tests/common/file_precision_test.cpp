// Decisions at the precision a file writes its numbers.

#include <gtest/gtest.h>

#include "common/file_precision.h"

TEST(Precision, TheUnitOfTheLastWrittenDecimal) {
    const struct {
        const char* texto;
        double unidad;
    } casos[] = {{"1257.932", 0.001}, {"2+695.425", 0.001}, {" -0.50 ", 0.01}, {"0,013", 0.001}, {"120", 1},
                 {"1+234", 1},        {"1.5E+2", 10},       {"5E-3", 0.001},   {"2.5d1", 1},      {"", 1}};
    for (const auto& c : casos) EXPECT_DOUBLE_EQ(Precision::UnidadDe(c.texto), c.unidad) << c.texto;
}
