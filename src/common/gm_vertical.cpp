// Grade lines, parabolas and circular vertical curves.

#include "common/gm_vertical.h"

#include <cmath>

namespace GM {
namespace {

struct Elemento {
    double PK;
    double Z;
    double Pendiente;
    double Kv;
    double Longitud;
};

Elemento DeAlzado(const TAlzado& e) { return {e.PK, e.Z, e.Pendiente, e.Kv, e.Longitud}; }
Elemento DeAlzado(const TAlzadoVextor& e) { return {e.PK, e.Z, e.Pendiente, e.Kv, e.Longitud}; }

double CotaCircular(const Elemento& e, double pk) {
    const double theta = e.Pendiente;
    const double R = e.Kv;
    const double d = pk - e.PK;
    const double d0 = (2 * R * std::sin(theta)) / 2;
    const double w0 = std::sqrt(std::fabs(R * R - d0 * d0));
    const double zc = R > 0 ? e.Z - w0 : e.Z + w0;
    const double w = std::sqrt(std::fabs(R * R - (d - d0) * (d - d0)));
    return R > 0 ? zc + w : zc - w;
}

// Grade line or parabola at distance d (Kv = 0 first, whatever the length). The
// parabola is evaluated in two halves split at the vertex point, each from its own
// end, so that both ends reproduce their tangent elevations closely.
double CotaGradeOParabola(const Elemento& e, double d) {
    const double p = e.Pendiente;
    if (e.Kv == 0) return e.Z + d * p;
    const double L = e.Longitud;
    if (d <= L / 2) return (e.Z + p * d) + d * d / (2 * e.Kv);
    const double dPrima = L - d;
    const double zv = e.Z + p * L / 2;
    const double p2 = p + L / e.Kv;
    return zv + (L / 2 - dPrima) * p2 + dPrima * dPrima / (2 * e.Kv);
}

// Elevation at chainage pk on element e, by its kind.
double CotaEn(const Elemento& e, double pk) {
    if (e.Kv != 0 && e.Longitud < 0) return CotaCircular(e, pk);
    return CotaGradeOParabola(e, pk - e.PK);
}

// The last element that starts at or before pk (1-based; the last when pk lies beyond
// every start). Returns 0 when pk lies before the first start.
template <class T>
std::size_t ElegirElemento(const std::vector<T>& alzado, double pk) {
    const std::size_t n = UltimoIndice(alzado);
    std::size_t i = 1;
    while (alzado[i].PK < pk && i != n) ++i;
    if (alzado[i].PK > pk) --i;
    return i;
}

}  // namespace

TPuntoEje Punto_Acuerdo_Circular(const TAlzado& Elem, double Pk) {
    TPuntoEje p;
    p.X = Pk;
    p.Y = CotaCircular(DeAlzado(Elem), Pk);
    return p;
}

double Cota_Elemento_Alzado(const TAlzado& Elem, double d) {
    if (Elem.Kv != 0 && Elem.Longitud < 0) {
        return Punto_Acuerdo_Circular(Elem, Elem.PK + std::fabs(Elem.Longitud)).Y;
    }
    return CotaGradeOParabola(DeAlzado(Elem), d);
}

double Cota_Rasante_Pk(double Pk, const std::vector<TAlzadoVextor>& Alzado, std::int16_t& Error) {
    Error = 0;
    const std::size_t n = UltimoIndice(Alzado);
    if (n < 1) {
        Error = -1;
        return 0;
    }
    const double fin = Alzado[n].PK + std::fabs(Alzado[n].Longitud);
    if (Pk < Alzado[1].PK || fin < Pk) {
        Error = -1;
        return 0;
    }
    return CotaEn(DeAlzado(Alzado[ElegirElemento(Alzado, Pk)]), Pk);
}

void Cota_Rasante(const std::vector<TAlzado>& Alzado, double Pk, double& Cota) {
    if (UltimoIndice(Alzado) < 1) {
        Cota = 0;
        return;
    }
    std::size_t i = ElegirElemento(Alzado, Pk);
    if (i == 0) i = 1;
    Cota = CotaEn(DeAlzado(Alzado[i]), Pk);
}

}  // namespace GM
