#pragma once
// The Clip alzado files. Grades are written in percent and stored in m/m; chainages
// may be written as kilometres, "+" and metres.
//
//   "*ALZ" vertex file   a header "*ALZ" (or "*ALZ1" and one line that is not data),
//                        then a vertex a line: PK,<value><code>,<value><code>
//                        The first pair gives the vertex: "C" its elevation, "P" the
//                        grade (%) that arrives at it. The second gives its vertical
//                        curve: "T" tangent length, "F" mid-ordinate, "R" the Kv itself.
//   printed listing      a printer file: page headers down to a "====" ruler, then
//                        records of three lines A, B, C. A: the start of a grade
//                        (token 2 PK, 3 elevation, 4 grade); C: the start of the
//                        vertical curve that ends at the next record's A (token 3 PK,
//                        4 elevation, 5 grade, 7 Kv). A form feed opens a new page.
//   RTF listing          the plain text of the listing: two title lines, then records
//                        of three table rows L0, L1, L2, cells cut at TAB.
//
// Each appends its elements to Alzado, numbered from its size. A refused input
// throws Rechazo; a number too large throws ConversionError naming the line.

#include <string>
#include <string_view>
#include <vector>

#include "common/records.h"

namespace EntryClipWindows {

// Throws Rechazo "El fichero no es de tipo CLIP" for a wrong or missing header, and
// naming the line for an unknown vertex code or vertical curves that overlap.
void LeerAlzadoALZ(const std::string& entrada, std::vector<TAlzado>& Alzado);

// Throws Rechazo "El fichero de entrada no tiene el formato adecuado" when a ruler
// is missing (at the start, or after a page break).
void LeerAlzadoListado(const std::string& entrada, std::vector<TAlzado>& Alzado);

// The plain text of an RTF listing (as the window's rich-text control gives it).
void LeerAlzadoRTF(std::string_view texto, std::vector<TAlzado>& Alzado);

}  // namespace EntryClipWindows
