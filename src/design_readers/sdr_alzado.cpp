// The SDR alzado: uniform grades between the vertices and a parabolic vertical
// curve centred on each vertex that has one.

#include <cmath>
#include <string_view>

#include "design_readers/listing_lines.h"
#include "design_readers/sdr.h"
#include "field_writers/rechazo.h"

namespace design_readers {
namespace {

[[noreturn]] void Rechazar(std::int64_t linea, std::string_view motivo) { throw Rechazo(EnLinea(linea, motivo)); }

// Grades closer than this are one grade: a curve between them has no Kv.
constexpr double kMismaPendiente = 1e-9;

// The gap between a curve's end and the next tangent point that still needs a grade.
constexpr double kHueco = 0.001;

}  // namespace

std::vector<TAlzado> AlzadoSDR(std::vector<VerticeSDR> v) {
    std::vector<TAlzado> A(1);
    if (v.size() < 2) return A;
    // A curve needs a grade on both sides; the end vertices have only one.
    v.front().Curva = 0;
    v.back().Curva = 0;
    const auto anadir = [&A](double PK, double Z, double pendiente, double Kv, double longitud) {
        for (double x : {PK, Z, pendiente, Kv, longitud}) {
            if (!std::isfinite(x)) throw Rechazo("El alzado da valores fuera de rango.");
        }
        A.push_back({static_cast<std::int32_t>(A.size()), PK, Z, pendiente, Kv, longitud});
    };
    double g = 0;   // the grade of the last element
    double Zc = 0;  // the elevation where it ends
    for (std::size_t i = 0; i + 1 < v.size(); ++i) {
        const VerticeSDR& a = v[i];
        const VerticeSDR& b = v[i + 1];
        if (b.PK <= a.PK) Rechazar(b.linea, "el vértice no avanza en P.K. respecto del anterior.");
        const double gi = (b.Z - a.Z) / (b.PK - a.PK);
        if (a.Curva == 0) {
            if (b.Curva == 0) {
                anadir(a.PK, a.Z, gi, 0, b.PK - a.PK);
                Zc = b.Z;
            } else {
                const double longitud = b.PK - a.PK - b.Curva / 2;
                if (longitud < 0) Rechazar(b.linea, "el acuerdo vertical empieza antes del vértice anterior.");
                if (longitud > 0) anadir(a.PK, a.Z, gi, 0, longitud);
                Zc = a.Z + gi * longitud;
            }
            g = gi;
            continue;
        }
        const double mitad = a.Curva / 2;
        const double g1 = b.Curva == 0 ? (a.Z - Zc) / mitad : g;
        if (std::fabs(gi - g1) < kMismaPendiente) Rechazar(a.linea, "el acuerdo vertical une dos rasantes de la misma pendiente.");
        const double inicio = a.PK - mitad;
        anadir(inicio, a.Z - g1 * mitad, g1, a.Curva / (gi - g1), a.Curva);
        const double fin = inicio + a.Curva;
        g = gi;
        Zc = a.Z + gi * mitad;
        const double tangente = b.Curva == 0 ? b.PK : b.PK - b.Curva / 2;
        const double hueco = tangente - fin;
        if (hueco < -kHueco) {
            Rechazar(b.linea, b.Curva == 0 ? "el acuerdo vertical anterior acaba después de este vértice."
                                           : "el acuerdo vertical empieza antes de que acabe el anterior.");
        }
        if (hueco > kHueco) {
            anadir(fin, Zc, gi, 0, hueco);
            Zc += gi * hueco;
        }
    }
    return A;
}

}  // namespace design_readers
