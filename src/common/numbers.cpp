#include "common/numbers.h"

#include "common/eight_digits.h"
#include "common/little_endian.h"
#include "common/plain_decimal.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <system_error>

namespace Num {

namespace {

bool IsSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads the characters of text from pos on, skipping blanks, tabs and line feeds.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}
    // The next character that is not skipped, or '\0' at the end.
    char Peek() {
        while (pos_ < text_.size() && IsSkipped(text_[pos_])) ++pos_;
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void Next() { ++pos_; }
    std::size_t Position() const { return pos_; }
    void Back(std::size_t pos) { pos_ = pos; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// The number at the start of a text as Val's grammar reads it: an optional sign,
// digits with at most one "." among them (at least one digit), then an optional
// exponent: E or D in either case, an optional sign and at least one digit. An
// exponent letter without digits after it is not part of the number; it would add
// nothing to the value.
struct Leading {
    bool negative = false;
    bool number = false;        // at least one digit
    std::int64_t exponent = 0;  // saturated past a million
};

// Reads the leading number from `in`, handing each mantissa digit to
// digit(c, afterPoint); `in` is left after the last character of the number.
template <class Digit>
Leading ReadLeading(Reader& in, Digit digit) {
    Leading n;
    if (in.Peek() == '+' || in.Peek() == '-') {
        n.negative = in.Peek() == '-';
        in.Next();
    }
    for (bool afterPoint = false;; in.Next()) {
        const char c = in.Peek();
        if (IsDigit(c)) {
            n.number = true;
            digit(c, afterPoint);
        } else if (c == '.' && !afterPoint) {
            afterPoint = true;
        } else {
            break;
        }
    }
    if (!n.number) return n;
    const std::size_t beforeExponent = in.Position();
    const char e = in.Peek();
    if (e != 'E' && e != 'e' && e != 'D' && e != 'd') return n;
    in.Next();
    bool expNegative = false;
    if (in.Peek() == '+' || in.Peek() == '-') {
        expNegative = in.Peek() == '-';
        in.Next();
    }
    if (!IsDigit(in.Peek())) {
        in.Back(beforeExponent);
        return n;
    }
    while (IsDigit(in.Peek())) {
        // Saturate: anything past a million is out of every double's range anyway.
        if (n.exponent < 1000000) n.exponent = n.exponent * 10 + (in.Peek() - '0');
        in.Next();
    }
    if (expNegative) n.exponent = -n.exponent;
    return n;
}

// A plain decimal text, blanks around it aside ("479012.5003", "-12", "3."), is the
// common case in files: it is read at once, without building the digit string.
bool PlainDecimal(std::string_view text, double& value) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsSkipped(text[first])) ++first;
    while (last > first && IsSkipped(text[last - 1])) --last;
    if (first == last) return false;
    const char* const end = text.data() + last;
    return ReadPlainDecimal(text.data() + first, end, value) == end;
}

}  // namespace

namespace plain_decimal {

const char* ReadLong(const char* from, const char* to, bool negative, double& value) {
    double magnitude = 0;
    const auto [end, error] = std::from_chars(from, to, magnitude);
    if (error != std::errc() || end != to || !std::isfinite(magnitude)) return nullptr;
    value = magnitude == 0 ? 0.0 : negative ? -magnitude : magnitude;
    return to;
}

}  // namespace plain_decimal

double Val(std::string_view text) {
    double plain = 0;
    if (PlainDecimal(text, plain)) return plain;
    Reader in(text);
    // Mantissa digits without the point; pointShift counts the digits after it.
    std::string digits;
    std::int64_t pointShift = 0;
    const Leading number = ReadLeading(in, [&](char c, bool afterPoint) {
        if (afterPoint) --pointShift;
        // A leading zero only shifts the scale.
        if (!(digits.empty() && c == '0')) digits.push_back(c);
    });
    if (!number.number) return 0.0;
    const bool negative = number.negative;
    const std::int64_t exponent = number.exponent;

    // Trailing zeros of the mantissa only scale it.
    while (!digits.empty() && digits.back() == '0') {
        digits.pop_back();
        ++pointShift;
    }
    if (digits.empty()) return 0.0;

    const std::int64_t scale = exponent + pointShift;  // value = digits * 10^scale
    // Decimal magnitude: the value lies in [10^(magnitude-1), 10^magnitude).
    const std::int64_t magnitude = scale + static_cast<std::int64_t>(digits.size());
    if (magnitude > 400) throw std::overflow_error("Desbordamiento");
    if (magnitude < -400) return 0.0;

    std::string buffer = digits;
    buffer.push_back('e');
    char expText[24];
    auto [expEnd, expErr] = std::to_chars(expText, expText + sizeof expText, scale);
    (void)expErr;
    buffer.append(expText, expEnd);

    double value = 0.0;
    auto [ptr, ec] = std::from_chars(buffer.data(), buffer.data() + buffer.size(), value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        if (magnitude > 0) throw std::overflow_error("Desbordamiento");
        return 0.0;
    }
    if (ec != std::errc() || !std::isfinite(value)) throw std::overflow_error("Desbordamiento");
    return negative ? -value : value;
}

