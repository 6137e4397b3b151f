#pragma once
// The Modelo Digital typical sections: a header line (its first 12 characters the
// chainage), one line not read, then point lines, each starting with a TAB: the
// offset, then the elevations of the layers R, S, C and T, fields separated by TABs
// (an empty field: no point in that layer). A line that does not start with a TAB
// is the next header; lines of nothing but blanks, TABs or form feeds are empty.

#include <string>

#include "app/context.h"
#include "design_readers/section_shape.h"
#include "design_readers/window_services.h"

namespace design_readers {

// The parsing: every section with at least one point line, in order.
void LeerSeccionesModeloDigital(const std::string& entrada, const EscribirSeccion& escribir);

// EntryModeloDigital.ModeloDigital_Seccion_Tipo: parsing and the section shape
// (every layer written; the vertical alignment of a Corvana run in Estandar form).
bool ModeloDigital_Seccion_Tipo(Context& ctx, WindowServices& window, const FicherosSeccion& ficheros);

}  // namespace design_readers
