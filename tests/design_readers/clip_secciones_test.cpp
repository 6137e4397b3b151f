// Clip typical sections: printed listings, RTF listing text and "*TRV" files, each
// written by hand from the layouts; expected points worked out from the column rules.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "design_readers/clip_secciones.h"
#include "support/files.h"
#include "support/reader_run.h"
#include "support/section_points.h"
#include "support/window_double.h"

namespace {

using testing_support::TempDir;
using testing_support::WriteBytes;

using Punto = testing_support::PuntoLeido;
using Seccion = testing_support::SeccionLeida;
using testing_support::Secciones;

// The ruler: eight fields of 8 "=" two columns apart, at columns 1, 11, 21, ... 71.
// Layers: T under columns 1-28, R under 31-58, S under 61-78.
const char* const kRegla =
    "========  ========  ========  ========  ========  ========  ========  ========\r\n";

TEST(ClipSeccionListado, RulerColumnsPkLinesWhereverTheyStandAndTheLastLine) {
    TempDir dir;
    WriteBytes(dir.File("listado.lis"),
               std::string("PERFILES TRANSVERSALES\r\n"
                           "  P.K.   1+200.000      2.50\r\n"
                           "   DESPL.    COTA\r\n") +
                   kRegla +
                   // Eight fields: (1,2) under T, (4,5) under R, (7,8) under S.
                   "  -6.000    99.500     2.000    -3.500   100.000     1.000    -3.000    99.400\r\n" +
                   // Four fields: (1,2) under R, (3,4) under S.
                   std::string(30, ' ') + "  -1.000   100.100" + std::string(12, ' ') + "  -0.500    99.600\r\n"
                   // A line that holds no numbers where the pairs stand is no point.
                   "  BERMA   IZDA\r\n"
                   "\r\n"
                   // Less indented than the first, and a number 20 columns on.
                   "P.K. 1300.000     15.000\r\n" +
                   kRegla +
                   "\r\n"
                   "   P.K. 1+400\r\n" +
                   kRegla +
                   "   1.000   2.000\r\n"
                   // A P.K. line right after a point line starts the next section.
                   "P.K. 1500\r\n" +
                   kRegla +
                   // The last line, with no line end, is a point.
                   "   5.000   6.000");
    const auto got = Secciones([&](const auto& escribir) {
        EntryClipWindows::LeerSeccionesListado(dir.File("listado.lis"), escribir);
    });
    EXPECT_EQ(got, (std::vector<Seccion>{{1200, {{'T', -6, 99.5}, {'S', -3, 99.4}, {'S', -0.5, 99.6}, {'R', -3.5, 100}, {'R', -1, 100.1}}},
                   {1300, {}},
                   {1400, {{'T', 1, 2}}},
                   {1500, {{'T', 5, 6}}}}));
}

TEST(ClipSeccionRTF, ElevenCellRowsEstacionRowsAndPairsAtTheOrigin) {
    // The text as the rich-text control gives it: Windows-1252, cells at TABs, CR LF rows.
    const std::string texto =
        "Listado de secciones tipo\r\n"
        "Estaci\xF3n\t1+200.000\r\n"
        "COTA RASANTE C.D.\tDespl.\tCota\r\n"
        // Eleven cells, the last one empty: still a point row.
        "-6.000\t99.500\t\t\t-3.500\t100.000\t\t\t-3.000\t99.400\t\r\n"
        // A pair 0, 0 is no point; the others of the row still are; "," is a thousands separator.
        "0\t0.000\t\t\t1,234.500\t100\t\t\t0\t0\t\r\n"
        // Ten cells: not a point row.
        "1\t1\t\t\t1\t1\t\t\t1\t1\r\n"
        "Estaci\xF3n\t1+220\r\n"
        "COTA RASANTE C.I.\r\n"
        "1\t2\tx\tx\t3\t4\tx\tx\t5\t6\tx";
    testing_support::WindowDouble window;
    const auto got =
        Secciones([&](const auto& escribir) { EntryClipWindows::LeerSeccionesRTF(texto, window, escribir); });
    EXPECT_EQ(got, (std::vector<Seccion>{{1200, {{'T', -6, 99.5}, {'S', -3, 99.4}, {'R', -3.5, 100}, {'R', 1234.5, 100}}},
                   {1220, {{'T', 1, 2}, {'S', 5, 6}, {'R', 3, 4}}}}));
    ASSERT_FALSE(window.progreso.empty());
    EXPECT_EQ(window.progreso.back(), "Proceso Transformación :  100%");
}

TEST(ClipSeccionRTF, ProgressOfAListingPastTwentyOneMegabytesStaysInRange) {
    // 12 + 30 000 002 bytes before the second "Estación" row, 30 000 026 in all:
    // the first section ends 99.99996 % into the text. Pos * 100 no longer fits 32 bits.
    std::string texto = "Estaci\xF3n\t1\r\n";
    texto.append(30'000'000, 'x');
    texto += "\r\nEstaci\xF3n\t2\r\n";
    testing_support::WindowDouble window;
    const auto got =
        Secciones([&](const auto& escribir) { EntryClipWindows::LeerSeccionesRTF(texto, window, escribir); });
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(window.progreso,
              (std::vector<std::string>{"Proceso Transformación :  99%", "Proceso Transformación :  100%"}));
}

TEST(ClipSeccionTRV, CodesChooseTheLayersAndRunsJoinTaludes) {
    TempDir dir;
    WriteBytes(dir.File("s.trv"),
               "\r\n"
               "*TRV,1\r\n"
               "cabecera que no se lee\r\n"
               "\r\n"  // an empty block header announces nothing
               "1200,7\r\n"
               "0,0,T1\r\n"      // the first point of an empty layer, at the origin: kept
               "0,0,T2\r\n"      // the same point again: nothing
               "2,-0.5,C1\r\n"   // ditch
               "3,-0.4,MD\r\n"   // after a ditch: taludes takes the ditch's last point first
               "3.5,-0.2,SI\r\n" // subrasante; after an M code it starts on taludes too
               "4,0.1,PI\r\n"    // rasante; after an S code it does not
               "5,0.2,X9\r\n"    // no group: ignored
               "9999E,2\r\n"     // a skipped block: exactly two lines
               "1300,1\r\n"
               "8,8,T\r\n"
               "1250,3\r\n"
               "1, 1, TD\r\n"
               "2,2,P\r\n"
               "6,3,T\r\n"  // after a rasante point: taludes takes the rasante's last point first
               "FIN\r\n"
               "1400,1\r\n"
               "9,9,T\r\n");
    const auto got = Secciones([&](const auto& escribir) { EntryClipWindows::LeerSeccionesTRV(dir.File("s.trv"), escribir); });
    // Every point keeps its code, a copied point the code of the layer it came from.
    EXPECT_EQ(got, (std::vector<Seccion>{
                       {1200, {{'T', 0, 0, "T1"}, {'T', 2, -0.5, "C1"}, {'T', 3, -0.4, "MD"}, {'T', 3.5, -0.2, "SI"},
                               {'C', 2, -0.5, "C1"}, {'S', 3.5, -0.2, "SI"}, {'R', 4, 0.1, "PI"}}},
                       {1250, {{'T', 1, 1, "TD"}, {'T', 2, 2, "P"}, {'T', 6, 3, "T"}, {'R', 2, 2, "P"}}}}));
}

class ClipSeccionRun : public testing_support::SeccionRun {
protected:
    ClipSeccionRun() { state.FormatoCampo = 2; }
};

TEST_F(ClipSeccionRun, RefusedInputsSayWhyAndWriteNothing) {
    struct Caso {
        const char* bytes;
        const char* motivo;
    };
    const Caso casos[] = {
        {"*TRV\r\nx\r\n1200,5\r\n1,1,T\r\n2,2,T\r\n",
         "Línea 3: el bloque anuncia 5 líneas de puntos y el fichero termina antes."},
        {"*TRV\r\nx\r\n1200E,3\r\n1,1,T\r\n", "Línea 3: el bloque anuncia 3 líneas que saltar y el fichero termina antes."},
        {"*TRV \r\nx\r\n1200,1\r\n1,1,T\r\n", "El fichero de entrada no tiene el formato adecuado"},
        {"*TRV\r\nx\r\nFIN\r\n", "No contiene ninguna sección."},
        {"", "No contiene ninguna sección."},
    };
    for (const Caso& c : casos) {
        WriteBytes(f.entrada, c.bytes);
        state.ErrorFichero = 0;
        EXPECT_FALSE(EntryClipWindows::ClipWin_Seccion_Tipo(ctx, window, f)) << c.bytes;
        EXPECT_EQ(state.ErrorFichero, 1);
        ASSERT_FALSE(desktop.Boxes().empty());
        EXPECT_EQ(desktop.Boxes().back().text, std::string("El fichero SEC.TXT no se ha transformado.\r\r") + c.motivo);
        EXPECT_FALSE(std::filesystem::exists(f.salida)) << c.bytes;
    }
}

TEST_F(ClipSeccionRun, ASingleSectionIsBothEndsOfTheRange) {
    // One section of one point in T: 12 bytes of header, 4 blocks of 5, one point of 32.
    WriteBytes(f.entrada, "\r\n*TRV\r\nx\r\n1+250,1\r\n-2,99,T\r\n");
    ASSERT_TRUE(EntryClipWindows::ClipWin_Seccion_Tipo(ctx, window, f));
    EXPECT_EQ(testing_support::ReadBytes(f.salida).size(), 12u + 20u + 32u);
    EXPECT_EQ(state.InfoProyecto.PkInicialSeccion, 1250);
    EXPECT_EQ(state.InfoProyecto.PkFinalSeccion, 1250);
}

}  // namespace
