// The Trazado planta and alzado readers.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "alignment_check.h"
#include "design_readers/trazado.h"
#include "field_writers/rechazo.h"
#include "support/files.h"

namespace {

using testing_support::TempDir;
using testing_support::WriteBytes;

TEST(TrazadoPlanta, ClothoidsFirstLastAndInAnSCurve) {
    TempDir dir;
    WriteBytes(dir.File("p.txt"),
               "LISTADO DE PLANTA\r\n"
               "TIPO ELEM PK LONG X Y AZ R\r\n"  // eight tokens, not numbers: skipped
               "1 CLOT. 0,000 30,000 1000 2000 50 90\r\n"
               "2 CIRC 30 80 1010 2020 55 250,5\r\n"
               "\r\n"
               "TIPO ELEM PK LONG X Y AZ R\r\n"  // repeated after data: skipped too
               "3 CLOT. 110 30 1050 2080 80 90\r\n"
               "4 CLOT. 140 30 1080 2100 85 90\r\n"
               "1 2 3 4 5 6 7\r\n"
               "5 CIRC 170 50 1100 2120 80 -250,5\r\n"
               "6 CLOT. 220 30 1130 2150 70 100\r\n");
    // tau = 90^2 / (2 * 250.5^2) = 0.0645; every turn is 5 gon = 0.0785 rad.
    // 1: from radius 0 to 250.5 -> +0.001. 3: from 250.5 to the carried 250.5 -> +250.5.
    // 4: the S-curve, from zero curvature to -250.5 -> -0.001. 6: last, keeps -250.5.
    std::vector<TPlanta> p(1);
    design_readers::LeerPlantaTrazado(dir.File("p.txt"), p);
    testing_support::ExpectElementos(p, {{1, 0, 1000, 2000, 50, 0.001, 90, 30},
                                      {2, 30, 1010, 2020, 55, 250.5, 0, 80},
                                      {3, 110, 1050, 2080, 80, 250.5, 90, 30},
                                      {4, 140, 1080, 2100, 85, -0.001, 90, 30},
                                      {5, 170, 1100, 2120, 80, -250.5, 0, 50},
                                      {6, 220, 1130, 2150, 70, -250.5, 100, 30}});
}

std::vector<TAlzado> Alzado(const std::string& path) {
    return testing_support::Leido<TAlzado>(design_readers::LeerAlzadoTrazado, path);
}

TEST(TrazadoAlzado, GradesFillTheGapsAndTheLastHeaderEndsTheAxis) {
    TempDir dir;
    WriteBytes(dir.File("a.txt"),
               "LISTADO DE RASANTE\r\n"
               "P.K. INICIO 0,000 100,000 COTA \r\n"  // a trailing blank adds no token
               "TANGENTE 1 100,000 102,000 2,000\r\n"
               "KV 2 x x -5000\r\n"
               "FIN 3 200,000 103,000 0,000\r\n"
               "TANGENTE 2 200 103 0\r\n"
               "\r\n"
               "KV 2 x x 4000\r\n"
               "FIN 3 300 104 2\r\n"
               "TANGENTE 3 350 105 2\r\n"
               "KV 2 x x -3000\r\n"
               "FIN 3 450 106 -1\r\n"
               "P.K. FINAL 500,000 105,500 X");  // the last line, without a line end
    testing_support::ExpectElementos(Alzado(dir.File("a.txt")), {{1, 0, 100, 0.02, 0, 100},
                                                              {2, 100, 102, 0.02, -5000, 100},
                                                              {3, 200, 103, 0, 4000, 100},
                                                              {4, 300, 104, 0.02, 0, 50},
                                                              {5, 350, 105, 0.02, -3000, 100},
                                                              {6, 450, 106, -0.01, 0, 50}});
}

TEST(TrazadoAlzado, ACutGroupNoGroupOrNoEndChainageIsRefused) {
    testing_support::ExpectRechazos<TAlzado>(
        design_readers::LeerAlzadoTrazado,
        {{"P.K. I 0 100 C\nTANGENTE 1 100 102 2\nKV 2 x x -5000\n",
          "Línea 2: el grupo «TANGENTE» acaba con el fichero antes de sus tres líneas."},
         {"P.K. I 0 100 C\nP.K. F 500 100 C\n", "No contiene ningún acuerdo vertical (grupo «TANGENTE»)."},
         {"P.K. I 0 100 C\nTANGENTE 1 100 102 2\nKV 2 x x -5000\nFIN 3 200 103 0\n",
          "Falta la línea «P.K.» del final del eje tras el último acuerdo."}});
}

}  // namespace
