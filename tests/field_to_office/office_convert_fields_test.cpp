#include "field_to_office/convert_fields.h"

#include <gtest/gtest.h>


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

}  // namespace
