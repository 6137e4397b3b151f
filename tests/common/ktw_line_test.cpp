#include "common/ktw_record.h"

#include <gtest/gtest.h>

#include <string>

#include "common/ktw_word.h"

namespace {

constexpr double kPi = 3.14159265358979;

// Pads an ASCII text, or one with a single two-byte character, to 16 characters.
std::string Text16(const std::string& s) {
    std::size_t chars = 0;
    for (unsigned char c : s) chars += (c & 0xC0) != 0x80;
    return s + std::string(16 - chars, ' ');
}

Strings::TKTWRecord Parse(const std::string& line) {
    Strings::TKTWRecord r;
    Strings::ParseKTWLine(line, r);
    return r;
}

void ExpectCleared(const Strings::TKTWRecord& r) {
    const std::string blank(16, ' ');
    EXPECT_FALSE(r.HayEstacion);
    EXPECT_FALSE(r.HayAlturaInstrumento);
    EXPECT_FALSE(r.HayAlturaPrisma);
    for (const std::string* s : {&r.Estacion, &r.Punto, &r.Codigo1, &r.Codigo2, &r.Codigo3,
                                 &r.Codigo4, &r.Codigo5, &r.Codigo6, &r.Codigo7, &r.Codigo8,
                                 &r.Codigo9}) {
        EXPECT_EQ(*s, blank);
    }
    for (double d : {r.XEstacion, r.YEstacion, r.ZEstacion, r.Hz, r.V, r.DistGeometrica,
                     r.AlturaInstrumento, r.AlturaPrisma, r.X, r.Y, r.Z, r.Desnivel,
                     r.DistHorizontal}) {
        EXPECT_EQ(d, 0.0);
    }
}

// One word alone on a line, with the distances derived from it.
struct SingleWordCase {
    const char* line;
    double hz, v, distGeometrica, distHorizontal, desnivel;
};

class KTWSingleWordLineTest : public ::testing::TestWithParam<SingleWordCase> {};

TEST_P(KTWSingleWordLineTest, FillsAndDerives) {
    const SingleWordCase& c = GetParam();
    const Strings::TKTWRecord r = Parse(c.line);
    EXPECT_DOUBLE_EQ(r.Hz, c.hz);
    EXPECT_DOUBLE_EQ(r.V, c.v);
    EXPECT_DOUBLE_EQ(r.DistGeometrica, c.distGeometrica);
    EXPECT_DOUBLE_EQ(r.DistHorizontal, c.distHorizontal);
    EXPECT_DOUBLE_EQ(r.Desnivel, c.desnivel);
}

constexpr double kFeet10000 = 10000 / 3280.83989501;  // 3.048 m

INSTANTIATE_TEST_SUITE_P(
    Lines, KTWSingleWordLineTest,
    ::testing::Values(
        SingleWordCase{"210002+10000000 ", kPi / 2, 0, 0, 0, 0},
        SingleWordCase{"220004+09030150 ", 0, (90.0 + 30.0 / 60 + 15.0 / 3600) * kPi / 180, 0, 0, 0},
        SingleWordCase{"310000+00012345 ", 0, 0, 12.345, 0, 12.345},
        SingleWordCase{"320001+00010000 ", 0, 0, kFeet10000, kFeet10000, kFeet10000},
        // A length with a unit digit that has no divisor reads as 0.
        SingleWordCase{"310009+00012345 ", 0, 0, 0, 0, 0},
        // An angle unit outside the table stores 0, also over an earlier value.
        SingleWordCase{"210002+10000000 210009+10000000 ", 0, 0, 0, 0, 0}));

TEST(ParseKTWLine, SlopeDistanceAtRightAngle) {
    const Strings::TKTWRecord r = Parse("220002+10000000 310000+00100000 ");
    EXPECT_DOUBLE_EQ(r.V, kPi / 2);
    EXPECT_NEAR(r.DistHorizontal, 100.0, 1e-12);
    EXPECT_NEAR(r.Desnivel, 0.0, 1e-12);
}

TEST(ParseKTWLine, SlopeDistanceFromHorizontalAndZenith) {
    // 50 gon: the slope distance is 100 / sin 45 degrees, the height difference 100.
    const Strings::TKTWRecord r = Parse("220002+05000000 320000+00100000 ");
    EXPECT_NEAR(r.DistGeometrica, 141.42135623730951, 1e-9);
    EXPECT_DOUBLE_EQ(r.DistHorizontal, 100.0);
    EXPECT_NEAR(r.Desnivel, 100.0, 1e-9);
}

TEST(ParseKTWLine, GivenHeightDifferenceStays) {
    const Strings::TKTWRecord r = Parse("310000+00010000 330000-00002000 ");
    EXPECT_DOUBLE_EQ(r.DistGeometrica, 10.0);
    EXPECT_DOUBLE_EQ(r.Desnivel, -2.0);
}

TEST(ParseKTWLine, StationSetUp) {
    const Strings::TKTWRecord r = Parse(
        "110000+0000ST01 840000+01000000 850000+02000000 860000+00100000 880000+00001500 ");
    EXPECT_TRUE(r.HayEstacion);
    EXPECT_TRUE(r.HayAlturaInstrumento);
    EXPECT_FALSE(r.HayAlturaPrisma);
    EXPECT_EQ(r.Estacion, Text16("ST01"));
    EXPECT_EQ(r.Punto, Text16("ST01"));
    EXPECT_DOUBLE_EQ(r.XEstacion, 1000.0);
    EXPECT_DOUBLE_EQ(r.YEstacion, 2000.0);
    EXPECT_DOUBLE_EQ(r.ZEstacion, 100.0);
    EXPECT_DOUBLE_EQ(r.AlturaInstrumento, 1.5);
}

TEST(ParseKTWLine, StationTakesThePointReadSoFar) {
    const Strings::TKTWRecord r = Parse("840000+01000000 110000+0000ST01 870008+00150000 ");
    EXPECT_TRUE(r.HayEstacion);
    EXPECT_EQ(r.Estacion, std::string(16, ' '));
    EXPECT_EQ(r.Punto, Text16("ST01"));
    EXPECT_TRUE(r.HayAlturaPrisma);
    EXPECT_DOUBLE_EQ(r.AlturaPrisma, 1.5);
}

TEST(ParseKTWLine, PointWithCodesAndCoordinates) {
    const Strings::TKTWRecord r = Parse(
        "110000+00000P12 710000+0000TREE 420000+00000ABC 790000+00000009 "
        "810000+01234567 820006-00012345 830008+00012345 510000+00012345 ");
    EXPECT_EQ(r.Punto, Text16("P12"));
    EXPECT_EQ(r.Codigo1, Text16("TREE"));
    EXPECT_EQ(r.Codigo2, Text16("ABC"));
    EXPECT_EQ(r.Codigo9, Text16("9"));
    EXPECT_EQ(r.Codigo3, std::string(16, ' '));
    EXPECT_DOUBLE_EQ(r.X, 1234.567);
    EXPECT_DOUBLE_EQ(r.Y, -1.2345);
    EXPECT_DOUBLE_EQ(r.Z, 0.12345);
    EXPECT_FALSE(r.HayEstacion);
}

TEST(ParseKTWLine, WideLine) {
    const Strings::TKTWRecord r =
        Parse("*110000+ABCDEFGHIJKLMNOP 810000+1234567890123456 820000-0000000000001500 ");
    EXPECT_EQ(r.Punto, "ABCDEFGHIJKLMNOP");
    EXPECT_DOUBLE_EQ(r.X, 1234567890123.456);
    EXPECT_DOUBLE_EQ(r.Y, -1.5);
}

TEST(ParseKTWLine, ColumnsCountCharacters) {
    // "Ñ" as UTF-8 is two bytes and one column.
    const Strings::TKTWRecord r = Parse("110000+0000P\xC3\x91" "12 810000+00001000 ");
    EXPECT_EQ(r.Punto, Text16("P\xC3\x91" "12"));
    EXPECT_DOUBLE_EQ(r.X, 1.0);
    EXPECT_EQ(Parse("*110000+ABCDEFGHIJKLMNO\xC3\x91 ").Punto, "ABCDEFGHIJKLMNO\xC3\x91");
}

// How many words a line holds: length / width, halves to even, so that a last word
// counts when more than half of it is there. The last word sets Z to 0.005 when read.
struct CountCase {
    const char* name;
    const char* line;
    double z;
};

class KTWWordCountTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(KTWWordCountTest, ReadsTheLastWordOrNot) {
    EXPECT_DOUBLE_EQ(Parse(GetParam().line).Z, GetParam().z);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, KTWWordCountTest,
    ::testing::Values(
        CountCase{"WithoutBlank", "110000+00000P12 830000+00000005", 0.005},
        CountCase{"OneAndAHalfRoundsToTwo", "110000+00000P12 830000+5", 0.005},
        CountCase{"TwoAndAHalfRoundsToTwo", "110000+00000P12 110000+00000P12 830000+5", 0.0},
        CountCase{"MoreThanHalf", "110000+00000P12 110000+00000P12 830000+05", 0.005},
        CountCase{"HalfAloneRoundsToNone", "830000+5", 0.0},
        CountCase{"WideWithoutBlank", "*830000+0000000000000005", 0.005},
        CountCase{"WideHalfRoundsToNone", "*830000+0000", 0.0},
        CountCase{"WideMoreThanHalf", "*830000+000005", 0.005}),
    [](const ::testing::TestParamInfo<CountCase>& info) { return std::string(info.param.name); });

TEST(ParseKTWLine, BlankOrEmptyLineLeavesTheRecordCleared) {
    for (const char* line : {"", " 110000+00000P12 ", "        "}) {
        Strings::TKTWRecord r = Parse("110000+00000P12 840000+01000000 880000+00001500 ");
        Strings::ParseKTWLine(line, r);
        ExpectCleared(r);
    }
}

TEST(ParseKTWLine, NextLineStartsFromAClearRecord) {
    Strings::TKTWRecord r;
    Strings::ParseKTWLine("110000+00LONGPT 410000+0000TREE 310000+00012345 ", r);
    Strings::ParseKTWLine("110000+00000P12 ", r);
    EXPECT_EQ(r.Punto, Text16("P12"));
    EXPECT_EQ(r.Codigo1, std::string(16, ' '));
    EXPECT_EQ(r.DistGeometrica, 0.0);
}

TEST(ParseKTWLine, ReadsWhatPalabraKTWWrites) {
    std::string keyword, x, y, pk;
    GM::Palabra_KTW(true, 0, "71....", "CLOTHIN", keyword);
    GM::Palabra_KTW(false, 3, "81..10", "1234.567", x);
    GM::Palabra_KTW(false, 3, "82..10", "-98.7654", y);
    GM::Palabra_KTW(false, 3, "84..10", "250", pk);
    const Strings::TKTWRecord r = Parse(keyword + x + y + pk);
    EXPECT_EQ(r.Codigo1, Text16("CLOTHIN"));
    EXPECT_DOUBLE_EQ(r.X, 1234.567);
    EXPECT_DOUBLE_EQ(r.Y, -98.765);
    EXPECT_DOUBLE_EQ(r.XEstacion, 250.0);
}

}  // namespace
