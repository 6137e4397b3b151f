#include "design_readers/listing_lines.h"

#include <stdexcept>

#include "common/chainage.h"
#include "common/errors.h"
#include "common/numbers.h"

namespace design_readers {
namespace {

bool Blanco(char c) { return c == ' ' || c == '\t' || c == '\f'; }

}  // namespace

bool LineaVacia(std::string_view linea) {
    for (char c : linea) {
        if (!Blanco(c)) return false;
    }
    return true;
}

std::string_view Recortar(std::string_view linea) {
    std::size_t a = 0;
    std::size_t b = linea.size();
    while (a < b && Blanco(linea[a])) ++a;
    while (b > a && Blanco(linea[b - 1])) --b;
    return linea.substr(a, b - a);
}

std::string_view Columnas(std::string_view linea, std::size_t desde, std::size_t ancho) {
    if (desde == 0 || desde > linea.size()) return {};
    return linea.substr(desde - 1, ancho);
}

void Tokens(std::string_view linea, std::size_t maximo, std::vector<std::string_view>& tokens) {
    tokens.clear();
    std::size_t k = 0;
    while (tokens.size() < maximo) {
        while (k < linea.size() && (linea[k] == ' ' || linea[k] == '\t')) ++k;
        if (k == linea.size()) break;
        const std::size_t inicio = k;
        while (k < linea.size() && linea[k] != ' ' && linea[k] != '\t') ++k;
        tokens.push_back(linea.substr(inicio, k - inicio));
    }
}

double Numero(std::string_view texto, std::int64_t numeroLinea) {
    try {
        return Num::Val(texto);
    } catch (const std::overflow_error&) {
        throw ConversionError(EnLinea(numeroLinea, "el número " + std::string(Recortar(texto)) +
                                                       " es demasiado grande."));
    }
}

double NumeroPK(std::string_view texto, std::int64_t numeroLinea) {
    std::string pk(texto);
    try {
        return ab_form_services::Valor_Entero_Doble(pk);
    } catch (const std::overflow_error&) {
        throw ConversionError(EnLinea(numeroLinea, "el P.K. " + pk + " es demasiado grande."));
    }
}

std::string EnLinea(std::int64_t numeroLinea, std::string_view texto) {
    return "Línea " + std::to_string(numeroLinea) + ": " + std::string(texto);
}

}  // namespace design_readers
