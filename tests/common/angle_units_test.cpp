#include <gtest/gtest.h>

#include <cmath>

#include "common/angle_units.h"
#include "common/gm_base.h"

namespace {

constexpr double kPiLiteral = 3.14159265358979;

TEST(ArcoSeno, RangeAndEnds) {
    EXPECT_NEAR(GM::ArcoSeno(0.5), 0.523598775598299, 1e-14);
    EXPECT_NEAR(GM::ArcoSeno(-0.5), -0.523598775598299, 1e-14);  // not brought into range
    EXPECT_EQ(GM::ArcoSeno(1.0), 2.0 * std::atan(1.0));
    EXPECT_EQ(GM::ArcoSeno(-1.0), 6.0 * std::atan(1.0));
    EXPECT_EQ(GM::ArcoSeno(0.0), 0.0);
    EXPECT_THROW(GM::ArcoSeno(1.5), GM::ArithmeticError);
    EXPECT_THROW(GM::ArcoSeno(std::nan("")), GM::ArithmeticError);
}

TEST(Interpolar, LineThroughTwoPoints) {
    EXPECT_EQ(GM::Interpolar(5, 0, 10, 100, 200), 150);
    EXPECT_EQ(GM::Interpolar(15, 0, 10, 100, 200), 250);
    EXPECT_EQ(GM::Interpolar(5, 3, 3, 7, 9), 7);
    EXPECT_EQ(GM::Interpolar(-5, 0, 10, 100, 200), 50);
}

TEST(AngleUnits, ConversionsFromTheLiteralPi) {
    EXPECT_NEAR(GM::GMS_A_Radianes(-10, 30, 0), -10.5 * kPiLiteral / 180, 1e-15);
    EXPECT_NEAR(GM::GMS_A_Radianes(0, -30, 0), -0.5 * kPiLiteral / 180, 1e-16);
    EXPECT_NEAR(GM::GMS_A_Radianes(12, 30, 36), 12.51 * kPiLiteral / 180, 1e-15);
    EXPECT_THROW(GM::GMS_A_Radianes(-32768, 0, 0), GM::ArithmeticError);
    EXPECT_EQ(GM::Centesimales_A_Radianes(200), kPiLiteral);
    EXPECT_EQ(GM::Radianes_A_Centesimales(kPiLiteral), 200);
    EXPECT_EQ(GM::Grados_A_Radianes(180), kPiLiteral);
    EXPECT_EQ(GM::Milesimas_A_Radianes(1600), kPiLiteral / 2);
}

TEST(AzimutAAngulo, SnapsNearTheAxes) {
    const double halfPi = kPiLiteral / 2;
    const struct {
        double a;
        double b;
        double expected;
    } cases[] = {
        {1e-7, 0, halfPi},
        {kPiLiteral, -3, -halfPi},
        {kPiLiteral, 2, halfPi},
        {kPiLiteral, 0, 0},
        {1, 0, halfPi - 1},
        {halfPi + 1e-6, 5, 0},
        {halfPi + 2e-6, 5, halfPi - (halfPi + 2e-6)},
        {-1e-6, 0, halfPi},
    };
    for (const auto& c : cases) EXPECT_EQ(GM::Azimut_A_Angulo(c.a, c.b), c.expected) << c.a << " " << c.b;
}

}  // namespace
