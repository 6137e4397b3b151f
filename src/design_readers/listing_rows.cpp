#include "design_readers/listing_rows.h"

#include <cmath>

#include "common/gm_azimuths.h"
#include "common/gm_base.h"

namespace design_readers {
namespace {

constexpr double kMarca = 0.001;
// A spiral whose length falls short of A^2 / R by less than this reaches a straight,
// the tolerance the point routines use for the same question.
constexpr double kHastaRecta = 0.02;

double Signo(double v) { return v < 0 ? -1.0 : 1.0; }

// The side it turns to, as the stored marker takes it.
double Sentido(const ClotoideListada& c) { return std::sin((c.Az2 - c.Az1) * GM::kPi / 200) < 0 ? -1.0 : 1.0; }

// How much it turns, radians, 0 to pi.
double Giro(const ClotoideListada& c) {
    double d = std::fmod((c.Az2 - c.Az1) * GM::kPi / 200, GM::kDosPi);
    if (d < 0) d += GM::kDosPi;
    return d > GM::kPi ? GM::kDosPi - d : d;
}

void ComprobarLongitud(const ClotoideListada& c) {
    if (!(c.Longitud > 0)) throw ClotoideDegenerada{"la clotoide no tiene longitud"};
}

}  // namespace

TPlanta ElementoDeFila(const TFilaPlanta& fila, std::int32_t N) {
    TPlanta e;
    e.N = N;
    e.PK = fila.PK;
    e.X = fila.X;
    e.Y = fila.Y;
    e.Acimut = fila.Acimut;
    e.Radio = fila.Radio;
    e.Parametro = fila.Parametro;
    e.Longitud = fila.Longitud;
    e.Linea = fila.Fila;
    return e;
}

ClotoideEnlazada ClotoideConParametro(const ClotoideListada& c, double A) {
    ComprobarLongitud(c);
    const double A2 = A * A;
    const double L = c.Longitud;
    const double R1 = std::fabs(c.RadioInicial);
    double R2 = 0;
    if (c.RadioSiguiente) {
        R2 = *c.RadioSiguiente;
    } else if (R1 == 0) {
        R2 = Sentido(c) * A2 / L;  // a spiral from a straight reaches A^2 / L
    } else {
        // From the radius R1 the curvature either falls or grows by L / A^2; the turn
        // the azimuths show tells which.
        const double k1 = 1 / R1;
        const double dk = L / A2;
        const double t = Giro(c);
        const double cae = k1 * L - L * dk / 2;
        const double crece = k1 * L + L * dk / 2;
        if (std::fabs(t - crece) < std::fabs(t - cae)) {
            R2 = Signo(c.RadioInicial) / (k1 + dk);
        } else if (std::fabs(A2 / R1 - L) < kHastaRecta || k1 - dk <= 0) {
            R2 = 0;
        } else {
            R2 = Signo(c.RadioInicial) / (k1 - dk);
        }
    }
    if (R1 == 0 && R2 == 0) throw ClotoideDegenerada{"la clotoide une dos rectas"};
    return {GM::Radio_Clotoide(c.Az1, c.Az2, c.RadioInicial, R2, A), A, R2};
}

ClotoideEnlazada ClotoideSinParametro(const ClotoideListada& c) {
    ComprobarLongitud(c);
    const double L = c.Longitud;
    const double R1 = c.RadioInicial;
    double R2 = 0;
    if (c.RadioSiguiente) {
        R2 = *c.RadioSiguiente;
    } else if (R1 == 0) {
        // A spiral from a straight turns L / (2 R) on its way to the radius R.
        const double t = Giro(c);
        if (t == 0) throw ClotoideDegenerada{"la clotoide no gira"};
        R2 = Sentido(c) * L / (2 * t);
    }
    ClotoideEnlazada r;
    r.RadioFinal = R2;
    if (R1 == 0 && R2 == 0) throw ClotoideDegenerada{"la clotoide une dos rectas"};
    if (R1 == 0) {
        r.Parametro = std::sqrt(std::fabs(R2) * L);
    } else if (R2 == 0) {
        r.Parametro = std::sqrt(std::fabs(R1) * L);
    } else {
        if (std::fabs(R1) == std::fabs(R2)) throw ClotoideDegenerada{"la clotoide une dos radios iguales"};
        r.Parametro = GM::Parametro_Ovoide(std::fabs(R1), std::fabs(R2), L);
    }
    if (R1 != 0) {
        r.Radio = R1;
    } else {
        // The marker takes the side of the turn, with pi as the report's program writes it.
        r.Radio = std::sin((c.Az2 - c.Az1) * 3.141592654 / 200) < 0 ? -kMarca : kMarca;
    }
    return r;
}

}  // namespace design_readers
