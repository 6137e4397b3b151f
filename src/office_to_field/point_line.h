#pragma once
// The fields of a line of a text point list read eight bytes at a time: a field's
// end found by testing eight bytes for the three separators at once, a plain decimal
// "[-]digits[.digits]" of up to seven digits on either side of its point read as two
// words of digits. The line must be readable for eight bytes past its end (LineInput
// gives that); what lies there is never taken for the line's.

#include <bit>
#include <cstddef>
#include <cstdint>

#include "common/eight_digits.h"
#include "common/plain_decimal.h"
#include "office_to_field/point_fields.h"

namespace office_to_field::point_line {

inline constexpr std::size_t kReadPastEnd = 8;

using EightDigits::ZeroBytes;

// How many of the eight bytes, from the first on, are not separators (8 when none is).
inline unsigned LeadingNonSeparators(std::uint64_t x) {
    const std::uint64_t separators = ZeroBytes(x ^ 0x2020202020202020ULL) | ZeroBytes(x ^ 0x2C2C2C2C2C2C2C2CULL) |
                                     ZeroBytes(x ^ 0x0909090909090909ULL);
    return separators == 0 ? 8 : static_cast<unsigned>(std::countr_zero(separators)) / 8;
}

// The end of the field that starts at p: the first separator, or `end`.
inline const char* FieldEnd(const char* p, const char* end) {
    for (;;) {
        const unsigned n = LeadingNonSeparators(EightDigits::Load(p));
        if (n < 8 || end - p <= 8) return p + n < end ? p + n : end;
        p += 8;
    }
}

// The digits from p on, not past `end`: how many (8 standing for eight or more), and
// the number of those up to seven.
inline unsigned Digits(const char* p, const char* end, std::uint64_t& number) {
    const std::uint64_t x = EightDigits::Load(p);
    const auto left = static_cast<std::size_t>(end - p);
    unsigned n = EightDigits::LeadingDigits(x);
    if (n > left) n = static_cast<unsigned>(left);
    number = n == 0 ? 0 : EightDigits::LeadingValue(x, n);
    return n;
}

// Reads the field from p (p < end) when it is a plain decimal with 1 to 7 digits
// before its point and up to 7 after it, ended by a separator or by `end`: returns
// its end and sets `value` as Num::ReadPlainDecimal does. nullptr for any other
// field (more digits included): the general reading takes it.
inline const char* ShortDecimal(const char* p, const char* end, double& value) {
    const bool negative = *p == '-';
    const char* q = p + (negative ? 1 : 0);
    std::uint64_t mantissa = 0;
    const unsigned whole = Digits(q, end, mantissa);
    if (whole == 0 || whole == 8) return nullptr;
    q += whole;
    unsigned decimals = 0;
    if (q != end && *q == '.') {
        ++q;
        std::uint64_t fraction = 0;
        decimals = Digits(q, end, fraction);
        if (decimals == 8) return nullptr;
        static constexpr std::uint64_t kTens[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000};
        mantissa = mantissa * kTens[decimals] + fraction;
        q += decimals;
    }
    if (q != end && !IsPointFieldSeparator(*q)) return nullptr;
    // Fourteen digits at most: always an exact whole number for the division.
    Num::plain_decimal::ShortValue(mantissa, whole + decimals, decimals, negative, value);
    return q;
}

}  // namespace office_to_field::point_line
