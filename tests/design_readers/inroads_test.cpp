// The InRoads planta and alzado reports, written by hand from the report layouts;
// coordinates of the test reports computed along the clothoids independently.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "design_readers/inroads.h"
#include "support/alignment_files.h"
#include "support/reader_run.h"

namespace {

using testing_support::ReadBytes;
using testing_support::WriteBytes;

using InRoadsRun = testing_support::ReaderRun;
using testing_support::TestData;

// An S-curve of equal radii: lines padded with blanks, a TAB, comments, a title of
// seven words, lines of 6 and 8 tokens, decimal commas and km+m chainages.
TEST_F(InRoadsRun, SCurveInFormat2) {
    state.FormatoCampo = 2;
    ASSERT_TRUE(design_readers::InRoads_Planta(ctx, Files(TestData("inroads_s.txt"), "eje.pla")));
    const double a = std::sqrt(24000.0);  // a spiral of 80 m between a straight and R 300
    testing_support::ExpectPlanta(testing_support::PlantaRecords(ReadBytes(dir.File("eje.pla"))),
                                  {{1, 0, 1000, 2000, 50, 0, 0, 100},
                                   {2, 100, 1070.711, 2070.711, 50, 0.001, a, 80},
                                   {3, 180, 1129.690, 2124.668, 58.4883, 300, 0, 50},
                                   {4, 230, 1171.770, 2151.565, 69.0986, 300, a, 80},
                                   {5, 310, 1245.505, 2182.436, 77.5869, -0.001, a, 80},
                                   {6, 390, 1319.240, 2213.307, 69.0986, -300, 0, 40},
                                   {7, 430, 1353.273, 2234.269, 60.6103, 0, 0, 0.01}});
    const auto boxes = desktop.Boxes();
    ASSERT_EQ(boxes.size(), 1u);  // no continuity gap
    EXPECT_NE(boxes[0].text.find("Pk Final             :  430.010\r\rRectas               :   2\r"
                                 "Circulares           :   2\rClotoides            :   3"),
              std::string::npos)
        << boxes[0].text;
}

// An entry spiral straight into an exit spiral: the radius they meet at comes from
// the turn, L / (2 t); format 0 has no closing element.
TEST_F(InRoadsRun, SpiralIntoSpiralInFormat0) {
    state.FormatoCampo = 0;
    ASSERT_TRUE(design_readers::InRoads_Planta(ctx, Files(TestData("inroads_espirales.txt"), "eje.pla")));
    const auto got = testing_support::PlantaRecords(ReadBytes(dir.File("eje.pla")));
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[1].Radio, 0.001);
    EXPECT_NEAR(got[1].Parametro, std::sqrt(24000.0), 0.01);
    EXPECT_NEAR(got[2].Radio, 300, 0.01);
    EXPECT_NEAR(got[2].Parametro, std::sqrt(24000.0), 0.01);
    EXPECT_EQ(got[2].Longitud, 80);
    const auto boxes = desktop.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("Circulares           :   0\rClotoides            :   2"), std::string::npos);
}

