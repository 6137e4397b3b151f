#pragma once
// Eight characters of a text read as one 64-bit word, the first in the lowest byte
// whatever the machine's byte order, and tested and converted as digits all at once:
// the readers of millions of fixed-width numbers (KTW words, point lists) take them
// eight at a time instead of one by one, and the writers of zero-padded fields make
// them the same way.

#include <bit>
#include <cstdint>

#if defined(__SSE2__) && (defined(__x86_64__) || defined(_M_X64))
#include <emmintrin.h>
#define TARSEL_EIGHT_DIGITS_SSE2 1
#endif

#include "common/little_endian.h"

namespace EightDigits {

inline std::uint64_t Load(const char* p) { return LittleEndian::U64(reinterpret_cast<const unsigned char*>(p)); }

// The high bit of each byte of t that is zero, and of no other.
inline std::uint64_t ZeroBytes(std::uint64_t t) {
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    return ~(((t & kLow7) + kLow7) | t | kLow7);
}

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

// The numbers of the first n (1 to 8) bytes of x and of the first m (0 to 8)
// bytes of y, all digits (0 for m == 0): LeadingValue twice. Where the machine has
// SSE2, the two are worked side by side in the halves of one vector register, on
// its multipliers: two digits to a 16-bit lane, four to a 32-bit one, eight to the
// whole half, each step one multiplication.
inline void TwoLeadingValues(std::uint64_t x, unsigned n, std::uint64_t y, unsigned m, std::uint64_t& first,
                             std::uint64_t& second) {
#if defined(TARSEL_EIGHT_DIGITS_SSE2)
    // Digit values to the top bytes, zeros (leading zero digits) below them; the
    // exclusive or takes "0" off a digit without borrowing from the bytes above.
    constexpr std::uint64_t kZeros = 0x3030303030303030ULL;
    const std::uint64_t high = (x ^ kZeros) << (8 * (8 - n));
    const std::uint64_t low = m == 0 ? 0 : (y ^ kZeros) << (8 * (8 - m));
    const __m128i digits = _mm_set_epi64x(static_cast<long long>(low), static_cast<long long>(high));
    // The first byte of a pair is the more significant.
    const __m128i pairs = _mm_add_epi16(_mm_mullo_epi16(_mm_and_si128(digits, _mm_set1_epi16(0xFF)), _mm_set1_epi16(10)),
                                        _mm_srli_epi16(digits, 8));
    const __m128i fours = _mm_madd_epi16(pairs, _mm_set1_epi32(100 | (1 << 16)));
    const __m128i eights = _mm_add_epi64(_mm_mul_epu32(fours, _mm_set1_epi64x(10000)), _mm_srli_epi64(fours, 32));
    first = static_cast<std::uint64_t>(_mm_cvtsi128_si64(eights));
    second = static_cast<std::uint64_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(eights, eights)));
#else
    first = LeadingValue(x, n);
    second = m == 0 ? 0 : LeadingValue(y, m);
#endif
}

}  // namespace EightDigits
