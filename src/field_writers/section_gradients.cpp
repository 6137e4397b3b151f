#include "field_writers/section_gradients.h"

#include <algorithm>
#include <stdexcept>

namespace field_writers {
namespace {

double Pendiente(const TPuntoSeccion& desde, const TPuntoSeccion& hasta) {
    const double d = hasta.Desplazamiento - desde.Desplazamiento;
    if (d != 0) return (hasta.Cota - desde.Cota) / d * 100;
    return hasta.Cota >= desde.Cota ? kPendienteVertical : -kPendienteVertical;
}

}  // namespace

void Normaliza_Tramos(std::int32_t N, std::vector<TPuntoSeccion>& Puntos) {
    if (N <= 0) return;
    if (static_cast<std::size_t>(N) >= Puntos.size()) throw std::out_of_range("Normaliza_Tramos: count beyond the list");
    const auto first = Puntos.begin() + 1;
    const auto last = first + N;
    std::stable_sort(first, last, [](const TPuntoSeccion& a, const TPuntoSeccion& b) {
        return a.Desplazamiento < b.Desplazamiento;
    });
    // Left points first, then right points: offset order already is that order.
    const auto right = std::find_if(first, last, [](const TPuntoSeccion& p) { return p.Desplazamiento >= 0; });
    for (auto p = first; p + 1 < right; ++p) p->Pendiente = Pendiente(*p, *(p + 1));
    if (right != last) {
        (last - 1)->Pendiente = 0;
        for (auto p = right; p + 1 < last; ++p) p->Pendiente = Pendiente(*p, *(p + 1));
        if (right != first) (right - 1)->Pendiente = Pendiente(*(right - 1), *right);
    }
}

void Calculate_Gradient(std::int32_t N, std::vector<TPuntoSeccion>& PuntosSeccion) {
    Normaliza_Tramos(N, PuntosSeccion);
}

}  // namespace field_writers
