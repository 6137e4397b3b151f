#include "common/ktw_word.h"
#include "common/numbers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <variant>

namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kDeg = kPi / 180.0;

// ---------------------------------------------------------------- Palabra_KTW

struct PalabraCase {
    const char* name;
    bool marca;
    std::int16_t decimales;
    const char* wi;
    const char* valor;
    const char* expected;
};

class PalabraKTWTest : public ::testing::TestWithParam<PalabraCase> {};

TEST_P(PalabraKTWTest, BuildsTheWord) {
    const PalabraCase& c = GetParam();
    std::string palabra = "left over";
    GM::Palabra_KTW(c.marca, c.decimales, c.wi, c.valor, palabra);
    EXPECT_EQ(palabra, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Words, PalabraKTWTest,
    ::testing::Values(
        PalabraCase{"MarkedCoordinate", true, 0, "84..10", "1234.567", "*84..10+0000000001234567 "},
        PalabraCase{"Keyword", false, 0, "71....", "STRAIGHT", "71....+00000000STRAIGHT "},
        PalabraCase{"LineKeyword", true, 0, "71....", "LINE", "*71....+000000000000LINE "},
        PalabraCase{"TinyNegativeKeepsSign", false, 3, "81..10", "-0.0004",
                    "81..10-0000000000000000 "},
        PalabraCase{"CommaEndsTheNumber", false, 3, "81..10", "1234,567",
                    "81..10+0000000001234000 "},
        PalabraCase{"Negative", false, 3, "85..10", "-250.5", "85..10-0000000000250500 "},
        PalabraCase{"Zero", false, 3, "85..10", "0", "85..10+0000000000000000 "},
        PalabraCase{"Blank", false, 0, "85..10", "   ", "85..10+0000000000000000 "},
        PalabraCase{"Trimmed", false, 0, "81..10", "  12.5  ", "81..10+0000000000012500 "},
        PalabraCase{"OneThousandth", false, 0, "81..10", "0.001", "81..10+0000000000000001 "},
        PalabraCase{"ValStopsAtSecondSign", false, 0, "81..10", "1-2", "81..10+0000000000001000 "},
        PalabraCase{"WiCutAtSix", false, 0, "84..10XYZ", "1", "84..10+0000000000001000 "},
        PalabraCase{"TextWithDigits", false, 0, "41....", "12a", "41....+000000000000012a "},
        PalabraCase{"TextOfSixteen", false, 0, "41....", "ABCDEFGHIJKLMNOP",
                    "41....+ABCDEFGHIJKLMNOP "},
        PalabraCase{"ValueCutAtSixteen", false, 0, "41....", "ABCDEFGHIJKLMNOPQRS",
                    "41....+ABCDEFGHIJKLMNOP "},
        // Characters, not bytes, fill the data columns.
        PalabraCase{"AccentedName", true, 0, "41....", "C:\\CAMI\xC3\x93N.",
                    "*41....+000000C:\\CAMI\xC3\x93N. "},
        PalabraCase{"AccentedCutAtSixteen", false, 0, "41....", "ABCDEFGHIJKLMNO\xC3\x91Q",
                    "41....+ABCDEFGHIJKLMNO\xC3\x91 "},
        // Tunelix header words of an output named C:\EJE.KTW.
        PalabraCase{"HeaderName", true, 0, "41....", "C:\\EJE.", "*41....+000000000C:\\EJE. "},
        PalabraCase{"HeaderKind", false, 0, "42....", "SITUATION", "42....+0000000SITUATION "},
        // More than three decimals: rounded to whole thousandths, never a "." in the data.
        PalabraCase{"FourDecimalsRoundUp", false, 3, "81..10", "1234.5678",
                    "81..10+0000000001234568 "},
        PalabraCase{"FourDecimalsRoundDown", false, 3, "82..10", "-12.3454",
                    "82..10-0000000000012345 "},
        PalabraCase{"HalfToEvenDown", false, 3, "81..10", "0.0625", "81..10+0000000000000062 "},
        PalabraCase{"HalfToEvenUp", false, 3, "81..10", "0.1875", "81..10+0000000000000188 "},
        // Sixteen digits of thousandths: plain digits, no exponent form.
        PalabraCase{"SixteenDigits", false, 3, "81..10", "9999999999999.99",
                    "81..10+9999999999999990 "}),
    [](const ::testing::TestParamInfo<PalabraCase>& info) { return std::string(info.param.name); });

// A value word straight from the double: the value is written to three decimals
// (halves of the exact decimal away from zero), and that text is the word's value,
// cut at sixteen characters like any text. Each word is also the one the text road
// (Format, then Palabra_KTW) gives.
TEST(PalabraKTWMilesimas, IsTheWordOfTheRoundedText) {
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        {0, "81..10+0000000000000000 "},
        {1.001, "81..10+0000000000001001 "},      // 1000.9999999999999 once multiplied
        {-250.5, "81..10-0000000000250500 "},
        {0.0625, "81..10+0000000000000063 "},     // an exact half, away from zero
        {2.0005, "81..10+0000000000002001 "},     // the double lies above the half
        {-0.0004, "81..10+0000000000000000 "},    // rounds to zero: no minus sign
        {-0.0005, "81..10-0000000000000001 "},    // the double lies beyond the half
        // Sixteen characters of text, the longest that is read whole.
        {123456789012.345, "81..10+0123456789012345 "},
        {-12345678901.2345, "81..10-0012345678901235 "},
        // Either side of 10^11, where the text with a sign may no longer fit: the
        // doubles lie within 0.00001 of these, so they round to .999 and to the next
        // whole number.
        {99999999999.9994, "81..10+0099999999999999 "},
        {-99999999999.9994, "81..10-0099999999999999 "},
        {99999999999.9996, "81..10+0100000000000000 "},
        // Seventeen: the word reads "1234567890123.45".
        {1234567890123.456, "81..10+1234567890123450 "},
        // 100000000000000000000.000 is read as its first sixteen digits.
        {1e20, "81..10+1000000000000000000 "},
    };
    for (const auto& c : cases) {
        char fast[GM::kPalabraKTWMaxBytes];
        EXPECT_EQ(std::string(fast, GM::Poner_Palabra_KTW_Milesimas(fast, false, "81..10", c.value)), c.expected)
            << c.value;
        std::string word;
        GM::Palabra_KTW(false, 3, "81..10", Num::Format(c.value, "0.000", '.'), word);
        EXPECT_EQ(word, c.expected) << c.value;
    }
    char marked[GM::kPalabraKTWMaxBytes];
    EXPECT_EQ(std::string(marked, GM::Poner_Palabra_KTW_Milesimas(marked, true, "84..10", 7)),
              "*84..10+0000000000007000 ");
}

