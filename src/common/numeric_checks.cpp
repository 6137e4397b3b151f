#include "common/numeric_checks.h"

#include <stdexcept>

#include "common/numbers.h"
#include "common/utf8_columns.h"

namespace {

bool PassesNumberScan(std::string_view c) {
    if (c.empty()) return true;
    if (c.size() != 1) return false;
    const char ch = c[0];
    return (ch >= '0' && ch <= '9') || ch == '+' || ch == '-' || ch == ',' || ch == '.' || ch == ' ';
}

}  // namespace

namespace GM {

std::int32_t Comprobar_Numero(std::string_view Texto, bool& NoNumerico) {
    NoNumerico = false;
    const std::int32_t length = Utf8::CharCount(Utf8::TrimBlanks(Texto));
    const Utf8::Columns cols(Texto);
    std::int32_t i = 1;
    for (; i <= length; ++i) {
        if (!PassesNumberScan(cols.At(i))) {
            NoNumerico = true;
            break;
        }
    }
    return i;
}

}  // namespace GM

namespace Strings {

bool IsNumericString(std::string_view Texto) {
    bool sawDigit = false;
    for (char ch : Utf8::TrimBlanks(Texto)) {
        const auto code = static_cast<unsigned char>(ch);
        if (code >= 48 && code <= 57) {
            sawDigit = true;
        } else if (code < 43 || code > 46) {
            return false;
        }
    }
    return sawDigit;
}

bool IsNumericField(std::string_view Texto) { return IsNumericString(Texto) || Num::IsNumber(Texto); }

}  // namespace Strings

namespace ab_form_services {

void Comprobar_cadena_numerica(std::int32_t N, bool& NoNumerico, const TFields& Campos) {
    NoNumerico = false;
    if (N >= static_cast<std::int64_t>(Campos.size()))
        throw std::out_of_range("Comprobar_cadena_numerica: pieza fuera del vector");
    for (std::int32_t k = 1; k <= N && !NoNumerico; ++k) {
        const TField& f = Campos[static_cast<std::size_t>(k)];
        const Utf8::Columns cols(f.Texto);
        const std::int64_t last = static_cast<std::int64_t>(f.Fin) - f.Inicio;
        const bool endsInMinus = last >= 1 && last <= cols.Count() &&
                                 cols.At(static_cast<std::int32_t>(last)) == "-";
        for (std::int64_t j = 1; j <= last; ++j) {
            if (j > cols.Count()) break;  // past the end only empty characters, which pass
            const std::string_view c = cols.At(static_cast<std::int32_t>(j));
            if (c == "-") {
                if (endsInMinus) NoNumerico = true;
            } else if (c.size() != 1 || !((c[0] >= '0' && c[0] <= '9') || c[0] == '+' || c[0] == ',' ||
                                          c[0] == '.' || c[0] == ' ')) {
                NoNumerico = true;
            }
            if (NoNumerico) break;
        }
    }
}

}  // namespace ab_form_services
