#include "design_readers/text_rows.h"

#include <algorithm>

#include "common/chainage.h"
#include "common/numbers.h"
#include "common/splitters.h"

namespace design_readers {

std::string Linea(std::int64_t numero) { return "Línea " + std::to_string(numero); }

std::int32_t Partir(std::string_view linea, TFields& Campos, std::int32_t maximo) {
    std::int32_t n = 0;
    ab_form_services::LeeTira_Cartomap(linea, n, Campos);
    return std::min(n, maximo);
}

bool CamposNumericos(const TFields& Campos, std::int32_t n, std::int32_t desde, std::int32_t hasta) {
    for (std::int32_t k = desde; k <= std::min(hasta, n); ++k) {
        if (!Num::IsNumber(Campos[static_cast<std::size_t>(k)].Texto)) return false;
    }
    return true;
}

bool FilaConPK(const TFields& Campos, std::int32_t n, std::int32_t hasta) {
    return n >= 1 && Strings::IsChainage(Campos[1].Texto) && CamposNumericos(Campos, n, 2, hasta);
}

}  // namespace design_readers
