#include "common/fixed_point.h"

#include "common/eight_digits.h"

// Why the count gives the double's text. Let v = units / 10^places exactly, q the
// double nearest to v, D the larger of places and the written decimals d, and
// v x 10^D below 2^52. If 2^(e-1) <= v < 2^e, then 2^(e-1) < 2^52 / 10^D, and q is
// within half a step of the doubles there, 2^(e-54), below 10^-D / 2, of v.
// - d >= places: v x 10^d is the whole number m = units x 10^(d - places), and
//   q x 10^d is less than 1/2 from it: Format, rounding q to d places, writes m.
// - d < places, k = places - d dropped places: v x 10^d = m + r / 10^k. Unless
//   r / 10^k is one half, it is at least 1 / 10^k from the half (2r - 10^k is a
//   nonzero even number), farther than q x 10^d is from v x 10^d (less than
//   10^-k / 2): the double rounds as the count does, m or m + 1. At the half
//   itself the double's side decides, which only the double can say.
// A count that rounds to zero has no sign, as Format writes no "-0".

namespace Num {
namespace {

constexpr std::uint64_t kZeros = FixedPoint::kZeros;
constexpr std::uint64_t kTwoTo52 = std::uint64_t{1} << 52;
constexpr std::uint64_t kTens[] = {1, 10, 100, 1000, 10000, 100000};
// The largest counts that may be scaled by 10^k and stay below 2^52.
constexpr std::uint64_t kScalable[] = {(kTwoTo52 - 1),         (kTwoTo52 - 1) / 10,    (kTwoTo52 - 1) / 100,
                                       (kTwoTo52 - 1) / 1000,  (kTwoTo52 - 1) / 10000, (kTwoTo52 - 1) / 100000};

// The sixteen digits of a count of units of 10^-p written with d >= p places
// (both 0 to 5), as PutEightDigits writes eight.
std::size_t PutDigits(std::uint64_t high, std::uint64_t low, unsigned p, unsigned d, bool minus, char separator,
                      char* out) {
    if (high == kZeros) return detail::PutEightDigits(low, p, d, minus, separator, out);
    char* at = out;
    *at = '-';
    at += minus ? 1 : 0;
    // High is not all "0": only its own leading zeros go.
    const auto zeros = static_cast<unsigned>(std::countr_zero(high ^ kZeros)) / 8;
    LittleEndian::PutU64(at, high >> (8 * zeros));
    at += 8 - zeros;
    LittleEndian::PutU64(at, low);
    at += 8 - p;
    if (d > 0) {
        *at = separator;
        LittleEndian::PutU64(at + 1, p == 0 ? kZeros : low >> (8 * (8 - p)) | kZeros << (8 * p));
        at += 1 + d;
    }
    return static_cast<std::size_t>(at - out);
}

// m / 10^K rounded to a whole number, halves aside: false for a half.
template <unsigned K>
bool DropPlaces(std::uint64_t& m) {
    constexpr std::uint64_t scale = kTens[K];
    const std::uint64_t rest = m % scale;
    if (2 * rest == scale) return false;
    m = m / scale + (2 * rest > scale ? 1 : 0);
    return true;
}

}  // namespace

std::size_t detail::FormatCount(const FixedPoint& number, unsigned d, char separator, char* out) {
    const auto p = static_cast<unsigned>(number.places);
    if (p > 5 || d > 5) return 0;
    std::uint64_t m = EightDigits::Value(number.high) * 100000000 + EightDigits::Value(number.low);
    if (d >= p) {
        if (m > kScalable[d - p]) return 0;
        return PutDigits(number.high, number.low, p, d, number.negative && m != 0, separator, out);
    }
    if (m > kScalable[0]) return 0;
    bool rounded = false;
    switch (p - d) {
        case 1: rounded = DropPlaces<1>(m); break;
        case 2: rounded = DropPlaces<2>(m); break;
        case 3: rounded = DropPlaces<3>(m); break;
        case 4: rounded = DropPlaces<4>(m); break;
        default: rounded = DropPlaces<5>(m); break;
    }
    if (!rounded) return 0;
    const std::uint64_t high = m < 100000000 ? kZeros : EightDigits::Text(static_cast<std::uint32_t>(m / 100000000));
    return PutDigits(high, EightDigits::Text(static_cast<std::uint32_t>(m % 100000000)), d, d,
                     number.negative && m != 0, separator, out);
}

}  // namespace Num
