#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/gm_continuity.h"
#include "common/gm_base.h"
#include "gm_test_integration.h"
#include "platform/scripted_desktop.h"

namespace {

constexpr double kPi = 3.14159265358979;

double AGon(double rad) { return rad * 200 / kPi; }

// One element of a planta laid out by integration: its record and its curvature.
struct Tramo {
    double radio, A, largo;
    double k0, dk;
};

// Builds the records of a continuous planta (azimuths in gon) from its first start.
std::vector<TPlanta> Trazar(double x, double y, double az, const std::vector<Tramo>& tramos) {
    std::vector<TPlanta> planta(1);
    double pk = 0;
    for (const Tramo& t : tramos) {
        TPlanta e;
        e.N = static_cast<std::int32_t>(planta.size());
        e.PK = pk;
        e.X = x;
        e.Y = y;
        e.Acimut = AGon(az);
        e.Radio = t.radio;
        e.Parametro = t.A;
        e.Longitud = t.largo;
        planta.push_back(e);
        const gmtest::Pose fin = gmtest::Integrar(x, y, az, t.k0, t.dk, t.largo);
        x = fin.X;
        y = fin.Y;
        az = fin.Acimut;
        pk += t.largo;
    }
    return planta;
}

TPlanta Recta(double pk, double x, double y, double acimutGon, double largo) {
    TPlanta e;
    e.PK = pk;
    e.X = x;
    e.Y = y;
    e.Acimut = acimutGon;
    e.Longitud = largo;
    return e;
}

std::vector<platform::ShownEvent> Planta(const std::vector<TPlanta>& planta, const std::string& nombre = "EJE1") {
    platform::ScriptedDesktop desktop;
    GM::Comprobar_Planta(desktop, planta, nombre);
    return desktop.Boxes();
}

std::vector<platform::ShownEvent> Alzado(const std::vector<TAlzado>& alzado, const std::string& nombre = "EJE1") {
    platform::ScriptedDesktop desktop;
    GM::Comprobar_Alzado(desktop, alzado, nombre);
    return desktop.Boxes();
}

TEST(GmComprobarPlanta, ContinuousAlignmentsShowNoBox) {
    const double a2 = 200.0 * 200.0;
    for (double s : {1.0, -1.0}) {
        SCOPED_TRACE(s);
        // Straight, spiral from the straight, arc, spiral back to a straight, straight.
        EXPECT_TRUE(Planta(Trazar(1000, 2000, 0.3,
                                  {{0, 0, 150, 0, 0},
                                   {s * 0.001, 200, 100, 0, s / a2},
                                   {s * 400, 0, 80, s / 400, 0},
                                   {s * 400, 200, 100, s / 400, -s / a2},
                                   {0, 0, 50, 0, 0}}))
                        .empty());
        // Arc 400, ovoid from 400 to 200 whose length is A^2/400, arc 200.
        EXPECT_TRUE(Planta(Trazar(1000, 2000, 0.3,
                                  {{s * 400, 0, 50, s / 400, 0},
                                   {s * 400, 200, 100, s / 400, s / a2},
                                   {s * 200, 0, 30, s / 200, 0}}))
                        .empty());
        // Ovoid that flattens from 250 to 400.
        EXPECT_TRUE(Planta(Trazar(1000, 2000, 5.9,
                                  {{s * 250, 0, 40, s / 250, 0},
                                   {s * 250, 200, 60, s / 250, -s / a2},
                                   {s * 400, 0, 30, s / 400, 0}}))
                        .empty());
        // An exit spiral longer than A^2/|R| (99.75 m): it runs past zero curvature.
        EXPECT_TRUE(Planta(Trazar(1000, 2000, 0.3,
                                  {{s * 401, 0, 30, s / 401, 0},
                                   {s * 401, 200, 100, s / 401, -s / a2},
                                   {0, 0, 50, 0, 0}}))
                        .empty());
        // An exit spiral that reaches zero curvature exactly at its end, where an arc
        // of a larger radius starts.
        EXPECT_TRUE(Planta(Trazar(1000, 2000, 0.3,
                                  {{s * 400, 0, 30, s / 400, 0},
                                   {s * 400, 200, 100, s / 400, -s / a2},
                                   {s * 1000, 0, 40, s / 1000, 0}}))
                        .empty());
        // An S-curve: the exit spiral is followed by a spiral of the other hand.
        EXPECT_TRUE(Planta(Trazar(1000, 2000, 0.3,
                                  {{s * 400, 0, 30, s / 400, 0},
                                   {s * 400, 200, 100, s / 400, -s / a2},
                                   {-s * 0.001, 200, 100, 0, -s / a2},
                                   {-s * 400, 0, 40, -s / 400, 0}}))
                        .empty());
    }
}

TEST(GmComprobarPlanta, ListingTextByteForByte) {
    const std::vector<TPlanta> planta{{}, Recta(1134.5, 0, 0, 0, 100), Recta(1234.5, 0.0123, 100, 0, 10)};
    const auto cajas = Planta(planta);
    ASSERT_EQ(cajas.size(), 1u);
    EXPECT_EQ(cajas[0].text, "\rEJE EN PLANTA  EJE1\r\rPk :       1234.500  Error :  0.012 m");
    EXPECT_EQ(cajas[0].style, 16);
    EXPECT_EQ(cajas[0].title, "Listado de Errores");
}

TEST(GmComprobarPlanta, ToleranceAndOrder) {
    // Straights due north: each ends 100 m ahead of its start.
    EXPECT_TRUE(Planta({{}, Recta(0, 0, 0, 0, 100), Recta(100, 0.005, 100, 0, 10)}).empty());
    EXPECT_EQ(Planta({{}, Recta(0, 0, 0, 0, 100), Recta(100, 0.0051, 100, 0, 10)}).size(), 1u);

    const std::vector<TPlanta> tres{{},
                                    Recta(0, 0, 0, 0, 100),
                                    Recta(100, 0, 100.25, 0, 100),
                                    Recta(200.25, 0, 200.25, 0, 100),
                                    Recta(300.25, -1.5, 300.25, 0, 50),
                                    Recta(350.25, -1.5, 350.25, 0, 20),
                                    Recta(370.25, 12345.6789, 370.25, 0, 20)};
    const auto cajas = Planta(tres, "Eje Túnel");
    ASSERT_EQ(cajas.size(), 1u);
    EXPECT_EQ(cajas[0].text,
              "\rEJE EN PLANTA  Eje Túnel\r"
              "\rPk :        100.000  Error :  0.250 m"
              "\rPk :        300.250  Error :  1.500 m"
              "\rPk :        370.250  Error :12347.179 m");
}

TEST(GmComprobarPlanta, ElementKinds) {
    // A radius of 0 is a straight even with a parameter.
    TPlanta recta = Recta(0, 0, 0, 0, 100);
    recta.Parametro = 200;
    EXPECT_TRUE(Planta({{}, recta, Recta(100, 0, 100, 0, 10)}).empty());
    EXPECT_EQ(Planta({{}, recta, Recta(100, 0, 100.01, 0, 10)}).size(), 1u);

    // After a clothoid the listed chainage is its PK plus its stored length.
    auto planta = Trazar(0, 0, 0, {{0.001, 200, 100, 0, 1 / 40000.0}, {400, 0, 10, 1 / 400.0, 0}});
    for (auto& e : planta) e.PK += 500;
    planta[2].X += 1;
    const auto cajas = Planta(planta);
    ASSERT_EQ(cajas.size(), 1u);
    EXPECT_EQ(cajas[0].text, "\rEJE EN PLANTA  EJE1\r\rPk :        600.000  Error :  1.000 m");

    // A clothoid between equal radii has no end to compare: that joint is skipped.
    TPlanta ovoide = Recta(0, 0, 0, 0, 60);
    ovoide.Radio = 400;
    ovoide.Parametro = 200;
    TPlanta arco = Recta(60, 500000, 4400000, 0, 10);
    arco.Radio = -400;
    EXPECT_TRUE(Planta({{}, ovoide, arco}).empty());
}

TEST(GmComprobarPlanta, NothingToCompare) {
    EXPECT_TRUE(Planta({}).empty());
    EXPECT_TRUE(Planta({{}, Recta(0, 0, 0, 0, 100)}).empty());
}

TAlzado Alz(double pk, double z, double p, double kv, double largo) {
    TAlzado e;
    e.PK = pk;
    e.Z = z;
    e.Pendiente = p;
    e.Kv = kv;
    e.Longitud = largo;
    return e;
}

TEST(GmComprobarAlzado, ToleranceAndListing) {
    EXPECT_TRUE(Alzado({{}, Alz(0, 0, 0, 0, 100), Alz(100, 0.003, 0, 0, 10)}).empty());
    const auto cajas = Alzado({{}, Alz(0, 0, 0, 0, 100), Alz(100, -0.0031, 0, 0, 10)});
    ASSERT_EQ(cajas.size(), 1u);
    EXPECT_EQ(cajas[0].text, "\rEJE EN ALZADO  EJE1\r\rPk :        100.000  Error :  0.003 m");
    EXPECT_EQ(cajas[0].style, 16);
    EXPECT_EQ(cajas[0].title, "Listado de Errores");

    // Grade, sag parabola, grade: joined exactly.
    EXPECT_TRUE(Alzado({{},
                        Alz(0, 100, 0.01, 0, 100),
                        Alz(100, 101, 0.01, 2000, 100),
                        Alz(200, 104.5, 0.06, 0, 100),
                        Alz(300, 110.5, 0.06, 0, 100)})
                    .empty());

    // A circular curve ends at PK + |Longitud|: -900 + Sqr(1000^2 - 50^2) = 98.7492...
    const auto circular = Alzado({{}, Alz(200, 100, 0, 1000, -50), Alz(250, 98.7, 0, 0, 10)}, "Rampa");
    ASSERT_EQ(circular.size(), 1u);
    EXPECT_EQ(circular[0].text, "\rEJE EN ALZADO  Rampa\r\rPk :        250.000  Error :  0.049 m");
}

}  // namespace
