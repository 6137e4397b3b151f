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

// The powers are taken as running products up to this tangent angle (beyond a
// turn and a quarter, far past any road's spiral). Past it the terms grow huge
// before they shrink and cancel, so that a difference in the last place of one power
// shows in the sums' leading digits: there each power comes from pow.
constexpr double kTMaximo = 8;

// A double as two halves of 26 significant bits or fewer, whose products are exact
// (Dekker): the rounding error of a product is then found without a fused
// multiply-add, which is a call to the library where the processor's instruction is
// not assumed. Exact for factors far inside the range of doubles, as every power of
// a T up to kTMaximo is. The file is built without contracted multiply-adds, which
// would round these products differently.
struct Partido {
    double alto;
    double bajo;
};

Partido Partir(double a) {
    const double c = 134217729.0 * a;  // 2^27 + 1
    const double alto = c - (c - a);
    return {alto, a - alto};
}

// a * b - p exactly, p being a * b rounded.
double ErrorDelProducto(const Partido& a, const Partido& b, double p) {
    return ((a.alto * b.alto - p) + a.alto * b.bajo + a.bajo * b.alto) + a.bajo * b.bajo;
}

// A power of T as a pair of doubles, alto + bajo, whose sum carries the exact power
// to about 2^-100 of its size; alto is then the nearest double to it.
struct Potencia {
    double alto;
    double bajo;

    // Times T^2, given as the pair t2 and its high part split.
    void Por(const Potencia& t2, const Partido& t2Alto) {
        const double producto = alto * t2.alto;
        const double resto = ErrorDelProducto(Partir(alto), t2Alto, producto) + (alto * t2.bajo + bajo * t2.alto);
        alto = producto + resto;
        bajo = resto - (alto - producto);
    }
};

}  // namespace

void Integrales_Fresnel(double T, double& C, double& S) {
    double sumaC = 0;
    double sumaS = 0;
    // The powers of T as running products carried to twice a double's precision,
    // each rounded once: a power is then the nearest double to the exact one, as
    // pow gives it, for a fraction of pow's time (the two part only on the rare
    // power that lies within a hair of halfway between two doubles, by one unit in
    // the last place). Beyond kTMaximo, and for a T that is negative or not a
    // number, pow computes each power.
    const bool productos = T >= 0 && T <= kTMaximo;
    // The even powers (for C) and the odd ones (for S) as two chains of products by
    // T^2 that do not wait for each other.
    const Partido t = Partir(T);
    const double t2Alto = T * T;
    const Potencia t2{t2Alto, ErrorDelProducto(t, t, t2Alto)};
    const Partido t2Partido = Partir(t2Alto);
    Potencia pares{1, 0};
    Potencia impares{T, 0};
    for (int n = 1; n <= kTerminos; ++n) {
        const double signo = (n % 2 == 1) ? 1.0 : -1.0;
        // T^0 is 1 whatever T is, NaN included; T^1 is T.
        double potenciaC = 1.0;
        double potenciaS = T;
        if (n > 1) {
            if (productos) {
                pares.Por(t2, t2Partido);
                impares.Por(t2, t2Partido);
                potenciaC = pares.alto;
                potenciaS = impares.alto;
            } else {
                potenciaC = std::pow(T, 2 * n - 2);
                potenciaS = std::pow(T, 2 * n - 1);
            }
        }
        potenciaC = Finito(potenciaC);
        potenciaS = Finito(potenciaS);
        const double terminoC = signo * potenciaC / kDenominadores.C[n];
        const double terminoS = signo * potenciaS / kDenominadores.S[n];
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
