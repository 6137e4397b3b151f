#pragma once
// Eight characters of a text read as one 64-bit word, the first in the lowest byte
// whatever the machine's byte order, and tested and converted as digits all at once:
// the readers of millions of fixed-width numbers (KTW words, point lists) take them
// eight at a time instead of one by one.

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

}  // namespace EightDigits
