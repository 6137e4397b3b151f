#pragma once
// Eight characters of a text read as one 64-bit word, the first in the lowest byte
// whatever the machine's byte order, and tested and converted as digits all at once:
// the readers of millions of fixed-width numbers (KTW words, point lists) take them
// eight at a time instead of one by one, and the writers of zero-padded fields make
// them the same way.

#include <bit>
#include <cstdint>

#include "common/little_endian.h"

namespace EightDigits {

inline std::uint64_t Load(const char* p) { return LittleEndian::U64(reinterpret_cast<const unsigned char*>(p)); }

// Nonzero high bits unless all eight bytes are "0" to "9". The lowest byte that is
// not a digit gets no carry or borrow from the bytes below it (digits give none)
// and is flagged by one of the two: below "0" by the subtraction, above "9" by the
// addition (and 0xBA up, whose addition wraps, by the subtraction).
inline std::uint64_t NotDigits(std::uint64_t x) {
    return ((x + 0x4646464646464646ULL) | (x - 0x3030303030303030ULL)) & 0x8080808080808080ULL;
}

// The number of eight bytes of digit values 0 to 9, the first the most
// significant: pairs, then groups of four, then the whole, each step one
// multiplication.
inline std::uint64_t ValueOfDigitValues(std::uint64_t x) {
    x = x * 10 + (x >> 8);
    return (((x & 0x000000FF000000FFULL) * (100 + (1000000ULL << 32))) +
            (((x >> 16) & 0x000000FF000000FFULL) * (1 + (10000ULL << 32)))) >>
           32;
}

// The number of eight digit bytes, the first the most significant.
inline std::uint64_t Value(std::uint64_t x) { return ValueOfDigitValues(x - 0x3030303030303030ULL); }

// How many of the eight bytes, from the first on, are digits (8 when all are).
inline unsigned LeadingDigits(std::uint64_t x) {
    const std::uint64_t flags = NotDigits(x);
    return flags == 0 ? 8 : static_cast<unsigned>(std::countr_zero(flags)) / 8;
}

// The number of the first n (1 to 8) bytes of x, all digits: their values moved
// to the top bytes, zeros (leading zero digits) below them.
inline std::uint64_t LeadingValue(std::uint64_t x, unsigned n) {
    return ValueOfDigitValues((x - 0x3030303030303030ULL) << (8 * (8 - n)));
}

// The eight digits of x (below 10^8, with leading zeros) as the word Load would
// read from them: the two halves of four digits, then their pairs, then their
// digits, each split for all lanes at once by a multiplication that divides by
// 100 or by 10 within each lane.
inline std::uint64_t Text(std::uint32_t x) {
    // Lanes of 32 bits: the first four digits low, the last four high.
    const std::uint64_t fours = (x / 10000) | static_cast<std::uint64_t>(x % 10000) << 32;
    // y / 100 is (y * 10486) >> 20 for every y below 10000.
    const std::uint64_t hundreds = ((fours * 10486) >> 20) & 0x0000007F0000007FULL;
    // Lanes of 16 bits: each pair's value, the first pair low.
    const std::uint64_t pairs = hundreds | (fours - hundreds * 100) << 16;
    // z / 10 is (z * 103) >> 10 for every z below 100.
    const std::uint64_t tens = ((pairs * 103) >> 10) & 0x000F000F000F000FULL;
    // Bytes: each pair's tens digit, then its units digit.
    return (tens | (pairs - tens * 10) << 8) + 0x3030303030303030ULL;
}

}  // namespace EightDigits