// A spiral into a spiral whose row states the radius they meet at (-200): that radius,
// not one rebuilt from the 4-decimal azimuths, gives A = sqrt(200 * 50) = 100 to both
// and stays the exit spiral's radius, in every format.
TEST_F(InRoadsRun, SpiralIntoSpiralUsesTheStatedRadius) {
    WriteBytes(dir.File("espirales.txt"),
               "LIN 18+449,584 0,000 425825,356 2414812,048 144,2949 211,441\r\n"
               "SPI 18+661,025 0,000 425987,648 2414676,517 144,2949 50,000\r\n"
               "SPI 18+711,025 -200,000 426027,300 2414646,115 136,3372 50,000\r\n"
               "LIN 18+761,025 0,000 426071,446 2414622,713 128,3794 108,267\r\n"
               "LIN 18+869,292 0,000 426169,132 2414576,032 128,3794 0,000\r\n");
    state.FormatoCampo = 0;
    ASSERT_TRUE(design_readers::InRoads_Planta(ctx, Files(dir.File("espirales.txt"), "eje.pla")));
    const auto pla = testing_support::PlantaRecords(ReadBytes(dir.File("eje.pla")));
    ASSERT_EQ(pla.size(), 4u);
    EXPECT_EQ(pla[1].Radio, -0.001);  // from a straight, turning left
    EXPECT_EQ(pla[1].Parametro, 100.0);
    EXPECT_EQ(pla[2].Radio, -200.0);
    EXPECT_EQ(pla[2].Parametro, 100.0);

    state.FormatoCampo = 3;
    ASSERT_TRUE(design_readers::InRoads_Planta(ctx, Files(dir.File("espirales.txt"), "eje.ptc")));
    const std::string ptc = ReadBytes(dir.File("eje.ptc"));
    EXPECT_NE(ptc.find("A;AO= 18661.025;L= 50.000;X= 425987.648;Y= 2414676.517;G= 144.2949;R= 0.000;A= 100.000\r\n"
                       "A;AO= 18711.025;L= 50.000;X= 426027.300;Y= 2414646.115;G= 136.3372;R= 200.000;A= -100.000\r\n"),
              std::string::npos)
        << ptc;

    state.FormatoCampo = 4;
    ASSERT_TRUE(design_readers::InRoads_Planta(ctx, Files(dir.File("espirales.txt"), "eje.ktw")));
    const std::string ktw = ReadBytes(dir.File("eje.ktw"));
    EXPECT_NE(ktw.find("CLOTHIN 81..10+0000000426027300 82..10+0000002414646115 84..10+0000000018711025 "
                       "85..10-0000000000200000 86..10+0000000000100000 \r\n"),
              std::string::npos)
        << ktw;
}

TEST_F(InRoadsRun, EggsEmptyReportsAndEqualRadii) {
    // The row "LIN 0+100,000 0 1000,000 2000,000 50,0000 120,000" read field by field,
    // then an egg from R 500 to R 250 over 100 m; the end row read as the end point.
    WriteBytes(dir.File("huevo.txt"),
               "LIN 0+100,000 0 1000,000 2000,000 50,0000 120,000\n"
               "CIR 0+220,000 500,000 900,000 1900,000 40,0000 50,000\n"
               "SPI 0+270,000 0,000 950,000 1950,000 45,0000 100,000\n"
               "CIR 0+370,000 250,000 990,000 1990,000 49,0000 25,000\n"
               "LIN 0+390,000 0 1010,000 2010,000 51,0000 0");
    std::vector<TPlanta> planta(1);
    design_readers::LeerPlantaInRoads(dir.File("huevo.txt"), 1, planta);
    // Lengths from the chainages (the fourth is 390 - 370, not the listed 25); the egg
    // keeps the radius it leaves.
    testing_support::ExpectPlanta(planta, {{},
                                           {1, 100, 1000, 2000, 50, 0, 0, 120},
                                           {2, 220, 900, 1900, 40, 500, 0, 50},
                                           {3, 270, 950, 1950, 45, 500, std::sqrt(50000.0), 100},
                                           {4, 370, 990, 1990, 49, 250, 0, 20},
                                           {5, 390, 1010, 2010, 51, 0, 0, 0.01}});

    state.FormatoCampo = 2;
    WriteBytes(dir.File("iguales.txt"),
               "CIR 0+000,000 300,000 900,000 1900,000 40,0000 50,000\n"
               "SPI 0+050,000 0,000 950,000 1950,000 45,0000 100,000\n"
               "CIR 0+150,000 -300,000 990,000 1990,000 49,0000 20,000\n");
    WriteBytes(dir.File("vacio.txt"), "* nada\r\n   \r\n");
    // A chainage that goes back: an element of negative length.
    WriteBytes(dir.File("atras.txt"),
               "LIN 0+000,000 0 1000,000 2000,000 50,0000 100,000\n"
               "LIN 0+100,000 0 1070,711 2070,711 50,0000 20,000\n"
               "LIN 0+080,000 0 1084,853 2084,853 50,0000 0\n");
    WriteBytes(dir.File("salida"), "antiguo");
    std::vector<TAlzado> alzado;
    EXPECT_FALSE(design_readers::InRoads_Planta(ctx, Files(dir.File("atras.txt"), "salida")));
    EXPECT_FALSE(design_readers::InRoads_Planta(ctx, Files(dir.File("iguales.txt"), "salida")));
    EXPECT_FALSE(design_readers::InRoads_Planta(ctx, Files(dir.File("vacio.txt"), "salida")));
    EXPECT_FALSE(design_readers::InRoads_Alzado(ctx, window, Files(dir.File("vacio.txt"), "salida"), alzado));
    EXPECT_EQ(ReadBytes(dir.File("salida")), "antiguo");
    const auto boxes = desktop.Boxes();
    ASSERT_EQ(boxes.size(), 4u);
    const std::string no = "El fichero C:\\OBRA\\EJE.TXT no se ha transformado.\r\r";
    EXPECT_EQ(boxes[0].text, no + "Línea 3: el P.K. no avanza respecto al de la fila anterior.");
    EXPECT_EQ(boxes[1].text, no + "Línea 2: la clotoide une dos radios iguales.");
    EXPECT_EQ(boxes[2].text, no + "No contiene ningún elemento de planta.");
    EXPECT_EQ(boxes[3].text, no + "No contiene ningún elemento de alzado.");
}

