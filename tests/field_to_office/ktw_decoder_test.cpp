#include "field_to_office/ktw_decoder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A narrow word: index, three information characters, unit digit, sign, 8 data
// characters, one blank.
std::string W(const char* wi, char unit, char sign, const std::string& data) {
    std::string word = std::string(wi) + "..." + unit + sign + data + " ";
    EXPECT_EQ(word.size(), 16u);
    return word;
}

// A wide word: the same with 16 data characters (24 columns).
std::string WW(const char* wi, char unit, char sign, const std::string& data) {
    std::string word = std::string(wi) + "..." + unit + sign + data + " ";
    EXPECT_EQ(word.size(), 24u);
    return word;
}

class KTWDecoder : public ::testing::Test {
protected:
    void SetUp() override { StartKTWConversion(s); }
    KTWDecoderState s;
};

TEST_F(KTWDecoder, StartsWithCodesZeroAndNothingElse) {
    s.DatoCampo.Estacion = "OLD       ";
    s.DatoCampo.XEstacion = 5;
    s.NuevaEstacion = true;
    s.Pk = 3;
    StartKTWConversion(s);
    EXPECT_EQ(s.DatoCampo.Estacion, "          ");
    EXPECT_EQ(s.DatoCampo.XEstacion, 0);
    EXPECT_FALSE(s.NuevaEstacion);
    EXPECT_EQ(s.Pk, 0);
    EXPECT_EQ(s.DatoCampo.Codigo1, "0               ");
    EXPECT_EQ(s.DatoCampo.Codigo3, "0               ");
    EXPECT_EQ(s.DatoCampo.Codigo4, std::string(16, ' '));
    EXPECT_EQ(s.DivisorUnidad, 0);
    EXPECT_EQ(s.MascaraUnidad, "");
}

TEST_F(KTWDecoder, PointNameAndCodeBlockCarryingOver) {
    EXPECT_FALSE(DecodeKTWLine(W("41", '0', '+', "0000TREE"), s));  // a code block writes nothing
    EXPECT_EQ(s.DatoCampo.Codigo1, "TREE            ");
    EXPECT_TRUE(DecodeKTWLine(W("11", '0', '+', "00000A12"), s));
    EXPECT_EQ(s.DatoCampo.Punto, "A12       ");
    EXPECT_EQ(s.DatoCampo.Codigo1, "TREE            ");
    EXPECT_TRUE(DecodeKTWLine(W("11", '0', '+', "00000A13"), s));
    EXPECT_EQ(s.DatoCampo.Codigo1, "TREE            ");
    // Data of zeros alone is the text "0"; a long name keeps its first 10 characters.
    EXPECT_TRUE(DecodeKTWLine(W("11", '0', '+', "00000000"), s));
    EXPECT_EQ(s.DatoCampo.Punto, "0         ");
    EXPECT_TRUE(DecodeKTWLine("*" + WW("11", '0', '+', "00ABCDEFGHIJKLMN"), s));
    EXPECT_EQ(s.DatoCampo.Punto, "ABCDEFGHIJ");
}

