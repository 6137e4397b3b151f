// Reading one KTW word: its kind, its unit digit and its value.

#include "common/ktw_word.h"

#include "common/angle_units.h"
#include "common/utf8_columns.h"

namespace Strings {
namespace {

constexpr int kMaxWholeDigits = 18;  // below 2^63 whatever the digits

// A word's columns count characters, so that a name read as UTF-8 does not shift the
// columns that follow it; an ASCII word costs one scan and no allocation.
char CharAt(const Utf8::Columns& word, std::int32_t column) {
    const std::string_view c = word.At(column);
    return c.size() == 1 ? c.front() : '\0';
}

bool IsSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }

double AngleValue(const Utf8::Columns& word, char unit, bool wide) {
    const std::int32_t dataLength = wide ? 16 : 8;
    const double d = static_cast<double>(KTWWholeNumber(word.Mid(7, dataLength + 1)));
    switch (unit) {
        case '2': return GM::Centesimales_A_Radianes(d / 100000.0);
        case '3': return GM::Grados_A_Radianes(d / 100000.0);
        case '5': return GM::Milesimas_A_Radianes(d / 10000.0);
        default: break;
    }
    // "4": sign and degrees, then two digits of minutes and three of tenths of a
    // second. The sign belongs to the whole angle, so that -0 degrees 30 minutes
    // stays negative; the degrees keep all their digits (eleven when wide).
    const std::int32_t degreeDigits = wide ? 11 : 3;
    const std::string_view degreesText = word.Mid(7, degreeDigits + 1);
    bool negative = false;
    for (char c : degreesText) {
        if (IsSkipped(c)) continue;
        negative = c == '-';
        break;
    }
    std::int64_t degrees = KTWWholeNumber(degreesText);
    if (degrees < 0) degrees = -degrees;
    const auto minutes = static_cast<double>(KTWWholeNumber(word.Mid(8 + degreeDigits, 2)));
    const auto tenths = static_cast<double>(KTWWholeNumber(word.Mid(10 + degreeDigits, 3)));
    const double decimalDegrees =
        static_cast<double>(degrees) + minutes / 60.0 + tenths / 10.0 / 3600.0;
    const double radians = GM::Grados_A_Radianes(decimalDegrees);
    return negative ? -radians : radians;
}

}  // namespace

bool KTWIsAngleWord(int wi) { return wi == 21 || wi == 22 || (wi >= 24 && wi <= 28); }

bool KTWIsLengthWord(int wi) {
    return wi == 31 || wi == 32 || wi == 33 || wi == 58 || wi == 59 || (wi >= 81 && wi <= 88);
}

double KTWLengthDivisor(char unitDigit) {
    switch (unitDigit) {
        case '0': return 1000.0;
        case '1': return 3280.83989501;
        case '6': return 10000.0;
        case '7': return 32808.3989501;
        case '8': return 100000.0;
        default: return 0.0;
    }
}

std::int64_t KTWWholeNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSkipped(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::int64_t value = 0;
    int digits = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (IsSkipped(c)) continue;
        if (c < '0' || c > '9') break;
        if (digits == kMaxWholeDigits) break;
        if (value != 0 || c != '0') ++digits;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

KTWValue KTWWordValue(std::string_view text, int wi, bool wide) {
    const Utf8::Columns word(text);
    const std::int32_t dataLength = wide ? 16 : 8;
    const char unit = CharAt(word, 6);
    if (KTWIsAngleWord(wi)) {
        if (unit != '2' && unit != '3' && unit != '4' && unit != '5') return std::monostate{};
        return AngleValue(word, unit, wide);
    }
    if (KTWIsLengthWord(wi)) {
        // A unit digit without a divisor reads like an unknown angle unit: no value.
        const double divisor = KTWLengthDivisor(unit);
        if (divisor == 0.0) return std::monostate{};
        return static_cast<double>(KTWWholeNumber(word.Mid(7, dataLength + 1))) / divisor;
    }
    std::string_view data = word.Mid(8, dataLength + 1);
    while (data.size() > 1 && data.front() == '0') data.remove_prefix(1);
    return data;
}

}  // namespace Strings
