#include "common/gm_section.h"

#include <stdexcept>
#include <utility>

namespace GM {

void Ordenar_Puntos_Seccion(std::int32_t& Count, std::vector<TPuntoSeccion>& Puntos) {
    if (Count < 0 || (Count > 0 && static_cast<std::size_t>(Count) >= Puntos.size())) {
        throw std::out_of_range("Ordenar_Puntos_Seccion: count beyond the list");
    }
    for (std::int32_t i = 1; i < Count; ++i) {
        for (std::int32_t j = i + 1; j <= Count; ++j) {
            if (Puntos[j].Desplazamiento < Puntos[i].Desplazamiento) std::swap(Puntos[i], Puntos[j]);
        }
    }
    std::vector<TPuntoSeccion> kept(1);
    kept.reserve(static_cast<std::size_t>(Count) + 1);
    for (std::int32_t i = 1; i <= Count; ++i) {
        const TPuntoSeccion& p = Puntos[i];
        if (kept.size() > 1 && p.Desplazamiento == kept.back().Desplazamiento && p.Cota == kept.back().Cota) continue;
        kept.push_back(p);
    }
    Puntos = std::move(kept);
    Count = static_cast<std::int32_t>(Puntos.size() - 1);
}

bool Insertar_Registro(std::int32_t Pos, const TPuntoSeccion& Reg, std::vector<TPuntoSeccion>& Lista) {
    if (Pos < 1) return false;
    if (Lista.empty()) Lista.resize(1);
    const std::size_t upper = Lista.size() - 1;
    if (static_cast<std::size_t>(Pos) > upper) {
        Lista.push_back(Reg);
    } else {
        Lista.insert(Lista.begin() + Pos, Reg);
    }
    return true;
}

}  // namespace GM
