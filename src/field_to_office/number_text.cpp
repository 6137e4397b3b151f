#include "field_to_office/number_text.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <stdexcept>

#include "common/numbers.h"

namespace {

constexpr std::array<double, 6> kPowers = {1, 10, 100, 1000, 10000, 100000};

// The decimals of a mask "0" or "0.0" ... "0.00000"; -1 for any other mask.
int PlainMaskDecimals(std::string_view mask) {
    if (mask == "0") return 0;
    if (mask.size() < 3 || mask.size() > 7 || mask[0] != '0' || mask[1] != '.') return -1;
    for (char c : mask.substr(2))
        if (c != '0') return -1;
    return static_cast<int>(mask.size()) - 2;
}

// Format(value, mask) for the plain masks, without building the exact decimal
// expansion: the result is the one Num::Format gives (the exact value of the
// double rounded to the mask's places, halves away from zero, no "-" on a value
// that rounds to zero), which the office files are written with millions of
// times. False when the value is outside what this path handles exactly; the
// caller then asks Num::Format.
bool AppendPlain(std::string& out, double value, int decimals, char separator) {
    const double scale = kPowers[static_cast<std::size_t>(decimals)];
    const double magnitude = std::fabs(value);
    const double product = magnitude * scale;
    // Below 2^52 every double has a fraction resolution of at least one half.
    if (!(product < 4503599627370496.0)) return false;
    // Below 2^52 and not negative: the whole part is the truncated integer.
    const auto truncated = static_cast<std::uint64_t>(product);
    const auto whole = static_cast<double>(truncated);
    const double fraction = product - whole;  // exact
    // The rounding error of the product is below half a unit of it, so only a
    // product that is exactly a half leaves the decision to that error's sign
    // (product + error is exactly magnitude * scale: the scale is exact and fma
    // rounds once); an exact tie goes away from zero.
    const bool up = fraction > 0.5 || (fraction == 0.5 && std::fma(magnitude, scale, -product) >= 0);
    auto n = up ? truncated + 1 : truncated;
    const bool zero = n == 0;

    // Digits from the right, two at a time: the decimals, the separator, the whole
    // part, the sign.
    static constexpr char kPairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    std::array<char, 40> text{};
    std::size_t start = text.size();
    int left = decimals;
    while (left >= 2) {
        const std::size_t pair = static_cast<std::size_t>(n % 100) * 2;
        n /= 100;
        text[--start] = kPairs[pair + 1];
        text[--start] = kPairs[pair];
        left -= 2;
    }
    if (left == 1) {
        text[--start] = static_cast<char>('0' + n % 10);
        n /= 10;
    }
    if (decimals > 0) text[--start] = separator;
    const std::size_t wholeEnd = start;
    while (n >= 10) {
        const std::size_t pair = static_cast<std::size_t>(n % 100) * 2;
        n /= 100;
        text[--start] = kPairs[pair + 1];
        text[--start] = kPairs[pair];
    }
    if (n > 0 || start == wholeEnd) text[--start] = static_cast<char>('0' + n);
    if (value < 0 && !zero) text[--start] = '-';
    out.append(text.data() + start, text.size() - start);
    return true;
}

}  // namespace

void AppendFixed(std::string& out, double value, int decimals, char decimalSeparator) {
    static constexpr std::string_view kMasks[] = {"0", "0.0", "0.00", "0.000", "0.0000", "0.00000"};
    if (decimals < 0 || decimals > 5) throw std::invalid_argument("AppendFixed: decimales fuera de rango");
    if (!AppendPlain(out, value, decimals, decimalSeparator)) {
        out += Num::Format(value, kMasks[decimals], decimalSeparator);
    }
}

void AppendFormat(std::string& out, double value, std::string_view mask, char decimalSeparator) {
    if (!mask.empty()) {
        const int decimals = PlainMaskDecimals(mask);
        if (decimals >= 0 && AppendPlain(out, value, decimals, decimalSeparator)) return;
        out += Num::Format(value, mask, decimalSeparator);
        return;
    }
    std::string_view general;
    const std::string text = Num::StrTrim(value);
    general = text;
    const std::size_t start = out.size();
    if (general.substr(0, 2) == "-.") {
        out += "-0";
        general.remove_prefix(1);
    } else if (general.substr(0, 1) == ".") {
        out += "0";
    }
    out += general;
    for (std::size_t i = start; i < out.size(); ++i)
        if (out[i] == '.') out[i] = decimalSeparator;
}

std::string FormatText(double value, std::string_view mask, char decimalSeparator) {
    std::string text;
    AppendFormat(text, value, mask, decimalSeparator);
    return text;
}
