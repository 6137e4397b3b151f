#pragma once
// Plane geometry of the horizontal alignment: the azimuth of a segment, a point
// radiated from a base, and the point and tangent azimuth along straights and arcs.
// Azimuths are radians, clockwise from grid north: a step d at azimuth a moves a
// point by d*sin(a) in X and d*cos(a) in Y. Elements are read, never modified; their
// Acimut must already be in radians.

#include "common/gm_base.h"
#include "common/records.h"

namespace GM {

// Azimuth from (X1, Y1) to (X2, Y2) in [0, 2pi); coincident points give pi.
void Calcular_Azimut_XY(double X1, double Y1, double X2, double Y2, double& Azimut);
// The same azimuth passed through Normalizar_Angulo.
double Calcular_Azimut(const TPuntoXY& P1, const TPuntoXY& P2);
double Distancia(const TPuntoXY& P1, const TPuntoXY& P2);

// One correction only: a negative angle gets 2pi added, one above 2pi loses 2pi.
void Normalizar_Angulo(double& A);

// X = Base.X + Dist sin(Azimut), Y = Base.Y + Dist cos(Azimut), Acimut = Azimut.
TPuntoEje Punto_Radiado(const TPuntoXY& Base, double Azimut, double Dist);
TPuntoEje Punto_En_Recta(double Dist, const TPlanta& Elem);

// The point at arc length |L| from Base on a circle of signed radius R whose tangent
// at Base has azimuth Az0; Acimut is the end tangent azimuth, not reduced.
// R = 0 throws ArithmeticError.
TPuntoEje Punto_En_Arco(const TPuntoXY& Base, double R, double L, double Az0);
TPuntoEje Punto_En_Curva(double Dist, const TPlanta& Elem);

}  // namespace GM
