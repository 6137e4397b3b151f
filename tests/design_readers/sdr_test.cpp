// The SDR record file and section listing readers.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "alignment_check.h"
#include "design_readers/sdr.h"
#include "support/files.h"
#include "support/reader_run.h"

namespace {

using design_readers::AlzadoSDR;
using design_readers::LeerSDR;
using testing_support::TempDir;
using testing_support::WriteBytes;

// One record: the type, two blanks, then each field in its 16 columns.
std::string R(const char* tipo, std::vector<std::string> campos) {
    std::string linea = std::string(tipo) + "  ";
    for (std::string& c : campos) linea += c.append(16 - c.size(), ' ');
    return linea;
}

constexpr double kPi = 3.141592653589793;

// Where an element of length L whose curvature goes linearly from k0 to k1
// (1/radius, positive turning clockwise) ends: Simpson's rule over the tangent.
struct Pose {
    double X, Y, Az;  // azimuth in radians, clockwise from north
};
Pose Avanzar(const Pose& p, double L, double k0, double k1) {
    constexpr int n = 2000;
    const double h = L / n;
    const auto az = [&](double s) { return p.Az + k0 * s + (k1 - k0) * s * s / (2 * L); };
    double sx = 0, sy = 0;
    for (int i = 0; i <= n; ++i) {
        const double w = i == 0 || i == n ? 1 : (i % 2 == 1 ? 4 : 2);
        sx += w * std::sin(az(i * h));
        sy += w * std::cos(az(i * h));
    }
    return {p.X + sx * h / 3, p.Y + sy * h / 3, az(L)};
}
double Gon(double radianes) { return radianes * 200 / kPi; }

// Element i starts at `p` with these radius, parameter and length.
void ExpectElemento(const std::vector<TPlanta>& P, std::size_t i, double PK, const Pose& p, double radio,
                    double parametro, double longitud) {
    SCOPED_TRACE(i);
    ASSERT_LT(i, P.size());
    EXPECT_EQ(P[i].N, static_cast<std::int32_t>(i));
    EXPECT_DOUBLE_EQ(P[i].PK, PK);
    EXPECT_NEAR(P[i].X, p.X, 1e-6);
    EXPECT_NEAR(P[i].Y, p.Y, 1e-6);
    EXPECT_NEAR(P[i].Acimut, std::fmod(Gon(p.Az) + 400, 400), 1e-7);
    EXPECT_DOUBLE_EQ(P[i].Radio, radio);
    EXPECT_DOUBLE_EQ(P[i].Parametro, parametro);
    EXPECT_DOUBLE_EQ(P[i].Longitud, longitud);
}

// A straight east, a spiral into 600, the arc, a 60 m egg to 400, the arc, a spiral
// out, a straight.
std::string Ovoide() {
    return R("29", {"0", "100", "1000", "2000"}) + "\r\n" + R("31", {"100", "100"}) + "\r\n" +
           R("33", {"50", "600"}) + "\r\n" + R("32", {"100", "600"}) + "\r\n" + R("33", {"60", "400"}) + "\r\n" +
           R("32", {"80", "400"}) + "\r\n" + R("33", {"40", "400"}) + "\r\n" + R("31", {"137.13615", "50"}) + "\r\n";
}

TEST(SDRPlanta, EggBetweenRadii600And400WithItsNeighbours) {
    TempDir dir;
    WriteBytes(dir.File("eje.sdr"), Ovoide());
    const std::vector<TPlanta> P = LeerSDR(dir.File("eje.sdr")).Planta;
    ASSERT_EQ(P.size(), 9u);
    // The turn: 50/1200 + 100/600 + (60/600 + 60^2/(2*72000)) + 80/400 + 40/800 = 7/12
    // rad, 37.13615 gon: the last straight carries on where the spiral ends.
    const Pose p1{1000, 2000, kPi / 2};
    const Pose p2 = Avanzar(p1, 100, 0, 0);
    const Pose p3 = Avanzar(p2, 50, 0, 1.0 / 600);
    const Pose p4 = Avanzar(p3, 100, 1.0 / 600, 1.0 / 600);
    const Pose p5 = Avanzar(p4, 60, 1.0 / 600, 1.0 / 400);
    const Pose p6 = Avanzar(p5, 80, 1.0 / 400, 1.0 / 400);
    const Pose p7 = Avanzar(p6, 40, 1.0 / 400, 0);
    EXPECT_NEAR(Gon(p7.Az), 137.13615, 1e-5);
    const Pose recta{p7.X, p7.Y, 137.13615 * kPi / 200};
    ExpectElemento(P, 1, 0, p1, 0, 0, 100);
    ExpectElemento(P, 2, 100, p2, 0.001, std::sqrt(600.0 * 50), 50);
    ExpectElemento(P, 3, 150, p3, 600, 0, 100);
    // A = sqrt(600 * 400 * 60 / 200) = 268.328...
    ExpectElemento(P, 4, 250, p4, 600, std::sqrt(72000.0), 60);
    EXPECT_NEAR(P[4].Parametro, 268.328, 5e-4);
    ExpectElemento(P, 5, 310, p5, 400, 0, 80);
    ExpectElemento(P, 6, 390, p6, 400, std::sqrt(400.0 * 40), 40);
    ExpectElemento(P, 7, 430, recta, 0, 0, 50);
    ExpectElemento(P, 8, 480, Avanzar(recta, 50, 0, 0), 0, 0, 0.01);
}

// The records the field files get place every element where the one before ends:
// the continuity check lists no joint. Without a vertical record no alzado is written.
class SDRRun : public testing_support::ReaderRun {};

TEST_F(SDRRun, TheEggJoinsUpInTheFieldFile) {
    WriteBytes(dir.File("eje.sdr"), Ovoide());
    const design_readers::Ficheros f = Files(dir.File("eje.sdr"), "eje.pla", "EJE.SDR", "EJE.PLA");
    design_readers::Ficheros alzado = f;
    alzado.salida = dir.File("eje.ALZ");
    ASSERT_TRUE(design_readers::SDR_Planta_Alzado(ctx, f, alzado, true));
    const auto boxes = desktop.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Transformación fichero de Planta");
    EXPECT_EQ(testing_support::ReadBytes(dir.File("eje.pla")).size(), 8 * 60u);
    EXPECT_FALSE(std::filesystem::exists(dir.File("eje.ALZ")));
}

// Files with no planta element and no vertical record hold no road, whatever else
// they hold; the old output stays.
TEST_F(SDRRun, AFileWithoutARoadIsNotAnSDRFile) {
    const char* const casos[] = {"29NM           0.000        100.0000\r\n",
                                 "hola\r\n",
                                 "31  100.0000        0               \r\n",  // no length: builds nothing
                                 ""};
    WriteBytes(dir.File("eje.pla"), "antiguo");
    for (const char* caso : casos) {
        WriteBytes(dir.File("eje.sdr"), caso);
        const design_readers::Ficheros f = Files(dir.File("eje.sdr"), "eje.pla", "EJE.SDR", "EJE.PLA");
        EXPECT_FALSE(design_readers::SDR_Planta_Alzado(ctx, f, f, true)) << caso;
        ASSERT_FALSE(desktop.Boxes().empty());
        EXPECT_EQ(desktop.Boxes().back().text, "El fichero EJE.SDR no se ha transformado.\r\rEl fichero no es de tipo SDR");
    }
    EXPECT_EQ(desktop.Boxes().size(), 4u);
    EXPECT_EQ(testing_support::ReadBytes(dir.File("eje.pla")), "antiguo");
}

// A planta request on vertical records alone writes the alzado and leaves no old
// planta under the chosen name, and its summary says so; a run that fails at the
// end puts the old planta back.
TEST_F(SDRRun, VerticalRecordsAloneLeaveNoOldPlanta) {
    WriteBytes(dir.File("eje.sdr"), R("34", {"0", "100"}) + "\r\n" + R("37", {"100", "101"}) + "\r\n");
    WriteBytes(dir.File("eje.pla"), "antiguo");
    const design_readers::Ficheros f = Files(dir.File("eje.sdr"), "eje.pla", "EJE.SDR", "EJE.PLA");
    design_readers::Ficheros alzado = Files(dir.File("eje.sdr"), "eje.ALZ", "EJE.SDR", "EJE.ALZ");
    std::filesystem::create_directories(dir.File("eje.ALZ/ocupado"));  // the alzado cannot take its name
    EXPECT_THROW(design_readers::SDR_Planta_Alzado(ctx, f, alzado, true), std::exception);
    EXPECT_EQ(testing_support::ReadBytes(dir.File("eje.pla")), "antiguo");
    std::filesystem::remove_all(dir.File("eje.ALZ"));

    ASSERT_TRUE(design_readers::SDR_Planta_Alzado(ctx, f, alzado, true));
    EXPECT_FALSE(std::filesystem::exists(dir.File("eje.pla")));
    EXPECT_EQ(testing_support::ReadBytes(dir.File("eje.ALZ")).size(), 44u);
    ASSERT_EQ(desktop.Boxes().size(), 1u);
    const std::string texto = desktop.Boxes()[0].text;
    EXPECT_EQ(texto.substr(texto.rfind("\r\r")),
              "\r\rNo contiene ningún elemento de planta: no se ha escrito el fichero EJE.PLA.");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2);  // nothing left aside
}

