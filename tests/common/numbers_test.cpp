#include "common/numbers.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

#include <stdexcept>
#include <string>

namespace {

struct ValCase {
    const char* text;
    double expected;
};

TEST(NumVal, ReadsTheLeadingNumber) {
    const ValCase cases[] = {
        {"1+234", 1.0},
        {"12,5", 12.0},
        {"1 2", 12.0},
        {" \t-1.5\n", -1.5},
        {"- 1 . 5", -1.5},
        {"", 0.0},
        {"abc", 0.0},
        {"+7", 7.0},
        {"--1", 0.0},
        {".5", 0.5},
        {"-.25", -0.25},
        {"1.", 1.0},
        {".", 0.0},
        {"1.2.3", 1.2},
        {"12+", 12.0},
        {"1E3", 1000.0},
        {"1e-2", 0.01},
        {"1D3", 1000.0},
        {"2.5d+1", 25.0},
        {"1E", 1.0},
        {"1E+", 1.0},
        {"1E 2", 100.0},
        {"12\r", 12.0},
        {"0.1", 0.1},
        {"3.14159265358979", 3.14159265358979},
        {"1234.567", 1234.567},
        {"000123.4500", 123.45},
        {"123456789012345678901234567890", 123456789012345678901234567890.0},
        {"1e-400", 0.0},
        {"0e999999", 0.0},
    };
    for (const auto& c : cases) EXPECT_EQ(Num::Val(c.text), c.expected) << "Val(\"" << c.text << "\")";
}

TEST(NumVal, NegativeZeroReadsAsZero) {
    EXPECT_FALSE(std::signbit(Num::Val("-0")));
    EXPECT_FALSE(std::signbit(Num::Val("-0.000")));
}

// Plain decimal texts take a road of their own; a letter after the number sends the
// same text down the general road, which must give the same double, bit for bit.
TEST(NumVal, PlainDecimalsReadAsTheGeneralRoadReadsThem) {
    for (const char* text : {"0", "-0", "-0.000", "7", "0012.50", "3.", " 479012.5003 ", "5709199.385799999",
                             "33479434.7456", "-158.7298999999999", "0.1", "1.7976931348623157",
                             "123456789012345678901234567890.123456789", "0.000000000000000000000000000123",
                             "2.2250738585072011e-308", "1234567890.12345", "123456789012345", "9007199254740993", "-0.3",
                             "0.0000000000000000000001", "0.00000000000000000000001"}) {
        const double plain = Num::Val(text);
        const double general = Num::Val(std::string(text) + "x");
        EXPECT_EQ(std::bit_cast<std::uint64_t>(plain), std::bit_cast<std::uint64_t>(general)) << text;
    }
    EXPECT_EQ(Num::Val(std::string("0.") + std::string(400, '0') + "1"), 0.0);
    EXPECT_THROW(Num::Val(std::string(400, '9')), std::overflow_error);
}

// The plain road against the general one where they part: digit counts around 15, 19
// and 2^53 (9007199254740992), 22 decimals and more, leading and trailing zeros,
// blanks and TABs around and inside, and texts the plain road leaves to the general
// one ("+5", ".5", exponents). Each must read bit for bit as the text with a letter
// after it; the expected values are the exact decimals rounded by the compiler.
TEST(NumVal, PlainRoadEdgesReadAsTheGeneralRoad) {
    const ValCase cases[] = {
        {"9007199254740992", 9007199254740992.0},
        {"9007199254740993", 9007199254740993.0},
        {"900719925474099.3", 900719925474099.3},
        {"9007199254740995.1", 9007199254740995.1},
        {"1234567890123456789", 1234567890123456789.0},
        {"12345678901234567890", 12345678901234567890.0},
        {"0.1234567890123456789", 0.1234567890123456789},
        {"18446744073709551617", 18446744073709551617.0},
        {"1.0000000000000000000000", 1.0},
        {"0.0000000000000000000001", 1e-22},
        {"0.00000000000000000000001", 1e-23},
        {"4503599627370497.5", 4503599627370497.5},
        {"000000000000000000000012.5", 12.5},
        {"5.", 5.0},
        {".5", 0.5},
        {"-.5", -0.5},
        {"+5", 5.0},
        {"+0.25", 0.25},
        {" \t 1.25 \t", 1.25},
        {"\t-7.75", -7.75},
        {"1 234.5", 1234.5},
        {"12.5e3", 12500.0},
        {"-1.5E-3", -0.0015},
        {"1.7976931348623157e308", 1.7976931348623157e308},
        {"4.9e-324", 4.9e-324},
        {"2.2250738585072011e-308", 2.2250738585072011e-308},
        {"479012.5003", 479012.5003},
        {"-0.0", 0.0},
    };
    for (const auto& c : cases) {
        const double plain = Num::Val(c.text);
        const double general = Num::Val(std::string(c.text) + "x");
        EXPECT_EQ(std::bit_cast<std::uint64_t>(plain), std::bit_cast<std::uint64_t>(c.expected)) << c.text;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(plain), std::bit_cast<std::uint64_t>(general)) << c.text;
    }
}

