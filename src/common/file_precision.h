#pragma once
// The decisions readers take on numbers read from a file, or computed from them:
// whether two grades are one grade, two chainages one chainage, a difference nothing.
// They are taken at the precision the file writes the numbers, never by exact
// equality of doubles: (1254.435 - 1257.932) / 130 and (1246.634 - 1254.435) / 290
// are both -2.69 % on paper and 1e-17 apart in the machine, and such a difference
// turned into a vertical curve gives a Kv of 1e17.
//
// A number read carries the unit of its last written decimal ("1257.932": 0.001); a
// number computed from others carries the unit they give it (a grade found from two
// elevations 130 m apart: 0.001 / 130).

#include <string_view>

namespace Precision {

// The unit of the last decimal of a number written with `decimales` decimals
// (negative: tens, hundreds ...).
double Unidad(int decimales);

// The unit of the number written in the text: the digits after its "." or "," less
// the power of ten of an exponent ("1257.932" 0.001, "2+695.425" 0.001, "120" 1,
// "1.5E+2" 10).
double UnidadDe(std::string_view texto);

// The unit of a grade found from two elevations known to `unidadCota` that lie
// `longitud` apart; for two elevations at one chainage, that of the elevations.
double UnidadPendiente(double unidadCota, double longitud);

// Whether a value known to `unidad` is nothing: smaller than half of it.
bool Nulo(double valor, double unidad);

// Whether two values known to the units ua and ub are one value: they differ by less
// than half the finer unit. What one of them can show is kept; what neither can show
// (the rounding of the arithmetic) is not a difference.
bool Iguales(double a, double ua, double b, double ub);

}  // namespace Precision