TEST(SDRPlanta, SCurveAfterAnUnknownRecordAndRecordsThatChangeNothing) {
    TempDir dir;
    // No start record: the axis starts at the origin heading north. The unknown
    // record, the vertical one and the arc of length 0 between the elements change
    // nothing; the last line has no line end.
    WriteBytes(dir.File("eje.sdr"), R("32", {"50", "300"}) + "\n" +       //
                                        "99  comentario\n" +                //
                                        R("33", {"30", "300"}) + "\n" +     // out of the arc to zero
                                        R("34", {"0", "612.5"}) + "\n" +    //
                                        R("32", {"0", "500"}) + "\n" +      //
                                        R("33", {"40", "-200"}) + "\n" +    // from zero to the left
                                        R("32", {"20", "-200"}));
    const design_readers::LecturaSDR l = LeerSDR(dir.File("eje.sdr"));
    const std::vector<TPlanta>& P = l.Planta;
    ASSERT_EQ(P.size(), 6u);
    const Pose q1{0, 0, 0};
    const Pose q2 = Avanzar(q1, 50, 1.0 / 300, 1.0 / 300);
    const Pose q3 = Avanzar(q2, 30, 1.0 / 300, 0);
    const Pose q4 = Avanzar(q3, 40, 0, -1.0 / 200);
    const Pose q5 = Avanzar(q4, 20, -1.0 / 200, -1.0 / 200);
    ExpectElemento(P, 1, 0, q1, 300, 0, 50);
    ExpectElemento(P, 2, 50, q2, 300, std::sqrt(9000.0), 30);
    ExpectElemento(P, 3, 80, q3, -0.001, std::sqrt(8000.0), 40);
    ExpectElemento(P, 4, 120, q4, -200, 0, 20);
    ExpectElemento(P, 5, 140, q5, 0, 0, 0.01);
    ASSERT_EQ(l.Vertices.size(), 1u);
    EXPECT_EQ(l.Vertices[0].PK, 0);
    EXPECT_EQ(l.Vertices[0].Z, 612.5);
}

