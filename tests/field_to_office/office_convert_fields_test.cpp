#include "field_to_office/convert_fields.h"

#include <gtest/gtest.h>

#include "field_to_office/number_text.h"

namespace {

TEST(ConvertCoords, CommaAndRightJustification) {
    struct Case {
        const char* in;
        int decimals;
        int length;
        const char* out;
    };
    const Case cases[] = {
        {"123,456      ", 3, 13, "      123.456"},  // a fixed-width field written with a comma
        {"123.456      ", 3, 13, "      123.456"},  // with a point: only justified
        {"-5,0000", 2, 7, "-5.00"},                // no padding: two decimals kept, nothing added
        {"101,200", 2, 9, "101.20"},
        {"1,5    ", 3, 7, "    1.5"},               // fewer decimals than asked: all kept
        {"12345,6", 1, 4, "12345,6"},              // the comma lies past the first iLength characters
        {"5.000", 3, 5, "5.000"},                  // already full
        {"       ", 3, 7, "       "},
        {"ab   ", 0, 2, "  ab "},                  // at most iLength blanks move
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        std::string text = c.in;
        EXPECT_EQ(Convert_Coords(text, static_cast<std::int16_t>(c.decimals), static_cast<std::int16_t>(c.length)),
                  c.out);
        EXPECT_EQ(text, c.out);
    }
}

TEST(ConvertString, MovesTrailingBlanksToTheFront) {
    std::string text = "0    ";
    EXPECT_EQ(Convert_String(text, 5), "    0");
    text = "P1";
    EXPECT_EQ(Convert_String(text, 6), "P1");
}

TEST(FixedFields, NumbersAndTexts) {
    std::string field;
    FixedNumberField(1000.1234, "0.000", 13, field);
    EXPECT_EQ(field, "     1000.123");
    FixedNumberField(-0.0004, "0.000", 13, field);
    EXPECT_EQ(field, "        0.000");
    // A number longer than its field is cut to the field.
    FixedNumberField(12345678901234.5, "0.000", 13, field);
    EXPECT_EQ(field, "1234567890123");
    FixedTextField("7", 6, field);
    EXPECT_EQ(field, "     7");
    FixedTextField("ABCDEFG", 5, field);
    EXPECT_EQ(field, "ABCDE");
}

TEST(FormatText, MaskOrGeneralForm) {
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
        EXPECT_EQ(FormatText(c.value, c.mask, c.sep), c.out) << c.value << " " << c.mask;
    }
}

}  // namespace

#include <random>

#include "common/numbers.h"

namespace {

// The writers format millions of numbers without building their exact decimal
// expansion; the texts must be those of Num::Format all the same.
TEST(FormatText, SameTextsAsTheSharedFormat) {
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
    for (const char* mask : {"0", "0.0", "0.00", "0.000", "0.0000", "0.00000"}) {
        for (double value : values) {
            ASSERT_EQ(FormatText(value, mask, ','), Num::Format(value, mask, ',')) << value << " " << mask;
        }
    }
}

}  // namespace
