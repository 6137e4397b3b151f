#pragma once
// Elevations of the vertical alignment: uniform grades, parabolic vertical curves and
// circular vertical curves (negative Longitud; Pendiente the start inclination in
// radians, Kv the signed radius, > 0 a crest). Arrays: element 0 unused (gm_base.h).

#include <cstdint>
#include <vector>

#include "common/gm_base.h"
#include "common/records.h"

namespace GM {

// The point {Pk, elevation} on the circular vertical curve Elem.
TPuntoEje Punto_Acuerdo_Circular(const TAlzado& Elem, double Pk);

// Elevation at distance d from the element's start; for a circular vertical curve,
// the elevation at its end whatever d is (what the continuity check needs).
double Cota_Elemento_Alzado(const TAlzado& Elem, double d);

// Elevation at Pk on the last element that starts at or before Pk (the last element
// beyond the end). Error := -1 and 0 returned when Pk lies before the first start,
// beyond the last element's end, or the array has no element; otherwise Error := 0.
double Cota_Rasante_Pk(double Pk, const std::vector<TAlzadoVextor>& Alzado, std::int16_t& Error);

// Cota := elevation at Pk on the last element that starts at or before Pk: the grade
// line, parabola or circular curve of that element, extended beyond its end when Pk
// lies past the last element. Before the first element the first element is extended
// backwards; an array without elements gives 0.
void Cota_Rasante(const std::vector<TAlzado>& Alzado, double Pk, double& Cota);

}  // namespace GM