TEST(SDRPlanta, RecordsThatCannotBeBuiltAreRefusedByTheirLine) {
    const std::string arco = R("32", {"50", "300"}) + "\n";
    const std::string iguales = arco + R("33", {"30", "300"}) + "\n" + arco;
    const std::string contrarias = arco + "\n" + R("33", {"30", "300"}) + "\n" + R("32", {"40", "-250"}) + "\n";
    const std::string negativa = R("31", {"0", "-5"});
    const std::string sinRadio = "29  0\n" + R("32", {"50", "0"});
    const auto planta = [](const std::string& path, std::vector<TPlanta>& P) { P = LeerSDR(path).Planta; };
    testing_support::ExpectRechazos<TPlanta>(
        planta, {{iguales.c_str(), "Línea 2: la clotoide une dos curvas del mismo radio."},
                 {contrarias.c_str(), "Línea 3: una sola clotoide no puede unir dos curvas de sentido contrario."},
                 {negativa.c_str(), "Línea 1: el elemento tiene longitud negativa."},
                 {sinRadio.c_str(), "Línea 2: el elemento tiene radio nulo."}});
}

TEST(SDRAlzado, GradesCurvesAndInsertedGrades) {
    TempDir dir;
    // The first vertex's curve and the last one's have a grade on one side only: both
    // are plain. "35" is no vertical record of the road.
    WriteBytes(dir.File("eje.sdr"), R("36", {"0", "100", "40"}) + "\n" +    //
                                        R("36", {"100", "102", "100"}) + "\n" +  //
                                        R("35", {"999", "999"}) + "\n" +         //
                                        R("36", {"300", "98", "80"}) + "\n" +    //
                                        R("37", {"500", "100"}) + "\n" +         //
                                        R("36", {"600", "101", "60"}) + "\n");
    // Grade 0.02 to the first curve's start (50, 101). Curve at 100: in 0.02, out
    // -0.02, Kv 100 / -0.04; it ends at 150 (101), 110 m before the next one starts
    // (260): a grade to 98.8. Curve at 300: in (98 - 98.8) / 40 = -0.02, out 0.01, Kv
    // 80 / 0.03; it ends at 340 (98.4), a grade to 500. Then 0.01 to the last vertex.
    testing_support::ExpectElementos(AlzadoSDR(LeerSDR(dir.File("eje.sdr")).Vertices),
                                     {{1, 0, 100, 0.02, 0, 50},
                                      {2, 50, 101, 0.02, -2500, 100},
                                      {3, 150, 101, -0.02, 0, 110},
                                      {4, 260, 98.8, -0.02, 80 / 0.03, 80},
                                      {5, 340, 98.4, 0.01, 0, 160},
                                      {6, 500, 100, 0.01, 0, 100}});
}

