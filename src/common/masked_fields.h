#pragma once
// The fields of a short text line (up to 63 bytes for one mask word, 127 for two:
// nearly every line of a point list or an alignment) found all at once. Masks of
// 64 bits tell which bytes of the line are separators and which are digits; every
// field's first and end byte follow from them in a few instructions, and so does
// whether a field is a plain decimal: reading a field no longer waits for the end
// of the field before it, and the fields of a line are read side by side.
// The line must be readable kReadFromStart<words> bytes from its first on
// (LineInput gives that); what lies past its end is never taken for the line's.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "common/eight_digits.h"
#include "common/little_endian.h"
#include "common/plain_decimal.h"

namespace masked_fields {

// What separates two fields: blanks, commas and TABs in every list; form feeds too
// in the lists of the programs that page their output.
enum class Separators { kBlankCommaTab, kBlankCommaTabFormFeed };

// The longest line a number of mask words takes: the bit after the last byte
// must still be in the masks, as the end of the last field.
template <unsigned kWords>
inline constexpr std::size_t kLongest = 64 * kWords - 1;
// The masks take 64 bytes a word; a field may start at the line's last byte and be
// loaded sixteen bytes from there (a name's ten; a decimal's point and the eight
// bytes after it).
template <unsigned kWords>
inline constexpr std::size_t kReadFromStart = 64 * kWords + 16;

template <unsigned kWords>
struct ByteMasks {
    std::uint64_t separators[kWords] = {};  // bit i of word w: byte 64 w + i is a separator
    std::uint64_t notDigits[kWords] = {};   // bit i of word w: byte 64 w + i is not "0" to "9"
};

// The masks of the first `length` bytes from p on (up to 64 a word), read in whole
// words: the bits from `length` on are not to be relied on. Eight bytes at a time:
// the flags of EightDigits::ZeroBytes, one high bit a byte, gathered into one byte
// by a multiplication that moves the flag of byte k to bit 56 + k without carries.
template <Separators kSeparators, unsigned kWords>
ByteMasks<kWords> ClassifyPortable(const char* p, std::size_t length) {
    ByteMasks<kWords> masks;
    for (std::size_t word = 0; word * 8 < length; ++word) {
        const std::uint64_t x = EightDigits::Load(p + 8 * word);
        std::uint64_t separators = EightDigits::ZeroBytes(x ^ 0x2020202020202020ULL) |
                                   EightDigits::ZeroBytes(x ^ 0x2C2C2C2C2C2C2C2CULL) |
                                   EightDigits::ZeroBytes(x ^ 0x0909090909090909ULL);
        if constexpr (kSeparators == Separators::kBlankCommaTabFormFeed) {
            separators |= EightDigits::ZeroBytes(x ^ 0x0C0C0C0C0C0C0C0CULL);
        }
        std::uint64_t notDigits = 0;
        for (int byte = 0; byte < 8; ++byte) {
            const auto c = static_cast<unsigned char>(p[8 * word + byte]);
            if (c < '0' || c > '9') notDigits |= std::uint64_t{1} << byte;
        }
        constexpr std::uint64_t kGather = 0x0102040810204080ULL;
        const auto shift = static_cast<unsigned>(8 * (word % 8));
        masks.separators[word / 8] |= ((separators >> 7) * kGather >> 56) << shift;
        masks.notDigits[word / 8] |= notDigits << shift;
    }
    return masks;
}

#if defined(__SSE2__)
// The flags of the sixteen bytes of block `kBlock` into the masks.
template <Separators kSeparators, unsigned kWords, std::size_t kBlock>
[[gnu::always_inline]] inline void ClassifyBlockSse2(const char* p, ByteMasks<kWords>& masks) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * kBlock));
    __m128i separators = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8(' ')), _mm_cmpeq_epi8(v, _mm_set1_epi8(','))),
                                      _mm_cmpeq_epi8(v, _mm_set1_epi8('\t')));
    if constexpr (kSeparators == Separators::kBlankCommaTabFormFeed) {
        separators = _mm_or_si128(separators, _mm_cmpeq_epi8(v, _mm_set1_epi8('\f')));
    }
    // A digit less "0" is 0 to 9, unsigned; any other byte is above 9.
    const __m128i values = _mm_sub_epi8(v, _mm_set1_epi8('0'));
    const __m128i digits = _mm_cmpeq_epi8(_mm_min_epu8(values, _mm_set1_epi8(9)), values);
    constexpr unsigned kShift = 16 * (kBlock % 4);
    masks.separators[kBlock / 4] |= static_cast<std::uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(separators)))
                                    << kShift;
    masks.notDigits[kBlock / 4] |= static_cast<std::uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(digits)) ^ 0xFFFF)
                                   << kShift;
}

