#pragma once
// Text helpers of the writers and readers: numbers with a fixed mask and a point
// whatever the locale, right-justified columns, decimal commas.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace Strings {

// Whether the text is one of the names, letter for letter.
inline bool IsOneOf(std::string_view text, std::initializer_list<std::string_view> names) {
    for (std::string_view name : names) {
        if (text == name) return true;
    }
    return false;
}

// Valor written with the mask (see Num::Format) and always a "." as the decimal
// separator. With Alineacion 2 the text is preceded by blanks up to Ancho characters
// (a longer text comes back whole); any other alignment returns it as it is.
std::string FormatDouble(double Valor, std::string_view Formato, std::int32_t Alineacion,
                         std::int32_t Ancho);

// The text without its leading and trailing blanks, preceded by blanks up to width
// characters; a longer text comes back trimmed and whole.
std::string RightJustify(std::string_view Texto, std::int32_t Ancho);

// Every "," of the caller's text becomes ".".
void CommaToPoint(std::string& Texto);

// The text with every "," removed (thousands separators).
std::string RemoveCommas(std::string_view Texto);

// Number of characters after the first decimal point or comma of the text trimmed of
// blanks (all of them: «1.2.3» gives 3); 0 without one.
std::int32_t CountDecimals(std::string_view Texto);

}  // namespace Strings
