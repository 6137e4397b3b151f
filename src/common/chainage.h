#pragma once
// Chainages written as kilometres, a sign and metres («1+234.5») turned into metres.

#include <string>
#include <string_view>

namespace Strings {

// Trims the caller's text of blanks in place. A text that Val reads whole is that
// number («1.0E+2» -> 100, «-5.5»). Otherwise a leading "-" gives the sign -1 and a
// leading "+" or none +1; the sign character is skipped. Then the first "+" after it
// gives (km * 1000 + m) * sign; otherwise the first "-" after it gives
// km * 1000 * sign - m (the sign applies to the kilometres only); with neither, the
// leading number of the whole text, its sign included. «-0+200» -> -200,
// «1-200» -> 800. A value out of a Double's range gives 0.
double PKStringToDouble(std::string& Texto);

// True when the text, blanks around it aside, is a chainage as PKStringToDouble reads
// it: a number (Num::IsNumber), or an optional sign, kilometres, "+" or "-" and
// metres, the kilometres and the metres each a number without a sign of its own.
// «1+234.5», «-0+200», «1.2E3» are chainages; «1+», «+5-2-1», «1E+2+5» are not.
bool IsChainage(std::string_view Texto);

}  // namespace Strings

namespace ab_form_services {

// Trims the caller's text of blanks in place. A text that Val reads whole is that
// number («1.0E+2» -> 100). Otherwise, at the first "+" or "-": the number
// before it * 1000 plus (or minus) the number after it; a text with neither gives
// its leading number. Throws std::overflow_error when the value is out of a Double's
// range.
double Valor_Entero_Doble(std::string& Texto);

}  // namespace ab_form_services
