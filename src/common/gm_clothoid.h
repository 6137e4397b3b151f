#pragma once
// Points on clothoid elements: spirals from a straight, spirals to a straight and
// egg-shaped spirals (ovoids) between two radii, through a fifty-term series of the
// Fresnel-type integrals. Element azimuths in radians.

#include <optional>

#include "common/gm_base.h"
#include "common/records.h"

namespace GM {

// T is the clothoid's tangent angle at a point (u^2 / (2 A^2) at distance u from its
// origin); A*C and A*S are the point's coordinates along and across the origin
// tangent. The value of the fifty-term series, to within the sums' last places
// (terms that cannot reach them are left out). Throws ArithmeticError when T is
// negative or a term overflows.
void Integrales_Fresnel(double T, double& C, double& S);

// The point at distance L along the clothoid element Elem, whose next element has
// radius RSig (only its magnitude is used; 0 or the marker 0.001 is a straight or
// a spiral that starts from a straight). When the point is by construction the
// element's end (spiral towards a straight, or an ovoid that flattens), L receives
// the distance the point was computed at, as the callers expect: for a flattening
// element its distance back from the point of zero curvature, negative when the
// element runs past that point. The element's radius
// is the radius at its start, or the marker +-0.001 when it starts from a straight.
// Returns nothing when the element cannot be placed: a non-marker element whose next
// radius equals its own in magnitude. Throws ArithmeticError for a zero radius or a
// zero parameter.
std::optional<TPuntoEje> Intentar_Punto_En_Clotoide(double& L, double RSig, const TPlanta& Elem);

// The same, with the all-zero point when the element cannot be placed.
TPuntoEje Punto_En_Clotoide(double& L, double RSig, const TPlanta& Elem);

// The point at distance L along the clothoid of parameter Elem.Parametro that leaves
// (Elem.X, Elem.Y) at Elem.Acimut with radius Elem.Radio, its curvature falling towards
// a straight and, past it, turning the other way; the marker radius +-0.001 is a spiral
// that leaves a straight, turning to the side of its sign. Elem.Longitud is not read.
// Throws ArithmeticError for a zero radius or a zero parameter.
TPuntoEje Punto_En_Espiral(double L, const TPlanta& Elem);

}  // namespace GM
