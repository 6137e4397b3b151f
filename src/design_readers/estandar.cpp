#include "design_readers/estandar.h"

#include <array>
#include <cmath>
#include <stdexcept>

#include "common/errors.h"
#include "common/line_input.h"
#include "common/numbers.h"
#include "common/numeric_checks.h"
#include "field_writers/rechazo.h"

namespace design_readers {
namespace {

bool Separador(char c) { return c == ' ' || c == ',' || c == '\t' || c == '\f'; }

// The first `cuantos` fields of the line, or fewer; returns how many.
template <std::size_t cuantos>
std::size_t Campos(std::string_view linea, std::array<std::string_view, cuantos>& campos) {
    std::size_t n = 0;
    std::size_t k = 0;
    while (n < cuantos) {
        while (k < linea.size() && Separador(linea[k])) ++k;
        if (k == linea.size()) break;
        const std::size_t inicio = k;
        while (k < linea.size() && !Separador(linea[k])) ++k;
        campos[n++] = linea.substr(inicio, k - inicio);
    }
    return n;
}

std::string Linea(std::int64_t numero) { return "Línea " + std::to_string(numero); }

// The fields as numbers; the line refused when one is not a number.
template <std::size_t cuantos>
std::size_t Numeros(std::string_view linea, std::int64_t numeroLinea, const char* tipo,
                    std::array<double, cuantos>& valores) {
    std::array<std::string_view, cuantos> campos;
    const std::size_t n = Campos(linea, campos);
    for (std::size_t k = 0; k < n; ++k) {
        if (!Strings::IsNumericString(campos[k])) {
            throw Rechazo(Linea(numeroLinea) + ": no es un elemento de " + tipo + "; sus " +
                          std::to_string(cuantos) + " primeros campos deben ser números.");
        }
        try {
            valores[k] = Num::Val(campos[k]);
        } catch (const std::overflow_error&) {
            throw ConversionError(Linea(numeroLinea) + ": el número " + std::string(campos[k]) +
                                  " es demasiado grande.");
        }
    }
    return n;
}

std::int32_t Numero(double valor, std::int64_t numeroLinea) {
    try {
        return Num::CLng(valor);
    } catch (const std::overflow_error&) {
        throw ConversionError(Linea(numeroLinea) + ": el número de elemento no cabe en su campo.");
    }
}

template <class Elemento, class DeLinea>
void LeerFichero(const std::string& entrada, std::vector<Elemento>& elementos, DeLinea deLinea) {
    LineInput input(entrada);
    Elemento trabajo{};  // carries fields only from one line of this file to the next
    std::string_view linea;
    std::int64_t numero = 0;
    while (input.Next(linea)) {
        ++numero;
        if (deLinea(linea, numero, trabajo)) elementos.push_back(trabajo);
    }
}

}  // namespace

bool PlantaEstandarDeLinea(std::string_view linea, std::int64_t numeroLinea, TPlanta& Planta) {
    std::array<double, 8> v{};
    const std::size_t n = Numeros(linea, numeroLinea, "planta", v);
    if (n == 0) return false;
    Planta.N = Numero(v[0], numeroLinea);
    double* const campos[] = {&Planta.PK, &Planta.X, &Planta.Y, &Planta.Acimut, &Planta.Radio, &Planta.Parametro,
                              &Planta.Longitud};
    for (std::size_t k = 1; k < n; ++k) *campos[k - 1] = v[k];
    Planta.Parametro = std::fabs(Planta.Parametro);
    return true;
}

bool AlzadoEstandarDeLinea(std::string_view linea, std::int64_t numeroLinea, TAlzado& Alzado) {
    std::array<double, 6> v{};
    const std::size_t n = Numeros(linea, numeroLinea, "alzado", v);
    if (n == 0) return false;
    Alzado.N = Numero(v[0], numeroLinea);
    double* const campos[] = {&Alzado.PK, &Alzado.Z, &Alzado.Pendiente, &Alzado.Kv, &Alzado.Longitud};
    for (std::size_t k = 1; k < n; ++k) *campos[k - 1] = v[k];
    return true;
}

void LeerPlantaEstandar(const std::string& entrada, std::vector<TPlanta>& Planta) {
    LeerFichero(entrada, Planta, PlantaEstandarDeLinea);
}

void LeerAlzadoEstandar(const std::string& entrada, std::vector<TAlzado>& Alzado) {
    LeerFichero(entrada, Alzado, AlzadoEstandarDeLinea);
}

bool Estandar_Planta(Context& ctx, const Ficheros& ficheros) {
    return Leer_Planta(ctx, ficheros, LeerPlantaEstandar);
}

bool Estandar_Alzado(Context& ctx, WindowServices& window, const Ficheros& ficheros, std::vector<TAlzado>& Alzado) {
    return Leer_Alzado(ctx, window, ficheros, LeerAlzadoEstandar, Alzado);
}

}  // namespace design_readers
