#include <gtest/gtest.h>

#include <cmath>

#include "common/gm_azimuths.h"
#include "gm_test_integration.h"

namespace {

using GM::TPuntoXY;

constexpr double kPi = 3.14159265358979;
const double kPiExacto = std::acos(-1.0);

TEST(GmAzimutTangente, ArcFromChord) {
    EXPECT_NEAR(GM::Azimut_Tangente_Arco({0, 0}, {10, 0}, 10), kPiExacto / 3, 1e-13);
    EXPECT_NEAR(GM::Azimut_Tangente_Arco({0, 0}, {10, 0}, -10), 2 * kPiExacto / 3, 1e-13);
    // A chord of exactly one diameter: the half angle is the arctangent's pi/2.
    EXPECT_NEAR(GM::Azimut_Tangente_Arco({0, 0}, {0, 20}, 10), 2 * kPi - kPiExacto / 2, 1e-13);
    EXPECT_THROW(GM::Azimut_Tangente_Arco({0, 0}, {0, 21}, 10), GM::ArithmeticError);
    EXPECT_THROW(GM::Azimut_Tangente_Arco({0, 0}, {0, 5}, 0), GM::ArithmeticError);
}

TEST(GmParametroOvoide, JoinsTwoRadii) {
    EXPECT_NEAR(GM::Parametro_Ovoide(300, 600, 50), std::sqrt(30000.0), 1e-12);
    EXPECT_NEAR(GM::Parametro_Ovoide(600, 300, 50), 173.205080756888, 1e-9);
    // The element between radii 400 and 250 over 60 m has A = 200.
    EXPECT_NEAR(GM::Parametro_Ovoide(400, 250, 60), 200, 1e-9);
    EXPECT_THROW(GM::Parametro_Ovoide(300, 300, 50), GM::ArithmeticError);
}

TEST(GmRadioClotoide, ChoosesTheNearestSpiralAngle) {
    struct Caso {
        double az1, az2, r1, r2, A, esperado;
    };
    // Turn angles: 10 gon = 0.15708 rad; spiral angles A^2 / (2 R^2).
    const Caso casos[] = {
        {100, 110, 0, 500, 250, 0.001},    // from a straight to 500: the marker (ties with the ovoid)
        {100, 90, 0, 500, 250, -0.001},    // the same to the left
        {0, 380, 0, 500, 250, -0.001},     // Sin < 0: a left turn of 20 gon
        {50, 57.9577, 400, 0, 200, 400},   // 0.125 rad: from 400 down to a straight
        {50, 42.0423, -400, 0, 200, -400},
        {50, 62.4141, 400, 250, 200, 400},  // 0.195 rad: the ovoid between 400 and 250
        {50, 70.3718, 400, 250, 200, 0.001},  // 0.32 rad: from a straight up to 250
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(GM::Radio_Clotoide(c.az1, c.az2, c.r1, c.r2, c.A), c.esperado) << c.az1 << " " << c.az2;
    }
}

// The inverse of the layout: each element is laid out from azimuth 0.3 rad by
// integrating its curvature, and the routine must find 0.3 again from its ends.
TEST(GmAzimutTangente, InvertsTheLayoutOfEachElement) {
    const double az0 = 0.3;
    const TPuntoXY p0{2000, 3000};
    const double a2 = 200.0 * 200.0;
    for (double s : {1.0, -1.0}) {
        SCOPED_TRACE(s);
        // Arc R = +-100, L = 50.
        const gmtest::Pose arco = gmtest::Integrar(p0.X, p0.Y, az0, s / 100, 0, 50);
        EXPECT_NEAR(GM::Azimut_Tangente_Arco(p0, {arco.X, arco.Y}, s * 100), az0, 1e-9);

        // Entry clothoid A = +-200, L = 100, from the straight at p0.
        const gmtest::Pose entrada = gmtest::Integrar(p0.X, p0.Y, az0, 0, s / a2, 100);
        EXPECT_NEAR(GM::Azimut_Tangente_Clotoide_Entrada(p0, {entrada.X, entrada.Y}, s * 200, 100), az0, 1e-9);

        // Exit clothoid A = +-200, L = 100, from radius 400 at p0 to a straight; the end
        // point goes first.
        const gmtest::Pose salida = gmtest::Integrar(p0.X, p0.Y, az0, s / 400, -s / a2, 100);
        EXPECT_NEAR(GM::Azimut_Tangente_Clotoide_Salida({salida.X, salida.Y}, p0, s * 200, 100), az0, 1e-9);

        // Ovoids A = 200 between 400 and 250, both ways.
        const gmtest::Pose cierra = gmtest::Integrar(p0.X, p0.Y, az0, s / 400, s / a2, 60);
        EXPECT_NEAR(GM::Azimut_Tangente_Ovoide(p0, {cierra.X, cierra.Y}, 200, s * 400, s * 250), az0, 1e-9);
        const gmtest::Pose abre = gmtest::Integrar(p0.X, p0.Y, az0, s / 250, -s / a2, 60);
        EXPECT_NEAR(GM::Azimut_Tangente_Ovoide(p0, {abre.X, abre.Y}, 200, s * 250, s * 400), az0, 1e-9);
    }
}

TEST(GmAzimutTangente, DegenerateElementsAreErrors) {
    EXPECT_THROW(GM::Azimut_Tangente_Clotoide_Entrada({0, 0}, {0, 100}, 200, 0), GM::ArithmeticError);
    EXPECT_THROW(GM::Azimut_Tangente_Clotoide_Salida({0, 0}, {0, 100}, 0, 100), GM::ArithmeticError);
    EXPECT_THROW(GM::Azimut_Tangente_Ovoide({0, 0}, {0, 60}, 200, 300, -300), GM::ArithmeticError);
    EXPECT_THROW(GM::Azimut_Tangente_Ovoide({0, 0}, {0, 60}, 200, 0, 300), GM::ArithmeticError);
}

}  // namespace
