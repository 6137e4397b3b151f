#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "common/gm_vertical.h"

namespace {

TAlzado Elem(double pk, double z, double p, double kv, double largo) {
    TAlzado e;
    e.PK = pk;
    e.Z = z;
    e.Pendiente = p;
    e.Kv = kv;
    e.Longitud = largo;
    return e;
}

TAlzadoVextor Vextor(const TAlzado& e) {
    TAlzadoVextor v;
    v.PK = e.PK;
    v.Z = e.Z;
    v.Pendiente = e.Pendiente;
    v.Kv = e.Kv;
    v.Longitud = e.Longitud;
    v.Tipo = "X";
    return v;
}

// Element 0 is the unused slot.
std::vector<TAlzado> Eje(std::initializer_list<TAlzado> elementos) {
    std::vector<TAlzado> v{TAlzado{}};
    v.insert(v.end(), elementos);
    return v;
}

std::vector<TAlzadoVextor> EjeVextor(const std::vector<TAlzado>& eje) {
    std::vector<TAlzadoVextor> v{TAlzadoVextor{}};
    for (std::size_t i = 1; i < eje.size(); ++i) v.push_back(Vextor(eje[i]));
    return v;
}

double Rasante(const std::vector<TAlzado>& eje, double pk) {
    double cota = -12345;  // a stale value must never come back
    GM::Cota_Rasante(eje, pk, cota);
    return cota;
}

double RasantePk(const std::vector<TAlzado>& eje, double pk, std::int16_t& error) {
    error = 99;
    return GM::Cota_Rasante_Pk(pk, EjeVextor(eje), error);
}

TEST(GmAlzado, GradeAndParabola) {
    const auto rasante = Eje({Elem(100, 50, 0.02, 0, 200)});
    std::int16_t error = 0;
    EXPECT_DOUBLE_EQ(Rasante(rasante, 150), 51);
    EXPECT_DOUBLE_EQ(RasantePk(rasante, 150, error), 51);
    EXPECT_EQ(error, 0);
    EXPECT_DOUBLE_EQ(GM::Cota_Elemento_Alzado(rasante[1], 50), 51);

    // Sag parabola Z + p d + d^2 / (2 Kv): both halves of the curve.
    const TAlzado sag = Elem(0, 100, 0.01, 2000, 100);
    EXPECT_DOUBLE_EQ(GM::Cota_Elemento_Alzado(sag, 50), 101.125);
    EXPECT_DOUBLE_EQ(GM::Cota_Elemento_Alzado(sag, 100), 103.5);
    const TAlzado crest = Elem(1000, 250, 0.03, -1500, 120);
    for (double d : {0.0, 10.0, 25.0, 59.9, 60.0, 60.1, 75.0, 99.0, 120.0}) {
        EXPECT_NEAR(GM::Cota_Elemento_Alzado(sag, d), 100 + 0.01 * d + d * d / 4000, 1e-12) << d;
        EXPECT_NEAR(GM::Cota_Elemento_Alzado(crest, d), 250 + 0.03 * d - d * d / 3000, 1e-12) << d;
    }
    // A uniform grade is recognised before the length is looked at.
    EXPECT_DOUBLE_EQ(GM::Cota_Elemento_Alzado(Elem(0, 10, 0.5, 0, -20), 4), 12);
}

TEST(GmAlzado, CircularVerticalCurve) {
    // Level start, R = 1000: centre at d0 = 0 and elevation -900.
    const TAlzado crest = Elem(0, 100, 0, 1000, -50);
    const double esperado = -900 + std::sqrt(1000.0 * 1000.0 - 10.0 * 10.0);
    EXPECT_NEAR(esperado, 99.94999875, 1e-8);
    const GM::TPuntoEje p = GM::Punto_Acuerdo_Circular(crest, 10);
    EXPECT_DOUBLE_EQ(p.X, 10);
    EXPECT_NEAR(p.Y, esperado, 1e-10);
    EXPECT_EQ(p.Acimut, 0);
    std::int16_t error = 0;
    const auto eje = Eje({crest});
    EXPECT_NEAR(RasantePk(eje, 10, error), esperado, 1e-10);
    EXPECT_EQ(error, 0);
    // The grade line evaluation knows circular curves too, not only parabolas.
    EXPECT_NEAR(Rasante(eje, 10), esperado, 1e-10);
    // The element's end elevation whatever distance is asked.
    const double fin = -900 + std::sqrt(1000.0 * 1000.0 - 50.0 * 50.0);
    EXPECT_NEAR(GM::Cota_Elemento_Alzado(crest, 10), fin, 1e-10);
    EXPECT_NEAR(GM::Cota_Elemento_Alzado(crest, -50), fin, 1e-10);

    // An inclined start: the centre lies on the normal to the start tangent.
    for (double R : {2000.0, -2000.0}) {
        const double theta = 0.02;
        const TAlzado e = Elem(500, 80, theta, R, -100);
        const double xc = R * std::sin(theta);
        const double zc = 80 - R * std::cos(theta);
        for (double d : {0.0, 20.0, 40.0, 100.0}) {
            const double z = zc + (R > 0 ? 1 : -1) * std::sqrt(R * R - (d - xc) * (d - xc));
            EXPECT_NEAR(GM::Punto_Acuerdo_Circular(e, 500 + d).Y, z, 1e-9) << R << " " << d;
            EXPECT_NEAR(Rasante(Eje({e}), 500 + d), z, 1e-9);
        }
    }
}

TEST(GmAlzado, ChoosingTheElement) {
    // Deliberately discontinuous, so that each element is recognised by its value.
    const auto eje = Eje({Elem(0, 100, 0.01, 0, 200), Elem(200, 110, -0.02, 0, 100)});
    std::int16_t error = 0;
    struct Caso {
        double pk;
        double cota;
        bool fuera;
    };
    const Caso casos[] = {
        {0, 100, false},           // exactly the first start
        {199.999, 101.99999, false},
        {200, 110, false},         // an element that starts exactly there is chosen
        {300, 108, false},         // exactly the last end
        {300.001, 0, true},
        {-0.001, 0, true},
    };
    for (const Caso& c : casos) {
        EXPECT_NEAR(RasantePk(eje, c.pk, error), c.cota, 1e-9) << c.pk;
        EXPECT_EQ(error, c.fuera ? -1 : 0) << c.pk;
    }
    EXPECT_NEAR(Rasante(eje, 199.999), 101.99999, 1e-9);
    EXPECT_DOUBLE_EQ(Rasante(eje, 200), 110);
    // Beyond the last end the last element goes on; before the first start the first
    // element is extended backwards.
    EXPECT_DOUBLE_EQ(Rasante(eje, 400), 106);
    EXPECT_DOUBLE_EQ(Rasante(eje, -100), 99);
}

TEST(GmAlzado, NoElements) {
    std::int16_t error = 0;
    const std::vector<TAlzado> vacio;
    const std::vector<TAlzado> soloCero(1);
    for (const auto* eje : {&vacio, &soloCero}) {
        EXPECT_EQ(Rasante(*eje, 10), 0);
        EXPECT_EQ(RasantePk(*eje, 10, error), 0);
        EXPECT_EQ(error, -1);
    }
}

}  // namespace
