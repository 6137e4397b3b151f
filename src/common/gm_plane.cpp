// Straights, arcs and segment azimuths.

#include "common/gm_plane.h"

#include <cmath>

namespace GM {

void Calcular_Azimut_XY(double X1, double Y1, double X2, double Y2, double& Azimut) {
    const double dx = X2 - X1;
    const double dy = Y2 - Y1;
    if (dx == 0) {
        Azimut = dy > 0 ? 0.0 : kPi;
    } else if (dy == 0) {
        Azimut = dx > 0 ? kMedioPi : kTresPi / 2;
    } else {
        const double a = std::atan(dx / dy);
        if (dy < 0) {
            Azimut = a + kPi;
        } else if (dx < 0) {
            Azimut = a + kDosPi;
        } else {
            Azimut = a;
        }
    }
}

double Calcular_Azimut(const TPuntoXY& P1, const TPuntoXY& P2) {
    double a = 0;
    Calcular_Azimut_XY(P1.X, P1.Y, P2.X, P2.Y, a);
    Normalizar_Angulo(a);
    return a;
}

double Distancia(const TPuntoXY& P1, const TPuntoXY& P2) {
    const double dx = P1.X - P2.X;
    const double dy = P1.Y - P2.Y;
    return std::sqrt(dx * dx + dy * dy);
}

void Normalizar_Angulo(double& A) {
    if (A < 0) {
        A += kDosPi;
    } else if (A > kDosPi) {
        A -= kDosPi;
    }
}

TPuntoEje Punto_Radiado(const TPuntoXY& Base, double Azimut, double Dist) {
    TPuntoEje p;
    p.X = Base.X + Dist * std::sin(Azimut);
    p.Y = Base.Y + Dist * std::cos(Azimut);
    p.Acimut = Azimut;
    return p;
}

TPuntoEje Punto_En_Recta(double Dist, const TPlanta& Elem) {
    return Punto_Radiado({Elem.X, Elem.Y}, Elem.Acimut, Dist);
}

TPuntoEje Punto_En_Arco(const TPuntoXY& Base, double R, double L, double Az0) {
    if (R == 0) throw ArithmeticError(kDivisionPorCero);
    const double s = R > 0 ? 1.0 : -1.0;
    const double radio = std::fabs(R);
    const double largo = std::fabs(L);
    const double theta = largo / radio;
    const double mediaVuelta = kPi * radio;

    double cuerda = 0;
    double acimutCuerda = 0;
    double acimutFinal = 0;
    if (largo < mediaVuelta) {
        cuerda = std::fabs(2 * R * std::sin(theta / 2));
        acimutCuerda = Az0 + s * theta / 2;
        acimutFinal = Az0 + s * theta;
    } else if (largo == mediaVuelta) {
        cuerda = std::fabs(2 * R * std::sin(kPi / 2));
        acimutCuerda = Az0 + s * kMedioPi;
        acimutFinal = Az0 + s * kPi;
    } else if (largo <= 2 * mediaVuelta) {
        // Beyond half a circle the chord is that of the remaining angle.
        const double phi = (kDosPi * radio - largo) / radio;
        cuerda = std::fabs(2 * R * std::sin(phi / 2));
        acimutCuerda = Az0 + s * (kPi - phi / 2);
        acimutFinal = Az0 + s * (kDosPi - phi);
    } else {
        // More than a full circle: a chord taken as a length only (folded angle) lands
        // on the mirror image whenever the half angle passes pi, so the full angle is
        // used and the chord keeps its sign.
        cuerda = 2 * radio * std::sin(theta / 2);
        acimutCuerda = Az0 + s * theta / 2;
        acimutFinal = Az0 + s * theta;
    }
    TPuntoEje p = Punto_Radiado(Base, acimutCuerda, cuerda);
    p.Acimut = acimutFinal;
    return p;
}

TPuntoEje Punto_En_Curva(double Dist, const TPlanta& Elem) {
    return Punto_En_Arco({Elem.X, Elem.Y}, Elem.Radio, Dist, Elem.Acimut);
}

}  // namespace GM
