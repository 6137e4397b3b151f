#pragma once
// The line splitters the readers choose among. Each fills a TFields array from
// element 1 (element 0 stays empty) and reports the number of pieces in N. Which
// columns a splitter looks at, what it stores as Fin and whether empty pieces count
// differ from one to the other, and readers rely on each rule:
//
//   splitter                      separators   columns    Fin of a piece
//   GM::Separar_Campos_Blanco     " "          1..254     its last column; 254 for the
//                                                         piece that runs to the end
//   GM::Separar_Campos            one char     1..799     its last column; 799 likewise
//   Strings::SplitString          a string     all        column of the separator that
//                                                         ends it; length + 1 for the last
//
// Columns count characters, not bytes.

#include <cstdint>
#include <string_view>

#include "common/field.h"

namespace GM {

// Splits at blanks; a run of blanks is one boundary and leading blanks are passed
// over. A line that ends in blanks, and an empty or all-blank line, give one more,
// empty piece (its Inicio the column after the last blank, its Fin 254). Only the
// first 254 columns are looked at: a piece that reaches column 255 is cut after 254
// and the split ends there. A TAB belongs to a piece.
void Separar_Campos_Blanco(std::string_view Linea, std::int32_t& N, TFields& Campos);

// The same with the separator Sep in place of the blank and the limit 799. Sep must
// be one character: a longer or an empty separator never matches, so the line up to
// column 799 is one piece. CR and LF belong to the pieces.
void Separar_Campos(std::string_view Linea, std::string_view Sep, std::int32_t& N, TFields& Campos);

}  // namespace GM

namespace Strings {

// Cuts Texto at every occurrence of Sep (exact comparison). On entry N is the most
// pieces wanted; at most N are stored, and on return N is the number stored. Every
// piece ends at the separator: Fin is the separator's column (length + 1 for the
// last piece). The next piece starts one column after the separator's first
// character, also for a longer separator. With SaltarVacios empty pieces are not
// stored. An empty Sep never occurs: the whole text is one piece.
void SplitString(std::string_view Texto, std::string_view Sep, std::int32_t& N, TFields& Campos,
                 bool SaltarVacios);

// Numbers glued by their minus signs («12.50-3.20»): every piece 1..upper bound that
// holds a "-" after its first character is replaced by its parts, the first from the
// piece's start, each later one starting at a "-", each with its own columns of the
// line (Fin its last column). N becomes the new upper bound; it stays as it was when
// nothing was split.
void SplitNegativeFields(std::int32_t& N, TFields& Campos);

}  // namespace Strings

namespace ab_form_services {

// The office-to-field window's splitters, shared so that the window can expose them.

// Same operation and results as GM::Separar_Campos_Blanco.
void LeeTira(std::string_view Linea, std::int32_t& N, TFields& Campos);

// Pieces are the runs of characters other than blank and TAB over the whole line;
// Fin is the last column of each. An empty line or a line of separators gives N = 0.
void LeeTira_Cartomap(std::string_view Linea, std::int32_t& N, TFields& Campos);

}  // namespace ab_form_services
