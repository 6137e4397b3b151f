#include "field_to_office/number_text.h"

#include <array>
#include <cmath>

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
    // product + error is exactly magnitude * scale (scale is exact, fma rounds once).
    const double error = std::fma(magnitude, scale, -product);
    const double whole = std::floor(product);
    const double fraction = product - whole;  // exact
    // |error| is below half a unit of product, so only an exact half of product
    // leaves the decision to the error's sign; an exact tie goes away from zero.
    const bool up = fraction > 0.5 || (fraction == 0.5 && error >= 0);
    const double rounded = up ? whole + 1 : whole;
    auto n = static_cast<std::uint64_t>(rounded);

    std::array<char, 32> digits{};
    std::size_t count = 0;
    do {
        digits[count++] = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n != 0);
    while (count < static_cast<std::size_t>(decimals) + 1) digits[count++] = '0';
    if (value < 0 && rounded != 0) out.push_back('-');
    for (std::size_t i = count; i-- > 0;) {
        out.push_back(digits[i]);
        if (i == static_cast<std::size_t>(decimals) && decimals > 0) out.push_back(separator);
    }
    return true;
}

}  // namespace

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
