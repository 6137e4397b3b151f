// Digits read eight at a time: the leading digits of a word, alone and two words at
// once, against numbers written out by hand; what follows the digits (any byte) must
// not count.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "common/eight_digits.h"

namespace {

std::uint64_t Word(const std::string& text) { return EightDigits::Load((text + std::string(8, '\0')).data()); }

TEST(EightDigits, LeadingValuesAloneAndInPairs) {
    const struct {
        std::string text;
        unsigned digits;
        std::uint64_t value;
    } cases[] = {
        {"12345678", 8, 12345678}, {"98765432", 8, 98765432}, {"00000001", 8, 1},     {"1234567,", 7, 1234567},
        {"9.", 1, 9},              {"450123.4", 6, 450123},   {"07\xFF\x00-+/:", 2, 7}, {"999 1234", 3, 999},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EightDigits::LeadingValue(Word(c.text), c.digits), c.value) << c.text;
        // In either half of a pair, beside every other case and beside nothing.
        for (const auto& other : cases) {
            std::uint64_t first = 0, second = 0;
            EightDigits::TwoLeadingValues(Word(c.text), c.digits, Word(other.text), other.digits, first, second);
            EXPECT_EQ(first, c.value) << c.text << " | " << other.text;
            EXPECT_EQ(second, other.value) << c.text << " | " << other.text;
        }
        std::uint64_t first = 0, second = 99;
        EightDigits::TwoLeadingValues(Word(c.text), c.digits, Word("12345678"), 0, first, second);
        EXPECT_EQ(first, c.value) << c.text;
        EXPECT_EQ(second, 0u) << c.text;
    }
}

}  // namespace
