#pragma once
// The fields of a short text line (up to 63 bytes: nearly every line of a point
// list), or of 64 bytes of a longer one, found all at once. Two 64-bit masks tell
// which bytes are separators and which are digits; every field's first and end
// byte follow from them in a few instructions, and so does whether a field is a
// plain decimal: reading a field no longer waits for the end of the field before
// it, and the fields of a line are read side by side.
// The bytes must be readable kReadFromStart bytes from their first on (LineInput
// gives that); what lies past a line's end is never taken for the line's.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "common/eight_digits.h"
#include "common/plain_decimal.h"
#include "common/little_endian.h"

namespace masked_fields {

// What separates two fields: blanks, commas and TABs in every list; form feeds too
// in the lists of the programs that page their output.
enum class Separators { kBlankCommaTab, kBlankCommaTabFormFeed };

inline constexpr std::size_t kLongest = 63;
// The masks take 64 bytes; a field may start at byte 62 and be loaded eight bytes
// (or ten, for a name) from there.
inline constexpr std::size_t kReadFromStart = 80;

struct ByteMasks {
    std::uint64_t separators = 0;  // bit i: byte i is a separator
    std::uint64_t notDigits = 0;   // bit i: byte i is not "0" to "9"
};

// The masks of the first `length` bytes from p on (up to 64), read in whole words:
// the bits from `length` on are not to be relied on. Eight bytes at a time: the flags of
// EightDigits::ZeroBytes, one high bit a byte, gathered into one byte by a
// multiplication that moves the flag of byte k to bit 56 + k without carries.
template <Separators kSeparators>
ByteMasks ClassifyPortable(const char* p, std::size_t length) {
    ByteMasks masks;
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
        const auto shift = static_cast<unsigned>(8 * word);
        masks.separators |= ((separators >> 7) * kGather >> 56) << shift;
        masks.notDigits |= notDigits << shift;
    }
    return masks;
}

#if defined(__SSE2__)
// The same, sixteen bytes at a time with the instructions every x86-64 has.
template <Separators kSeparators>
ByteMasks ClassifySse2(const char* p, std::size_t length) {
    const __m128i blank = _mm_set1_epi8(' ');
    const __m128i comma = _mm_set1_epi8(',');
    const __m128i tab = _mm_set1_epi8('\t');
    const __m128i formFeed = _mm_set1_epi8('\f');
    const __m128i zero = _mm_set1_epi8('0');
    const __m128i nine = _mm_set1_epi8(9);
    ByteMasks masks;
    const auto bits = [](__m128i flags) {
        return static_cast<std::uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(flags)));
    };
    for (std::size_t block = 0; block * 16 < length; ++block) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * block));
        __m128i separators =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, blank), _mm_cmpeq_epi8(v, comma)), _mm_cmpeq_epi8(v, tab));
        if constexpr (kSeparators == Separators::kBlankCommaTabFormFeed) {
            separators = _mm_or_si128(separators, _mm_cmpeq_epi8(v, formFeed));
        }
        // A digit less "0" is 0 to 9, unsigned; any other byte is above 9.
        const __m128i values = _mm_sub_epi8(v, zero);
        const __m128i digits = _mm_cmpeq_epi8(_mm_min_epu8(values, nine), values);
        const unsigned shift = 16 * static_cast<unsigned>(block);
        masks.separators |= bits(separators) << shift;
        masks.notDigits |= (bits(digits) ^ 0xFFFF) << shift;
    }
    return masks;
}
#endif

template <Separators kSeparators>
ByteMasks Classify(const char* p, std::size_t length) {
#if defined(__SSE2__)
    return ClassifySse2<kSeparators>(p, length);
#else
    return ClassifyPortable<kSeparators>(p, length);
#endif
}

// The n lowest bytes of a word set (all eight for n >= 8).
inline std::uint64_t LowBytes(unsigned n) { return n >= 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * n)) - 1; }

// The fields of one short line, in order.
template <Separators kSeparators>
class Fields {
public:
    explicit Fields(std::string_view line) : data_(line.data()) {
        const ByteMasks masks = Classify<kSeparators>(data_, line.size());
        // The bytes past the end count as separators: the last field ends there.
        const std::uint64_t beyond = ~std::uint64_t{0} << line.size();
        const std::uint64_t inField = ~(masks.separators | beyond);
        starts_ = inField & ~(inField << 1);
        ends_ = ~inField & (inField << 1);
        notDigits_ = masks.notDigits;
    }

    // The fields of the 64 bytes from `data` on, of a text that goes on for `left`
    // bytes from there (any number): a field that may go on past those 64 bytes is
    // given the end 64, and is to be looked at again from its first byte. The 64th
    // byte is then taken for one of a field's, so that a field that ends just
    // before it is looked at again too.
    static Fields Window(const char* data, std::size_t left) {
        if (left <= kLongest) return Fields(std::string_view(data, left));
        Fields fields(std::string_view(data, 0));
        const ByteMasks masks = Classify<kSeparators>(data, 64);
        const std::uint64_t inField = ~masks.separators | std::uint64_t{1} << 63;
        fields.starts_ = inField & ~(inField << 1);
        fields.ends_ = ~inField & (inField << 1);
        fields.notDigits_ = masks.notDigits;
        return fields;
    }

    // The next field's first byte and the byte after its last (64 for a field of a
    // window that may go on); false when no field is left.
    bool Next(unsigned& first, unsigned& end) {
        if (starts_ == 0) return false;
        first = static_cast<unsigned>(std::countr_zero(starts_));
        end = static_cast<unsigned>(std::countr_zero(ends_));
        starts_ &= starts_ - 1;
        ends_ &= ends_ - 1;
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
        const std::uint64_t endBit = std::uint64_t{1} << end;
        const std::uint64_t field = endBit - (std::uint64_t{1} << from);
        // The field's one byte that is not a digit, its point; or its end.
        const std::uint64_t others = notDigits_ & field;
        const auto point = static_cast<unsigned>(std::countr_zero(others | endBit));
        const unsigned whole = point - from;
        const unsigned afterPoint = end - point;
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
    const char* data_;
    std::uint64_t starts_;
    std::uint64_t ends_;
    std::uint64_t notDigits_;
};

}  // namespace masked_fields
