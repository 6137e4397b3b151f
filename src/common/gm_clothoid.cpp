// Clothoid points from the Fresnel-type series.

#include "common/gm_clothoid.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cmath>

#include "common/gm_plane.h"

namespace GM {

namespace {

constexpr int kTerminos = 50;

// The denominators (4n - 3)(2n - 2)! and (4n - 1)(2n - 1)! of the n-th terms
// (n = 1 .. 50), the factorials built as running products: the same products, in
// the same order, as computing each one afresh.
struct Denominadores {
    std::array<double, kTerminos + 1> C{};
    std::array<double, kTerminos + 1> S{};
};
constexpr Denominadores CalcularDenominadores() {
    std::array<double, 2 * kTerminos> fact{};
    fact[0] = 1;
    for (std::size_t k = 1; k < fact.size(); ++k) fact[k] = fact[k - 1] * static_cast<double>(k);
    Denominadores d;
    for (int n = 1; n <= kTerminos; ++n) {
        d.C[n] = static_cast<double>(4 * n - 3) * fact[2 * n - 2];
        d.S[n] = static_cast<double>(4 * n - 1) * fact[2 * n - 1];
    }
    return d;
}
constexpr Denominadores kDenominadores = CalcularDenominadores();

// Adding a term below a quarter of the sum's last place leaves the sum as it is.
// The sums are finite, so the next double up is the next bit pattern.
bool NoCambia(double suma, double termino) {
    const double a = std::fabs(suma);
    const double ulp = std::bit_cast<double>(std::bit_cast<std::uint64_t>(a) + 1) - a;
    return std::fabs(termino) * 4 < ulp;
}

// The fifty terms one after the other, each power from pow, until the rest can no
// longer change the sums.
void SumarTerminos(double T, double& sumaC, double& sumaS) {
    sumaC = 0;
    sumaS = 0;
    for (int n = 1; n <= kTerminos; ++n) {
        const double signo = (n % 2 == 1) ? 1.0 : -1.0;
        // T^0 is 1 whatever T is, NaN included.
        const double potenciaC = n == 1 ? 1.0 : Finito(std::pow(T, 2 * n - 2));
        const double terminoC = signo * potenciaC / kDenominadores.C[n];
        const double terminoS = signo * Finito(std::pow(T, 2 * n - 1)) / kDenominadores.S[n];
        sumaC = Finito(sumaC + terminoC);
        sumaS = Finito(sumaS + terminoS);
        // Once the terms shrink from one to the next (T^2 below (2n-1)(2n)) and no
        // longer reach the sums' last place, the remaining terms of the 50 change
        // neither sum: stopping here gives the very same bits, many times sooner.
        // The next terms are below these times T^2 / ((2n-1)(2n)) (twice that covers
        // every rounding of the powers and factorials): when those cannot reach the
        // sums' last place either, the next round would add nothing and stop, so it
        // is not run.
        const double divisor = static_cast<double>((2 * n - 1) * (2 * n));
        if (T * T < divisor) {
            const double mengua = 2 * (T * T) / divisor;
            if ((NoCambia(sumaC, terminoC) && NoCambia(sumaS, terminoS)) ||
                (NoCambia(sumaC, terminoC * mengua) && NoCambia(sumaS, terminoS * mengua))) {
                break;
            }
        }
    }
}

// Up to this tangent angle (a turn and a quarter, far past any road's spiral) the
// series is a polynomial in x = T^2, evaluated by Horner's rule. Past it the terms
// grow huge before they shrink and cancel, so that the last place of one term shows
// in the sums' leading digits: there the terms are summed as they always were.
constexpr double kTMaximo = 8;

// x^n by squaring, for the table below.
constexpr double Potencia(double x, int n) {
    double r = 1;
    for (; n > 0; n /= 2, x *= x) {
        if (n % 2 == 1) r *= x;
    }
    return r;
}

// The polynomials: the signed coefficients 1 / denominator, and for each number of
// terms N the largest x for which the terms from N + 1 on stay below 2^-70 (far below
// the last place of the sums, which for T up to kTMaximo are above 0.01) and shrink
// at least by half from one to the next, so that together they are below 2^-69.
struct Polinomios {
    std::array<double, kTerminos + 1> C{};
    std::array<double, kTerminos + 1> S{};
    std::array<double, kTerminos + 1> xMaximo{};
};
constexpr Polinomios CalcularPolinomios() {
    Polinomios p;
    for (int n = 1; n <= kTerminos; ++n) {
        const double signo = n % 2 == 1 ? 1.0 : -1.0;
        p.C[n] = signo / kDenominadores.C[n];
        p.S[n] = signo / kDenominadores.S[n];
    }
    constexpr double kDespreciable = 1.0 / 1180591620717411303424.0;  // 2^-70
    for (int N = 1; N < kTerminos; ++N) {
        // The predicate grows with x: halving finds its limit.
        double bajo = 0;
        double alto = static_cast<double>((2 * N + 1) * (2 * N + 2)) / 2;
        for (int paso = 0; paso < 64; ++paso) {
            const double medio = (bajo + alto) / 2;
            const double potencia = Potencia(medio, N);
            const bool basta = potencia / kDenominadores.C[N + 1] < kDespreciable &&
                               potencia / kDenominadores.S[N + 1] < kDespreciable;
            (basta ? bajo : alto) = medio;
        }
        p.xMaximo[N] = bajo;
    }
    p.xMaximo[kTerminos] = kTMaximo * kTMaximo;  // never needed below kTMaximo
    return p;
}
constexpr Polinomios kPolinomios = CalcularPolinomios();

}  // namespace

void Integrales_Fresnel(double T, double& C, double& S) {
    double sumaC = 0;
    double sumaS = 0;
    if (T >= 0 && T <= kTMaximo) {
        // The sums to far within their last place, by Horner's rule over the terms
        // that reach it: C's sum is a polynomial in T^2, S's is T times another.
        // They agree with the terms summed one after the other to a few units in
        // the last place.
        const double x = T * T;
        int N = 1;
        while (x > kPolinomios.xMaximo[N]) ++N;
        double polC = kPolinomios.C[N];
        double polS = kPolinomios.S[N];
        for (int n = N - 1; n >= 1; --n) {
            polC = polC * x + kPolinomios.C[n];
            polS = polS * x + kPolinomios.S[n];
        }
        sumaC = polC;
        sumaS = T * polS;
    } else {
        SumarTerminos(T, sumaC, sumaS);
    }
    const double factor = Raiz(T * 2);
    C = factor * sumaC;
    S = factor * sumaS;
}

namespace {

// The clothoid of parameter A seen from its origin (the point of zero curvature).
struct Espiral {
    double A;

