// The Istram planta and alzado listings, written by hand from the listing layouts;
// coordinates of the test listings computed along the clothoids independently.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design_readers/istram.h"
#include "support/alignment_files.h"
#include "support/reader_run.h"

namespace {

using testing_support::ReadBytes;
using testing_support::WriteBytes;

using testing_support::ExpectPlanta;
using testing_support::TestData;

class IstramRun : public testing_support::ReaderRun {
protected:
    design_readers::Ficheros Files(const std::string& input, const std::string& output) {
        return ReaderRun::Files(input, output, "C:\\OBRA\\EJE.LIS");
    }
};

// An S-curve of equal radii over two pages, the end row on the last line without a
// line end: the second spiral leaves the zero curvature of the first, so it stores
// the marker; an exit spiral keeps the radius it leaves.
TEST_F(IstramRun, SCurveOverTwoPagesInFormats0And2And4) {
    const std::vector<TPlanta> elementos = {
        {1, 1000, 1000, 2000, 50, 0, 0, 50},
        {2, 1050, 1035.355, 2035.355, 50, 0.001, 150, 75},
        {3, 1125, 1090.513, 2086.098, 57.9577, 300, 0, 50},
        {4, 1175, 1132.368, 2113.345, 68.5681, 300, 150, 75},
        {5, 1250, 1201.092, 2143.247, 76.5258, -0.001, 150, 75},
        {6, 1325, 1269.817, 2173.149, 68.5681, -300, 0, 50},
        {7, 1375, 1311.672, 2200.396, 57.9577, -300, 150, 75},
        {8, 1450, 1366.829, 2251.139, 50, 0, 0, 40},
    };
    state.FormatoCampo = 0;
    ASSERT_TRUE(design_readers::Istram_Planta(ctx, Files(TestData("istram_s.lis"), "f0.pla")));
    ExpectPlanta(testing_support::PlantaRecords(ReadBytes(dir.File("f0.pla"))), elementos);
    auto boxes = desktop.Boxes();
    ASSERT_EQ(boxes.size(), 1u);  // no continuity gap
    EXPECT_EQ(boxes[0].text,
              "\rFichero de entrada :  C:\\OBRA\\EJE.LIS\rFichero de salida    :  C:\\OBRA\\EJE.PLA\r\r"
              "Pk Inicial           :  1000.000\rPk Final             :  1490.000\r\r"
              "Rectas               :   2\rCirculares           :   2\rClotoides            :   4");

    // Format 2 closes with a 0.01 m straight at the end point, X from column 36.
    state.FormatoCampo = 2;
    ASSERT_TRUE(design_readers::Istram_Planta(ctx, Files(TestData("istram_s.lis"), "f2.pla")));
    auto con = elementos;
    con.push_back({9, 1490, 1395.113, 2279.423, 50, 0, 0, 0.01});
    ExpectPlanta(testing_support::PlantaRecords(ReadBytes(dir.File("f2.pla"))), con);

    // Format 4: every element states its end; the spirals by their kind.
    state.FormatoCampo = 4;
    desktop.ClearTranscript();
    ASSERT_TRUE(design_readers::Istram_Planta(ctx, Files(TestData("istram_s.lis"), "f4.tnx")));
    EXPECT_EQ(desktop.Boxes().size(), 1u);
    const std::string tunelix = ReadBytes(dir.File("f4.tnx"));
    auto cuenta = [&](const std::string& palabra) {
        std::size_t n = 0;
        for (auto at = tunelix.find(palabra); at != std::string::npos; at = tunelix.find(palabra, at + 1)) ++n;
        return n;
    };
    EXPECT_EQ(cuenta("CLOTHIN"), 2u);
    EXPECT_EQ(cuenta("CLOTHOUT"), 2u);
    EXPECT_EQ(cuenta("CIRCLE"), 2u);
    EXPECT_EQ(state.ErrorFichero, 0);
}

// The two other shapes: an alignment that ends in an exit spiral, and an entry
// spiral straight into an exit spiral. The listings leave the radius column of the
// spiral rows blank.
TEST_F(IstramRun, EndingInAnExitSpiralAndSpiralIntoSpiral) {
    state.FormatoCampo = 3;
    ASSERT_TRUE(design_readers::Istram_Planta(ctx, Files(TestData("istram_salida.lis"), "salida.ptc")));
    EXPECT_EQ(ReadBytes(dir.File("salida.ptc")),
              "D;AO= 1000.000;L= 50.000;X= 1000.000;Y= 2000.000;G= 50.0000\r\n"
              "A;AO= 1050.000;L= 75.000;X= 1035.355;Y= 2035.355;G= 50.0000;R= -0.000;A= -150.000\r\n"
              "C;AO= 1125.000;L= 50.000;X= 1090.513;Y= 2086.098;G= 57.9577;R= -300.000\r\n"
              "A;AO= 1175.000;L= 75.000;X= 1132.368;Y= 2113.345;G= 68.5681;R= -300.000;A= 150.000\r\n");
    EXPECT_EQ(desktop.Boxes().size(), 1u);

    state.FormatoCampo = 0;
    desktop.ClearTranscript();
    ASSERT_TRUE(design_readers::Istram_Planta(ctx, Files(TestData("istram_espirales.lis"), "esp.pla")));
    ExpectPlanta(testing_support::PlantaRecords(ReadBytes(dir.File("esp.pla"))),
                 {{1, 1000, 1000, 2000, 50, 0, 0, 50},
                  {2, 1050, 1035.355, 2035.355, 50, 0.001, 150, 75},
                  {3, 1125, 1090.513, 2086.098, 57.9577, 300, 150, 75},
                  {4, 1200, 1153.324, 2126.987, 65.9155, 0, 0, 40}});
    EXPECT_EQ(desktop.Boxes().size(), 1u);
}

TEST_F(IstramRun, EmptyListingsAndDegenerateRowsAreRefused) {
    state.FormatoCampo = 2;
    WriteBytes(dir.File("vacio.lis"), "");
    WriteBytes(dir.File("sinfilas.lis"), "LISTADO\r\n\f\r\n");
    const std::string regla = std::string(12, ' ') + std::string(9, '-') + " " + std::string(12, '-') + " ";
    // A clothoid row of no length, then the end row.
    WriteBytes(dir.File("nula.lis"),
               regla + "\r\n" +
                   "  EJE 1        50.000     1000.000     1000.000     2000.000                                50.0000\r\n"
                   "  EJE 1         0.000     1050.000     1035.355     2035.355                   150.000      50.0000\r\n"
                   "  FINAL                   1050.000     1035.355     2035.355                                50.0000");
    // Two rows and the listing stops: where the second element ends is not known.
    WriteBytes(dir.File("sinfinal.lis"),
               regla + "\r\n" +
                   "  EJE 1        50.000     1000.000     1000.000     2000.000                                50.0000\r\n"
                   "  EJE 1        40.000     1050.000     1035.355     2035.355                                50.0000\r\n");
    WriteBytes(dir.File("salida"), "antiguo");
    std::vector<TAlzado> alzado;
    EXPECT_FALSE(design_readers::Istram_Planta(ctx, Files(dir.File("vacio.lis"), "salida")));
    EXPECT_FALSE(design_readers::Istram_Planta(ctx, Files(dir.File("sinfilas.lis"), "salida")));
    EXPECT_FALSE(design_readers::Istram_Planta(ctx, Files(dir.File("nula.lis"), "salida")));
    EXPECT_FALSE(design_readers::Istram_Planta(ctx, Files(dir.File("sinfinal.lis"), "salida")));
    EXPECT_FALSE(design_readers::Istram_Alzado(ctx, window, Files(dir.File("vacio.lis"), "salida"), alzado));
    EXPECT_FALSE(design_readers::Istram_Alzado(ctx, window, Files(dir.File("sinfilas.lis"), "salida"), alzado));
    EXPECT_EQ(state.ErrorFichero, 1);
    EXPECT_EQ(ReadBytes(dir.File("salida")), "antiguo");
    const auto boxes = desktop.Boxes();
    ASSERT_EQ(boxes.size(), 6u);
    const std::string no = "El fichero C:\\OBRA\\EJE.LIS no se ha transformado.\r\r";
    EXPECT_EQ(boxes[0].text, no + "No contiene ningún elemento de planta.");
    EXPECT_EQ(boxes[1].text, no + "No contiene ningún elemento de planta.");
    EXPECT_EQ(boxes[2].text, no + "Línea 3: la clotoide no tiene longitud.");
    EXPECT_EQ(boxes[3].text, no + "Línea 3: la última fila del listado no va seguida de la fila final del eje.");
    EXPECT_EQ(boxes[4].text, no + "El fichero no es de tipo Istram");
    EXPECT_EQ(boxes[5].text, no + "No contiene ningún elemento de alzado.");
}

// A crest, a sag and a vertex without a curve, continued across a form feed, the end
// row on the last line.
TEST_F(IstramRun, AlzadoAcrossAPageBreak) {
    const std::string regla =
        "------------ ---------- -------- ------- -------- ---------- -------- ---------- --------\r\n";
    WriteBytes(dir.File("eje.alz.lis"),
               "LISTADO DE RASANTE\r\n\r\n" + regla +
                   "   1000.000    100.000\r\n"
                   "  2.000  1200.000  5000.000  150.000  104.000  1125.000  102.500  1275.000  103.250\r\n"
                   "\fLISTADO DE RASANTE   Página 2\r\n"
                   "   -1.000  1500.000  9999.000 100.000 101.000 1450.000 101.500 1550.000 101.750\r\n"  // before the rule: no row
                   "\r\n" + regla + "\t\r\n"
                   "  -1.000  1500.000  4000.000  100.000  101.000  1450.000  101.500  1550.000  101.750\r\n"
                   "  1.500  1700.000  0.000  0.000  104.000  1700.000  104.000  1700.000  104.000\r\n"
                   "  Totales  4\r\n"
                   "  -0.500  1800.000  103.500");
    const std::vector<TAlzado> want = {
        {1, 1000, 100, 0.02, 0, 125},       {2, 1125, 102.5, 0.02, -5000, 150}, {3, 1275, 103.25, -0.01, 0, 175},
        {4, 1450, 101.5, -0.01, 4000, 100}, {5, 1550, 101.75, 0.015, 0, 150},  {6, 1700, 104, -0.005, 0, 100},
        {7, 1800, 103.5, 0, 0, 0.01},
    };
    state.FormatoCampo = 0;
    std::vector<TAlzado> alzado;
    ASSERT_TRUE(design_readers::Istram_Alzado(ctx, window, Files(dir.File("eje.alz.lis"), "eje.alz"), alzado));
    testing_support::ExpectAlzado(testing_support::AlzadoRecords(ReadBytes(dir.File("eje.alz"))), want);
    const auto boxes = desktop.Boxes();
    ASSERT_EQ(boxes.size(), 1u);  // continuous
    EXPECT_NE(boxes[0].text.find("Pk Final             :  1800.010\r\rRasantes Rectas      :   5\r"
                                 "Acuerdos Verticales  :   2"),
              std::string::npos)
        << boxes[0].text;
}

}  // namespace