TEST(SDRAlzado, ACurveEndingOnTheLastVertexGetsNoGradeAfterIt) {
    std::vector<design_readers::VerticeSDR> v = {{0, 100, 0, 1}, {100, 102, 100, 2}, {150, 101, 0, 3}};
    testing_support::ExpectElementos(AlzadoSDR(v), {{1, 0, 100, 0.02, 0, 50}, {2, 50, 101, 0.02, -2500, 100}});
}

TEST(SDRAlzado, VerticesThatCannotBeJoinedAreRefused) {
    const std::string repetido = R("34", {"100", "50"}) + "\n" + R("37", {"100", "51"});
    const std::string recta = R("34", {"0", "50"}) + "\n" + R("36", {"100", "51", "40"}) + "\n" + R("37", {"200", "52"});
    const std::string solapados = R("34", {"0", "50"}) + "\n" + R("36", {"100", "51", "80"}) + "\n" +
                                  R("36", {"150", "52", "40"}) + "\n" + R("37", {"300", "50"});
    const auto alzado = [](const std::string& path, std::vector<TAlzado>& A) { A = AlzadoSDR(LeerSDR(path).Vertices); };
    testing_support::ExpectRechazos<TAlzado>(
        alzado, {{repetido.c_str(), "Línea 2: el vértice no avanza en P.K. respecto del anterior."},
                 {recta.c_str(), "Línea 2: el acuerdo vertical une dos rasantes de la misma pendiente."},
                 {solapados.c_str(), "Línea 3: el acuerdo vertical empieza antes de que acabe el anterior."}});
}

TEST(SDRSecciones, EachPointGoesToTheLayerItsWordNames) {
    TempDir dir;
    WriteBytes(dir.File("s.txt"),
               "LISTADO DE SECCIONES TIPO\r\n"
               "1 -9 9 RODADURA x\r\n"                       // before any section
               "P.k. : 0+020.000\r\n"
               "Punto Desplaz. Cota Capa Codigo\r\n"          // a column header
               "1 -5.000 99.500 TALUD x\r\n"
               "2 -3.500 100.000 CUNETA x\r\n"
               "3 -3.500 100.100 Subrasante x\r\n"
               "4 0.000 100.200 rodadura x\r\n"
               "5   3.5   100.1   RODADURA    x   \r\n"
               "P.k. : 0+030.000\r\n"                          // no point: not written
               "P.k. : 0+040.000\r\n"
               "1\t-2.0\t101.0\tRodadura\tx\r\n"
               "Pagina 2\r\n"                                  // a page title
               "2 2.0 101.0 Cuneta x");
    struct Leida {
        double Pk;
        std::string puntos;  // "T -5 99.5;" ...
    };
    std::vector<Leida> leidas;
    design_readers::LeerSeccionesSDR(dir.File("s.txt"), [&](double Pk, field_writers::TSeccion& s) {
        Leida l{Pk, {}};
        for (const auto& b : s.Bloques) {
            for (std::int32_t k = 1; k <= b.NumPuntos; ++k) {
                const TPuntoSeccion& p = b.Puntos[static_cast<std::size_t>(k)];
                EXPECT_EQ(p.Codigo, "xxxxxxxx");
                l.puntos += std::string(1, b.Codigo) + " " + std::to_string(p.Desplazamiento) + " " +
                            std::to_string(p.Cota) + ";";
            }
        }
        leidas.push_back(l);
    });
    ASSERT_EQ(leidas.size(), 2u);
    EXPECT_EQ(leidas[0].Pk, 20);
    EXPECT_EQ(leidas[0].puntos,
              "T -5.000000 99.500000;C -3.500000 100.000000;S -3.500000 100.100000;"
              "R 0.000000 100.200000;R 3.500000 100.100000;");
    EXPECT_EQ(leidas[1].Pk, 40);
    EXPECT_EQ(leidas[1].puntos, "C 2.000000 101.000000;R -2.000000 101.000000;");
}

}  // namespace
