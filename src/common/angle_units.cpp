#include "common/angle_units.h"

#include <cmath>

#include "common/gm_base.h"

namespace GM {

namespace {
constexpr double kToleranciaEjes = 1.570796326E-06;
}

double ArcoSeno(double X) {
    if (X == 1.0) return 2.0 * std::atan(1.0);
    if (X == -1.0) return 6.0 * std::atan(1.0);
    // Also refuses NaN.
    if (!(std::fabs(X) < 1.0)) throw ArithmeticError(kArgumentoNoValido);
    return std::atan(Dividir(X, Raiz(1.0 - X * X)));
}

double Interpolar(double X, double X1, double X2, double Y1, double Y2) {
    const double dx = X2 - X1;
    if (dx == 0.0) return Y1;
    return Y1 + (X - X1) * (Y2 - Y1) / dx;
}

double GMS_A_Radianes(std::int16_t Grados, std::int16_t Minutos, double Segundos) {
    if (Grados == -32768) throw ArithmeticError(kDesbordamiento);
    const int g = Grados < 0 ? -Grados : Grados;
    const double value = (g + Minutos / 60.0 + Segundos / 3600.0) * (kPi / 180.0);
    return Grados < 0 ? -value : value;
}

double Grados_A_Radianes(double A) { return A * (kPi / 180.0); }

double Centesimales_A_Radianes(double A) { return A * (kPi / 200.0); }

double Milesimas_A_Radianes(double A) { return A * (kPi / 3200.0); }

double Radianes_A_Centesimales(double A) { return A * (200.0 / kPi); }

double Azimut_A_Angulo(double A, double B) {
    const double halfPi = kPi / 2.0;
    if (std::fabs(A) < kToleranciaEjes) return halfPi;
    if (std::fabs(A - halfPi) < kToleranciaEjes) return 0.0;
    if (std::fabs(A - kPi) < kToleranciaEjes) {
        if (B > 0) return halfPi;
        if (B < 0) return -halfPi;
        return 0.0;
    }
    return halfPi - A;
}

}  // namespace GM