bool IsNumber(std::string_view text) {
    Reader in(text);
    const Leading number = ReadLeading(in, [](char, bool) {});
    return number.number && in.Peek() == '\0';
}

namespace {

// Writes a non-negative exponent-form or fixed-form text of at most 15 significant
// digits, as the old runtime printed numbers.
std::string GeneralForm(double magnitude) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 14);
    std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
    // sci is "d.dddddddddddddde+XX"
    const std::size_t ePos = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, ePos))
        if (c != '.') digits.push_back(c);
    int exponent = 0;
    {
        std::string_view expText = sci.substr(ePos + 1);
        bool neg = false;
        if (!expText.empty() && (expText[0] == '+' || expText[0] == '-')) {
            neg = expText[0] == '-';
            expText.remove_prefix(1);
        }
        for (char c : expText) exponent = exponent * 10 + (c - '0');
        if (neg) exponent = -exponent;
    }
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string out;
    if (exponent < -4 || exponent >= 15) {
        out.push_back(digits[0]);
        if (digits.size() > 1) {
            out.push_back('.');
            out.append(digits, 1, std::string::npos);
        }
        out.push_back('E');
        out.push_back(exponent < 0 ? '-' : '+');
        const int absExp = std::abs(exponent);
        if (absExp < 10) out.push_back('0');
        out += std::to_string(absExp);
        return out;
    }
    if (exponent < 0) {
        out.push_back('.');
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
        return out;
    }
    const auto intDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= intDigits) {
        out = digits;
        out.append(intDigits - digits.size(), '0');
    } else {
        out = digits.substr(0, intDigits);
        out.push_back('.');
        out.append(digits, intDigits, std::string::npos);
    }
    return out;
}

}  // namespace

std::string Str(double value) {
    if (std::isnan(value)) return " NaN";
    if (std::isinf(value)) return value < 0 ? "-Inf" : " Inf";
    if (value == 0.0) return " 0";
    return (value < 0 ? "-" : " ") + GeneralForm(std::fabs(value));
}

std::string StrTrim(double value) {
    std::string s = Str(value);
    if (!s.empty() && s[0] == ' ') s.erase(0, 1);
    return s;
}

namespace {

struct Mask {
    int minIntDigits = 0;     // "0" placeholders before the point
    bool hasPoint = false;
    int requiredDecimals = 0; // "0" placeholders after the point
    int decimals = 0;         // every placeholder after the point
};

Mask ParseMask(std::string_view mask) {
    Mask m;
    for (char c : mask) {
        if (c == '.') {
            if (m.hasPoint) throw std::invalid_argument("Format: máscara no válida");
            m.hasPoint = true;
        } else if (c == '0') {
            if (m.hasPoint) {
                ++m.decimals;
                m.requiredDecimals = m.decimals;  // a "0" makes every earlier place required too
            } else {
                ++m.minIntDigits;
            }
        } else if (c == '#') {
            if (m.hasPoint) ++m.decimals;
        } else {
            throw std::invalid_argument("Format: máscara no válida");
        }
    }
    return m;
}

// The exact decimal expansion of a finite, non-negative double: integer digits and
// fraction digits (every digit, no rounding).
void ExactDecimal(double magnitude, std::string& intPart, std::string& fracPart) {
    int binExp = 0;
    std::frexp(magnitude, &binExp);
    // A double holds 53 significant bits, so it has at most (53 - binExp) fraction bits,
    // and as many fraction digits in decimal; subnormals need at most 1074.
    int fracDigits = 53 - binExp;
    if (fracDigits < 0) fracDigits = 0;
    if (fracDigits > 1074) fracDigits = 1074;
    std::string buf(static_cast<std::size_t>(fracDigits) + 330, '\0');
    auto res = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude,
                             std::chars_format::fixed, fracDigits);
    std::string_view text(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos) {
        intPart = std::string(text);
        fracPart.clear();
    } else {
        intPart = std::string(text.substr(0, point));
        fracPart = std::string(text.substr(point + 1));
    }
}

}  // namespace