TEST_F(KTWDecoder, LengthWordsByUnitDigit) {
    struct Case {
        char unit;
        char sign;
        double value;
        const char* mask;
    };
    const Case cases[] = {
        {'0', '+', 1.234, "0.000"},   {'1', '+', 1.234, "0.000"},     {'6', '+', 0.1234, "0.0000"},
        {'7', '+', 0.1234, "0.0000"}, {'8', '+', 0.01234, "0.00000"}, {'0', '-', -1.234, "0.000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(1, c.unit) + c.sign);
        DecodeKTWLine(W("31", c.unit, c.sign, "00001234"), s);
        EXPECT_DOUBLE_EQ(s.DatoCampo.DistGeometrica, c.value);
        EXPECT_EQ(s.MascaraUnidad, c.mask);
    }
    // An unknown digit keeps the last unit.
    DecodeKTWLine(W("32", '9', '+', "00001234"), s);
    EXPECT_DOUBLE_EQ(s.DatoCampo.DistHorizontal, 1.234);
    EXPECT_EQ(s.MascaraUnidad, "0.000");
}

TEST_F(KTWDecoder, UnknownUnitBeforeAnyKnownMeansMillimetres) {
    EXPECT_TRUE(DecodeKTWLine(W("11", '0', '+', "000000P1") + W("81", '5', '+', "00012345"), s));
    EXPECT_DOUBLE_EQ(s.DatoCampo.X, 12.345);
    EXPECT_EQ(s.DivisorUnidad, 1000);
    EXPECT_EQ(s.MascaraUnidad, "0.000");
}

TEST_F(KTWDecoder, EveryMeasurementWord) {
    const std::string line = W("11", '0', '+', "000000P7") + W("21", '2', '-', "40012345") +
                             W("22", '9', '+', "09876543") + W("31", '0', '+', "00012345") +
                             W("32", '0', '+', "00012000") + W("33", '0', '-', "00000500") +
                             W("87", '0', '+', "00001300") + W("88", '0', '+', "00001550") +
                             W("81", '0', '+', "01000123") + W("82", '0', '+', "02000456") +
                             W("83", '0', '-', "00001234") + W("42", '0', '+', "00000645") +
                             W("43", '0', '+', "00000001") + W("44", '0', '+', "000000C4") +
                             W("45", '0', '+', "000000C5") + W("71", '0', '+', "00NOTA01") +
                             W("46", '0', '+', "00000009") + W("51", '0', '+', "00000009");
    EXPECT_TRUE(DecodeKTWLine(line, s));
    const TDatoCampo& d = s.DatoCampo;
    EXPECT_EQ(d.Punto, "P7        ");
    // The angle's fifth decimal, its sign and its unit digit take no part.
    EXPECT_DOUBLE_EQ(d.Hz, 400.1234);
    EXPECT_DOUBLE_EQ(d.V, 98.7654);
    EXPECT_DOUBLE_EQ(d.DistGeometrica, 12.345);
    EXPECT_DOUBLE_EQ(d.DistHorizontal, 12.0);
    EXPECT_DOUBLE_EQ(d.Desnivel, -0.5);
    EXPECT_DOUBLE_EQ(d.AlturaPrisma, 1.3);
    EXPECT_DOUBLE_EQ(d.AlturaInstrumento, 1.55);
    EXPECT_DOUBLE_EQ(d.X, 1000.123);
    EXPECT_DOUBLE_EQ(d.Y, 2000.456);
    EXPECT_DOUBLE_EQ(d.Z, -1.234);
    EXPECT_EQ(d.Codigo2, "645             ");
    EXPECT_EQ(d.Codigo3, "1               ");
    EXPECT_EQ(d.Codigo4, "C4              ");
    EXPECT_EQ(d.Codigo5, "C5              ");
    EXPECT_EQ(s.Observacion, "NOTA01");
    EXPECT_FALSE(s.NuevaEstacion);
}

TEST_F(KTWDecoder, WideAngleWords) {
    EXPECT_FALSE(DecodeKTWLine("*" + WW("21", '2', '+', "0000000015025009") + WW("22", '2', '+', "0000000000000000"), s));
    EXPECT_DOUBLE_EQ(s.DatoCampo.Hz, 150.25);
    EXPECT_EQ(s.DatoCampo.V, 0);
}

TEST_F(KTWDecoder, ChainageAndOffsetsAlwaysInThousandths) {
    DecodeKTWLine(W("77", '6', '+', "00012345") + W("78", '0', '-', "00000001") + W("76", '8', '-', "00002500"), s);
    EXPECT_DOUBLE_EQ(s.Pk, 12.345);
    EXPECT_EQ(s.DistanciaEje, 0);  // -1: no value
    EXPECT_DOUBLE_EQ(s.DistanciaTunel, -2.5);
    // Their unit digit still sets the unit of later words.
    EXPECT_EQ(s.MascaraUnidad, "0.00000");
    // They are kept from line to line.
    DecodeKTWLine(W("11", '0', '+', "000000P1"), s);
    EXPECT_DOUBLE_EQ(s.Pk, 12.345);
}

TEST_F(KTWDecoder, StationSetUp) {
    EXPECT_TRUE(DecodeKTWLine(W("11", '0', '+', "0000ST01") + W("84", '0', '+', "01000000") +
                                  W("85", '0', '+', "02000500") + W("86", '0', '+', "00100250") +
                                  W("88", '0', '+', "00001550"),
                              s));
    EXPECT_TRUE(s.NuevaEstacion);
    EXPECT_EQ(s.DatoCampo.Estacion, "ST01      ");
    EXPECT_DOUBLE_EQ(s.DatoCampo.XEstacion, 1000.0);
    EXPECT_DOUBLE_EQ(s.DatoCampo.YEstacion, 2000.5);
    EXPECT_DOUBLE_EQ(s.DatoCampo.ZEstacion, 100.25);
    // The station stays, the measurements of the line do not.
    EXPECT_TRUE(DecodeKTWLine(W("11", '0', '+', "000000P1"), s));
    EXPECT_EQ(s.DatoCampo.Estacion, "ST01      ");
    EXPECT_DOUBLE_EQ(s.DatoCampo.ZEstacion, 100.25);
    EXPECT_EQ(s.DatoCampo.AlturaInstrumento, 0);
}

TEST_F(KTWDecoder, LinesThatWriteNothing) {
    DecodeKTWLine(W("11", '0', '+', "000000P1") + W("31", '0', '+', "00012345"), s);
    // Heights without a point name; a blank first column; an empty line; a word
    // index that is not a number.
    EXPECT_FALSE(DecodeKTWLine(W("87", '0', '+', "00001300") + W("88", '0', '+', "00001550"), s));
    EXPECT_EQ(s.DatoCampo.Punto, "          ");
    EXPECT_FALSE(DecodeKTWLine(" " + W("11", '0', '+', "000000P2"), s));
    EXPECT_FALSE(DecodeKTWLine("", s));
    EXPECT_FALSE(DecodeKTWLine(W("x1", '0', '+', "000000P2"), s));
    // The distance of the earlier line has been cleared.
    EXPECT_EQ(s.DatoCampo.DistGeometrica, 0);
    // Unrecognised words with a point name: written with zero values.
    EXPECT_TRUE(DecodeKTWLine(W("11", '0', '+', "000000P3") + W("99", '0', '+', "00000001"), s));
}

TEST_F(KTWDecoder, OnlyWholeWordsAreRead) {
    // 47 characters: two narrow words; the third has lost its closing blank.
    const std::string third = W("31", '0', '+', "00012345");
    const std::string line = W("11", '0', '+', "000000P1") + W("87", '0', '+', "00001300") + third.substr(0, 15);
    ASSERT_EQ(line.size(), 47u);
    EXPECT_TRUE(DecodeKTWLine(line, s));
    EXPECT_DOUBLE_EQ(s.DatoCampo.AlturaPrisma, 1.3);
    EXPECT_EQ(s.DatoCampo.DistGeometrica, 0);
    // A wide line of one word.
    EXPECT_TRUE(DecodeKTWLine("*" + WW("11", '0', '+', "00000000000000P9"), s));
    EXPECT_EQ(s.DatoCampo.Punto, "P9        ");
    const std::string wide = "*" + WW("11", '0', '+', "00000000000000P9") + WW("31", '0', '+', "0000000000012345");
    EXPECT_TRUE(DecodeKTWLine(wide.substr(0, wide.size() - 1), s));
    EXPECT_EQ(s.DatoCampo.DistGeometrica, 0);
}

// Data read eight characters at a time: leading zeros of a wide name that run
// past the eighth character, and characters just outside "0" to "9" (or above
// 0x7F) that end the number where the first of them stands.
TEST_F(KTWDecoder, DataAtTheEdgesOfItsCharacters) {
    struct Case {
        std::string line;
        const char* punto;
        double x;
        double hz;
    };
    const Case cases[] = {
        {"*" + WW("11", '0', '+', "0000000000P12345") + WW("81", '0', '+', "0000000000001234"), "P12345    ", 1.234, 0},
        {"*" + WW("11", '0', '+', "00000000NAME0000") + WW("81", '0', '-', "0000000000000000"), "NAME0000  ", 0, 0},
        {"*" + WW("11", '0', '+', "0000000000000000") + WW("21", '2', '+', "000000001502500x"), "0         ", 0, 150.25},
        {W("11", '0', '+', "000000P1") + W("81", '0', '+', "0012:345"), "P1        ", 0.012, 0},
        {W("11", '0', '+', "000000P1") + W("81", '0', '+', "0012/345"), "P1        ", 0.012, 0},
        {W("11", '0', '+', "000000P1") + W("81", '0', '+', "0001\xBA" "234"), "P1        ", 0.001, 0},
        {W("11", '0', '+', "0000\xC3\xA9" "00") + W("21", '2', '+', "1234567\xFF"), "\xC3\xA9" "00      ", 0, 123.4567},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_TRUE(DecodeKTWLine(c.line, s));
        EXPECT_EQ(s.DatoCampo.Punto, c.punto);
        EXPECT_EQ(s.DatoCampo.X, c.x);
        EXPECT_EQ(s.DatoCampo.Hz, c.hz);
    }
}

// The eight characters of a word of Num::FixedPoint, the first in the lowest byte.
std::string Chars(std::uint64_t word) {
    std::string text;
    for (int i = 0; i < 8; ++i) text.push_back(static_cast<char>(word >> (8 * i) & 0xFF));
    return text;
}

// The counts of the numbers "Estandar" writes: the digits of the data (an angle's
// without its fifth decimal), the places of the unit, the sign; zero on a line
// without the word, not known where the data is not digits alone.
TEST_F(KTWDecoder, CountsOfTheNumbersWrittenFromTheirDigits) {
    EXPECT_TRUE(DecodeKTWLine(W("11", '0', '+', "000000P7") + W("21", '2', '-', "40012345") +
                                  W("22", '2', '+', "0987 543") + W("31", '6', '-', "00012345") +
                                  W("87", '0', '+', "00001300"),
                              s));
    const KTWDecoderState::EnUnidades& u = s.Unidades;
    EXPECT_EQ(Chars(u.Hz.high) + Chars(u.Hz.low), "0000000004001234");
    EXPECT_EQ(u.Hz.places, 4);
    EXPECT_FALSE(u.Hz.negative);
    EXPECT_EQ(u.V.places, -1);
    EXPECT_EQ(Chars(u.DistGeometrica.low), "00012345");
    EXPECT_EQ(u.DistGeometrica.places, 4);
    EXPECT_TRUE(u.DistGeometrica.negative);
    EXPECT_EQ(Chars(u.AlturaPrisma.low), "00001300");
    EXPECT_EQ(u.AlturaPrisma.places, 3);
    EXPECT_EQ(Chars(u.AlturaInstrumento.high) + Chars(u.AlturaInstrumento.low), "0000000000000000");
    EXPECT_EQ(u.AlturaInstrumento.places, 0);
    // Wide words; the unit digit "8" before "9", which keeps it.
    EXPECT_TRUE(DecodeKTWLine("*" + WW("11", '0', '+', "00000000000000P8") + WW("21", '2', '+', "1234567890123456") +
                                  WW("87", '8', '+', "0000000000001300") + WW("88", '9', '-', "0000000000000000"),
                              s));
    EXPECT_EQ(Chars(u.Hz.high) + Chars(u.Hz.low), "0123456789012345");
    EXPECT_EQ(u.AlturaPrisma.places, 5);
    EXPECT_EQ(u.AlturaInstrumento.places, 5);
    EXPECT_TRUE(u.AlturaInstrumento.negative);
    EXPECT_EQ(s.DecimalesUnidad, 5);
    // The next line clears them to zeros; the unit digits "0" and "1" both give thousandths.
    EXPECT_TRUE(DecodeKTWLine(W("11", '0', '+', "000000P9") + W("31", '0', '+', "00000001") +
                                  W("87", '1', '+', "00000002"),
                              s));
    EXPECT_EQ(Chars(u.Hz.low), "00000000");
    EXPECT_EQ(u.Hz.places, 0);
    EXPECT_EQ(u.DistGeometrica.places, 3);
    EXPECT_EQ(u.AlturaPrisma.places, 3);
    EXPECT_EQ(s.DecimalesUnidad, 3);
    EXPECT_EQ(s.MascaraUnidad, "0.000");
    // A new conversion forgets the unit, however its first word's digit repeats
    // the last one taken.
    StartKTWConversion(s);
    EXPECT_EQ(s.DecimalesUnidad, -1);
    EXPECT_TRUE(DecodeKTWLine(W("11", '0', '+', "000000P1") + W("87", '1', '+', "00000002"), s));
    EXPECT_EQ(s.DivisorUnidad, 1000);
    EXPECT_EQ(s.MascaraUnidad, "0.000");
}

}  // namespace

#include <random>

#include "common/numbers.h"

namespace {

// Values and angles come out as reading their text with Val would give them,
// digits or not.
TEST(KTWDecoderValues, AsValReadsThem) {
    std::mt19937_64 random(7);
    std::uniform_int_distribution<int> digit(0, 9);
    KTWDecoderState s;
    StartKTWConversion(s);
    for (int i = 0; i < 20000; ++i) {
        const bool wide = i % 2 == 1;
        std::string data(wide ? 16 : 8, '0');
        for (char& c : data) c = static_cast<char>('0' + digit(random));
        if (i % 7 == 0) data[3] = '.';
        if (i % 11 == 0) data[2] = ' ';
        const char sign = i % 3 == 0 ? '-' : '+';
        const std::string prefix = wide ? "*" : "";
        const std::string end = " ";
        DecodeKTWLine(prefix + "81...0" + sign + data + end + "21...2+" + data + end, s);
        ASSERT_EQ(s.DatoCampo.X, Num::Val(std::string(1, sign) + data) / 1000) << data;
        const std::size_t whole = data.size() - 5;
        ASSERT_EQ(s.DatoCampo.Hz, Num::Val(data.substr(0, whole) + "." + data.substr(whole, 4))) << data;
    }
}

}  // namespace
