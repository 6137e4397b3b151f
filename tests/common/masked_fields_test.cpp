// The fields of a short line found through masks of its bytes: the masks, the
// field bounds, the plain decimals read from them and the padded name, each against
// values worked out by hand, with one mask word and with two. Every line is followed
// by bytes that would change the answer if they were taken for the line's.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "common/masked_fields.h"

namespace {

using masked_fields::Separators;
using ByteMasks = masked_fields::ByteMasks<1>;
using Fields = masked_fields::Fields<1, Separators::kBlankCommaTab>;
using TwoWordFields = masked_fields::Fields<2, Separators::kBlankCommaTabFormFeed>;

// The line, then digits and a point where a careless reader would look.
std::string Readable(const std::string& line) {
    std::string text = line;
    while (text.size() < line.size() + masked_fields::kReadFromStart<2>) text += "7.1";
    return text;
}

TEST(ShortLineFields, MasksOfSeparatorsAndDigits) {
    // Byte:       0123456789...
    std::string text = "P1 2,3\t4.5";
    text += "\xA0\xAC\x89\xAE\xB5";  // blank, comma, TAB, point and "5" with the high bit set: none of them
    text.resize(64, 'x');
    text[63] = ' ';
    const std::uint64_t separators = (1ULL << 2) | (1ULL << 4) | (1ULL << 6) | (1ULL << 63);
    const std::uint64_t digits = (1ULL << 1) | (1ULL << 3) | (1ULL << 5) | (1ULL << 7) | (1ULL << 9);
    const ByteMasks portable = masked_fields::ClassifyPortable<Separators::kBlankCommaTab, 1>(text.data(), 64);
    EXPECT_EQ(portable.separators[0], separators);
    EXPECT_EQ(portable.notDigits[0], ~digits);
#if defined(__SSE2__)
    const ByteMasks sse2 = masked_fields::ClassifySse2<Separators::kBlankCommaTab, 1>(text.data(), 64);
    EXPECT_EQ(sse2.separators[0], separators);
    EXPECT_EQ(sse2.notDigits[0], ~digits);
#endif
}

TEST(ShortLineFields, FieldBounds) {
    using Bounds = std::vector<std::pair<unsigned, unsigned>>;
    const std::string longest = std::string(60, 'A') + " BC";  // 63 bytes, the last field to the end
    const struct {
        std::string line;
        Bounds fields;
    } cases[] = {
        {"P1 10 20", {{0, 2}, {3, 5}, {6, 8}}},
        {"  ,\tQ,,7 \t", {{4, 5}, {7, 8}}},
        {"", {}},
        {" \t, ", {}},
        {"X", {{0, 1}}},
        {longest, {{0, 60}, {61, 63}}},
    };
    for (const auto& c : cases) {
        const std::string text = Readable(c.line);
        Fields fields(std::string_view(text.data(), c.line.size()));
        Bounds got;
        unsigned first = 0, end = 0;
        while (fields.Next(first, end)) got.emplace_back(first, end);
        EXPECT_EQ(got, c.fields) << c.line;
    }
}

TEST(ShortLineFields, PlainDecimals) {
    const struct {
        const char* field;
        bool read;  // false: left to the general reading
        double value;
    } cases[] = {
        {"0.1", true, 0.1},
        {"123456.789", true, 123456.789},
        {"4000000.125", true, 4000000.125},
        {"-450123.456", true, -450123.456},
        {"12.", true, 12.0},
        {"7", true, 7.0},
        {"00000001.5", true, 1.5},
        {"12345678.1234567", true, 12345678.1234567},  // 15 digits
        {"1.1234567", true, 1.1234567},
        {"-0.000", true, 0.0},                            // a zero without sign
        {"1.12345678", false, 0},                         // eight after the point
        {"123456789.5", false, 0},                        // nine before it
        {".5", false, 0},
        {"-.5", false, 0},
        {"-", false, 0},
        {"+5", false, 0},
        {"1e5", false, 0},
        {"1.2.3", false, 0},
        {"12a", false, 0},
        {"1-2", false, 0},
    };
    for (const auto& c : cases) {
        const std::string line = std::string("P ") + c.field + ",";
        const std::string text = Readable(line);
        Fields fields(std::string_view(text.data(), line.size()));
        unsigned first = 0, end = 0;
        ASSERT_TRUE(fields.Next(first, end));
        ASSERT_TRUE(fields.Next(first, end));
        double value = -99;
        ASSERT_EQ(fields.PlainDecimal(first, end, value), c.read) << c.field;
        if (!c.read) {
            EXPECT_EQ(value, -99) << c.field;
            continue;
        }
        EXPECT_EQ(std::bit_cast<std::uint64_t>(value), std::bit_cast<std::uint64_t>(c.value)) << c.field;
    }
}

TEST(ShortLineFields, PaddedNames) {
    const struct {
        const char* line;
        const char* name;
    } cases[] = {
        {"P 1", "P         "},           {"ABCDEFGH 1", "ABCDEFGH  "}, {"ABCDEFGHI", "ABCDEFGHI "},
        {"\tABCDEFGHIJ,2", "ABCDEFGHIJ"}, {"ABCDEFGHIJKL", "ABCDEFGHIJ"},
    };
    for (const auto& c : cases) {
        const std::string line = c.line;
        const std::string text = Readable(line);
        Fields fields(std::string_view(text.data(), line.size()));
        unsigned first = 0, end = 0;
        ASSERT_TRUE(fields.Next(first, end));
        std::string name(10, '?');
        fields.PaddedName(first, end, name.data());
        EXPECT_EQ(name, c.name) << c.line;
    }
}

// Two mask words, form feeds among the separators: the bounds of fields that cross
// from the first word into the second, end or start on either side of byte 64, or
// end at byte 127, the last of the longest line.
TEST(ShortLineFields, TwoWordsAndFormFeeds) {
    // Byte 0: "1"; 70 and 127: form feeds; 64: "7"; 100: "x"; the rest blanks.
    std::string text(128, ' ');
    text[0] = '1';
    text[64] = '7';
    text[70] = '\f';
    text[100] = 'x';
    text[127] = '\f';
    const std::uint64_t separators[2] = {~1ULL, ~((1ULL << 0) | (1ULL << 36))};
    const std::uint64_t notDigits[2] = {~1ULL, ~1ULL};
    const auto portable = masked_fields::ClassifyPortable<Separators::kBlankCommaTabFormFeed, 2>(text.data(), 128);
    const auto withoutFormFeed = masked_fields::ClassifyPortable<Separators::kBlankCommaTab, 2>(text.data(), 128);
    for (int w = 0; w < 2; ++w) {
        EXPECT_EQ(portable.separators[w], separators[w]) << w;
        EXPECT_EQ(portable.notDigits[w], notDigits[w]) << w;
    }
    EXPECT_EQ(withoutFormFeed.separators[1], separators[1] & ~((1ULL << 6) | (1ULL << 63)));
#if defined(__SSE2__)
    const auto sse2 = masked_fields::ClassifySse2<Separators::kBlankCommaTabFormFeed, 2>(text.data(), 128);
    for (int w = 0; w < 2; ++w) {
        EXPECT_EQ(sse2.separators[w], separators[w]) << w;
        EXPECT_EQ(sse2.notDigits[w], notDigits[w]) << w;
    }
#endif

    using Bounds = std::vector<std::pair<unsigned, unsigned>>;
    const struct {
        std::string line;
        Bounds fields;
    } cases[] = {
        {"X" + std::string(61, ' ') + "12345\fZ", {{0, 1}, {62, 67}, {68, 69}}},          // across byte 64
        {std::string(60, '\t') + "ABCD,E", {{60, 64}, {65, 66}}},                          // ends at 64
        {"A" + std::string(63, '\f') + "B", {{0, 1}, {64, 65}}},                           // starts at 64
        {"Q" + std::string(125, ' ') + "R", {{0, 1}, {126, 127}}},                          // 127 bytes
        {std::string(127, '7'), {{0, 127}}},
        {std::string(127, '\f'), {}},
    };
    for (const auto& c : cases) {
        const std::string line = Readable(c.line);
        TwoWordFields fields(std::string_view(line.data(), c.line.size()));
        Bounds got;
        unsigned first = 0, end = 0;
        while (fields.Next(first, end)) got.emplace_back(first, end);
        EXPECT_EQ(got, c.fields) << c.line.size();
    }

    // Plain decimals where the point or the digits sit on either side of byte 64.
    const struct {
        std::string line;
        bool read;
        double value;
    } decimals[] = {
        {std::string(60, ' ') + "1234.567", true, 1234.567},          // point at 64
        {std::string(56, ' ') + "-12345678.1234567", true, -12345678.1234567},  // 56 to 72
        {std::string(63, ' ') + "9.5", true, 9.5},                    // from byte 63
        {std::string(64, ' ') + "0.25", true, 0.25},                  // from byte 64
        {std::string(120, ' ') + "-12.345", true, -12.345},           // to byte 127
        {std::string(126, ' ') + "8", true, 8.0},
        {std::string(126, ' ') + "-", false, 0},
        {std::string(60, ' ') + "12345678.12345678", false, 0},      // seventeen bytes
        {std::string(60, ' ') + "1234x567", false, 0},
        {std::string(60, ' ') + "1234.5.7", false, 0},
    };
    for (const auto& c : decimals) {
        const std::string line = Readable(c.line);
        TwoWordFields fields(std::string_view(line.data(), c.line.size()));
        unsigned first = 0, end = 0;
        ASSERT_TRUE(fields.Next(first, end));
        double value = -99;
        ASSERT_EQ(fields.PlainDecimal(first, end, value), c.read) << c.line;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(value), std::bit_cast<std::uint64_t>(c.read ? c.value : -99.0)) << c.line;
    }
}

}  // namespace
