#pragma once
// Ordering of a typical cross section's points before it is written, and the
// insertion a section reader uses. Lists of a few dozen points: plain exchanges.

#include <cstdint>
#include <vector>

#include "common/records.h"

namespace GM {

// Sorts points 1..Count by offset (a strict exchange sort, whose order of equal
// offsets later steps rely on), then keeps a point only when its offset or its
// elevation differs from the last point kept. The list is rebuilt as 0..Count.
void Ordenar_Puntos_Seccion(std::int32_t& Count, std::vector<TPuntoSeccion>& Puntos);

// Puts Reg at position Pos, moving the points from Pos on one place up; a position
// past the end appends. False, and the list untouched, when Pos < 1.
bool Insertar_Registro(std::int32_t Pos, const TPuntoSeccion& Reg, std::vector<TPuntoSeccion>& Lista);

}  // namespace GM
