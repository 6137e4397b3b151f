#pragma once
// The words of a KTW point file, as the office-to-field window writes them for the
// field instruments: a point-number word, X, Y and Z in millimetres, code words.
//
//   word          characters       content
//   point number  2+4+1+W+1        "11", the line number in 4 digits, "+", the name fitted to W, " "
//   X / Y / Z     6+1+W+1          "81..10" / "82..10" / "83..10", the sign, millimetres fitted to W, " "
//   code          2+4+1+W+1        "410001+", the code text fitted to W, " "
//   default code  7+W              "410001+" and W zeros, no blank after it
//
// W, the data width, is 8 or 16. A line of the 8-digit layout holds its words from
// column 1 on; a line of the 16-digit layout starts with "*". The words follow each
// other without gaps, so every word keeps its width or the columns break: the line
// number counts on modulo 10,000 past 9,999.

#include <cstdint>
#include <string>
#include <string_view>

namespace ab_form_ktw {

// Fits a text to W characters: a longer text keeps its rightmost W characters (bytes:
// the texts of these files are Windows-1252), a shorter one is padded with "0" on
// the left.
std::string StrLength(std::string_view ValorCampo, std::int32_t W);

// The coordinate word of the unsigned decimal text ValorCampo ("12345.678"): the
// digits after the last "." are cut or padded with "0" to three (millimetres), the
// point is removed, the digits are fitted to W, and the word index of Eje ('X', 'Y'
// or 'Z') and Signo ('+' or '-') go in front; one blank after it.
std::string StrSort(std::string_view ValorCampo, char Eje, char Signo, std::int32_t W);

// The coordinate word of a value in metres, rounded to the millimetre (halves away
// from zero). A value that rounds to zero carries the sign "+".
std::string CoordinateWord(double value, char Eje, std::int32_t W);

// Whether a coordinate word's data digits are all zeros.
bool IsZeroWord(std::string_view word);

// The point-number word of a name on the running line number (any count: only its
// last four digits are written).
std::string PointNumberWord(std::string_view name, std::int64_t lineNumber, std::int32_t W);

// The code word of a code text, and the default code word.
std::string CodeWord(std::string_view code, std::int32_t W);
std::string DefaultCodeWord(std::int32_t W);

}  // namespace ab_form_ktw
