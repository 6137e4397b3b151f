#pragma once
// Whether a text or the pieces of a line look like numbers.

#include <cstdint>
#include <string_view>

#include "common/field.h"

namespace GM {

// Scans the first L characters of the text, L being the length of the text without
// its leading and trailing blanks (leading blanks are not removed, so they shift the
// window). Digits, "+", "-", ",", "." and blanks pass. Returns the position of the
// first character that failed, or L + 1; NoNumerico is True when one failed.
std::int32_t Comprobar_Numero(std::string_view Texto, bool& NoNumerico);

}  // namespace GM

namespace Strings {

// True when the text, without leading and trailing blanks, is made only of digits and
// "+", ",", "-", "." and holds at least one digit.
bool IsNumericString(std::string_view Texto);

// The number test of the fields a layout checks with IsNumericString: what that test
// accepts ("0+000", "1,5" in a field not read) or what Val reads whole as one number
// ("1.0E2", which IsNumericString misses), so that a number written with an exponent
// is not taken for a title.
bool IsNumericField(std::string_view Texto);

}  // namespace Strings

namespace ab_form_services {

// Checks the pieces 1..N of Campos. In each piece the positions 1 to Fin - Inicio are
// looked at (with pieces whose Fin is their last column the last character is not;
// the last piece of LeeTira, whose Fin is 254, is looked at past its end, where
// nothing fails). Digits, "+", ",", "." and blanks pass; a "-" fails only when the
// character at position Fin - Inicio is a "-" as well; anything else fails.
// NoNumerico is True when a piece failed. Throws std::out_of_range when N goes past
// the last element of Campos.
void Comprobar_cadena_numerica(std::int32_t N, bool& NoNumerico, const TFields& Campos);

}  // namespace ab_form_services
