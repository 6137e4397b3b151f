// Numbers written from the digits of their count of units: texts worked out by
// hand, the cases the count must leave to the double, and a sweep over the counts
// that eight and sixteen data characters hold, checked against Format of the
// double a reader makes of them.

#include "common/fixed_point.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "common/eight_digits.h"
#include "common/numbers.h"

namespace {

// The count as its digits (up to sixteen), padded on the left with "0".
Num::FixedPoint Count(const std::string& digits, int places, bool negative = false) {
    const std::string sixteen = std::string(16 - digits.size(), '0') + digits;
    return {EightDigits::Load(sixteen.data()), EightDigits::Load(sixteen.data() + 8), places, negative};
}

// The text written, or "" when the count leaves it to the double.
std::string Written(const Num::FixedPoint& number, int decimals, char separator = '.') {
    char out[Num::kPlainFormatBytes];
    const std::size_t length = Num::FormatFixedPoint(number, decimals, separator, out);
    return std::string(out, length);
}

TEST(FixedPoint, TextsFromTheDigits) {
    const struct {
        std::string digits;
        int places;
        bool negative;
        int decimals;
        char separator;
        const char* expected;
    } cases[] = {
        // Thousandths with three places: the digits with a point before the last three.
        {"123456", 3, false, 3, '.', "123.456"},
        {"123456", 3, true, 3, ',', "-123,456"},
        {"12345678", 3, false, 3, '.', "12345.678"},
        {"5", 3, false, 3, '.', "0.005"},
        {"5", 3, true, 3, '.', "-0.005"},
        // Zero, whatever its sign, is written without one.
        {"0", 3, false, 3, '.', "0.000"},
        {"0", 3, true, 3, '.', "0.000"},
        {"0", 0, true, 0, '.', "0"},
        // More places than the count's: zeros after its decimals.
        {"123456", 3, false, 5, '.', "123.45600"},
        {"1300", 3, false, 4, '.', "1.3000"},
        {"7", 0, false, 0, '.', "7"},
        {"7", 0, true, 2, '.', "-7.00"},
        {"99999999", 0, false, 5, '.', "99999999.00000"},
        // Every digit a decimal but three: five places of a count of eight digits.
        {"12345678", 5, false, 5, '.', "123.45678"},
        {"1", 5, false, 5, '.', "0.00001"},
        // Angles in ten-thousandths of gon.
        {"3999999", 4, false, 4, '.', "399.9999"},
        {"1502500", 4, false, 4, ',', "150,2500"},
        // Fewer places than the count's: halves of the last kept place decide.
        {"12346", 4, false, 3, '.', "1.235"},
        {"12344", 4, false, 3, '.', "1.234"},
        {"12344", 4, true, 3, '.', "-1.234"},
        {"99999999", 3, false, 2, '.', "100000.00"},
        {"99999999", 5, true, 0, '.', "-1000"},
        {"4", 4, true, 3, '.', "0.000"},   // -0.0004 rounds to zero: no sign
        {"6", 4, true, 3, '.', "-0.001"},  // -0.0006
        {"149999", 5, false, 0, '.', "1"},
        // More than eight digits.
        {"1234567890123456", 3, false, 3, '.', "1234567890123.456"},
        {"1234567890123456", 3, true, 1, '.', "-1234567890123.5"},
        {"100000000", 0, false, 0, '.', "100000000"},
        {"100000000", 5, false, 2, '.', "1000.00"},
        {"4503599627370495", 3, false, 3, '.', "4503599627370.495"},  // 2^52 - 1 thousandths
        {"450359962737049", 3, false, 4, '.', "450359962737.0490"},
        // Left to the double: exact halves of the last kept place, which the
        // double lies above or below, and 2^52 units of the written places.
        {"12345", 4, false, 3, '.', ""},
        {"5", 1, false, 0, '.', ""},
        {"25", 5, true, 4, '.', ""},
        {"4503599627370496", 3, false, 3, '.', ""},
        {"450359962737050", 3, false, 4, '.', ""},
        {"4503599627370496", 5, false, 4, '.', ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Written(Count(c.digits, c.places, c.negative), c.decimals, c.separator), c.expected)
            << c.digits << " / 10^" << c.places << " to " << c.decimals;
    }
    // Places or decimals outside 0 to 5, or not known.
    EXPECT_EQ(Written(Count("1", -1), 3), "");
    EXPECT_EQ(Written(Count("1", 6), 6), "");
    EXPECT_EQ(Written(Count("1", 3), 6), "");
    EXPECT_EQ(Written(Num::FixedPoint{}, 3), "");
}

// The double a reader makes of the count: converted, then divided once.
double ReadDouble(std::uint64_t units, int places, bool negative) {
    static constexpr double kTens[] = {1, 10, 100, 1000, 10000, 100000};
    const double value = static_cast<double>(units) / kTens[places];
    return negative && units != 0 ? -value : value;
}

std::string Digits(std::uint64_t units) { return std::to_string(units); }

std::string Mask(int decimals) { return decimals == 0 ? "0" : "0." + std::string(static_cast<std::size_t>(decimals), '0'); }

// Whether the last `dropped` places of the count are exactly one half.
bool Half(std::uint64_t units, int dropped) {
    std::uint64_t scale = 1;
    for (int i = 0; i < dropped; ++i) scale *= 10;
    return dropped > 0 && 2 * (units % scale) == scale;
}

TEST(FixedPoint, AsFormatWritesTheDoubleReadFromTheDigits) {
    // Every count below 20000, and counts of every length up to sixteen digits
    // from a sequence that visits the digits at random, with both signs, every
    // places and every decimals.
    std::uint64_t state = 88172645463325252ULL;
    const auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    int fromCount = 0;
    for (int i = 0; i < 60000; ++i) {
        std::uint64_t units = static_cast<std::uint64_t>(i);
        if (i >= 20000) {
            const int length = 1 + i % 16;
            std::uint64_t limit = 1;
            for (int k = 0; k < length; ++k) limit *= 10;
            units = next() % limit;
        }
        for (int places = 0; places <= 5; ++places) {
            for (int decimals = 0; decimals <= 5; ++decimals) {
                for (bool negative : {false, true}) {
                    const std::string written = Written(Count(Digits(units), places, negative), decimals, ',');
                    if (written.empty()) {
                        // Only at an exact half or a count too large for the double.
                        EXPECT_TRUE(Half(units, places - decimals) || units >= (std::uint64_t{1} << 52) / 100000)
                            << units << " / 10^" << places << " to " << decimals;
                        continue;
                    }
                    ++fromCount;
                    ASSERT_EQ(written, Num::Format(ReadDouble(units, places, negative), Mask(decimals), ','))
                        << units << " / 10^" << places << " to " << decimals << (negative ? " negative" : "");
                }
            }
        }
    }
    EXPECT_GT(fromCount, 60000 * 60);  // nearly all were written from the count
}

}  // namespace
