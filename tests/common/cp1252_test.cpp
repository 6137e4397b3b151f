#include <gtest/gtest.h>

#include <string>

#include "common/cp1252.h"

namespace {

TEST(Cp1252, ConvertsBothWays) {
    const struct {
        std::string bytes;
        std::string utf8;
    } cases[] = {
        {"Transformaci\xF3n", "Transformaci\xC3\xB3n"},
        {"\xD1" "and\xFA", "\xC3\x91" "and\xC3\xBA"},
        {"\x80", "\xE2\x82\xAC"},       // euro sign
        {"\x9F", "\xC5\xB8"},           // Y with diaeresis
        {"\xB0", "\xC2\xB0"},           // degree sign
        {"\x81", "\xC2\x81"},           // undefined byte kept as its control character
        {"A\r\nB", "A\r\nB"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Cp1252::ToUtf8(c.bytes), c.utf8);
        EXPECT_EQ(Cp1252::FromUtf8(c.utf8), c.bytes);
    }
}

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    EXPECT_EQ(Cp1252::FromUtf8(Cp1252::ToUtf8(all)), all);
}

TEST(Cp1252, WhatTheCodePageLacksBecomesQuestionMark) {
    EXPECT_EQ(Cp1252::FromUtf8("\xE6\x97\xA5"), "?");      // a CJK character
    EXPECT_EQ(Cp1252::FromUtf8("a\xC3"), "a?");            // cut sequence
    EXPECT_EQ(Cp1252::FromUtf8("\xF0\x9F\x98\x80x"), "?x");  // outside the BMP
}

}  // namespace