// A grade of one decimal taken from the elevations, a crest recomputed from the next
// row's elevation with the grade line before it as its entry grade.
TEST_F(InRoadsRun, AlzadoInFormats0And3) {
    WriteBytes(dir.File("rasante.txt"),
               "{ Informe de rasante }\r\n"
               "LIN 0+000,000 100,000 0,0 0 \r\n"
               "PAR\t0+200,000 101,200 0,006 3000 \r\n"
               "PAR 0+250 101,2\r\n"
               "LIN 0+300,000 101,000 -0,010 0\r\n"
               "LIN 0+400,000 100,000 -0,010 0");
    state.FormatoCampo = 0;
    std::vector<TAlzado> alzado;
    ASSERT_TRUE(design_readers::InRoads_Alzado(ctx, window, Files(dir.File("rasante.txt"), "eje.alz"), alzado));
    testing_support::ExpectAlzado(testing_support::AlzadoRecords(ReadBytes(dir.File("eje.alz"))),
                                  {{1, 0, 100, 0.006, 0, 200}, {2, 200, 101.2, 0.006, -6250, 100}, {3, 300, 101, -0.01, 0, 100}},
                                  1e-12);
    ASSERT_EQ(desktop.Boxes().size(), 1u);  // continuous

    state.FormatoCampo = 3;
    ASSERT_TRUE(design_readers::InRoads_Alzado(ctx, window, Files(dir.File("rasante.txt"), "eje.lon"), alzado));
    EXPECT_EQ(ReadBytes(dir.File("eje.lon")),
              "D:S=0.000;SL= 200.000;Z= 100.000;P= 0.6000\r\n"
              "P:S=200.000;SL= 100.000;Z= 101.200;P= 0.6000;RP= -6250.000;SJ=237.500;ZJ=101.313\r\n"
              "D:S=300.000;SL= 100.000;Z= 101.000;P= -1.0000\r\n");
}

// A curve row whose exit grade is its entry grade as the report writes them (3
// decimals) is a plain grade, not a parabola of Kv 7e17.
TEST_F(InRoadsRun, AlzadoEqualGradesGiveNoCurve) {
    WriteBytes(dir.File("r.txt"), "LIN 0+000.000 100.000 0.013 0\nPAR 0+100.000 101.300 0.013 3000\nLIN 0+200.000 102.600 0.013 0\n");
    std::vector<TAlzado> alzado(1);
    design_readers::LeerAlzadoInRoads(dir.File("r.txt"), alzado);
    testing_support::ExpectAlzado(alzado, {{}, {1, 0, 100, 0.013, 0, 100}, {2, 100, 101.3, 0.013, 0, 100}}, 1e-12);
}

}  // namespace
