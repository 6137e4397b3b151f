#include "common/chainage.h"

#include <cmath>
#include <stdexcept>
#include <string_view>

#include "common/numbers.h"
#include "common/utf8_columns.h"

namespace {

void TrimInPlace(std::string& text) { text = std::string(Utf8::TrimBlanks(text)); }

double Checked(double value) {
    if (!std::isfinite(value)) throw std::overflow_error("Desbordamiento");
    return value;
}

}  // namespace

namespace Strings {

double PKStringToDouble(std::string& Texto) {
    TrimInPlace(Texto);
    try {
        const std::string_view t = Texto;
        // An exponent's sign is no kilometre separator: "1.0E+2" is 100 m.
        if (Num::IsNumber(t)) return Checked(Num::Val(t));
        double sign = 1.0;
        std::size_t s0 = 0;  // byte offset where the scan starts
        if (!t.empty() && (t[0] == '-' || t[0] == '+')) {
            sign = t[0] == '-' ? -1.0 : 1.0;
            s0 = 1;
        }
        // The kilometres are read from the start of the scan up to the separator; when a
        // sign was skipped this reaches the separator itself, where Val stops anyway.
        const std::size_t plus = t.find('+', s0);
        if (plus != std::string_view::npos) {
            const double km = Num::Val(t.substr(s0, plus - s0));
            return Checked((km * 1000.0 + Num::Val(t.substr(plus + 1))) * sign);
        }
        const std::size_t minus = t.find('-', s0);
        if (minus != std::string_view::npos) {
            const double km = Num::Val(t.substr(s0, minus - s0));
            return Checked(km * 1000.0 * sign - Num::Val(t.substr(minus + 1)));
        }
        return Checked(Num::Val(t));
    } catch (const std::overflow_error&) {
        return 0.0;
    }
}

bool IsChainage(std::string_view Texto) {
    const std::string_view t = Utf8::TrimBlanks(Texto);
    if (Num::IsNumber(t)) return true;
    const std::size_t s0 = !t.empty() && (t[0] == '+' || t[0] == '-') ? 1 : 0;
    const std::size_t at = t.find_first_of("+-", s0);
    if (at == std::string_view::npos) return false;
    const std::string_view km = t.substr(s0, at - s0);
    const std::string_view m = Utf8::TrimBlanks(t.substr(at + 1));
    // The kilometres hold no sign: the separator is the first one after the leading sign.
    return Num::IsNumber(km) && !m.empty() && m[0] != '+' && m[0] != '-' && Num::IsNumber(m);
}

}  // namespace Strings

namespace ab_form_services {

double Valor_Entero_Doble(std::string& Texto) {
    TrimInPlace(Texto);
    const std::string_view t = Texto;
    // An exponent's sign is no kilometre separator: "1.0E+2" is 100 m.
    if (Num::IsNumber(t)) return Checked(Num::Val(t));
    const std::size_t at = t.find_first_of("+-");
    if (at == std::string_view::npos) return Num::Val(t);
    const double km = Num::Val(t.substr(0, at));
    const double m = Num::Val(t.substr(at + 1));
    return Checked(t[at] == '+' ? km * 1000.0 + m : km * 1000.0 - m);
}

}  // namespace ab_form_services
