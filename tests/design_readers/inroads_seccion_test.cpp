// InRoads section reports, written by hand: lines of three numbers or more, one section
// a station.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design_readers/inroads.h"
#include "support/files.h"
#include "support/section_points.h"

namespace {

using testing_support::SeccionLeida;

TEST(InRoadsSecciones, StationsPaddedLinesAndTheLastLine) {
    testing_support::TempDir dir;
    testing_support::WriteBytes(dir.File("sec.txt"),
                                "Informe de secciones  1 2 3\r\n"
                                "  1+200   -3,5   100,25  \r\n"  // padded: still a point
                                "1+200\t0\t100,40\r\n"
                                "1+200 3.5 100.20 7\r\n"
                                "1+200 4 x\r\n"
                                "\r\n"
                                "* 1+210 1 1\r\n"
                                "1+210 -2 101\r\n"
                                "1.215E+3 -1.5 1.015E2\r\n"  // numbers with an exponent: 1215
                                "1+220 -1 102");  // its only line is the file's last
    const auto got = testing_support::Secciones([&](const design_readers::EscribirSeccion& escribir) {
        design_readers::LeerSeccionesInRoads(dir.File("sec.txt"), 'S', escribir);
    });
    const std::vector<SeccionLeida> want = {
        {1200, {{'S', -3.5, 100.25}, {'S', 0, 100.4}, {'S', 3.5, 100.2}}},
        {1210, {{'S', -2, 101}}},
        {1215, {{'S', -1.5, 101.5}}},
        {1220, {{'S', -1, 102}}},
    };
    EXPECT_EQ(got, want);
}

}  // namespace
