#pragma once
// Angle units of field data and design files (degrees-minutes-seconds, degrees, gon,
// mil) into radians and back into gon, and the small numeric helpers of the kernel.
// Every factor is formed from the kernel's pi (GM::kPi) at run time.

#include <cstdint>

namespace GM {

// Arcsine in radians: Atn(X / Sqr(1 - X*X)) in (-pi/2, pi/2); X = 1 gives 2*Atn(1) and
// X = -1 gives 6*Atn(1) (3pi/2, the direction of -pi/2 in [0, 2pi)). |X| > 1 throws
// GM::ArithmeticError.
double ArcoSeno(double X);

// Y at X on the line through (X1, Y1) and (X2, Y2), extrapolated outside [X1, X2];
// Y1 when X2 = X1.
double Interpolar(double X, double X1, double X2, double Y1, double Y2);

// (|Grados| + Minutos/60 + Segundos/3600) degrees in radians, negated when Grados < 0;
// Minutos and Segundos keep their own signs. Grados = -32768 cannot be negated in 16
// bits: throws GM::ArithmeticError.
double GMS_A_Radianes(std::int16_t Grados, std::int16_t Minutos, double Segundos);

double Grados_A_Radianes(double A);       // degrees
double Centesimales_A_Radianes(double A); // gon
double Milesimas_A_Radianes(double A);    // mil, 6400 to the circle
double Radianes_A_Centesimales(double A); // radians into gon

// pi/2 - A, snapped near the axes (tolerance 1.570796326E-06): |A| below it gives pi/2,
// |A - pi/2| below it 0, |A - pi| below it Sgn(B) * pi/2.
double Azimut_A_Angulo(double A, double B);

}  // namespace GM
