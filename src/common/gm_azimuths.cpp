// Start azimuths from end points, ovoid parameters and the stored clothoid radius.

#include "common/gm_azimuths.h"

#include <cmath>

#include "common/angle_units.h"
#include "common/gm_plane.h"

namespace GM {
namespace {

double Normalizado(double a) {
    Normalizar_Angulo(a);
    return a;
}

// The five-term clothoid series: local coordinates of the point at distance u from
// the origin where the radius is rho, each term a power of u over a power of 2 u rho.
struct Local {
    double x;
    double y;
};

Local Serie(double u, double rho) {
    const double k = 2 * u * rho;
    if (k == 0) throw ArithmeticError(kDivisionPorCero);
    const double x = u - std::pow(u, 5) / (10 * std::pow(k, 2)) + std::pow(u, 9) / (216 * std::pow(k, 4)) -
                     std::pow(u, 13) / (9360 * std::pow(k, 6)) + std::pow(u, 17) / (685440 * std::pow(k, 8));
    const double y = std::pow(u, 3) / (3 * k) - std::pow(u, 7) / (42 * std::pow(k, 3)) +
                     std::pow(u, 11) / (1320 * std::pow(k, 5)) - std::pow(u, 15) / (75600 * std::pow(k, 7)) +
                     std::pow(u, 19) / (6894720 * std::pow(k, 9));
    return {Finito(x), Finito(y)};
}

double Inclinacion(const Local& p) { return std::atan(Dividir(p.y, p.x)); }

}  // namespace

double Azimut_Tangente_Arco(const TPuntoXY& P1, const TPuntoXY& P2, double R) {
    const double c = Distancia(P1, P2);
    const double a = Normalizado(Calcular_Azimut(P1, P2));
    const double h = Normalizado(ArcoSeno(Dividir(c, 2 * R)));
    return Normalizado(a - h);
}

double Azimut_Tangente_Clotoide_Entrada(const TPuntoXY& P1, const TPuntoXY& P2, double A, double L) {
    const double rho = Dividir(A * A, L);
    const double delta = Normalizado(Inclinacion(Serie(L, rho)));
    const double a = Normalizado(Calcular_Azimut(P1, P2));
    return Normalizado(A > 0 ? a - delta : a + delta);
}

double Azimut_Tangente_Clotoide_Salida(const TPuntoXY& P1, const TPuntoXY& P2, double A, double L) {
    const double a = Normalizado(Calcular_Azimut(P2, P1));
    const double rho = Dividir(A * A, L);
    const double delta = Normalizado(Inclinacion(Serie(L, rho)));
    const double tau = Dividir(L, 2 * rho);
    const double epsilon = Normalizado(kPi - ((kPi - tau) + delta));
    return Normalizado(A > 0 ? a - epsilon : a + epsilon);
}

double Parametro_Ovoide(double R1, double R2, double L) {
    const double rMax = R1 > R2 ? R1 : R2;
    const double rMin = R1 > R2 ? R2 : R1;
    return std::sqrt(std::fabs(rMax * Dividir(rMin * L, rMin - rMax)));
}

double Azimut_Tangente_Ovoide(const TPuntoXY& P1, const TPuntoXY& P2, double A, double R1, double R2) {
    const bool seCierra = std::fabs(R2) < std::fabs(R1);
    const double agudo = std::fabs(seCierra ? R2 : R1);
    const double amplio = std::fabs(seCierra ? R1 : R2);
    const double uAmplio = Dividir(A * A, amplio);
    const double uAgudo = Dividir(A * A, agudo);
    const double a = Normalizado(Calcular_Azimut(P1, P2));

    const Local p1 = Serie(uAgudo, agudo);
    const Local p2 = Serie(uAmplio, amplio);
    const double gamma = Normalizado(std::atan(Dividir(p2.y - p1.y, p2.x - p1.x)));

    double epsilon = 0;
    if (seCierra) {
        epsilon = gamma - Normalizado(uAmplio / (2 * amplio));
    } else {
        const double gammaComplemento = Normalizado(kMedioPi - gamma);
        const double tauComplemento = kMedioPi - uAgudo / (2 * agudo);
        epsilon = gammaComplemento - tauComplemento;
    }
    epsilon = Normalizado(epsilon);
    return Normalizado(R2 > 0 ? a - epsilon : a + epsilon);
}

double Radio_Clotoide(double Az1, double Az2, double R1, double R2, double A) {
    const double gon = kPi / 200;
    const double delta = Az2 * gon - Az1 * gon;
    double signo = 1;
    double d = Az2 - Az1;
    if (std::sin(delta) < 0) {
        signo = -1;
        d = Az1 - Az2;
    }
    d = Normalizado(d * gon);

    double theta[3] = {0, 0, 0};
    const double radios[2] = {std::fabs(R1), std::fabs(R2)};
    for (int k = 0; k < 2; ++k) {
        if (radios[k] != 0) {
            const double largo = A * A / radios[k];
            theta[k] = largo / (2 * radios[k]);
        }
    }
    theta[2] = std::fabs(theta[0] - theta[1]);

    int elegido = 0;
    for (int k = 1; k < 3; ++k) {
        if (std::fabs(d - theta[k]) < std::fabs(d - theta[elegido])) elegido = k;
    }
    return signo * (elegido == 1 ? 0.001 : std::fabs(R1));
}

}  // namespace GM
