// The words of a KTW point file, each expected word written out by hand from its
// layout: index, sign, data fitted to the width, one blank.

#include <gtest/gtest.h>

#include "office_to_field/ktw_point_words.h"

namespace {

using namespace ab_form_ktw;

TEST(KtwPointWords, FittingAndCoordinateTexts) {
    EXPECT_EQ(StrLength("P7", 8), "000000P7");
    EXPECT_EQ(StrLength("ABCDEFGHIJ", 8), "CDEFGHIJ");  // the rightmost W characters
    EXPECT_EQ(StrLength("", 4), "0000");
    // Text given as it stands: decimals cut or padded to three, the point removed.
    EXPECT_EQ(StrSort("12.5", 'Z', '+', 8), "83..10+00012500 ");
    EXPECT_EQ(StrSort("7", 'X', '+', 8), "81..10+00007000 ");
    EXPECT_EQ(StrSort("1.23456", 'Y', '-', 8), "82..10-00001234 ");
    EXPECT_EQ(StrSort("512345.679", 'X', '+', 16), "81..10+0000000512345679 ");
}

TEST(KtwPointWords, CoordinatesAreRoundedToTheMillimetre) {
    struct Case {
        double value;
        char eje;
        int width;
        const char* word;
    } const cases[] = {
        {12345.678, 'X', 8, "81..10+12345678 "},
        {2345.6789, 'Y', 8, "82..10+02345679 "},  // rounded up, not cut to ...678
        {123.4, 'Z', 8, "83..10+00123400 "},
        {4462694.952 - 4400000, 'X', 8, "81..10+62694952 "},  // 62694.951999... in binary
        {512345.6786, 'X', 16, "81..10+0000000512345679 "},
        {-12.5, 'Y', 8, "82..10-00012500 "},
        {-0.0004, 'X', 8, "81..10+00000000 "},  // rounds to zero: no "-"
        {100000.0, 'X', 8, "81..10+00000000 "},  // eight digits keep the last eight
        {0, 'Z', 16, "83..10+0000000000000000 "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CoordinateWord(c.value, c.eje, c.width), c.word) << c.value;
    }
    EXPECT_TRUE(IsZeroWord("81..10+00000000 "));
    EXPECT_TRUE(IsZeroWord("81..10+0000000000000000 "));
    EXPECT_FALSE(IsZeroWord("81..10-00000001 "));
}

TEST(KtwPointWords, PointNumberAndCodeWordsKeepTheirWidth) {
    EXPECT_EQ(PointNumberWord("P7", 1, 8), "110001+000000P7 ");
    EXPECT_EQ(PointNumberWord("P7", 9999, 8), "119999+000000P7 ");
    EXPECT_EQ(PointNumberWord("P7", 10000, 8), "110000+000000P7 ");
    EXPECT_EQ(PointNumberWord("1", 70002, 16), "110002+0000000000000001 ");
    EXPECT_EQ(CodeWord("C1", 8), "410001+000000C1 ");
    EXPECT_EQ(CodeWord("MURO", 16), "410001+000000000000MURO ");
    EXPECT_EQ(DefaultCodeWord(8), "410001+00000000");
    EXPECT_EQ(DefaultCodeWord(16), "410001+0000000000000000");
}

}  // namespace
