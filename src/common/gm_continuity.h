#pragma once
// Continuity checks of a finished alignment: every joint where the computed end of an
// element misses the stored start of the next by more than the tolerance is listed in
// one "Listado de Errores" box. The check only reports; it changes no record.
// Arrays: element 0 unused (gm_base.h).

#include <optional>
#include <string>
#include <vector>

#include "common/gm_base.h"
#include "common/records.h"
#include "platform/desktop.h"

namespace GM {

// The computed end of one element whose azimuth is already in radians, the next
// element having the radius radioSiguiente (0 when a straight follows). An element
// with Radio 0 is followed as a straight. Nothing when a clothoid's end cannot be
// placed (an ovoid whose next radius equals its own). Throws ArithmeticError when
// the element's formulas divide by zero.
std::optional<TPuntoEje> Fin_Elemento(const TPlanta& e, double radioSiguiente);

// Planta: azimuths in gon; gaps over 0.005 m are listed. A joint after a clothoid
// whose end cannot be placed (an ovoid whose next radius equals its own) is skipped.
// Throws ArithmeticError when an element's formulas divide by zero.
void Comprobar_Planta(platform::Desktop& desktop, const std::vector<TPlanta>& Planta, const std::string& Nombre);

// Alzado: end elevation of each element against the next element's Z; gaps over
// 0.003 m are listed.
void Comprobar_Alzado(platform::Desktop& desktop, const std::vector<TAlzado>& Alzado, const std::string& Nombre);

}  // namespace GM
