// TCP typical sections, written by hand: the code ranges of both layouts, and the
// layers joined at their edges.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design_readers/tcp.h"
#include "support/files.h"
#include "support/section_points.h"

namespace {

using testing_support::SeccionLeida;

std::vector<SeccionLeida> Leer(const testing_support::TempDir& dir, const std::string& texto, bool version4,
                               char rasante) {
    testing_support::WriteBytes(dir.File("sec.txt"), texto);
    return testing_support::Secciones([&](const design_readers::EscribirSeccion& escribir) {
        design_readers::LeerSeccionesTCP(dir.File("sec.txt"), version4, rasante, escribir);
    });
}

TEST(TCPSecciones, CodeRangesAndJoinsOfTheLayers) {
    testing_support::TempDir dir;
    const std::string tcp =
        "PK DESPL COTA CODIGO\r\n"
        "100 -10 98 60\r\n"
        "100 -6 99 59\r\n"
        "100 -3.5 100 20\r\n"
        "100 0 100.1 0\r\n"
        "100 3.5 100 20.5\r\n"
        "100 3.5 100 21\r\n"
        "100 8 98.5 99\r\n"
        "100 9 97 100\r\n"
        "100 -12 96 -1\r\n"
        "120\t-9\t97\t70\r\n"
        "120 -2 100 5\r\n"
        "\r\n"
        "120 2 100 5\r\n"
        "120 9 97 70\r\n"
        "130 1 101 10";
    const std::vector<SeccionLeida> want = {
        {100,
         {{'T', -10, 98, "60"},
          {'T', -6, 99, "59"},
          {'T', 3.5, 100, "21"},
          {'T', 8, 98.5, "99"},
          {'C', -6, 99, "59"},
          {'C', -3.5, 100, "20"},
          {'C', 0, 100.1, "0"},
          {'C', 3.5, 100, "21"},
          {'R', -3.5, 100, "20"},
          {'R', 0, 100.1, "0"}}},
        // Without C the rasante's outer points close the taludes.
        {120,
         {{'T', -9, 97, "70"},
          {'T', -2, 100, "5"},
          {'T', 2, 100, "5"},
          {'T', 9, 97, "70"},
          {'R', -2, 100, "5"},
          {'R', 2, 100, "5"}}},
        {130, {{'R', 1, 101, "10"}}},
    };
    EXPECT_EQ(Leer(dir, tcp, false, 'R'), want);

    // V4: 20.5 is rasante here; 99 the last taludes code, 100 dropped.
    const std::string v4 = "5 -3 1 61\n5 -2 1 60\n5 -1 1 41\n5 0 1 40\n5 1 1 40.5\n5 2 1 20.5\n5 3 1 99\n5 4 1 100\n";
    const std::vector<SeccionLeida> want4 = {{5,
                                              {{'T', -3, 1, "61"},
                                               {'T', -2, 1, "60"},
                                               {'T', 2, 1, "20.5"},
                                               {'T', 3, 1, "99"},
                                               {'C', -2, 1, "60"},
                                               {'C', -1, 1, "41"},
                                               {'S', 0, 1, "40"},
                                               {'S', 2, 1, "20.5"}}}};
    EXPECT_EQ(Leer(dir, v4, true, 'S'), want4);
}

}  // namespace
