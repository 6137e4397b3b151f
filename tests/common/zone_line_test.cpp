// The office line built in the output's buffer against PrintLine, the general road
// it stands in for, over the values where the two could part: signs and zeros,
// halves, zones filled to the last column, and what it must leave to PrintLine.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "common/buffered_output.h"
#include "common/eight_digits.h"
#include "common/print_line.h"
#include "common/zone_line.h"
#include "support/files.h"

namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;

std::string Mask(int decimals) { return decimals == 0 ? "0" : "0." + std::string(decimals, '0'); }

std::string General(std::string_view name, const std::vector<ZoneNumber>& numbers, char sep) {
    PrintLine line;
    line.Bytes(name);
    for (const ZoneNumber& n : numbers) line.Zone().Format(n.value, n.decimals < 0 ? "#0.0" : Mask(n.decimals), sep);
    return line.Finish();
}

TEST(ZoneLine, SameBytesAsPrintLineOrLeftToIt) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Row {
        std::string name;
        std::vector<ZoneNumber> numbers;
        char sep;
        bool taken;
    };
    const std::vector<Row> rows = {
        {"P1        ", {{123.45675, 4}, {-0.00004, 4}, {-0.0, 3}, {1.0005, 3}, {2.5, 0}}, '.', true},
        {"P1        ", {{0.125, 2}, {-0.125, 2}, {0.035, 2}, {99999.99995, 4}}, ',', true},
        // Fourteen characters fill a zone; the name may fill the first.
        {"ABCDEFGHIJKLMN", {{123456789.0001, 4}, {1, 5}}, '.', true},
        {"N", {{-12345678.9999, 4}, {7, 1}}, '.', true},
        // The last number may run on past its zone.
        {"N", {{1, 0}, {1234567890.12345, 5}}, '.', true},
        // Fifteen characters push the next item a zone further: PrintLine's.
        {"N", {{-123456789.0001, 4}, {1, 3}}, '.', false},
        {"ABCDEFGHIJKLMNO", {{1, 3}}, '.', false},
        {"", {{1, 3}}, '.', false},
        {"N", {{1, -1}, {2, 3}}, '.', false},
        {"N", {{1e300, 3}, {2, 3}}, '.', false},
    };
    TempDir dir;
    for (const Row& row : rows) {
        const std::string file = dir.File("line.txt");
        bool taken = false;
        {
            BufferedOutput out(file);
            taken = WriteZoneLine(out, row.name, row.numbers, row.sep);
            out.Commit();
        }
        EXPECT_EQ(taken, row.taken) << row.name << " " << row.numbers[0].value;
        EXPECT_EQ(ReadBytes(file), taken ? General(row.name, row.numbers, row.sep) : "") << row.name;
    }
    // One line worked out by hand: zones at columns 15, 29 and 43.
    // Halves of exact values go away from zero; 1.0005 is a hair below its half.
    EXPECT_EQ(General("P1        ", {{-0.0, 3}, {0.125, 2}, {1.0625, 3}, {1.0005, 3}}, ','),
              "P1            0,000         0,13          1,063         1,000\r\n");
    // Not finite: left to the writer that names the field.
    BufferedOutput out(dir.File("nan.txt"));
    EXPECT_FALSE(WriteZoneLine(out, "P", std::vector<ZoneNumber>{{1, 3}, {nan, 3}}, '.'));
    EXPECT_EQ(out.Size(), 0u);
}

// Numbers that come with the count of units they were read from: written from
// the count, except at an exact half of the last place, which the double decides.
TEST(ZoneLine, NumbersWithTheirCounts) {
    const auto count = [](std::uint32_t units, int places, bool negative) {
        const std::string digits = std::to_string(units);
        const std::string eight = std::string(8 - digits.size(), '0') + digits;
        return Num::FixedPoint{Num::FixedPoint::kZeros, EightDigits::Load(eight.data()), places, negative};
    };
    const Num::FixedPoint half = count(12345, 4, false);  // 1.2345, held as 1.23449999...
    const Num::FixedPoint zero = count(0, 3, true);
    const Num::FixedPoint angle = count(1502500, 4, false);
    const std::vector<ZoneNumber> numbers = {{1.2345, 3, &half}, {-0.0, 3, &zero}, {150.25, 4, &angle}};
    TempDir dir;
    const std::string file = dir.File("counts.txt");
    {
        BufferedOutput out(file);
        ASSERT_TRUE(WriteZoneLine(out, "P1", numbers, '.'));
        out.Commit();
    }
    EXPECT_EQ(ReadBytes(file), "P1            1.234         0.000         150.2500\r\n");
}

TEST(ZoneLine, LinesAcrossTheOutputBuffer) {
    // More lines than one buffer holds: each is built where the last one ended.
    TempDir dir;
    const std::string file = dir.File("many.txt");
    std::string expected;
    {
        BufferedOutput out(file);
        for (int i = 0; i < 20000; ++i) {
            const std::vector<ZoneNumber> numbers = {{i * 0.001, 3}, {-i * 0.5, 1}};
            ASSERT_TRUE(WriteZoneLine(out, "Q" + std::to_string(i), numbers, '.'));
            expected += General("Q" + std::to_string(i), numbers, '.');
        }
        out.Commit();
    }
    EXPECT_EQ(ReadBytes(file), expected);
}

}  // namespace
