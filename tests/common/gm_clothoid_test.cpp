#include <gtest/gtest.h>

#include <cmath>

#include "common/gm_clothoid.h"
#include "gm_test_integration.h"

namespace {

TEST(GmFresnel, SeriesMatchesIntegrals) {
    // With A = 1 the point at distance u = Sqr(2T) has coordinates
    // (Integral cos(t^2/2), Integral sin(t^2/2)) from 0 to u.
    for (double T : {0.0001, 0.05, 0.125, 0.5, 1.0, 2.0}) {
        const double u = std::sqrt(2 * T);
        double C = 0;
        double S = 0;
        GM::Integrales_Fresnel(T, C, S);
        EXPECT_NEAR(C, gmtest::Simpson([](double t) { return std::cos(t * t / 2); }, u), 1e-12) << T;
        EXPECT_NEAR(S, gmtest::Simpson([](double t) { return std::sin(t * t / 2); }, u), 1e-12) << T;
    }
    double C = 0;
    double S = 0;
    EXPECT_THROW(GM::Integrales_Fresnel(-1, C, S), GM::ArithmeticError);
}

// The series summed over all its fifty terms, as the instruments sum it.
void FresnelCompleto(double T, double& C, double& S) {
    double fact[100];
    fact[0] = 1;
    for (int k = 1; k < 100; ++k) fact[k] = fact[k - 1] * k;
    double sumaC = 0, sumaS = 0;
    for (int n = 1; n <= 50; ++n) {
        const double signo = std::pow(-1.0, n + 1);
        sumaC += signo * std::pow(T, 2 * n - 2) / ((4 * n - 3) * fact[2 * n - 2]);
        sumaS += signo * std::pow(T, 2 * n - 1) / ((4 * n - 1) * fact[2 * n - 1]);
    }
    C = std::sqrt(T * 2) * sumaC;
    S = std::sqrt(T * 2) * sumaS;
}

TEST(GmFresnel, StoppingEarlyGivesTheBitsOfAllFiftyTerms) {
    // Spiral angles from a hair above zero to several turns, on an uneven grid. Up to
    // 8 radians the series is evaluated by Horner's rule, which may part from the
    // terms summed one by one in the last places: far better than 1e-12; beyond,
    // where the terms cancel by many digits, the bits are those of the sum.
    for (double T = 1e-9; T < 40; T = T * 1.05 + 1e-7) {
        double c = 0, s = 0, cRef = 0, sRef = 0;
        GM::Integrales_Fresnel(T, c, s);
        FresnelCompleto(T, cRef, sRef);
        if (T <= 8) {
            EXPECT_NEAR(c, cRef, 1e-12 * std::fabs(cRef)) << T;
            EXPECT_NEAR(s, sRef, 1e-12 * std::fabs(sRef)) << T;
        } else {
            EXPECT_EQ(c, cRef) << T;
            EXPECT_EQ(s, sRef) << T;
        }
    }
}

TEST(GmFresnel, SeriesAgainstExactSums) {
    // C and S are the integrals of cos(t^2/2) and sin(t^2/2) from 0 to u = Sqr(2T):
    // u times the sums of (-1)^k u^4k / (4^k (2k)! (4k+1)) and
    // (-1)^k u^(4k+2) / (2^(2k+1) (2k+1)! (4k+3)), summed in exact fractions.
    // T = 0.5 (u = 1): C = 1 - 1/40 + 1/3456 - 1/599040 + ... The tolerance grows
    // with the largest term the double sums cancel (about 6^6 / 6! at T = 6, 30 at
    // T = 8).
    struct Fila {
        double T, C, S, tolerancia;
    };
    const Fila filas[] = {
        {0.001, 0.044721355077860045972, 0.000014907118785204356856, 1e-17},
        {0.08, 0.39974407584065009581, 0.010661791469049220523, 1e-15},
        {0.5, 0.97528768820034454498, 0.16371404737570058525, 1e-15},
        {2, 1.3351936962943366222, 0.99762371132542129799, 1e-14},
        {6, 0.78568245367135896563, 0.62009717222006204531, 1e-13},
        {8, 1.1331319587833027274, 0.90751341995332078868, 1e-13},  // the last by Horner's rule
    };
    for (const Fila& f : filas) {
        double C = 0, S = 0;
        GM::Integrales_Fresnel(f.T, C, S);
        EXPECT_NEAR(C, f.C, f.tolerancia) << f.T;
        EXPECT_NEAR(S, f.S, f.tolerancia) << f.T;
    }
}

TPlanta Clotoide(double radio, double A, double largo) {
    TPlanta e;
    e.X = 1000;
    e.Y = 5000;
    e.Acimut = 0.3;
    e.Radio = radio;
    e.Parametro = A;
    e.Longitud = largo;
    return e;
}

struct Caso {
    const char* nombre;
    double radio, A, largo, rSig, L;  // element, next radius, distance asked
    double k0, dk, t;                 // reference: start curvature, rate, distance reached
    double lDevuelto;                 // the distance written back
};

TEST(GmClotoide, AgreesWithIntegratedCurvature) {
    const double a2 = 200.0 * 200.0;
    const Caso casos[] = {
        // Spirals from a straight (marker radius): any point along them.
        {"entrada derecha", 0.001, 200, 100, 400, 100, 0, 1 / a2, 100, 100},
        {"entrada izquierda", -0.001, 200, 100, -400, 60, 0, -1 / a2, 60, 60},
        // Whole spirals down to a straight: always the end.
        {"salida a recta", 400, 200, 100, 0, 30, 1 / 400.0, -1 / a2, 100, 100},
        {"salida izquierda", -400, 200, 100, 0, 100, -1 / 400.0, 1 / a2, 100, 100},
        // An S-curve: the next spiral starts from a straight (marker of the other hand).
        {"salida en S", 400, 200, 100, -0.001, 100, 1 / 400.0, -1 / a2, 100, 100},
        // Ovoids that sharpen: origin behind the start.
        {"ovoide 400-250", 400, 200, 60, 250, 60, 1 / 400.0, 1 / a2, 60, 160},
        {"ovoide 400-250 a 20 m", 400, 200, 60, 250, 20, 1 / 400.0, 1 / a2, 20, 120},
        {"ovoide -400-250", -400, 200, 60, -250, 60, -1 / 400.0, -1 / a2, 60, 160},
        // Its length equals A^2/400, but the next element is an arc, not a straight.
        {"ovoide 400-200", 400, 200, 100, 200, 100, 1 / 400.0, 1 / a2, 100, 200},
        {"ovoide -400-200", -400, 200, 100, 200, 100, -1 / 400.0, -1 / a2, 100, 200},
        // Ovoids that flatten: origin ahead, always the end.
        {"ovoide 250-400", 250, 200, 60, 400, 60, 1 / 250.0, -1 / a2, 60, 100},
        {"ovoide -250-400", -250, 200, 60, -400, 25, -1 / 250.0, 1 / a2, 60, 100},
        // A whole spiral down to zero curvature that meets an arc there, or an arc of
        // its start radius, rather than a straight.
        {"salida a arco", 400, 200, 100, 1000, 100, 1 / 400.0, -1 / a2, 100, 100},
        {"salida izquierda a arco", -400, 200, 100, -1000, 30, -1 / 400.0, 1 / a2, 100, 100},
        {"salida a arco igual", 400, 200, 100, 400, 100, 1 / 400.0, -1 / a2, 100, 100},
        // A spiral towards a straight that stops short of zero curvature.
        {"corta a recta", 400, 200, 60, 0, 60, 1 / 400.0, -1 / a2, 60, 40},
        // Longer than A^2/|R| = 99.75, outside the 0.02 window: it runs 0.25 m past
        // zero curvature and turns the other way there.
        {"larga a recta", 401, 200, 100, 0, 100, 1 / 401.0, -1 / a2, 100, a2 / 401 - 100},
        {"larga a recta izquierda", -401, 200, 100, 0, 100, -1 / 401.0, 1 / a2, 100, a2 / 401 - 100},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        const TPlanta e = Clotoide(c.radio, c.A, c.largo);
        double L = c.L;
        const GM::TPuntoEje p = GM::Punto_En_Clotoide(L, c.rSig, e);
        const gmtest::Pose ref = gmtest::Integrar(e.X, e.Y, e.Acimut, c.k0, c.dk, c.t);
        EXPECT_NEAR(p.X, ref.X, 1e-3);
        EXPECT_NEAR(p.Y, ref.Y, 1e-3);
        EXPECT_NEAR(std::hypot(p.X - ref.X, p.Y - ref.Y), 0, 1e-6);
        EXPECT_NEAR(p.Acimut, ref.Acimut, 1e-9);
        EXPECT_NEAR(L, c.lDevuelto, 1e-9);
    }
}

TEST(GmClotoide, ExitSpiralPastZeroCurvatureEndsWhereItShould) {
    // Start (0, 0), azimuth 0.5 rad, R 401, A 200, length 100, then a straight: the
    // end of the integrated curve is (55.017, 83.423); the mirrored point was 0.5 m off.
    TPlanta e;
    e.Acimut = 0.5;
    e.Radio = 401;
    e.Parametro = 200;
    e.Longitud = 100;
    double L = 100;
    const GM::TPuntoEje p = GM::Punto_En_Clotoide(L, 0, e);
    EXPECT_NEAR(p.X, 55.017, 5e-4);
    EXPECT_NEAR(p.Y, 83.423, 5e-4);
}

TEST(GmPuntoEnEspiral, PointAtAnyLengthAlongTheSpiral) {
    struct CasoEspiral {
        const char* nombre;
        double radio, A, L;
        double k0, dk;
    };
    const CasoEspiral casos[] = {
        {"30 m de A 150 desde R 400", 400, 150, 30, 1 / 400.0, -1 / 22500.0},
        {"a 1 cm de la recta", 400, 150, 56.24, 1 / 400.0, -1 / 22500.0},
        {"hasta la recta", 400, 150, 56.25, 1 / 400.0, -1 / 22500.0},
        {"pasada la recta", 400, 150, 100, 1 / 400.0, -1 / 22500.0},
        {"izquierda", -400, 150, 30, -1 / 400.0, 1 / 22500.0},
        {"desde recta a la derecha", 0.001, 150, 40, 0, 1 / 22500.0},
        {"desde recta a la izquierda", -0.001, 150, 40, 0, -1 / 22500.0},
    };
    for (const CasoEspiral& c : casos) {
        SCOPED_TRACE(c.nombre);
        TPlanta e = Clotoide(c.radio, c.A, 999);  // the stored length plays no part
        const GM::TPuntoEje p = GM::Punto_En_Espiral(c.L, e);
        const gmtest::Pose ref = gmtest::Integrar(e.X, e.Y, e.Acimut, c.k0, c.dk, c.L);
        EXPECT_NEAR(std::hypot(p.X - ref.X, p.Y - ref.Y), 0, 1e-6);
        EXPECT_NEAR(p.Acimut, ref.Acimut, 1e-9);
    }
    const GM::TPuntoEje inicio = GM::Punto_En_Espiral(0, Clotoide(400, 150, 10));
    EXPECT_EQ(inicio.X, 1000);
    EXPECT_EQ(inicio.Y, 5000);
    EXPECT_EQ(inicio.Acimut, 0.3);
    EXPECT_THROW(GM::Punto_En_Espiral(10, Clotoide(400, 0, 10)), GM::ArithmeticError);
}

TEST(GmClotoide, StartPointForZeroDistance) {
    const TPlanta e = Clotoide(-0.001, 200, 100);
    double L = 0;
    const GM::TPuntoEje p = GM::Punto_En_Clotoide(L, 400, e);
    EXPECT_EQ(p.X, 1000);
    EXPECT_EQ(p.Y, 5000);
    EXPECT_EQ(p.Acimut, 0.3);
    EXPECT_EQ(L, 0);
}

TEST(GmClotoide, WholeSpiralToleranceIsStrict) {
    // A^2/R = 100: within 0.02 the element is a whole spiral, L becomes its length.
    const TPlanta dentro = Clotoide(400, 200, 100.0199);
    double L = 5;
    GM::Punto_En_Clotoide(L, 0, dentro);
    EXPECT_EQ(L, 100.0199);
    // Farther away it is evaluated from its own length: the point stays on the spiral.
    const TPlanta fuera = Clotoide(400, 200, 99.95);
    L = 5;
    const GM::TPuntoEje p = GM::Punto_En_Clotoide(L, 0, fuera);
    EXPECT_NEAR(L, 0.05, 1e-9);
    const gmtest::Pose ref = gmtest::Integrar(1000, 5000, 0.3, 1 / 400.0, -1 / 40000.0, 99.95);
    EXPECT_NEAR(std::hypot(p.X - ref.X, p.Y - ref.Y), 0, 1e-6);
}

TEST(GmClotoide, EqualRadiiCannotBePlaced) {
    const TPlanta e = Clotoide(400, 200, 60);
    double L = 60;
    EXPECT_FALSE(GM::Intentar_Punto_En_Clotoide(L, -400, e).has_value());
    const GM::TPuntoEje p = GM::Punto_En_Clotoide(L, 400, e);
    EXPECT_EQ(p.X, 0);
    EXPECT_EQ(p.Y, 0);
    EXPECT_EQ(p.Acimut, 0);
    EXPECT_EQ(L, 60);
}

TEST(GmClotoide, DivisionsByZeroAreErrors) {
    double L = 50;
    EXPECT_THROW(GM::Punto_En_Clotoide(L, 400, Clotoide(0, 200, 100)), GM::ArithmeticError);
    L = 50;
    EXPECT_THROW(GM::Punto_En_Clotoide(L, 400, Clotoide(0.001, 0, 100)), GM::ArithmeticError);
}

}  // namespace
