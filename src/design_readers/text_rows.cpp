#include "design_readers/text_rows.h"

#include <algorithm>
#include <stdexcept>

#include "common/errors.h"
#include "common/numbers.h"
#include "common/numeric_checks.h"
#include "common/splitters.h"

namespace design_readers {

std::string Linea(std::int64_t numero) { return "Línea " + std::to_string(numero); }

bool LineaVacia(std::string_view linea) {
    return linea.find_first_not_of(" \t\f\r\n") == std::string_view::npos;
}

std::int32_t Partir(std::string_view linea, TFields& Campos, std::int32_t maximo) {
    std::int32_t n = 0;
    ab_form_services::LeeTira_Cartomap(linea, n, Campos);
    return std::min(n, maximo);
}

double Numero(std::string_view texto, std::int64_t numeroLinea) {
    try {
        return Num::Val(texto);
    } catch (const std::overflow_error&) {
        throw ConversionError(Linea(numeroLinea) + ": el número " + std::string(texto) + " es demasiado grande.");
    }
}

bool CamposNumericos(const TFields& Campos, std::int32_t n, std::int32_t desde, std::int32_t hasta) {
    for (std::int32_t k = desde; k <= std::min(hasta, n); ++k) {
        if (!Strings::IsNumericString(Campos[static_cast<std::size_t>(k)].Texto)) return false;
    }
    return true;
}

}  // namespace design_readers
