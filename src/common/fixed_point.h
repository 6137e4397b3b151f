#pragma once
// Numbers that a field of digits holds as a whole count of a decimal unit (the
// thousandths of a KTW length word, the ten-thousandths of gon of an angle word),
// written with a plain mask from those digits: no double to round, and the same
// text that Format writes for the double read from the field.

#include <bit>
#include <cstddef>
#include <cstdint>

#include "common/little_endian.h"

namespace Num {

// units / 10^places, with a minus sign when negative, the count held as sixteen
// digit characters padded on the left with "0", in two words as EightDigits::Load
// reads them (the first character in the lowest byte). places -1: not known (the
// field was not a sign and digits alone); only the double then says what it is.
struct FixedPoint {
    static constexpr std::uint64_t kZeros = 0x3030303030303030ULL;  // "00000000"
    std::uint64_t high = kZeros;  // characters 1 to 8
    std::uint64_t low = kZeros;   // characters 9 to 16
    std::int32_t places = -1;
    bool negative = false;
};

namespace detail {
// FormatFixedPoint for what its inline part does not take.
std::size_t FormatCount(const FixedPoint& number, unsigned decimals, char separator, char* out);

// A count of eight digits or fewer (`low`, the first eight of the sixteen "0")
// of units of 10^-p written with d >= p places (both 0 to 5): "-" when minus, the
// whole part without leading zeros (at least one digit), the separator, the p
// decimals and d - p "0"s. Returns the length; up to 18 bytes may be written.
inline std::size_t PutEightDigits(std::uint64_t low, unsigned p, unsigned d, bool minus, char separator,
                                  char* out) {
    constexpr std::uint64_t kZeros = FixedPoint::kZeros;
    char* at = out;
    *at = '-';
    at += minus ? 1 : 0;
    // The whole part with its leading zeros (all but one) shifted out, then, from
    // the separator on, the decimals over what followed it.
    const auto zeros = static_cast<unsigned>(std::countr_zero(low ^ kZeros)) / 8;
    const unsigned shifted = zeros < 7 - p ? zeros : 7 - p;
    LittleEndian::PutU64(at, low >> (8 * shifted));
    at += 8 - p - shifted;
    if (d == 0) return static_cast<std::size_t>(at - out);
    *at = separator;
    LittleEndian::PutU64(at + 1, p == 0 ? kZeros : low >> (8 * (8 - p)) | kZeros << (8 * p));
    return static_cast<std::size_t>(at + 1 + d - out);
}
}  // namespace detail

// Writes what FormatPlainDecimals writes for the double nearest to the number
// (the one a reader gets from converting the count and dividing it by 10^places
// once) with `decimals` places, 0 to 5, and returns its length; `out` has room for
// kPlainFormatBytes, any of which may be written. 0, and the double must decide,
// for a number not known, places or decimals outside 0 to 5, a number whose last
// dropped places are exactly one half (the double lies on one side of it), and a
// number of 2^52 units of the written places or more.
//
// Inline for the usual number, of eight digits or fewer (far below 2^52 however
// scaled) written with at least its own places: its digits are the text.
inline std::size_t FormatFixedPoint(const FixedPoint& number, int decimals, char separator, char* out) {
    // A place count not known (-1) is taken as a large one.
    const auto p = static_cast<unsigned>(number.places);
    const auto d = static_cast<unsigned>(decimals);
    if (number.high != FixedPoint::kZeros || p > d || d > 5) [[unlikely]] {
        return detail::FormatCount(number, d, separator, out);
    }
    return detail::PutEightDigits(number.low, p, d, number.negative && number.low != FixedPoint::kZeros, separator,
                                  out);
}

}  // namespace Num
