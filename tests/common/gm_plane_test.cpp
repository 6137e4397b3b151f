#include <gtest/gtest.h>

#include <cmath>

#include "common/gm_plane.h"

namespace {

using GM::TPuntoXY;

constexpr double kPi = 3.14159265358979;
constexpr double kDosPi = 6.28318530717958;

TEST(GmAzimut, SegmentDirections) {
    struct Caso {
        TPuntoXY a, b;
        double esperado;
    };
    const Caso casos[] = {
        {{0, 0}, {0, 0}, kPi},                       // coincident points
        {{0, 0}, {0, 5}, 0},                         // north
        {{0, 0}, {0, -5}, kPi},                      // south
        {{0, 0}, {5, 0}, kPi / 2},                   // east
        {{0, 0}, {-5, 0}, 9.42477796076937 / 2},     // west
        {{0, 0}, {-1, 1}, std::atan(-1.0) + kDosPi},  // about 5.4978
        {{0, 0}, {1, 1}, std::atan(1.0)},
        {{0, 0}, {1, -1}, std::atan(-1.0) + kPi},
        {{10, 20}, {9, 19}, std::atan(1.0) + kPi},
    };
    for (const Caso& c : casos) {
        EXPECT_DOUBLE_EQ(GM::Calcular_Azimut(c.a, c.b), c.esperado) << c.b.X << "," << c.b.Y;
        double az = -1;
        GM::Calcular_Azimut_XY(c.a.X, c.a.Y, c.b.X, c.b.Y, az);
        EXPECT_DOUBLE_EQ(az, c.esperado);
    }
    EXPECT_NEAR(GM::Calcular_Azimut({0, 0}, {-1, 1}), 5.4978, 1e-4);
}

TEST(GmAzimut, NormalizationAppliesOneCorrection) {
    struct Caso {
        double entrada, salida;
    };
    const Caso casos[] = {
        {-0.5, kDosPi - 0.5}, {kDosPi, kDosPi}, {-7, -7 + kDosPi}, {7, 7 - kDosPi}, {13, 13 - kDosPi}, {1, 1}, {0, 0},
    };
    for (const Caso& c : casos) {
        double a = c.entrada;
        GM::Normalizar_Angulo(a);
        EXPECT_DOUBLE_EQ(a, c.salida) << c.entrada;
    }
    double a = -7;
    GM::Normalizar_Angulo(a);
    EXPECT_NEAR(a, -0.7168, 1e-4);
}

TEST(GmRecta, PointAlongStraight) {
    TPlanta e;
    e.X = 100;
    e.Y = 200;
    e.Acimut = kPi / 2;
    const GM::TPuntoEje p = GM::Punto_En_Recta(10, e);
    EXPECT_NEAR(p.X, 110, 1e-12);
    EXPECT_NEAR(p.Y, 200, 1e-12);
    EXPECT_EQ(p.Acimut, kPi / 2);
    EXPECT_EQ(p.Campo3, 0);
    EXPECT_EQ(p.Campo4, 0);
    EXPECT_DOUBLE_EQ(GM::Distancia({100, 200}, {103, 204}), 5);
}

// The arc point from its centre, turned by the full angle: independent of the chord.
TPuntoXY PorCentro(TPuntoXY base, double R, double L, double az0) {
    const double s = R > 0 ? 1 : -1;
    const double r = std::fabs(R);
    const TPuntoXY centro{base.X + r * std::sin(az0 + s * kPi / 2), base.Y + r * std::cos(az0 + s * kPi / 2)};
    const double dir = az0 - s * kPi / 2 + s * std::fabs(L) / r;
    return {centro.X + r * std::sin(dir), centro.Y + r * std::cos(dir)};
}

TEST(GmArco, AgreesWithCentreRotationAtAnyAngle) {
    // Up to several turns: beyond a full circle the point must not be mirrored.
    const double largos[] = {5, 31.4, 40, 62, 62.8318530717958, 70, 100, 150, -70};
    for (double R : {10.0, -10.0}) {
        for (double az0 : {0.0, 0.3, 6.0}) {
            for (double L : largos) {
                const TPuntoXY base{1000, 2000};
                const GM::TPuntoEje p = GM::Punto_En_Arco(base, R, L, az0);
                const TPuntoXY q = PorCentro(base, R, L, az0);
                EXPECT_NEAR(p.X, q.X, 1e-9) << R << " " << az0 << " " << L;
                EXPECT_NEAR(p.Y, q.Y, 1e-9) << R << " " << az0 << " " << L;
                EXPECT_NEAR(p.Acimut, az0 + (R > 0 ? 1 : -1) * std::fabs(L) / std::fabs(R), 1e-12);
            }
        }
    }
}

TEST(GmArco, HalfCircleAndUnreducedAzimuths) {
    const GM::TPuntoEje media = GM::Punto_En_Arco({500, 500}, -50, 50 * kPi, 0);
    EXPECT_NEAR(media.X, 400, 1e-9);
    EXPECT_NEAR(media.Y, 500, 1e-9);
    EXPECT_EQ(media.Acimut, -kPi);

    const GM::TPuntoEje a = GM::Punto_En_Arco({0, 0}, 10, 30, 6);
    EXPECT_DOUBLE_EQ(a.Acimut, 9);
    const GM::TPuntoEje b = GM::Punto_En_Arco({0, 0}, 10, 40, 6);
    EXPECT_DOUBLE_EQ(b.Acimut, 10);
    const double cuerda = std::fabs(20 * std::sin(2.0));
    EXPECT_NEAR(std::hypot(b.X, b.Y), cuerda, 1e-12);
    EXPECT_NEAR(b.X, cuerda * std::sin(8.0), 1e-12);
    EXPECT_NEAR(b.Y, cuerda * std::cos(8.0), 1e-12);
}

TEST(GmArco, CurveElementAndZeroRadius) {
    TPlanta e;
    e.X = 10;
    e.Y = 20;
    e.Acimut = 0.3;
    e.Radio = -100;
    const GM::TPuntoEje p = GM::Punto_En_Curva(50, e);
    const TPuntoXY q = PorCentro({10, 20}, -100, 50, 0.3);
    EXPECT_NEAR(p.X, q.X, 1e-9);
    EXPECT_NEAR(p.Y, q.Y, 1e-9);
    EXPECT_THROW(GM::Punto_En_Arco({0, 0}, 0, 10, 0), GM::ArithmeticError);
}

}  // namespace
