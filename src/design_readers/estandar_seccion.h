#pragma once
// The Estandar typical sections: plain text, fields separated by blanks or TABs, a
// comma inside a number its decimal sign.
//
//   a line of one field       the chainage of the next section, in metres or km+m
//   a line of two or more     a point of the section: offset (negative to the
//                             left) and elevation; further fields are ignored
//
// Lines whose first two fields are not both numbers, and empty lines, are skipped.
// A chainage line after points closes the section; of several chainage lines in a
// row the last one counts; a section before any chainage line is at chainage 0.

#include <string>
#include <string_view>

#include "app/context.h"
#include "design_readers/section_shape.h"
#include "design_readers/window_services.h"

namespace design_readers {

// The parsing: every section with its points in block `bloque`, in order.
void LeerSeccionesEstandar(const std::string& entrada, char bloque, const EscribirSeccion& escribir);

// The reader: asks the layer in Tarsel v3.00 runs, reads the vertical alignment from
// ficheros.alzado in Corvana runs.
bool Estandar_Seccion_Tipo(Context& ctx, WindowServices& window, const FicherosSeccion& ficheros);

}  // namespace design_readers