// Format rounds the exact decimal value of the double to the mask's places, halves
// away from zero, as the old runtime's Format did on the decimal value: 2.5 -> "3",
// 0.125 -> "0.13" (exact in binary), 1.005 -> "1.00" (held as 1.00499999...).
// A value that rounds to zero is written without a minus sign.
std::string detail::FormatExact(double value, std::string_view mask, char decimalSeparator) {
    const Mask m = ParseMask(mask);
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";

    const bool negative = std::signbit(value);
    std::string intPart;
    std::string fracPart;
    ExactDecimal(std::fabs(value), intPart, fracPart);

    // Round at m.decimals places, halves away from zero.
    const auto places = static_cast<std::size_t>(m.decimals);
    bool roundUp = fracPart.size() > places && fracPart[places] >= '5';
    fracPart.resize(places, '0');
    std::string all = intPart + fracPart;
    if (roundUp) {
        std::size_t i = all.size();
        while (i > 0) {
            --i;
            if (all[i] == '9') {
                all[i] = '0';
            } else {
                ++all[i];
                roundUp = false;
                break;
            }
        }
        if (roundUp) all.insert(all.begin(), '1');
    }
    std::string ints = all.substr(0, all.size() - places);
    std::string fracs = all.substr(all.size() - places);

    const bool isZero = all.find_first_not_of('0') == std::string::npos;

    // Integer digits: no leading zeros beyond what the mask asks.
    std::size_t firstNonZero = ints.find_first_not_of('0');
    ints = firstNonZero == std::string::npos ? std::string() : ints.substr(firstNonZero);
    if (ints.size() < static_cast<std::size_t>(m.minIntDigits))
        ints.insert(0, static_cast<std::size_t>(m.minIntDigits) - ints.size(), '0');

    // Optional ("#") places drop their trailing zeros.
    while (fracs.size() > static_cast<std::size_t>(m.requiredDecimals) && fracs.back() == '0')
        fracs.pop_back();

    std::string out;
    if (negative && !isZero) out.push_back('-');
    out += ints;
    if (m.hasPoint) {
        out.push_back(decimalSeparator);
        out += fracs;
    }
    return out;
}

namespace {

constexpr std::array<double, 6> kPowers = {1, 10, 100, 1000, 10000, 100000};

}  // namespace

// One comparison of a fixed length: the mask is read for every number written.
int PlainMaskDecimals(std::string_view mask) {
    static constexpr char kLongest[] = "0.00000";
    const auto is = [mask](std::size_t n) { return std::memcmp(mask.data(), kLongest, n) == 0; };
    switch (mask.size()) {
        case 1: return mask[0] == '0' ? 0 : -1;
        case 3: return is(3) ? 1 : -1;
        case 4: return is(4) ? 2 : -1;
        case 5: return is(5) ? 3 : -1;
        case 6: return is(6) ? 4 : -1;
        case 7: return is(7) ? 5 : -1;
        default: return -1;
    }
}

