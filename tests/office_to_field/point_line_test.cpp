// The eight-at-a-time reading of point-list fields against the character-by-
// character one it stands in for (Num::ReadPlainDecimal, then Num::Val), over the
// fields where the two could part, and never reading what follows the line's end.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>

#include "common/numbers.h"
#include "common/plain_decimal.h"
#include "office_to_field/point_line.h"

namespace {

using office_to_field::point_line::FieldEnd;
using office_to_field::point_line::ShortDecimal;

// The field followed by `after`, with digits beyond both so that a read past the
// end would show; the line ends after `after`.
struct Line {
    explicit Line(const std::string& field, const std::string& after = "")
        : text(field + after + "98765432109876"), end(field.size() + after.size()) {}
    const char* Begin() const { return text.data(); }
    const char* End() const { return text.data() + end; }
    std::string text;
    std::size_t end;
};

TEST(PointLineFields, ShortDecimalsReadAsTheGeneralRoadReadsThem) {
    struct Row {
        const char* field;
        bool shortRoad;  // taken here, not left to the general reading
    };
    const Row rows[] = {
        {"0", true},          {"-0", true},          {"-0.000", true},       {"12.", true},
        {"7", true},          {"1234567.1234567", true}, {"-450123.456", true}, {"0.1", true},
        {"4100123.789", true}, {"0.30000000", false}, {"12345678", false},    {"1.12345678", false},
        {"-.5", false},       {".5", false},         {"-", false},           {"1e5", false},
        {"12a", false},       {"1.2.3", false},      {"1-", false},          {"9007199254740993", false},
    };
    for (const Row& row : rows) {
        const std::string field = row.field;
        for (const std::string after : {"", " ", ",x", "\t"}) {
            const Line line(field, after);
            double fast = -99;
            const char* stop = ShortDecimal(line.Begin(), line.End(), fast);
            EXPECT_EQ(stop != nullptr, row.shortRoad) << field << "|" << after;
            if (stop == nullptr) continue;
            EXPECT_EQ(stop, line.Begin() + field.size()) << field;
            const double general = Num::Val(field);
            EXPECT_EQ(std::bit_cast<std::uint64_t>(fast), std::bit_cast<std::uint64_t>(general)) << field;
        }
    }
    // One division of exact whole numbers: the double nearest 3/10.
    double value = 0;
    const Line tie("0.3");
    ASSERT_NE(ShortDecimal(tie.Begin(), tie.End(), value), nullptr);
    EXPECT_EQ(value, 0.3);
}

TEST(PointLineFields, FieldEndsAtASeparatorOrTheLineEnd) {
    for (std::size_t length : {1u, 7u, 8u, 9u, 16u, 17u, 30u}) {
        const std::string name(length, 'N');
        for (const std::string after : {"", " P", ",", "\tQ"}) {
            const Line line(name, after);
            EXPECT_EQ(FieldEnd(line.Begin(), line.End()), line.Begin() + length) << length << "|" << after;
        }
    }
}

}  // namespace
