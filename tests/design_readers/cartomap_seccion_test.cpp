// Cartomap typical sections, written by hand from the field layouts: a chainage line,
// a 7-field line (chainage and first point), 6-field point lines; offsets increase.
// The layer choice and the refused alzado are driven from the window in
// scenarios/design_readers/cartomap_sections.scn.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design_readers/cartomap.h"
#include "support/files.h"
#include "support/section_points.h"

namespace {

using testing_support::SeccionLeida;
using testing_support::WriteBytes;

TEST(CartomapSecciones, ChainagesIncreasingOffsetsAndTheLastLine) {
    testing_support::TempDir dir;
    WriteBytes(dir.File("sec.txt"),
               "CARTOMAP secciones\r\n"
               "PK\tX\tY\tD\tZ\tC\tK\r\n"
               "0+100\t0\t0\t-5\t0\t100\t1\r\n"
               "1\t2\t-2\t0\t99\t0\r\n"
               "1\t2\t-3\t0\t98\t0\r\n"  // left of the last point: dropped
               "\r\n"
               "1\t2\t-2\t0\t97\t0\r\n"  // the same offset: dropped
               "D\tX\tY\tZ\tQ\tR\r\n"    // a repeated header
               "1\t2\t3\r\n"             // no section line
               "1\t2\t4\t0\t100\t0\r\n"
               "0+120\r\n"
               "1 2 -1 0 101 0\r\n"
               "0+130\t0\t0\t-1\t0\t102\tx");  // a section begun on the last line
    const auto got = testing_support::Secciones([&](const design_readers::EscribirSeccion& escribir) {
        design_readers::LeerSeccionesCartomap(dir.File("sec.txt"), 'R', escribir);
    });
    const std::vector<SeccionLeida> want = {
        {100, {{'R', -5, 100}, {'R', -2, 99}, {'R', 4, 100}}},
        {120, {{'R', -1, 101}}},
        {130, {{'R', -1, 102}}},
    };
    EXPECT_EQ(got, want);
}

}  // namespace