namespace {

constexpr char kPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// "000" to "999", four bytes apart: three digits in one copy.
constexpr std::array<char, 4000> kTriples = [] {
    std::array<char, 4000> table{};
    for (int i = 0; i < 1000; ++i) {
        table[static_cast<std::size_t>(i) * 4] = static_cast<char>('0' + i / 100);
        table[static_cast<std::size_t>(i) * 4 + 1] = static_cast<char>('0' + i / 10 % 10);
        table[static_cast<std::size_t>(i) * 4 + 2] = static_cast<char>('0' + i % 10);
    }
    return table;
}();

// Three digits of a number below 1000; the byte after them is overwritten too.
template <class U>
void PutTriple(char* at, U triple) {
    std::memcpy(at, kTriples.data() + static_cast<std::size_t>(triple) * 4, 4);
}

constexpr std::uint64_t kTens[] = {1,
                                   10,
                                   100,
                                   1000,
                                   10000,
                                   100000,
                                   1000000,
                                   10000000,
                                   100000000,
                                   1000000000,
                                   10000000000,
                                   100000000000,
                                   1000000000000,
                                   10000000000000,
                                   100000000000000,
                                   1000000000000000,
                                   10000000000000000};

// Decimal digits of n (at least one), from its bit width: log10 2 ~ 1233 / 4096,
// then one comparison to mend the estimate.
std::size_t DigitCount(std::uint64_t n) {
    const auto estimate = static_cast<std::size_t>(std::bit_width(n) * 1233 >> 12);
    const std::size_t digits = estimate + 1 - (n < kTens[estimate] ? 1 : 0);
    return digits == 0 ? 1 : digits;
}

template <class U>
void PutPair(char* at, U pair) {
    at[0] = kPairs[pair * 2];
    at[1] = kPairs[pair * 2 + 1];
}

// A number below 1000 without leading zeros; returns how many digits were written.
template <class U>
std::size_t WriteBelowThousand(U whole, char* at) {
    if (whole < 10) {
        at[0] = static_cast<char>('0' + whole);
        return 1;
    }
    if (whole < 100) {
        PutPair(at, whole);
        return 2;
    }
    PutTriple(at, whole);
    return 3;
}

// The digits of a whole number, those of up to nine digits (every coordinate of a
// survey) in groups of three without a loop; returns how many were written.
template <class U>
std::size_t WriteWhole(U whole, char* at) {
    if (whole < 1000) return WriteBelowThousand(whole, at);
    if (whole < 1000000) {
        const std::size_t head = WriteBelowThousand(whole / 1000, at);
        PutTriple(at + head, whole % 1000);
        return head + 3;
    }
    if (whole < 1000000000) {
        const std::size_t head = WriteBelowThousand(whole / 1000000, at);
        PutTriple(at + head, whole / 1000 % 1000);
        PutTriple(at + head + 3, whole % 1000);
        return head + 6;
    }
    const std::size_t digits = DigitCount(whole);
    char* end = at + digits;
    while (whole >= 10) {
        end -= 2;
        PutPair(end, whole % 100);
        whole /= 100;
    }
    if (end != at) *--end = static_cast<char>('0' + whole);
    return digits;
}

// Writes n / 10^D with its D decimals: sign, whole digits, separator, decimals.
// The whole part and the decimals are worked out apart, so that the two chains
// of divisions by constants run side by side.
// U: the narrowest unsigned type that holds n (divisions by constants are cheaper
// on 32 bits).
template <int D, class U>
std::size_t WriteFixed(U n, bool minus, char separator, char* out) {
    constexpr U scale = static_cast<U>(kTens[D]);
    const U whole = n / scale;
    const U decimals = n % scale;
    char* at = out;
    if (minus) *at++ = '-';
    at += WriteWhole(whole, at);
    if constexpr (D > 0) {
        *at++ = separator;
        if constexpr (D == 1) {
            at[0] = static_cast<char>('0' + decimals);
        } else if constexpr (D == 2) {
            PutPair(at, decimals);
        } else if constexpr (D == 3) {
            PutTriple(at, decimals);
        } else if constexpr (D == 4) {
            PutTriple(at, decimals / 10);
            at[3] = static_cast<char>('0' + decimals % 10);
        } else {
            PutTriple(at, decimals / 100);
            PutPair(at + 3, decimals % 100);
        }
        at += D;
    }
    return static_cast<std::size_t>(at - out);
}

}  // namespace

bool RoundToPlaces(double value, int decimals, std::uint64_t& n) {
    if (decimals < 0 || decimals > 5) return false;
    const double scale = kPowers[static_cast<std::size_t>(decimals)];
    const double magnitude = std::fabs(value);
    const double product = magnitude * scale;
    // Below 2^52 every double has a fraction resolution of at least one half.
    if (!(product < 4503599627370496.0)) return false;
    // The truncated sum (through the signed type, whose conversions are single
    // instructions) is the product rounded half up, except where the sum lands on
    // a whole number m: then both the product's own rounding and the rounding of
    // the sum (0.035 x 100 + 0.5 gives exactly 4) may have crossed the half, and
    // the exact value decides against m - 1/2 (fma rounds once, so its sign is the
    // exact difference's); an exact tie goes away from zero.
    const double halfUp = product + 0.5;
    const auto rounded = static_cast<std::int64_t>(halfUp);
    n = static_cast<std::uint64_t>(rounded);
    if (static_cast<double>(rounded) == halfUp) [[unlikely]] {
        const double half = static_cast<double>(rounded) - 0.5;
        if (std::fma(magnitude, scale, -half) < 0) --n;
    }
    return true;
}

