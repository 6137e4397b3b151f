// The Ispol section listing, written by hand on the column rule: a pair belongs to the
// layer whose heading word it stands under.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design_readers/ispol_seccion.h"
#include "support/files.h"
#include "support/section_points.h"

namespace {

using testing_support::PuntoLeido;
using testing_support::SeccionLeida;

std::vector<SeccionLeida> Leer(const testing_support::TempDir& dir, const std::string& texto) {
    testing_support::WriteBytes(dir.File("sec.lis"), texto);
    return testing_support::Secciones([&](const design_readers::EscribirSeccion& escribir) {
        design_readers::LeerSeccionesIspol(dir.File("sec.lis"), escribir);
    });
}

// Words at columns 6-10, 21-25, 36-41 and 51-57; each layer's offset ends two columns
// after its word starts and its elevation starts two columns later.
const std::string kEncabezado =
    "-------------------------------------------------------------\r\n"
    "     TALUD          CAPAS          SUBRAS         RASANTE\r\n"
    "   dist   cota    dist   cota    dist   cota    dist   cota\r\n"
    "\r\n";

TEST(IspolSecciones, LayersByHeadingColumnAcrossPages) {
    testing_support::TempDir dir;
    const auto got = Leer(dir,
                          "LISTADO DE SECCIONES\r\n"
                          " -1.000 1.000\r\n"  // before any header: no section
                          " pk:    1250.000   EJE 1\r\n" + kEncabezado +
                          " -12.500 98.200\r\n"
                          "                 -5.250-3.100\r\n"
                          "\r\n"
                          "                                -2.000 100.100 1 2.00 100.050\r\n"
                          "                                                0.000 100.000\r\n"
                          "   cota del eje\r\n"
                          "\fLISTADO DE SECCIONES   Pagina 2\r\n"
                          "   3.000 3.000\r\n"  // the page header is skipped
                          " pk:    1250.000   EJE 1\r\n"
                          "                                                3.500 99.930\r\n"
                          "\f\r\n"
                          "  ******\r\n"
                          "   99.000 99.000\r\n"
                          " pk:    1270.000\r\n" + kEncabezado +
                          " -10.000\t99.000\r\n"
                          "\fLISTADO DE SECCIONES   Pagina 3\r\n"
                          " pk:    1300.000\r\n" + kEncabezado +
                          "                                                1.000 2.000");
    const std::vector<SeccionLeida> want = {
        {1250,
         {{'T', -12.5, 98.2},
          {'C', -5.25, -3.1},
          {'S', -2, 100.1},
          {'R', 2, 100.05},
          {'R', 0, 100},
          {'R', 3.5, 99.93}}},
        {1270, {{'T', -10, 99}}},
        {1300, {{'R', 1, 2}}},
    };
    EXPECT_EQ(got, want);
}

TEST(IspolSecciones, HeadersWithoutPointsGiveNoSection) {
    testing_support::TempDir dir;
    EXPECT_TRUE(Leer(dir, "").empty());
    EXPECT_TRUE(Leer(dir, " pk:    1250.000\r\n" + kEncabezado + "   sin datos\r\n pk:    1260.000\r\n").empty());
}

}  // namespace
