#include <gtest/gtest.h>

#include <string>

#include "common/chainage.h"
#include "common/string_helpers.h"

namespace {

TEST(PKStringToDouble, ChainageForms) {
    const struct {
        const char* text;
        double expected;
        const char* trimmed;
    } cases[] = {
        {"0+234.5", 234.5, "0+234.5"},
        {"-0+200", -200.0, "-0+200"},
        {"1-200", 800.0, "1-200"},
        {"-0-200", -200.0, "-0-200"},
        {"+0+500", 500.0, "+0+500"},
        {"-1+200", -1200.0, "-1+200"},
        {"-2-100", -2100.0, "-2-100"},  // the sign applies to the kilometres only
        {"123.45", 123.45, "123.45"},
        {"-123.45", -123.45, "-123.45"},
        {"", 0.0, ""},
        {" 1+5 ", 1005.0, "1+5"},
        {"12+", 12000.0, "12+"},
        {"1e400", 0.0, "1e400"},    // out of range: 0
        {"1e306+0", 0.0, "1e306+0"},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(Strings::PKStringToDouble(text), c.expected) << c.text;
        EXPECT_EQ(text, c.trimmed);
    }
}

TEST(IsChainage, NumbersOrKilometresAndMetres) {
    for (const char* yes : {"0+234.5", "-0+200", "+0+500", "1-200", " 1+5 ", "1.2E3", "-6.0E3", "123.45"}) {
        EXPECT_TRUE(Strings::IsChainage(yes)) << yes;
    }
    for (const char* no : {"1+", "+5-2-1", "1E+2+5", "1+-5", "+-1", "PK", "0+1a", ""}) {
        EXPECT_FALSE(Strings::IsChainage(no)) << no;
    }
}

TEST(ValorEnteroDoble, KilometresAndMetres) {
    const struct {
        const char* text;
        double expected;
        const char* trimmed;
    } cases[] = {
        {"0+234.567", 234.567, "0+234.567"},
        {" 2+000 ", 2000.0, "2+000"},
        {"1-5", 995.0, "1-5"},
        {"-12.3", -12.3, "-12.3"},
        // A plain chainage keeps its value.
        {"234.5", 234.5, "234.5"},
        {"", 0.0, ""},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(ab_form_services::Valor_Entero_Doble(text), c.expected) << c.text;
        EXPECT_EQ(text, c.trimmed);
    }
    std::string huge = "1e306+1";
    EXPECT_THROW(ab_form_services::Valor_Entero_Doble(huge), std::overflow_error);
}

// Both chainage parsers: a text that Val reads whole is that number, its exponent's
// sign no separator; km+m and plain numbers read as before.
TEST(ChainageParsers, AWholeNumberOrKilometresAndMetres) {
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"1.0E+2", 100.0}, {"1D+2", 100.0},  {"-2.5E+1", -25.0},  {"2.5E-1", 0.25}, {"100", 100.0},
        {"-5.5", -5.5},    {"0+100", 100.0}, {"1+000.5", 1000.5}, {"1-200", 800.0},
    };
    for (const auto& c : cases) {
        std::string a = c.text;
        std::string b = c.text;
        EXPECT_EQ(Strings::PKStringToDouble(a), c.expected) << c.text;
        EXPECT_EQ(ab_form_services::Valor_Entero_Doble(b), c.expected) << c.text;
    }
}

TEST(FormatDouble, PointAndRightJustification) {
    const struct {
        double value;
        const char* mask;
        std::int32_t alignment;
        std::int32_t width;
        const char* expected;
    } cases[] = {
        {234.5, "0.000", 1, 0, "234.500"},
        {234.5, "0.000", 2, 14, "       234.500"},
        {234.5, "0.000", 2, 5, "234.500"},
        {234.5, "0.000", 1, 14, "234.500"},
        {-0.0004, "0.000", 2, 7, "  0.000"},
        {0.00615, "0.0000", 2, 10, "    0.0062"},  // held as 0.00615000000000000008...
        {12.345675, "0.00000", 2, 16, "        12.34567"},  // held as 12.3456749999...
    };
    for (const auto& c : cases)
        EXPECT_EQ(Strings::FormatDouble(c.value, c.mask, c.alignment, c.width), c.expected) << c.value;
}

TEST(StringHelpers, JustifyCommasDecimals) {
    EXPECT_EQ(Strings::RightJustify(" ab ", 5), "   ab");
    EXPECT_EQ(Strings::RightJustify("abcdef", 3), "abcdef");
    EXPECT_EQ(Strings::RightJustify("\xC3\xB1", 3), "  \xC3\xB1");  // one character wide

    std::string t = "1,5,6 a";
    Strings::CommaToPoint(t);
    EXPECT_EQ(t, "1.5.6 a");

    const std::string withCommas = "1,234,567.5";
    EXPECT_EQ(Strings::RemoveCommas(withCommas), "1234567.5");
    EXPECT_EQ(withCommas, "1,234,567.5");

    const struct {
        const char* text;
        std::int32_t expected;
    } decimals[] = {{" 7,50 ", 2}, {"12,345", 3}, {"12", 0}, {"1.2.3", 3}, {"", 0}, {"5.", 0}};
    for (const auto& c : decimals) EXPECT_EQ(Strings::CountDecimals(c.text), c.expected) << c.text;
}

}  // namespace