void PutSixteenDigits(std::uint64_t n, char* out) {
    LittleEndian::PutU64(out, EightDigits::Text(static_cast<std::uint32_t>(n / 100000000 % 100000000)));
    LittleEndian::PutU64(out + 8, EightDigits::Text(static_cast<std::uint32_t>(n % 100000000)));
}

namespace {

// Format(value, mask) for the plain masks, without building the exact decimal
// expansion: the result is the one Num::Format gives (the exact value of the
// double rounded to the mask's places, halves away from zero, no "-" on a value
// that rounds to zero), which the office files are written with millions of
// times. Written straight to `out`, its length first, so that nothing is copied
// again; 0 when the value is outside what this path handles exactly, and the
// caller then takes the exact road.
std::size_t PlainDigits(double value, int decimals, char separator, char* out) {
    std::uint64_t n = 0;
    if (!RoundToPlaces(value, decimals, n)) return 0;
    const bool minus = value < 0 && n != 0;
    if (n <= 0xFFFFFFFFu) {
        const auto n32 = static_cast<std::uint32_t>(n);
        switch (decimals) {
            case 0: return WriteFixed<0>(n32, minus, separator, out);
            case 1: return WriteFixed<1>(n32, minus, separator, out);
            case 2: return WriteFixed<2>(n32, minus, separator, out);
            case 3: return WriteFixed<3>(n32, minus, separator, out);
            case 4: return WriteFixed<4>(n32, minus, separator, out);
            default: return WriteFixed<5>(n32, minus, separator, out);
        }
    }
    switch (decimals) {
        case 0: return WriteFixed<0>(n, minus, separator, out);
        case 1: return WriteFixed<1>(n, minus, separator, out);
        case 2: return WriteFixed<2>(n, minus, separator, out);
        case 3: return WriteFixed<3>(n, minus, separator, out);
        case 4: return WriteFixed<4>(n, minus, separator, out);
        default: return WriteFixed<5>(n, minus, separator, out);
    }
}

}  // namespace

std::size_t FormatPlain(double value, std::string_view mask, char decimalSeparator, char* out) {
    return FormatPlainDecimals(value, PlainMaskDecimals(mask), decimalSeparator, out);
}

std::size_t FormatPlainDecimals(double value, int decimals, char decimalSeparator, char* out) {
    return decimals >= 0 && decimals <= 5 ? PlainDigits(value, decimals, decimalSeparator, out) : 0;
}

void AppendFormat(std::string& out, double value, std::string_view mask, char decimalSeparator) {
    if (mask.empty()) {
        // No mask: the general form, with a zero before the point below 1.
        std::string_view general;
        const std::string text = StrTrim(value);
        general = text;
        const std::size_t start = out.size();
        if (general.substr(0, 2) == "-.") {
            out += "-0";
            general.remove_prefix(1);
        } else if (general.substr(0, 1) == ".") {
            out += "0";
        }
        out += general;
        for (std::size_t i = start; i < out.size(); ++i) {
            if (out[i] == '.') out[i] = decimalSeparator;
        }
        return;
    }
    char buffer[kPlainFormatBytes];
    const std::size_t plain = FormatPlain(value, mask, decimalSeparator, buffer);
    if (plain > 0) {
        out.append(buffer, plain);
        return;
    }
    out += detail::FormatExact(value, mask, decimalSeparator);
}

std::string Format(double value, std::string_view mask, char decimalSeparator) {
    std::string text;
    AppendFormat(text, value, mask, decimalSeparator);
    return text;
}

double RoundHalfEven(double value) {
    if (!std::isfinite(value)) return value;
    const double below = std::floor(value);
    const double diff = value - below;  // exact: both share the same binade or below is 0
    double r;
    if (diff > 0.5) {
        r = below + 1.0;
    } else if (diff < 0.5) {
        r = below;
    } else {
        r = std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
    }
    return r == 0.0 ? 0.0 : r;
}

std::int16_t CInt(double value) {
    const double r = RoundHalfEven(value);
    if (!(r >= -32768.0 && r <= 32767.0)) throw std::overflow_error("Desbordamiento");
    return static_cast<std::int16_t>(r);
}

std::int32_t CLng(double value) {
    const double r = RoundHalfEven(value);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) throw std::overflow_error("Desbordamiento");
    return static_cast<std::int32_t>(r);
}

double Int(double value) { return std::floor(value); }

double Fix(double value) { return std::trunc(value); }

}  // namespace Num
