// The fields of a short point-list line found through masks of its bytes: the
// masks, the field bounds, the plain decimals read from them and the padded name,
// each against values worked out by hand. Every line is followed by bytes that
// would change the answer if they were taken for the line's.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "office_to_field/short_line.h"

namespace {

using office_to_field::short_line::ByteMasks;
using office_to_field::short_line::ClassifyPortable;
using office_to_field::short_line::Fields;

// The line, then digits and a point where a careless reader would look.
std::string Readable(const std::string& line) {
    std::string text = line;
    while (text.size() < line.size() + office_to_field::short_line::kReadFromStart) text += "7.1";
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
    const ByteMasks portable = ClassifyPortable(text.data(), 64);
    EXPECT_EQ(portable.separators, separators);
    EXPECT_EQ(portable.notDigits, ~digits);
#if defined(__SSE2__)
    const ByteMasks sse2 = office_to_field::short_line::ClassifySse2(text.data(), 64);
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

}  // namespace
