// The fields of a short line, or of 64 bytes of a longer one, found through masks
// of its bytes: the masks, the field bounds, the plain decimals read from them and
// the padded name, each against values worked out by hand. Every line is followed
// by bytes that would change the answer if they were taken for the line's.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "common/masked_fields.h"

namespace {

using masked_fields::ByteMasks;
using masked_fields::Separators;
using Fields = masked_fields::Fields<Separators::kBlankCommaTab>;
using PagedFields = masked_fields::Fields<Separators::kBlankCommaTabFormFeed>;

// The line, then digits and a point where a careless reader would look.
std::string Readable(const std::string& line) {
    std::string text = line;
    while (text.size() < line.size() + masked_fields::kReadFromStart) text += "7.1";
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
    const ByteMasks portable = masked_fields::ClassifyPortable<Separators::kBlankCommaTab>(text.data(), 64);
    EXPECT_EQ(portable.separators, separators);
    EXPECT_EQ(portable.notDigits, ~digits);
#if defined(__SSE2__)
    const ByteMasks sse2 = masked_fields::ClassifySse2<Separators::kBlankCommaTab>(text.data(), 64);
    EXPECT_EQ(sse2.separators, separators);
    EXPECT_EQ(sse2.notDigits, ~digits);
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

// Form feeds as separators where asked, and the fields of 64 bytes of a longer
// line: a field that may go on past them ends at 64, as does one that ends on the
// 63rd byte (the 64th is not looked at).
TEST(ShortLineFields, FormFeedsAndWindowsOfLongerLines) {
    // Bytes 0 and 5: "1"; 2 and 63: form feeds; the rest blanks.
    std::string text(64, ' ');
    text[0] = '1';
    text[5] = '1';
    text[2] = '\f';
    text[63] = '\f';
    const std::uint64_t digits = (1ULL << 0) | (1ULL << 5);
    const ByteMasks paged = masked_fields::ClassifyPortable<Separators::kBlankCommaTabFormFeed>(text.data(), 64);
    const ByteMasks plain = masked_fields::ClassifyPortable<Separators::kBlankCommaTab>(text.data(), 64);
    EXPECT_EQ(paged.separators, ~digits);
    EXPECT_EQ(paged.notDigits, ~digits);
    EXPECT_EQ(plain.separators, ~digits & ~((1ULL << 2) | (1ULL << 63)));
#if defined(__SSE2__)
    const ByteMasks sse2 = masked_fields::ClassifySse2<Separators::kBlankCommaTabFormFeed>(text.data(), 64);
    EXPECT_EQ(sse2.separators, ~digits);
    EXPECT_EQ(sse2.notDigits, ~digits);
#endif

    using Bounds = std::vector<std::pair<unsigned, unsigned>>;
    const struct {
        std::string line;
        Bounds fields;
    } cases[] = {
        {"X" + std::string(61, ' ') + "12345\fZ", {{0, 1}, {62, 64}}},         // goes on past byte 63
        {std::string(60, '\t') + "ABC,E", {{60, 64}}},                         // ends on byte 62
        {"A" + std::string(62, '\f') + "B\f" + std::string(10, 'C'), {{0, 1}, {63, 64}}},
        {std::string(70, '7'), {{0, 64}}},                                    // fills the window
        {std::string(62, '\f') + "R", {{62, 63}}},                            // 63 bytes: a short line
        {"1" + std::string(62, ' ') + "\f" + std::string(10, ' '), {{0, 1}, {63, 64}}},  // byte 63 looked at again
    };
    for (const auto& c : cases) {
        const std::string text = Readable(c.line);
        PagedFields fields = PagedFields::Window(text.data(), c.line.size());
        Bounds got;
        unsigned first = 0, end = 0;
        while (fields.Next(first, end)) got.emplace_back(first, end);
        EXPECT_EQ(got, c.fields) << c.line.size();
    }
}

}  // namespace
