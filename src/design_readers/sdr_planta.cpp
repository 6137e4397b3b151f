// The SDR record file: the planta integrated record by record, the alzado vertices
// collected for AlzadoSDR.

#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>

#include "common/gm_clothoid.h"
#include "common/gm_plane.h"
#include "common/line_input.h"
#include "design_readers/listing_lines.h"
#include "design_readers/sdr.h"
#include "field_writers/rechazo.h"

namespace design_readers {
namespace {

// SDR angles are turned into radians and back with this value of pi, so that an
// azimuth read comes back as it was written.
constexpr double kPiSDR = 3.14159265359;
double ARadianes(double gon) { return gon * (kPiSDR / 200); }
double AGon(double radianes) { return radianes * 100 / (kPiSDR / 2); }

// An azimuth in [0, 2 pi): arcs and spirals give their end tangent unreduced.
double Reducir(double a) {
    a = std::fmod(a, 2 * kPiSDR);
    return a < 0 ? a + 2 * kPiSDR : a;
}

// A planta record that builds something: the start record or an element.
struct Horizontal {
    int tipo = 0;  // 29, 31, 32, 33
    double F1 = 0, F2 = 0, F3 = 0, F4 = 0;
    std::int64_t linea = 0;
};

[[noreturn]] void Rechazar(std::int64_t linea, std::string_view motivo) { throw Rechazo(EnLinea(linea, motivo)); }

// F1 .. F4 of a record: 16 characters each from column 5.
double Campo(std::string_view linea, int k, std::int64_t numero) {
    return Numero(Columnas(linea, 5 + 16 * static_cast<std::size_t>(k - 1), 16), numero);
}

// The records of the file: the planta records in order into `h`, the vertices
// into the result.
void Registros(const std::string& entrada, std::vector<Horizontal>& h, LecturaSDR& l) {
    LineInput input(entrada);
    std::string_view linea;
    std::int64_t numero = 0;
    while (input.Next(linea)) {
        ++numero;
        if (LineaVacia(linea)) continue;
        const std::string_view tipo = linea.substr(0, 2);
        const auto f = [&](int k) { return Campo(linea, k, numero); };
        if (tipo == "29") {
            h.push_back({29, f(1), f(2), f(3), f(4), numero});
        } else if (tipo == "31" || tipo == "32" || tipo == "33") {
            const Horizontal r{tipo[1] - '0' + 30, f(1), f(2), 0, 0, numero};
            const double longitud = r.tipo == 31 ? r.F2 : r.F1;
            if (longitud < 0) Rechazar(numero, "el elemento tiene longitud negativa.");
            if (r.tipo != 31 && longitud != 0 && r.F2 == 0) Rechazar(numero, "el elemento tiene radio nulo.");
            // A record without length builds nothing and leaves nothing behind.
            if (longitud != 0) h.push_back(r);
        } else if (tipo == "34" || tipo == "36" || tipo == "37") {
            const double curva = tipo == "36" ? f(3) : 0;
            if (curva < 0) Rechazar(numero, "el acuerdo vertical tiene longitud negativa.");
            l.Vertices.push_back({f(1), f(2), curva, numero});
        }
        // Any other record is not one of the road: it changes nothing.
    }
}

struct Espiral {
    double Radio;      // what the element stores: its start radius, or the marker
    double Parametro;  // A
    double RadioSiguiente;  // for the point routine: the radius it ends on, 0 a straight
};

// A spiral of length L and record radius R after an element that ends on radioAntes
// (0: a straight), with `siguiente` the next planta record, if any.
Espiral Parametros(double L, double R, double radioAntes, const Horizontal* siguiente, std::int64_t linea) {
    if (radioAntes == 0) return {R < 0 ? -0.001 : 0.001, std::sqrt(std::fabs(R) * L), 0};
    if (siguiente == nullptr || siguiente->tipo != 32) {
        // From the curve down to zero curvature: a straight or another spiral follows.
        return {R, std::sqrt(std::fabs(R) * L), 0};
    }
    // Between two curves: an egg from the radius before it to the next arc's.
    const double Rn = siguiente->F2;
    if ((Rn < 0) != (radioAntes < 0)) Rechazar(linea, "una sola clotoide no puede unir dos curvas de sentido contrario.");
    const double grande = std::fmax(std::fabs(radioAntes), std::fabs(Rn));
    const double pequeno = std::fmin(std::fabs(radioAntes), std::fabs(Rn));
    if (grande == pequeno) Rechazar(linea, "la clotoide une dos curvas del mismo radio.");
    return {radioAntes, std::sqrt(grande * pequeno * L / (grande - pequeno)), Rn};
}

}  // namespace

LecturaSDR LeerSDR(const std::string& entrada) {
    LecturaSDR l;
    std::vector<Horizontal> h;
    Registros(entrada, h, l);

    std::vector<TPlanta>& P = l.Planta;
    TPlanta w;               // where the next element starts; azimuth in radians
    double radioFinal = 0;   // the radius the last element ends on; 0 a straight or none
    for (std::size_t k = 0; k < h.size(); ++k) {
        const Horizontal& r = h[k];
        if (r.tipo == 29) {
            w.PK = r.F1;
            w.Acimut = ARadianes(r.F2);
            w.X = r.F3;
            w.Y = r.F4;
            radioFinal = 0;
            continue;
        }
        TPlanta e = w;
        e.N = static_cast<std::int32_t>(P.size());
        std::optional<GM::TPuntoEje> fin;
        try {
            if (r.tipo == 31) {
                e.Acimut = ARadianes(r.F1);
                e.Longitud = r.F2;
                fin = GM::Punto_En_Recta(e.Longitud, e);
                radioFinal = 0;
            } else if (r.tipo == 32) {
                e.Longitud = r.F1;
                e.Radio = r.F2;
                fin = GM::Punto_En_Curva(e.Longitud, e);
                radioFinal = e.Radio;
            } else {
                e.Longitud = r.F1;
                const Espiral s =
                    Parametros(e.Longitud, r.F2, radioFinal, k + 1 < h.size() ? &h[k + 1] : nullptr, r.linea);
                e.Radio = s.Radio;
                e.Parametro = s.Parametro;
                double L = e.Longitud;
                fin = GM::Intentar_Punto_En_Clotoide(L, s.RadioSiguiente, e);
                // From a straight it reaches the record's radius, to one it ends at zero.
                radioFinal = radioFinal == 0 ? r.F2 : s.RadioSiguiente;
            }
        } catch (const GM::ArithmeticError& error) {
            Rechazar(r.linea, error.what());
        }
        if (!fin) Rechazar(r.linea, "no se puede calcular el final de la clotoide.");
        if (!std::isfinite(e.Parametro) || !std::isfinite(fin->X) || !std::isfinite(fin->Y) ||
            !std::isfinite(fin->Acimut) || !std::isfinite(w.PK + e.Longitud)) {
            Rechazar(r.linea, "el elemento da valores fuera de rango.");
        }
        P.push_back(e);
        w.PK += e.Longitud;
        w.X = fin->X;
        w.Y = fin->Y;
        w.Acimut = Reducir(fin->Acimut);
    }
    if (P.size() > 1) {
        TPlanta cierre = w;
        cierre.N = static_cast<std::int32_t>(P.size());
        cierre.Longitud = 0.01;
        P.push_back(cierre);
    }
    for (std::size_t i = 1; i < P.size(); ++i) P[i].Acimut = AGon(P[i].Acimut);
    return l;
}

}  // namespace design_readers
