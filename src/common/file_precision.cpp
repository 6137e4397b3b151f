#include "common/file_precision.h"

#include <algorithm>
#include <cmath>

namespace Precision {
namespace {

bool Digito(char c) { return c >= '0' && c <= '9'; }

// Beyond these a unit is no longer a number: the decision falls back on exact equality.
constexpr int kDecimalesMaximos = 300;

}  // namespace

double Unidad(int decimales) {
    return std::pow(10.0, -std::clamp(decimales, -kDecimalesMaximos, kDecimalesMaximos));
}

double UnidadDe(std::string_view texto) {
    // The mantissa: blanks and a sign, digits (a "+" in a km+m chainage among them),
    // then the decimals after "." or ",".
    std::size_t k = texto.find_first_of(".,");
    int decimales = 0;
    if (k == std::string_view::npos) {
        k = texto.find_first_not_of(" \t+-");
        while (k < texto.size() && (Digito(texto[k]) || ((texto[k] == '+' || texto[k] == '-') &&
                                                          k + 1 < texto.size() && Digito(texto[k + 1]))))
            ++k;
    } else {
        for (++k; k < texto.size() && Digito(texto[k]); ++k) ++decimales;
    }
    // An exponent right after it moves the last decimal: "1.5E+2" ends in the tens.
    if (k < texto.size() && std::string_view("EeDd").find(texto[k]) != std::string_view::npos) {
        ++k;
        const bool menos = k < texto.size() && texto[k] == '-';
        if (k < texto.size() && (texto[k] == '-' || texto[k] == '+')) ++k;
        int exponente = 0;
        for (; k < texto.size() && Digito(texto[k]) && exponente <= kDecimalesMaximos; ++k)
            exponente = exponente * 10 + (texto[k] - '0');
        decimales += menos ? exponente : -exponente;
    }
    return Unidad(decimales);
}

double UnidadPendiente(double unidadCota, double longitud) {
    const double l = std::fabs(longitud);
    return l > 0 ? unidadCota / l : unidadCota;
}

bool Nulo(double valor, double unidad) { return std::fabs(valor) < unidad / 2; }

bool Iguales(double a, double ua, double b, double ub) { return Nulo(a - b, std::min(ua, ub)); }

}  // namespace Precision
