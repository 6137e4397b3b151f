// The TCP planta and alzado readers.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "alignment_check.h"
#include "design_readers/tcp.h"
#include "field_writers/rechazo.h"
#include "support/files.h"

namespace {

using testing_support::TempDir;
using testing_support::WriteBytes;

std::vector<TAlzado> Alzado(const std::string& path) {
    return testing_support::Leido<TAlzado>(design_readers::LeerAlzadoTCP, path);
}

TEST(TCPAlzado, CasesBAndCWithAnInsertedGradeThenCaseA) {
    TempDir dir;
    // Vertices (0, 100), (200, 104; K -3000, 100 m curve), (400, 102), (600, 101).
    WriteBytes(dir.File("a.txt"),
               "* comentario\r\n"
               "PK Z K T X\r\n"                      // a column header: skipped
               "0 100 0 0 0\r\n"
               "200 104 -3000 50 0\r\n"
               "\f\r\n"
               "PK Z K T X\r\n"                      // repeated on the next page: skipped
               "400 102 0 0 0\r\n"
               "600\t101\t0\t0\t0");                 // TAB separated, no line end
    // B: g = 4/200, up to the curve start 150 (z 103). C: incoming (104-103)/50 = 0.02
    // against g = -0.01 falls: Kv -3000; the curve ends at 250, z 104 - 0.5 = 103.5,
    // 150 m short of 400: a grade is inserted and the last element becomes N 4.
    testing_support::ExpectElementos(Alzado(dir.File("a.txt")), {{1, 0, 100, 0.02, 0, 150},
                                                              {2, 150, 103, 0.02, -3000, 100},
                                                              {3, 250, 103.5, -0.01, 0, 150},
                                                              {4, 400, 102, -0.005, 0, 200}});
}

TEST(TCPAlzado, CaseDCurvesThatMeetGetNoGradeBetween) {
    TempDir dir;
    WriteBytes(dir.File("a.txt"), "0 100 0 0 0\n100 101 1500 50 0\n200 101 1500 50 0\n300 100 0 0 0\n");
    // D: incoming g_prev 0.01 over g 0 falls; the curve 50..150 meets the next one
    // (200 - 50). C: incoming (101 - 101) / 50 = 0 over -0.01 falls; end 250 -> grade to 300.
    testing_support::ExpectElementos(Alzado(dir.File("a.txt")), {{1, 0, 100, 0.01, 0, 50},
                                                              {2, 50, 100.5, 0.01, -1500, 100},
                                                              {3, 150, 101, 0, -1500, 100},
                                                              {4, 250, 100.5, -0.01, 0, 50}});
}

// Equal grades make a sag even where the entry grade, found from the end of the grade
// before (100.09 at 90), comes out 4e-16 above 0.001.
TEST(TCPAlzado, EqualGradesGiveAPositiveKv) {
    TempDir dir;
    WriteBytes(dir.File("a.txt"), "0 100.000 0 0 0\n100 100.100 5000 10 0\n200 100.200 0 0 0\n");
    testing_support::ExpectElementos(Alzado(dir.File("a.txt")), {{1, 0, 100, 0.001, 0, 90},
                                                              {2, 90, 100.09, 0.001, 5000, 20},
                                                              {3, 110, 100.11, 0.001, 0, 90}});
}

TEST(TCPAlzado, DivisionsByZeroAreRefusedByTheirLine) {
    testing_support::ExpectRechazos<TAlzado>(
        design_readers::LeerAlzadoTCP,
        {{"0 100 0 0 0\n*\n100 101 0 0 0\n100 102 0 0 0\n", "Línea 4: el vértice repite el P.K. del anterior."},
         {"0 100 2000 50 0\n200 104 0 0 0\n", "Línea 1: no se conoce la pendiente de entrada al acuerdo."},
         {"0 100 0 0 0\n100 101 2000 0 0\n200 100 0 0 0\n", "Línea 2: el acuerdo vertical tiene longitud nula."},
         // A first vertex has no incoming tangent, at any chainage and before a curve too.
         {"500 100 2000 50 0\n700 104 0 0 0\n", "Línea 1: no se conoce la pendiente de entrada al acuerdo."},
         {"500 100 2000 50 0\n700 104 2000 50 0\n900 100 0 0 0\n",
          "Línea 1: no se conoce la pendiente de entrada al acuerdo."},
         // Overlaps: a curve of half-length 120 on a vertex 100 m after the one before,
         // and a curve from 50 to 150 before a vertex at 120.
         {"0 100 0 0 0\n100 101 2000 120 0\n300 100 0 0 0\n",
          "Línea 2: el acuerdo vertical empieza antes del vértice anterior."},
         {"0 100 0 0 0\n100 101 2000 50 0\n120 100 0 0 0\n",
          "Línea 2: el acuerdo vertical se solapa con el tramo siguiente."}});
}

TEST(TCPPlanta, ElementsFromStartLinesAndTheEndRecordOnlyInFormat2) {
    TempDir dir;
    WriteBytes(dir.File("p.txt"),
               "PK X Y AZ A R\r\n"
               "0 1000 2000 50 0 0\r\n"
               "* 1 2 3 4 5\r\n"
               "100\t1070\t2070\t50\t-90\t300\r\n"
               "130 1090 2095 55 0 300\r\n"
               "210 1150 2140 80 0 0\r\n");
    // The clothoid: t = 5 gon = 0.0785 rad, from radius 0 (the line before) to 300:
    // tau 0.045 beats 0 -> the marker.
    std::vector<TPlanta> esperado = {{1, 0, 1000, 2000, 50, 0, 0, 100},
                                     {2, 100, 1070, 2070, 50, 0.001, 90, 30},
                                     {3, 130, 1090, 2095, 55, 300, 0, 80}};
    std::vector<TPlanta> p(1);
    design_readers::LeerPlantaTCP(dir.File("p.txt"), 0, p);
    testing_support::ExpectElementos(p, esperado);
    esperado.push_back({4, 210, 1150, 2140, 80, 0, 0, 0.01});
    p.assign(1, TPlanta{});
    design_readers::LeerPlantaTCP(dir.File("p.txt"), 2, p);
    testing_support::ExpectElementos(p, esperado);

    WriteBytes(dir.File("p.txt"), "0 1000 2000 50 0 0\n0 1000 2000 50 0 0\n");
    p.assign(1, TPlanta{});
    EXPECT_THROW(design_readers::LeerPlantaTCP(dir.File("p.txt"), 0, p), Rechazo);
}

}  // namespace