// ---------------------------------------------------------------- whole numbers

struct WholeCase {
    const char* text;
    std::int64_t expected;
};

class KTWWholeNumberTest : public ::testing::TestWithParam<WholeCase> {};

TEST_P(KTWWholeNumberTest, ReadsLikeVal) {
    EXPECT_EQ(Strings::KTWWholeNumber(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, KTWWholeNumberTest,
    ::testing::Values(WholeCase{"+00012345", 12345}, WholeCase{"-00012345", -12345},
                      WholeCase{"abc", 0}, WholeCase{"12a4", 12}, WholeCase{"  -12 3", -123},
                      // Sixteen data digits: beyond 32 bits and beyond a double's 2^53.
                      WholeCase{"+9999999999999999", 9999999999999999LL},
                      WholeCase{"-1234567890123457", -1234567890123457LL}));

// ---------------------------------------------------------------- KTWWordValue

struct NumberCase {
    const char* name;
    const char* word;
    int wi;
    bool wide;
    double expected;
};

class KTWNumberWordTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(KTWNumberWordTest, GivesRadiansOrMetres) {
    const NumberCase& c = GetParam();
    const Strings::KTWValue v = Strings::KTWWordValue(c.word, c.wi, c.wide);
    ASSERT_TRUE(std::holds_alternative<double>(v));
    EXPECT_DOUBLE_EQ(std::get<double>(v), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Words, KTWNumberWordTest,
    ::testing::Values(
        NumberCase{"Gon", "210002+10000000 ", 21, false, kPi / 2},
        NumberCase{"GonNegative", "210002-05000000 ", 21, false, -kPi / 4},
        NumberCase{"Degrees", "220003+04500000 ", 22, false, kPi / 4},
        NumberCase{"Mil", "240005+16000000 ", 24, false, kPi / 2},
        NumberCase{"Sexagesimal", "220004+09030150 ", 22, false,
                   (90.0 + 30.0 / 60.0 + 15.0 / 3600.0) * kDeg},
        // The sign belongs to the whole angle, also below one degree.
        NumberCase{"SexagesimalBelowOneDegree", "210004-00030000 ", 21, false, -0.5 * kDeg},
        NumberCase{"SexagesimalNegative", "210004-00130000 ", 21, false, -1.5 * kDeg},
        NumberCase{"SexagesimalTenths", "210004-00000005 ", 21, false, -0.5 / 3600.0 * kDeg},
        NumberCase{"WideGon", "210002+0000000010000000 ", 21, true, kPi / 2},
        NumberCase{"WideSexagesimal", "220004+0000000009030150 ", 22, true,
                   (90.0 + 30.0 / 60.0 + 15.0 / 3600.0) * kDeg},
        // Eleven digits of degrees do not fit 16 bits.
        NumberCase{"WideSexagesimalManyDegrees", "220004-0000400000000000 ", 22, true,
                   -4000000.0 * kDeg},
        NumberCase{"Millimetres", "310000+00012345 ", 31, false, 12.345},
        NumberCase{"ThousandthsOfFoot", "320001+00010000 ", 32, false, 10000 / 3280.83989501},
        NumberCase{"TenthsOfMillimetre", "330006-00012345 ", 33, false, -1.2345},
        NumberCase{"TenThousandthsOfFoot", "580007+00010000 ", 58, false, 10000 / 32808.3989501},
        NumberCase{"HundredthsOfMillimetre", "810008-00012345 ", 81, false, -0.12345},
        NumberCase{"WideMillimetres", "810000+1234567890123456 ", 81, true, 1234567890123.456},
        NumberCase{"WideSixteenNines", "820000+9999999999999999 ", 82, true,
                   9999999999999999.0 / 1000.0},
        NumberCase{"ShortLastWord", "830000+05", 83, false, 0.005}),
    [](const ::testing::TestParamInfo<NumberCase>& info) { return std::string(info.param.name); });

struct EmptyCase {
    const char* word;
    int wi;
};

class KTWEmptyWordTest : public ::testing::TestWithParam<EmptyCase> {};

TEST_P(KTWEmptyWordTest, UnitDigitOutsideTheTableGivesNoValue) {
    EXPECT_TRUE(std::holds_alternative<std::monostate>(
        Strings::KTWWordValue(GetParam().word, GetParam().wi, false)));
}

INSTANTIATE_TEST_SUITE_P(Words, KTWEmptyWordTest,
                         ::testing::Values(EmptyCase{"210009+10000000 ", 21},
                                           EmptyCase{"220000+10000000 ", 22},
                                           EmptyCase{"310009+00012345 ", 31},
                                           EmptyCase{"81..1.+00012345 ", 81},
                                           EmptyCase{"2100", 21}, EmptyCase{"3100", 31}));

struct TextCase {
    const char* word;
    int wi;
    bool wide;
    const char* expected;
};

class KTWTextWordTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(KTWTextWordTest, DropsLeadingZeros) {
    const TextCase& c = GetParam();
    const Strings::KTWValue v = Strings::KTWWordValue(c.word, c.wi, c.wide);
    ASSERT_TRUE(std::holds_alternative<std::string_view>(v));
    EXPECT_EQ(std::get<std::string_view>(v), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Words, KTWTextWordTest,
    ::testing::Values(TextCase{"110000+00000P12 ", 11, false, "P12 "},
                      TextCase{"110000+00000000 ", 11, false, " "},
                      TextCase{"110000+00000000", 11, false, "0"},
                      TextCase{"410000-0000TREE ", 41, false, "TREE "},
                      TextCase{"71....+00000100 ", 71, false, "100 "},
                      TextCase{"110000+000000000000P123 ", 11, true, "P123 "},
                      TextCase{"710000+ABCDEFGHIJKLMNOP ", 71, true, "ABCDEFGHIJKLMNOP "},
                      TextCase{"1100", 11, false, ""}));

}  // namespace
