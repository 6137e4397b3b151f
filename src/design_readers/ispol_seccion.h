#pragma once
// The Ispol typical-section listing: a paged printer listing, one block a section.
//
//   " pk:" header        the section's chainage in characters 5 to 17
//   one line             not read
//   the heading line     its words, from the left, stand over the columns of the
//                        layers T, C, S and R
//   two lines            not read
//   data lines           offset and elevation; a pair goes to every layer whose
//                        heading word it stands under; a fifth token on the line may
//                        carry a second pair under the R word ("-5.250-3.100" is two
//                        numbers)
//
// A page break inside a section skips the page header up to a "*" line (the section
// ends) or a " pk:" header (the same chainage goes on with the section; another one
// starts the next). Lines whose pair is not two numbers add nothing.

#include <string>

#include "app/context.h"
#include "design_readers/section_shape.h"
#include "design_readers/window_services.h"

namespace design_readers {

// The parsing: every section that has a point, in order.
void LeerSeccionesIspol(const std::string& entrada, const EscribirSeccion& escribir);

// EntryISPOL.Ispol_Seccion_Tipo: parsing and the section shape (every layer written;
// the vertical alignment of a Corvana run from an Istram listing).
bool Ispol_Seccion_Tipo(Context& ctx, WindowServices& window, const FicherosSeccion& ficheros);

}  // namespace design_readers
