#pragma once
// The number rules every converter shares: reading a number out of a text (Val),
// the Str form, Format masks, rounding and integer conversions with range checks.
// None of them depends on the C locale.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace Num {

// Skips blanks, tabs and line feeds wherever they stand; reads an optional sign,
// digits, "." as the decimal point and an optional exponent; stops at the first
// other character. A text that does not start with a number gives 0. The exponent
// letter may be E or D, either case. A value too small for a Double reads as 0; one
// too large throws std::overflow_error, as the old runtime raised its overflow error.
double Val(std::string_view text);

// True when Val reads the whole text as one number: an optional sign, digits with at
// most one "." (at least one digit), an optional exponent (E or D, either case, an
// optional sign, digits), with what Val skips anywhere. "5E1", "2.E3", "-6.0E3" are
// numbers; "5-2", "1.2.3", "--5", "5+", "5E" and "" are not.
bool IsNumber(std::string_view text);

// The Str form: shortest general form with up to 15 significant digits, "." as the
// separator, a leading blank for values that are not negative, no zero before the
// point below 1 (" .5", "-.25"), exponent form for very large or small values:
// decimal exponent from 15 up or below -4, written "1E+16", "1.5E-07".
std::string Str(double value);

// Str without its leading blank.
std::string StrTrim(double value);

// Format(value, mask) for digit masks such as "0", "0.0", "0.000", "0.0000", "00",
// "#0.00", "#####.####": rounded to the mask's decimals, written with the given decimal
// separator. "0" places are always written, "#" places only when they carry a digit
// (so "#####.####" writes 3 as "3." and 0.5 as ".5"). Halves of the exact decimal
// value round away from zero; a value that rounds to zero has no minus sign. Any mask
// character other than "0", "#" and one "." throws std::invalid_argument. An empty
// mask gives the general form: up to 15 significant digits, a zero before the point
// below 1, no leading blank ("0.5", "-12.25", "0").
std::string Format(double value, std::string_view mask, char decimalSeparator);
// The same, appended to a text being built (no allocation for the plain masks).
void AppendFormat(std::string& out, double value, std::string_view mask, char decimalSeparator);
// The same for the plain masks "0" .. "0.00000", written to `out` without
// allocating; returns its length. `out` has room for kPlainFormatBytes, any of
// which may be written. 0 for any other mask and for a value this road does not
// take (very large or not finite), which Format then writes.
inline constexpr std::size_t kPlainFormatBytes = 40;
std::size_t FormatPlain(double value, std::string_view mask, char decimalSeparator, char* out);
// The decimals of a plain mask ("0" gives 0, "0.000" gives 3, up to 5); -1 for any
// other mask. A writer of many numbers with one mask reads the mask once.
int PlainMaskDecimals(std::string_view mask);
// FormatPlain for the plain mask of `decimals` places (0 to 5; any other gives 0).
std::size_t FormatPlainDecimals(double value, int decimals, char decimalSeparator, char* out);
// |value| rounded to `decimals` places (0 to 5) as the whole number of those places
// (2.0005 to 3 places is 2001), rounded as Format rounds: halves of the exact value
// away from zero. False, and n unset, for other places, for a value not finite and
// for one whose scaled magnitude reaches 2^52.
bool RoundToPlaces(double value, int decimals, std::uint64_t& n);
// The sixteen last decimal digits of n, with leading zeros, written to out[0..15].
void PutSixteenDigits(std::uint64_t n, char* out);

namespace detail {
// Format through the exact decimal expansion of the double; Format takes a faster
// road for the plain masks "0" .. "0.00000" that gives the same texts.
std::string FormatExact(double value, std::string_view mask, char decimalSeparator);
}  // namespace detail

// Rounds to the nearest integer, halves to the even one (CInt, CLng).
double RoundHalfEven(double value);
// CInt / CLng: rounded as above; throws std::overflow_error outside the type's range.
std::int16_t CInt(double value);
std::int32_t CLng(double value);
// Int: the largest integer not above the value; Fix: the integer part.
double Int(double value);
double Fix(double value);

}  // namespace Num
