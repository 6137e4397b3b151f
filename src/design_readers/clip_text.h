#pragma once
// The text helpers of the Clip readers: lines of an RTF listing's plain text, its
// rows cut at TAB into cells, and the first line of a native Clip file, whose header
// ("*PLT", "*ALZ", "*TRV") tells which reader takes the file.

#include <cstdint>
#include <string>
#include <string_view>

#include "common/field.h"

class LineInput;

namespace EntryClipWindows {

// The next line of a text held in memory, without its line end (CR LF, or a lone CR
// or LF). Pos is where the line begins (0 for the first) and moves past the line
// end. The last line is returned whether or not a line end follows it. FinTexto
// becomes true, and the line returned is empty, once the text is used up.
std::string_view Lee_Linea_Texto(std::string_view Texto, std::size_t& Pos, bool& FinTexto);

// Cuts a row of an RTF listing at its TABs: one field a cell, an empty cell keeping
// its place so that the fields after it do not shift. Line ends before the row are
// passed over. Fields 1..N of Campos; N is 0 for an empty row.
void Separa_Texto_RTF(std::string_view Texto, std::int32_t& N, TFields& Campos);

// Whether a line holds nothing but blanks, TABs and form feeds: such a line is empty.
bool LineaVacia(std::string_view line);

// The first line of the file that holds more than blanks, TABs and form feeds,
// without its line end; empty when there is none. Throws ConversionError when the
// file cannot be read.
std::string PrimeraLinea(const std::string& path);

// Reads up to the first line that holds text, which must be exactly `cabecera`
// ("*PLT", "*ALZ") or `cabecera` followed by "1"; after the latter one more line is
// passed over. Numero counts the lines read. Throws Rechazo "El fichero no es de tipo
// CLIP" otherwise.
void LeerCabecera(LineInput& input, std::int64_t& Numero, std::string_view cabecera);

}  // namespace EntryClipWindows