TEST(NumVal, ValueBeyondDoubleRangeOverflows) {
    EXPECT_THROW(Num::Val("1e400"), std::overflow_error);
    EXPECT_THROW(Num::Val("-2E+99999999999999"), std::overflow_error);
    EXPECT_THROW(Num::Val(std::string(320, '9')), std::overflow_error);
}

TEST(NumIsNumber, ValReadsTheWholeText) {
    for (const char* yes : {"5E1", "1.0D3", "2.E3", ".1E3", "5e1", "5E+1", "-6.0E3", "1E-05", "+7", " 12 ", "5.",
                            "1 2", "1E 2", "0"}) {
        EXPECT_TRUE(Num::IsNumber(yes)) << yes;
    }
    for (const char* no : {"5-2", "1.2.3", "--5", "5+", "5E", "5E+", "1,5", "", ".", "+", "E5", "5E1.5", "12\f"}) {
        EXPECT_FALSE(Num::IsNumber(no)) << no;
    }
}

struct StrCase {
    double value;
    const char* expected;
};

TEST(NumStr, RuntimeGeneralForm) {
    const StrCase cases[] = {
        {0.5, " .5"},
        {-0.25, "-.25"},
        {1234.567, " 1234.567"},
        {100.0, " 100"},
        {0.0, " 0"},
        {-0.0, " 0"},
        {-7.0, "-7"},
        {1e16, " 1E+16"},
        {1e15, " 1E+15"},
        {999999999999999.0, " 999999999999999"},
        {1e-5, " 1E-05"},
        {0.0001, " .0001"},
        {-1.5e-7, "-1.5E-07"},
        {1.0 / 3.0, " .333333333333333"},
        {2.0 / 3.0, " .666666666666667"},
        {123456789012345678.0, " 1.23456789012346E+17"},
        {1e-300, " 1E-300"},
        {0.1 + 0.2, " .3"},
        {12.5, " 12.5"},
    };
    for (const auto& c : cases) EXPECT_EQ(Num::Str(c.value), c.expected) << c.value;
    EXPECT_EQ(Num::StrTrim(0.5), ".5");
    EXPECT_EQ(Num::StrTrim(-0.5), "-.5");
}

struct FormatCase {
    double value;
    const char* mask;
    char separator;
    const char* expected;
};

