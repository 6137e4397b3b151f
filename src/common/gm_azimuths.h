#pragma once
// Start azimuths of arcs, clothoids and ovoids from their end points, the parameter
// of an ovoid, and the radius a clothoid's element record stores. For design files
// that give the points where the elements meet but no azimuths. Radians, clockwise
// from north; every azimuth result has passed through Normalizar_Angulo. Signed radii
// and parameters: > 0 the azimuth increases along the element.

#include "common/gm_base.h"

namespace GM {

// Tangent azimuth at P1 of the arc of radius R from P1 to P2. Throws ArithmeticError
// for R = 0 or a chord longer than the diameter.
double Azimut_Tangente_Arco(const TPuntoXY& P1, const TPuntoXY& P2, double R);

// Tangent azimuth at P1, the straight end of an entry clothoid (parameter A, length L)
// that ends at P2.
double Azimut_Tangente_Clotoide_Entrada(const TPuntoXY& P1, const TPuntoXY& P2, double A, double L);

// Tangent azimuth at P2, the curved start of an exit clothoid that runs from P2 to a
// straight at P1 (P1 is the element's end).
double Azimut_Tangente_Clotoide_Salida(const TPuntoXY& P1, const TPuntoXY& P2, double A, double L);

// Parameter of the clothoid joining radii R1 and R2 over length L:
// Sqr(|R1 R2 L / (R1 - R2)|). Equal radii throw ArithmeticError.
double Parametro_Ovoide(double R1, double R2, double L);

// Tangent azimuth at P1 of an ovoid of parameter A from radius R1 at P1 to R2 at P2.
// Radii of equal magnitude throw ArithmeticError.
double Azimut_Tangente_Ovoide(const TPuntoXY& P1, const TPuntoXY& P2, double A, double R1, double R2);

// The radius to store in a clothoid's element record, from its start and end azimuths
// Az1, Az2 (gon), the radii before (R1) and after (R2) it and its parameter A:
// +-|R1| for a spiral down from R1 or an ovoid, the marker +-0.001 for a spiral up
// from a straight.
double Radio_Clotoide(double Az1, double Az2, double R1, double R2, double A);

}  // namespace GM
