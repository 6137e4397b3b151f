#pragma once
// The SDR road files.
//
// Record file: one record a line, its type the first two characters, its numbers
// the 16-character fields F1 .. F4 at columns 5, 21, 37 and 53; angles in gon.
//
//   "29" start of the planta   F1 chainage  F2 azimuth  F3 X  F4 Y
//   "31" straight              F1 azimuth   F2 length
//   "32" arc                   F1 length    F2 radius (signed)
//   "33" spiral                F1 length    F2 radius (signed)
//   "34" start of the alzado   F1 chainage  F2 elevation
//   "36" vertex with a curve   F1 chainage  F2 elevation  F3 curve length
//   "37" vertex                F1 chainage  F2 elevation
//
// Any other record, and a planta record of length 0, changes nothing. The planta is
// integrated element by element from the start record and ends with a 0.01 m
// closing element; the spirals take their parameter from the radii around them.
// The alzado is built from the vertices.
//
// Section listing: blank- or TAB-separated tokens; a line whose first token is
// "P.k." starts a section (its third token the chainage, as km+m); a line of more
// than three tokens whose second and third are numbers is a point: offset,
// elevation, and the layer word in its next-to-last token (RODADURA, SUBRASANTE,
// CUNETA in upper, lower or title case; any other word is the slope layer T).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/context.h"
#include "common/records.h"
#include "design_readers/reader_shape.h"
#include "design_readers/section_shape.h"

namespace design_readers {

// One vertex of the alzado. Curva is the length of its vertical curve, 0 for none.
struct VerticeSDR {
    double PK = 0;
    double Z = 0;
    double Curva = 0;
    std::int64_t linea = 0;
};

// What a record file holds: the planta elements 1 .. n with the closing element
// (azimuths in gon) and the alzado vertices in file order. A file with neither holds
// no road.
struct LecturaSDR {
    std::vector<TPlanta> Planta = std::vector<TPlanta>(1);
    std::vector<VerticeSDR> Vertices;
};

// Reads the record file. Throws Rechazo naming the line for a record that cannot be
// built: a negative length, a zero radius, a spiral between two curves of the same
// radius or of opposite turn, a number too large.
LecturaSDR LeerSDR(const std::string& entrada);

// The alzado elements 1 .. n of the vertices (none for fewer than two). A curve on
// the first or the last vertex has no grade on one of its sides: that vertex is
// taken as plain. Throws Rechazo naming the line for vertices that do not advance,
// curves that overlap and a curve between two equal grades.
std::vector<TAlzado> AlzadoSDR(std::vector<VerticeSDR> v);

// The file the alzado of a planta request goes to: the output less its last three
// characters plus "ALZ" (Tarsel) or "LON" (Corvana); in Tunelix the output with
// "_ALZ" before its extension, so that it never is the planta file.
std::string SegundoFicheroSDR(std::string_view salida, std::int16_t formato);

// EntrySDR.SDR_Planta_Alzado. `alzado` names the second file of a planta request;
// in an alzado request (`conPlanta` false) only the alzado is written, to `ficheros`.
// True after a completed run; false after a refusal said in a box (ErrorFichero 1).
bool SDR_Planta_Alzado(Context& ctx, const Ficheros& ficheros, const Ficheros& alzado, bool conPlanta);

// The section listing's parsing: every section with at least one point, in order.
void LeerSeccionesSDR(const std::string& entrada, const EscribirSeccion& escribir);

// EntrySDR.SDR_Seccion_Tipo: every layer from its words, no layer dialog.
bool SDR_Seccion_Tipo(Context& ctx, WindowServices& window, const FicherosSeccion& ficheros);

}  // namespace design_readers
