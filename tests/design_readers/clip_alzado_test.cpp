// The Clip alzado readers: "*ALZ" vertex files, printed listings and RTF listings.
// The files of the three forms describe the same profile where they can: a 2 %
// grade from 0+000 at 100.000, a crest of Kv 2666.667 (tangent length 40) at the
// vertex 0+100 (102.000), then -1 %.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "alignment_check.h"
#include "design_readers/clip_alzado.h"
#include "design_readers/clip_entrada.h"
#include "support/files.h"

namespace {

using testing_support::CasoRechazo;
using testing_support::ExpectElementos;
using testing_support::ExpectRechazos;
using testing_support::Leido;
using testing_support::TempDir;
using testing_support::WriteBytes;

constexpr double kCresta = -8000.0 / 3;  // 2 x 40 / (0.02 - -0.01), negative at a crest

std::vector<TAlzado> DeTexto(void (*leer)(const std::string&, std::vector<TAlzado>&), const std::string& bytes) {
    TempDir dir;
    WriteBytes(dir.File("a.txt"), bytes);
    return Leido<TAlzado>(leer, dir.File("a.txt"));
}

TEST(ClipAlzadoALZ, VerticesBecomeGradesAndCurves) {
    // Half the crest (40 m) is taken from the grades on either side.
    ExpectElementos(DeTexto(EntryClipWindows::LeerAlzadoALZ, "*ALZ1\r\nEje 1\r\n0,100C,0\r\n100,102C,40T\r\n200,101C,0"),
                    {{1, 0, 100, 0.02, 0, 60}, {2, 60, 101.2, 0.02, kCresta, 80}, {3, 140, 101.6, -0.01, 0, 60}});
    // Vertices given by grade: the first starts at elevation 0; a tangent length where
    // the grade does not change is no curve; a mid-ordinate of 0.1 over 5 % -> 3 %
    // is Kv 8 x 0.1 / 0.02^2 = 2000, 40 m long.
    ExpectElementos(DeTexto(EntryClipWindows::LeerAlzadoALZ, "\n*ALZ\n\n0,5P,0\n100,5P,10T\n200,5P,0.1F\n300,3P,0\n"),
                    {{1, 0, 0, 0.05, 0, 100},
                     {2, 100, 5, 0.05, 0, 80},
                     {3, 180, 9, 0.05, -2000, 40},
                     {4, 220, 10.6, 0.03, 0, 80}});
    // A sag given by its Kv ("R"): positive; lines of fewer than three fields are not vertices.
    ExpectElementos(DeTexto(EntryClipWindows::LeerAlzadoALZ, "*ALZ\n0,100C,0\n50,,\n100,99C,2000R\n200,100C,0\n"),
                    {{1, 0, 100, -0.01, 0, 80}, {2, 80, 99.2, -0.01, 2000, 40}, {3, 120, 99.2, 0.01, 0, 80}});
}

TEST(ClipAlzadoALZ, Refusals) {
    ExpectRechazos<TAlzado>(EntryClipWindows::LeerAlzadoALZ,
                            {{"*ALZ \n0,100C,0\n100,101C,0\n", "El fichero no es de tipo CLIP"},
                             {"", "El fichero no es de tipo CLIP"},
                             {"*ALZ\n0,100C,0\n100,101X,0\n", "Línea 3: el vértice no da su cota («C») ni su pendiente («P»)."},
                             {"*ALZ\n0,100C,0\n100,101C,100T\n150,100C,0\n",
                              "Línea 3: el acuerdo vertical se solapa con el tramo siguiente."}});
}

TEST(ClipAlzadoListado, RecordsAcrossAPageBreak) {
    // The second record's C falls on the next page: it is the second line after the ruler.
    const std::string cabecera = "CLIP   LISTADO DE RASANTE\r\n VERT    P.K.     COTA   PEND.\r\n==== ======== ====== =====\r\n";
    ExpectElementos(
        DeTexto(EntryClipWindows::LeerAlzadoListado,
                "\x1b@" + cabecera + "        (m)      (m)    (%)\r\n\r\n"
                "  1  0+000.000  100.000  2.000\r\n  datos\r\n"
                "  TE 1  0+060.000  101.200  2.000  80.000  -2666.667\r\n"
                "  2  0+140.000  101.600  -1.000\r\n  datos\r\n"
                "\f\r\n" + cabecera + "        (m)      (m)    (%)\r\n"
                "  TE 2  0+200.000  101.000  -1.000  0.000  0\r\n"
                "  3  0+250.000  100.500  -1.000\r\n\r\n"
                "  FIN 3  0+300.000  100.000  -1.000\r\n"
                "\f\x1b@\r\n"),
        {{1, 0, 100, 0.02, 0, 60},
         {2, 60, 101.2, 0.02, -2666.667, 80},
         {3, 140, 101.6, -0.01, 0, 60},
         {4, 200, 101, -0.01, 0, 50},
         {5, 250, 100.5, -0.01, 0, 50},
         {6, 300, 100, -0.01, 0, 0.001}});
    ExpectRechazos<TAlzado>(EntryClipWindows::LeerAlzadoListado,
                            {{"  1  0+000.000  100.000  2.000\r\n", "El fichero de entrada no tiene el formato adecuado"},
                             {"====\r\n\r\n\r\n 1 0 100 2\r\n\r\n\f\r\nPag. 2\r\n",
                              "El fichero de entrada no tiene el formato adecuado"}});
}

TEST(ClipAlzadoRTF, RecordsOfThreeRows) {
    std::vector<TAlzado> a(1);
    EntryClipWindows::LeerAlzadoRTF(
        "LISTADO DE RASANTE\r\nV\xE9rtice\tP.K.\tCota\r\n"
        "1\t0+000.000\t\t\t\t\t\r\n\t\t\t100.000\t2.000\t\t\r\n\t\t\t\t\t\t\r\n"
        // a curve after a grade, then one right after the first, then a grade to the end
        "2\t\t0+060.000\t101.200\t2.000\t\t-2,666.667\r\n\t\t0+140.000\t101.600\t-1.000\t\t\r\n\r\n"
        "3\t\t0+200.000\t101.000\t-1.000\t\t5,000\r\n\t\t0+250.000\t100.750\t0.000\t\t\r\n\r\n"
        "4\t\t0+300.000\t100.750\t0.000\t\t0\r\n\r\n\r\n"
        "5\t\t0+400.000\t100.750\t0.000\t\t0\r\n",  // cut short: not read
        a);
    ExpectElementos(a, {{1, 0, 100, 0.02, 0, 60},
                        {2, 60, 101.2, 0.02, -2666.667, 80},
                        {3, 140, 101.6, -0.01, 0, 60},
                        {4, 200, 101, -0.01, 5000, 50},
                        {5, 250, 100.75, 0, 0, 50}});
}

TEST(ClipEntrada, TheFileChoosesItsReader) {
    using EntryClipWindows::LectorClip;
    struct Caso {
        const char* nombre;
        const char* bytes;
        int tipo;
        LectorClip lector;
    };
    const Caso casos[] = {
        {"eje.rtf", "", 1, LectorClip::Planta_RTF},
        {"EJE.Rtf", "*ALZ\r\n", 2, LectorClip::Alzado_RTF},
        {"rtf", "", 1, LectorClip::Planta_PLT},
        {"eje.rtf.txt", "", 1, LectorClip::Planta_PLT},
        {"rasante.txt", "\r\n \t\r\n*ALZ1\r\n", 2, LectorClip::Alzado_ALZ},
        {"rasante.lis", "LISTADO\r\n*ALZ\r\n", 2, LectorClip::Alzado_Listado},
        {"secciones.Rtf", "", 3, LectorClip::Seccion_Tipo_RTF},
        {"secciones.trv", "\r\n*TRV\r\n", 3, LectorClip::Seccion_Tipo_TRV},
        {"secciones.lis", "*ALZ\r\n", 3, LectorClip::Seccion_Tipo_Listado},
        {"eje.plt", "*PLT\r\n", 4, LectorClip::Ninguno},
    };
    TempDir dir;
    for (const Caso& c : casos) {
        WriteBytes(dir.File(c.nombre), c.bytes);
        EXPECT_EQ(EntryClipWindows::ClipWin_Lector(dir.File(c.nombre), c.tipo), c.lector) << c.nombre;
    }
}

}  // namespace
