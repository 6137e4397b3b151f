#include "common/string_helpers.h"

#include <algorithm>

#include "common/numbers.h"
#include "common/utf8_columns.h"

namespace Strings {

std::string FormatDouble(double Valor, std::string_view Formato, std::int32_t Alineacion,
                         std::int32_t Ancho) {
    std::string s = Num::Format(Valor, Formato, '.');
    if (Alineacion == 2) return Utf8::PadLeft(s, Ancho);
    return s;
}

std::string RightJustify(std::string_view Texto, std::int32_t Ancho) {
    return Utf8::PadLeft(Utf8::TrimBlanks(Texto), Ancho);
}

void CommaToPoint(std::string& Texto) { std::replace(Texto.begin(), Texto.end(), ',', '.'); }

std::string RemoveCommas(std::string_view Texto) {
    std::string out;
    out.reserve(Texto.size());
    for (char c : Texto)
        if (c != ',') out.push_back(c);
    return out;
}

std::int32_t CountDecimals(std::string_view Texto) {
    const std::string_view t = Utf8::TrimBlanks(Texto);
    const std::size_t point = t.find_first_of(".,");
    if (point == std::string_view::npos) return 0;
    return Utf8::CharCount(t.substr(point + 1));
}

}  // namespace Strings