    // Tangent angle at distance u from the origin.
    double Tau(double u) const { return Dividir(u * u, 2 * A * A); }

    struct Cuerda {
        double angulo;  // between the origin tangent and the chord from the origin
        double largo;   // chord length
    };

    Cuerda CuerdaHasta(double u) const {
        double c = 0;
        double s = 0;
        Integrales_Fresnel(Tau(u), c, s);
        return {std::atan(Dividir(s, c)), std::sqrt((A * s) * (A * s) + (A * c) * (A * c))};
    }
};

TPuntoXY Avanzar(const TPuntoXY& p, double acimut, double dist) {
    return {p.X + dist * std::sin(acimut), p.Y + dist * std::cos(acimut)};
}

TPuntoEje Punto(const TPuntoXY& p, double acimut) {
    TPuntoEje r;
    r.X = p.X;
    r.Y = p.Y;
    r.Acimut = acimut;
    return r;
}

// The marker radius +-0.001 of a spiral that starts from a straight.
bool EsMarcaRecta(double radio) { return radio * 1000 == 1 || radio * 1000 == -1; }

// The point at distance largo along the clothoid that leaves Elem's start with radius
// Elem.Radio, its curvature falling: the origin (zero curvature) lies u0 = A^2/|R|
// ahead of the start. u receives the point's distance back from the origin.
TPuntoEje FinDeEspiralQueCae(const TPlanta& Elem, double largo, double& u) {
    const double s = Elem.Radio < 0 ? -1.0 : 1.0;
    const Espiral espiral{Elem.Parametro};
    const double u0 = Dividir(Elem.Parametro * Elem.Parametro, std::fabs(Elem.Radio));
    const double ao = Elem.Acimut + s * espiral.Tau(u0);
    const auto hastaOrigen = espiral.CuerdaHasta(u0);
    const TPuntoXY origen = Avanzar({Elem.X, Elem.Y}, ao - s * hastaOrigen.angulo, hastaOrigen.largo);
    u = u0 - largo;
    const auto cuerda = espiral.CuerdaHasta(std::fabs(u));
    // Beyond the origin (u < 0) the curve turns the other way: that branch is the near
    // one turned half a turn about the origin, so its chord leaves the origin forwards
    // instead of backwards. The tangent angle is even in the distance.
    const double acimutCuerda = u < 0 ? ao - s * cuerda.angulo : ao + kPi - s * cuerda.angulo;
    return Punto(Avanzar(origen, acimutCuerda, cuerda.largo), ao - s * espiral.Tau(u));
}

}  // namespace

std::optional<TPuntoEje> Intentar_Punto_En_Clotoide(double& L, double RSig, const TPlanta& Elem) {
    const double R = Elem.Radio;
    const double largo = Elem.Longitud;
    const double az = Elem.Acimut;
    const TPuntoXY p0{Elem.X, Elem.Y};
    const double s = R < 0 ? -1.0 : 1.0;
    const Espiral espiral{Elem.Parametro};
    const double A2 = Elem.Parametro * Elem.Parametro;

    if (L == 0) return Punto(p0, az);

    if (EsMarcaRecta(R)) {
        // A spiral from a straight: its origin is the start point.
        const auto cuerda = espiral.CuerdaHasta(L);
        return Punto(Avanzar(p0, az + s * cuerda.angulo, cuerda.largo), az + s * espiral.Tau(L));
    }

    const double rSig = std::fabs(RSig);
    // What follows is a straight, or a spiral that starts from one: this element
    // ends at zero curvature.
    const bool siguienteRecta = rSig == 0 || EsMarcaRecta(rSig);
    const double q = Dividir(A2, std::fabs(R));
    // A length of A^2/|R| also fits an ovoid that sharpens from R to R/2, so the
    // whole-spiral reading below is only for an element whose curvature does not grow.
    // A spiral that flattens to zero curvature and meets an arc there is such an
    // element: read through its origin it would end exactly at the origin, where the
    // chord has no direction.
    const bool curvaturaCrece = !siguienteRecta && rSig < std::fabs(R);

    if (!curvaturaCrece && std::fabs(q - largo) < 0.02) {
        // A whole spiral from radius R down to a straight: the point is its end.
        L = largo;
        const auto cuerda = espiral.CuerdaHasta(largo);
        const double acimutFinal = az + s * espiral.Tau(largo);
        return Punto(Avanzar(p0, acimutFinal - s * cuerda.angulo, cuerda.largo), acimutFinal);
    }

    if (curvaturaCrece) {
        // Curvature grows along the element: the origin lies behind the start.
        const double u0 = Dividir(A2, rSig) - largo;
        const double ao = az - s * espiral.Tau(u0);
        const auto hastaInicio = espiral.CuerdaHasta(u0);
        const TPuntoXY origen = Avanzar(p0, ao + s * hastaInicio.angulo + kPi, hastaInicio.largo);
        L = u0 + L;
        const auto cuerda = espiral.CuerdaHasta(L);
        return Punto(Avanzar(origen, ao + s * cuerda.angulo, cuerda.largo), ao + s * espiral.Tau(L));
    }

    if (siguienteRecta || rSig > std::fabs(R)) {
        // Curvature falls along the element: the point is the element's end.
        return FinDeEspiralQueCae(Elem, largo, L);
    }

    return std::nullopt;
}

TPuntoEje Punto_En_Clotoide(double& L, double RSig, const TPlanta& Elem) {
    return Intentar_Punto_En_Clotoide(L, RSig, Elem).value_or(TPuntoEje{});
}

TPuntoEje Punto_En_Espiral(double L, const TPlanta& Elem) {
    if (L == 0 || EsMarcaRecta(Elem.Radio)) return Punto_En_Clotoide(L, 0, Elem);
    if (L == Dividir(Elem.Parametro * Elem.Parametro, std::fabs(Elem.Radio))) {
        // Exactly the whole spiral: the point is its origin, where a chord from the
        // origin has no direction; it is measured from the start instead.
        TPlanta entera = Elem;
        entera.Longitud = L;
        return Punto_En_Clotoide(L, 0, entera);
    }
    double u = 0;
    return FinDeEspiralQueCae(Elem, L, u);
}

}  // namespace GM