template <Separators kSeparators, unsigned kWords, std::size_t... kBlocks>
[[gnu::always_inline]] inline void ClassifyBlocksSse2(const char* p, ByteMasks<kWords>& masks,
                                                      std::index_sequence<kBlocks...>) {
    (ClassifyBlockSse2<kSeparators, kWords, kBlocks>(p, masks), ...);
}

// The same, sixteen bytes at a time with the instructions every x86-64 has. One
// word: only the blocks the line reaches. Two: all eight, each into its own word
// named at compile time, so that the masks stay in registers.
template <Separators kSeparators, unsigned kWords>
ByteMasks<kWords> ClassifySse2(const char* p, std::size_t length) {
    ByteMasks<kWords> masks;
    if constexpr (kWords == 1) {
        if (length > 0) ClassifyBlockSse2<kSeparators, 1, 0>(p, masks);
        if (length > 16) ClassifyBlockSse2<kSeparators, 1, 1>(p, masks);
        if (length > 32) ClassifyBlockSse2<kSeparators, 1, 2>(p, masks);
        if (length > 48) ClassifyBlockSse2<kSeparators, 1, 3>(p, masks);
    } else {
        ClassifyBlocksSse2<kSeparators, kWords>(p, masks, std::make_index_sequence<4 * kWords>());
    }
    return masks;
}
#endif

template <Separators kSeparators, unsigned kWords>
ByteMasks<kWords> Classify(const char* p, std::size_t length) {
#if defined(__SSE2__)
    return ClassifySse2<kSeparators, kWords>(p, length);
#else
    return ClassifyPortable<kSeparators, kWords>(p, length);
#endif
}

// The n lowest bytes of a word set (all eight for n >= 8).
inline std::uint64_t LowBytes(unsigned n) { return n >= 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * n)) - 1; }

// The fields of one line of up to kLongest<kWords> bytes, in order.
template <unsigned kWords, Separators kSeparators>
class Fields {
    static_assert(kWords == 1 || kWords == 2);

public:
    explicit Fields(std::string_view line) : data_(line.data()) {
        const ByteMasks<kWords> masks = Classify<kSeparators, kWords>(data_, line.size());
        const auto length = static_cast<unsigned>(line.size());
        std::uint64_t carry = 0;  // whether the last byte of the word before is in a field
        for (unsigned w = 0; w < kWords; ++w) {
            // The bytes past the end count as separators: the last field ends there.
            const unsigned inWord = length > 64 * w ? length - 64 * w : 0;
            const std::uint64_t beyond = inWord >= 64 ? 0 : ~std::uint64_t{0} << inWord;
            const std::uint64_t inField = ~(masks.separators[w] | beyond);
            const std::uint64_t before = inField << 1 | carry;
            starts_[w] = inField & ~before;
            ends_[w] = ~inField & before;
            notDigits_[w] = masks.notDigits[w];
            carry = inField >> 63;
        }
    }

    // The next field's first byte and the byte after its last; false when no field is left.
    bool Next(unsigned& first, unsigned& end) {
        std::uint64_t left = starts_[0];
        if constexpr (kWords > 1) left |= starts_[1];
        if (left == 0) return false;
        // A field that starts also ends: the byte after the line is a separator.
        first = Take(starts_);
        end = Take(ends_);
        return true;
    }

    const char* Data() const { return data_; }

