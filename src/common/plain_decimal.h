#pragma once
// The plain decimal text "[-]digits[.digits]", the common case of the numbers in
// files, read in one pass over its characters. Num::Val takes this road for such a
// text, and a reader that walks a line itself may take it for a field without
// cutting the field out first; both give the double of Val's general road: the
// exact decimal value rounded to the nearest double, a zero without sign.

#include <cstddef>
#include <cstdint>

namespace Num {

namespace plain_decimal {

// Reads the run of digits from p on into mantissa (which wraps past 19 digits);
// returns how many there were.
inline std::size_t ReadDigits(const char*& p, const char* last, std::uint64_t& mantissa) {
    const char* const from = p;
    while (p != last && static_cast<unsigned char>(*p - '0') < 10) {
        mantissa = mantissa * 10 + static_cast<unsigned char>(*p - '0');
        ++p;
    }
    return static_cast<std::size_t>(p - from);
}

inline constexpr std::uint64_t kLargestExact = std::uint64_t{1} << 53;

// The signed whole number `digits` (at most kLargestExact either way) divided by
// 10^decimals (decimals up to 22), correctly rounded: up to 2^53 a whole number is
// an exact double, and so is every power of ten up to 10^22, so that one division
// rounds the exact quotient. A zero has no sign.
inline double ExactQuotient(std::int64_t digits, std::size_t decimals) {
    static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                              1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    return static_cast<double>(digits) / kPowersOfTen[decimals];
}

// The value of `digits` digits read as the whole number `mantissa` (which may have
// wrapped past 19 digits), `decimals` of them after the point: false when one
// division would not give it correctly rounded, and the long road must read them.
inline bool ShortValue(std::uint64_t mantissa, std::size_t digits, std::size_t decimals, bool negative,
                       double& value) {
    if (digits > 19 || mantissa > kLargestExact || decimals > 22) return false;
    const auto whole = static_cast<std::int64_t>(mantissa);
    value = ExactQuotient(negative ? -whole : whole, decimals);
    return true;
}

// The digits from `from` to `to` (with one "." among them) read by from_chars, which
// rounds correctly whatever their number; kept apart so that the common case stays
// small enough to be inlined.
const char* ReadLong(const char* from, const char* to, bool negative, double& value);

}  // namespace plain_decimal

// Reads an optional "-", at least one digit and an optional "." with the digits
// after it, from `first` on. Returns the first character not read, or nullptr when
// the text does not start so, or when its value is not a finite double other than
// an underflow to zero (Val's general road then decides: overflow error or zero).
// What follows the number is the caller's business: "12.5E3" reads "12.5" here.
inline const char* ReadPlainDecimal(const char* first, const char* last, double& value) {
    const char* p = first;
    const bool negative = p != last && *p == '-';
    if (negative) ++p;
    const char* const digitsFrom = p;
    std::uint64_t mantissa = 0;  // wraps past 19 digits, and is then not used
    std::size_t digits = plain_decimal::ReadDigits(p, last, mantissa);
    if (digits == 0) return nullptr;
    std::size_t decimals = 0;
    if (p != last && *p == '.') {
        ++p;
        decimals = plain_decimal::ReadDigits(p, last, mantissa);
        digits += decimals;
    }
    if (!plain_decimal::ShortValue(mantissa, digits, decimals, negative, value)) {
        return plain_decimal::ReadLong(digitsFrom, p, negative, value);
    }
    return p;
}

}  // namespace Num