TEST(NumFormat, MasksAndHalves) {
    const FormatCase cases[] = {
        {234.5, "0.000", '.', "234.500"},
        {234.5, "0.000", ',', "234,500"},
        {2.5, "0", '.', "3"},
        {0.5, "0", '.', "1"},
        {-2.5, "0", '.', "-3"},
        {0.125, "0.00", '.', "0.13"},
        {-0.375, "0.00", '.', "-0.38"},
        {1.005, "0.00", '.', "1.00"},
        {9.9996, "0.000", '.', "10.000"},
        {-0.0001, "0.000", '.', "0.000"},
        {-0.0, "0.000", '.', "0.000"},
        {0.0, "0", '.', "0"},
        {7.0, "000", '.', "007"},
        {1234.0, "000", '.', "1234"},
        {1234.56789, "0.0000", '.', "1234.5679"},
        {0.123456789, "0.00000", '.', "0.12346"},
        {3.0, "0.000000", '.', "3.000000"},
        {0.05, "0.0", '.', "0.1"},
        {12.25, "#####.####", '.', "12.25"},
        {0.5, "#####.####", '.', ".5"},
        {3.0, "#####.####", '.', "3."},
        {1200.00004, "#####.####", ',', "1200,"},
        {5.0, "#0.00", '.', "5.00"},
        {1e20, "0.0", '.', "100000000000000000000.0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Num::Format(c.value, c.mask, c.separator), c.expected) << c.value << " " << c.mask;
}

TEST(NumFormat, RoundedPlacesAndZeroPaddedDigits) {
    std::uint64_t n = 0;
    ASSERT_TRUE(Num::RoundToPlaces(-234.5, 3, n));
    EXPECT_EQ(n, 234500u);  // the magnitude
    ASSERT_TRUE(Num::RoundToPlaces(0.0625, 3, n));
    EXPECT_EQ(n, 63u);  // an exact half, away from zero
    EXPECT_FALSE(Num::RoundToPlaces(1.0, 6, n));
    EXPECT_FALSE(Num::RoundToPlaces(std::nan(""), 3, n));
    EXPECT_FALSE(Num::RoundToPlaces(4503599627370.5, 3, n));  // past 2^52 thousandths

    const struct {
        std::uint64_t n;
        const char* expected;
    } cases[] = {
        {0, "0000000000000000"},
        {7, "0000000000000007"},
        {99999999999999, "0099999999999999"},
        {1234567890123456, "1234567890123456"},
        {100000000, "0000000100000000"},          // a digit in each half
        {98765432109876543, "8765432109876543"},  // the last sixteen
    };
    for (const auto& c : cases) {
        char out[17] = {};
        Num::PutSixteenDigits(c.n, out);
        EXPECT_EQ(std::string(out, 16), c.expected) << c.n;
        EXPECT_EQ(out[16], '\0') << c.n;  // nothing written past them
    }
}

TEST(NumFormat, UnknownMaskCharacterIsRefused) {
    EXPECT_THROW(Num::Format(1.0, "0.0%", '.'), std::invalid_argument);
}

TEST(NumRounding, HalvesToEvenAndRangeChecks) {
    const struct {
        double value;
        double expected;
    } cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {0.5, 0}, {1.5, 2},
                 {2.4999, 2}, {2.5001, 3}, {-0.4, 0}, {1e300, 1e300}};
    for (const auto& c : cases) EXPECT_EQ(Num::RoundHalfEven(c.value), c.expected) << c.value;
    EXPECT_FALSE(std::signbit(Num::RoundHalfEven(-0.5)));

    EXPECT_EQ(Num::CInt(32767.4), 32767);
    EXPECT_EQ(Num::CInt(-32768.5), -32768);
    EXPECT_THROW(Num::CInt(32767.5), std::overflow_error);
    EXPECT_THROW(Num::CInt(-32768.6), std::overflow_error);
    EXPECT_EQ(Num::CLng(2147483646.5), 2147483646);
    EXPECT_THROW(Num::CLng(2147483647.5), std::overflow_error);
    EXPECT_THROW(Num::CLng(std::nan("")), std::overflow_error);

    EXPECT_EQ(Num::Int(-1.5), -2.0);
    EXPECT_EQ(Num::Fix(-1.5), -1.0);
    EXPECT_EQ(Num::Int(1.5), 1.0);
}

}  // namespace