    // Reads the field [first, end) when it is a plain decimal "[-]digits[.digits]"
    // of 1 to 8 digits before its point and up to 7 after it, into `value` as
    // Num::ReadPlainDecimal reads it; false for any other field (the general
    // reading takes it), `value` then untouched.
    [[gnu::always_inline]] bool PlainDecimal(unsigned first, unsigned end, double& value) const {
        const bool negative = data_[first] == '-';
        const unsigned from = first + (negative ? 1 : 0);
        const unsigned length = end - from;
        // Longer than eight digits, a point and seven: not read here. A field of one
        // word is below 64 bytes, and the test below refuses it.
        if constexpr (kWords > 1) {
            if (length > 16) return false;
        }
        const std::uint64_t endBit = std::uint64_t{1} << length;
        // The field's one byte that is not a digit, its point; or its end.
        const std::uint64_t others = NotDigitsFrom(from) & (endBit - 1);
        const auto whole = static_cast<unsigned>(std::countr_zero(others | endBit));
        const unsigned point = from + whole;
        const unsigned afterPoint = length - whole;
        const unsigned decimals = afterPoint - (afterPoint != 0 ? 1 : 0);
        // Nothing but digits and at most one point; 1 to 8 digits before it (whole ==
        // 0 wraps), up to 7 after it: fifteen digits at most, a whole number below 2^53.
        if ((others & (others - 1)) != 0 || ((whole - 1) | decimals) >= 8 || (others != 0 && data_[point] != '.')) {
            return false;
        }
        static constexpr std::uint64_t kTens[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000};
        std::uint64_t before = 0;
        std::uint64_t after = 0;
        EightDigits::TwoLeadingValues(EightDigits::Load(data_ + from), whole, EightDigits::Load(data_ + point + 1),
                                      decimals, before, after);
        const auto magnitude = static_cast<std::int64_t>(before * kTens[decimals] + after);
        value = Num::plain_decimal::ExactQuotient(negative ? -magnitude : magnitude, decimals);
        return true;
    }

    // The ten bytes of the field [first, end) as a record's name: its first ten
    // bytes, blanks after a shorter one.
    void PaddedName(unsigned first, unsigned end, char* to) const {
        constexpr std::uint64_t kBlanks = 0x2020202020202020ULL;
        const unsigned length = end - first;
        const std::uint64_t head = EightDigits::Load(data_ + first);
        const std::uint64_t tail = EightDigits::Load(data_ + first + 8);
        const std::uint64_t keepHead = LowBytes(length);
        const std::uint64_t keepTail = length <= 8 ? 0 : LowBytes(length - 8);
        LittleEndian::PutU64(to, (head & keepHead) | (kBlanks & ~keepHead));
        const std::uint64_t last = (tail & keepTail) | (kBlanks & ~keepTail);
        to[8] = static_cast<char>(last & 0xFF);
        to[9] = static_cast<char>((last >> 8) & 0xFF);
    }

private:
    // Takes the lowest bit set of the masks, one of which is not zero, as a byte
    // number. Without branches: whether a field lies in the first word or the
    // second changes from line to line, and could not be foretold.
    static unsigned Take(std::uint64_t (&mask)[kWords]) {
        if constexpr (kWords == 1) {
            const auto at = static_cast<unsigned>(std::countr_zero(mask[0]));
            mask[0] &= mask[0] - 1;
            return at;
        } else {
            const std::uint64_t low = mask[0];
            const std::uint64_t high = mask[1];
            const auto inLow = static_cast<unsigned>(std::countr_zero(low));  // 64 when low is 0
            const auto inHigh = static_cast<unsigned>(std::countr_zero(high));
            // The lowest bit of the two words as one: the borrow of the low word's
            // clearing reaches the high word only when the low word is zero.
            mask[0] = low & (low - 1);
            mask[1] = high & (high - (low == 0 ? 1 : 0));
            return low != 0 ? inLow : 64 + inHigh;
        }
    }

    // The not-digit bits of the 64 bytes from `from` on (those past the masks clear).
    std::uint64_t NotDigitsFrom(unsigned from) const {
        if constexpr (kWords == 1) {
            return notDigits_[0] >> from;
        } else {
            // Both words' parts computed, one taken without a branch; two shifts for
            // the high word's part, as one of 64 would be undefined.
            const unsigned shift = from & 63;
            const std::uint64_t fromLow = (notDigits_[0] >> shift) | (notDigits_[1] << 1 << (63 - shift));
            const std::uint64_t fromHigh = notDigits_[1] >> shift;
            return from < 64 ? fromLow : fromHigh;
        }
    }

    const char* data_;
    std::uint64_t starts_[kWords];
    std::uint64_t ends_[kWords];
    std::uint64_t notDigits_[kWords];
};

}  // namespace masked_fields
