#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "common/numbers.h"

namespace {

TEST(FormatMasks, EmptyMaskGivesTheGeneralForm) {
    struct Case {
        double value;
        const char* mask;
        char sep;
        const char* out;
    };
    const Case cases[] = {
        {12.3456, "0.000", '.', "12.346"}, {12.3456, "0.000", ',', "12,346"}, {0.5, "", '.', "0.5"},
        {-0.25, "", ',', "-0,25"},         {12.345, "", '.', "12.345"},       {0, "", '.', "0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Num::Format(c.value, c.mask, c.sep), c.out) << c.value << " " << c.mask;
    }
}

// The plain masks take a road that does not build the exact decimal expansion;
// the texts must be those of the exact road all the same.
TEST(FormatMasks, HalvesAreDecidedByTheStoredValue) {
    // 0.035 is stored as 0.035000000000000003..., 1.005 as 1.00499999999999989...
    EXPECT_EQ(Num::Format(0.035, "0.00", '.'), "0.04");
    EXPECT_EQ(Num::Format(-0.035, "0.00", '.'), "-0.04");
    EXPECT_EQ(Num::Format(1.005, "0.00", '.'), "1.00");
    EXPECT_EQ(Num::Format(0.125, "0.00", '.'), "0.13");
}

TEST(FormatMasks, PlainMasksGiveTheExactExpansionTexts) {
    std::vector<double> values = {0.0005, 0.0015, 1.0005, 2.5, 0.5, 1.5, -0.5, -2.5, 0.125, -0.125, 1.005, 0.00049999,
                                  999.9995, 4503599627.3704995, 1e15, 4.5e15, 1e300, -0.0004, -0.0, 123456.78950,
                                  0.45, 0.55, 1.45, 2.675, 1e-300, 5e-324};
    std::mt19937_64 random(20240607);
    std::uniform_real_distribution<double> wide(-1e7, 1e7);
    std::uniform_int_distribution<std::int64_t> ties(-100000000, 100000000);
    for (int i = 0; i < 200000; ++i) {
        values.push_back(wide(random));
        // Values written with up to 6 decimals, half of them near the rounding points.
        values.push_back(static_cast<double>(ties(random)) / 1000000.0);
        values.push_back((static_cast<double>(ties(random)) + 0.5) / 10000.0);
    }
    // Short decimals one place finer than a mask: their doubles lie a hair off the
    // half, and the fast road must see on which side (0.035 is stored above it).
    for (int i = 0; i < 200000; ++i) {
        values.push_back(i / 1000.0);
        values.push_back(i / 100000.0);
    }
    // Every number of digits: powers of ten and the values just below them.
    for (double ten = 1e-6; ten < 1e16; ten *= 10) {
        for (double value : {ten, ten - ten / 1e6, ten * 0.99999999, ten * 9.999999}) {
            values.push_back(value);
            values.push_back(-value);
        }
    }
    for (const char* mask : {"0", "0.0", "0.00", "0.000", "0.0000", "0.00000"}) {
        for (double value : values) {
            ASSERT_EQ(Num::Format(value, mask, ','), Num::detail::FormatExact(value, mask, ',')) << value << " " << mask;
        }
    }
}

}  // namespace
