#include "design_readers/estandar.h"

#include <array>
#include <cmath>
#include <stdexcept>

#include "common/errors.h"
#include "common/large_pages.h"
#include "common/line_input.h"
#include "common/masked_fields.h"
#include "common/numbers.h"
#include "common/plain_decimal.h"
#include "field_writers/rechazo.h"
#include "platform/files.h"

namespace design_readers {
namespace {

bool Separador(char c) { return c == ' ' || c == ',' || c == '\t' || c == '\f'; }

std::string Linea(std::int64_t numero) { return "Línea " + std::to_string(numero); }

// A field that is not a plain decimal: checked, then read by the general Val.
double Campo(std::string_view campo, std::int64_t numeroLinea, const char* tipo, std::size_t cuantos) {
    if (!Num::IsNumber(campo)) {
        throw Rechazo(Linea(numeroLinea) + ": no es un elemento de " + tipo + "; sus " + std::to_string(cuantos) +
                      " primeros campos deben ser números.");
    }
    try {
        return Num::Val(campo);
    } catch (const std::overflow_error&) {
        throw ConversionError(Linea(numeroLinea) + ": el número " + std::string(campo) + " es demasiado grande.");
    }
}

// The first `cuantos` fields of the line as numbers, or fewer; returns how many. The
// line is refused when one is not a number. A field that is all plain decimal
// ("-12.5") is read where it stands, in the same pass that finds its end: such a
// field always passes the check and the general Val gives it the same double.
// From `p` on, `n` fields already read.
template <std::size_t cuantos>
std::size_t Numeros(const char* p, const char* const fin, std::size_t n, std::int64_t numeroLinea, const char* tipo,
                    std::array<double, cuantos>& valores) {
    while (n < cuantos) {
        while (p != fin && Separador(*p)) ++p;
        if (p == fin) break;
        const char* const inicio = p;
        const char* const leido = Num::ReadPlainDecimal(p, fin, valores[n]);
        if (leido != nullptr && (leido == fin || Separador(*leido))) {
            p = leido;
        } else {
            while (p != fin && !Separador(*p)) ++p;
            valores[n] = Campo(std::string_view(inicio, static_cast<std::size_t>(p - inicio)), numeroLinea, tipo,
                               cuantos);
        }
        ++n;
    }
    return n;
}

template <std::size_t cuantos>
std::size_t Numeros(std::string_view linea, std::int64_t numeroLinea, const char* tipo,
                    std::array<double, cuantos>& valores) {
    return Numeros(linea.data(), linea.data() + linea.size(), 0, numeroLinea, tipo, valores);
}

// A field the masks do not read (more digits, an exponent, text): read as Numeros
// reads it. Kept out of line: the rare road, and the common one must stay small.
[[gnu::noinline]] double CampoLargo(std::string_view campo, std::int64_t numeroLinea, const char* tipo,
                                   std::size_t cuantos) {
    double valor;
    const char* const fin = campo.data() + campo.size();
    if (Num::ReadPlainDecimal(campo.data(), fin, valor) == fin) return valor;
    return Campo(campo, numeroLinea, tipo, cuantos);
}

// Element lines of the files met are up to this long; a longer line takes Numeros.
constexpr std::size_t kLineaCorta = 127;
using Ventana = masked_fields::Fields<masked_fields::Separators::kBlankCommaTabFormFeed>;

// Numeros for a line of LineInput's, readable past its end: the fields of 64 bytes
// of the line found all at once, then those of the 64 bytes from the first field
// that went on past them, and so on. A field of 64 bytes or more takes Numeros.
template <std::size_t cuantos>
std::size_t NumerosLeibles(std::string_view linea, std::int64_t numeroLinea, const char* tipo,
                           std::array<double, cuantos>& valores) {
    if (linea.size() > kLineaCorta) return Numeros(linea, numeroLinea, tipo, valores);
    const char* base = linea.data();
    const char* const finLinea = base + linea.size();
    std::size_t n = 0;
    while (n < cuantos) {
        Ventana campos = Ventana::Window(base, static_cast<std::size_t>(finLinea - base));
        unsigned primero, fin;
        bool sigue = false;
        while (n < cuantos && campos.Next(primero, fin)) {
            if (fin == 64) {
                if (primero == 0) return Numeros(base, finLinea, n, numeroLinea, tipo, valores);
                base += primero;
                sigue = true;
                break;
            }
            if (!campos.PlainDecimal(primero, fin, valores[n])) {
                valores[n] = CampoLargo(std::string_view(base + primero, fin - primero), numeroLinea, tipo, cuantos);
            }
            ++n;
        }
        if (!sigue) break;
    }
    return n;
}

// How a line's numbers are read: Numeros for any text, NumerosLeibles for a line of LineInput's.
enum class Lectura { kCualquiera, kLeible };

template <Lectura lectura, std::size_t cuantos>
std::size_t NumerosDe(std::string_view linea, std::int64_t numeroLinea, const char* tipo,
                      std::array<double, cuantos>& valores) {
    if constexpr (lectura == Lectura::kLeible) return NumerosLeibles(linea, numeroLinea, tipo, valores);
    return Numeros(linea, numeroLinea, tipo, valores);
}

std::int32_t Numero(double valor, std::int64_t numeroLinea) {
    try {
        return Num::CLng(valor);
    } catch (const std::overflow_error&) {
        throw ConversionError(Linea(numeroLinea) + ": el número de elemento no cabe en su campo.");
    }
}

// Element lines of the files met are longer than this. Room for the elements a file
// of that many bytes a line would hold is asked for at once: a longer file's array
// grows without being copied over and over, and room never used is never touched,
// so it takes no memory. A long alignment's array comes in large pages.
constexpr std::uintmax_t kBytesPorLinea = 32;

template <class Elemento, class DeLinea>
void LeerFichero(const std::string& entrada, std::vector<Elemento>& elementos, DeLinea deLinea) {
    static_assert(LineInput::kReadAhead >= masked_fields::kReadFromStart);
    LineInput input(entrada);
    const std::optional<std::uintmax_t> bytes = platform::FileSize(entrada);
    if (bytes && *bytes / kBytesPorLinea < elementos.max_size() - elementos.size()) {
        LargePages::Reserve(elementos, elementos.size() + static_cast<std::size_t>(*bytes / kBytesPorLinea));
    }
    Elemento trabajo{};  // carries fields only from one line of this file to the next
    std::string_view linea;
    std::int64_t numero = 0;
    while (input.Next(linea)) {
        ++numero;
        if (!deLinea(linea, numero, trabajo)) continue;
        trabajo.Linea = numero;
        elementos.push_back(trabajo);
    }
}

template <Lectura lectura>
bool PlantaDeLinea(std::string_view linea, std::int64_t numeroLinea, TPlanta& Planta) {
    std::array<double, 8> v{};
    const std::size_t n = NumerosDe<lectura>(linea, numeroLinea, "planta", v);
    if (n == 0) return false;
    Planta.N = Numero(v[0], numeroLinea);
    double* const campos[] = {&Planta.PK, &Planta.X, &Planta.Y, &Planta.Acimut, &Planta.Radio, &Planta.Parametro,
                              &Planta.Longitud};
    for (std::size_t k = 1; k < n; ++k) *campos[k - 1] = v[k];
    Planta.Parametro = std::fabs(Planta.Parametro);
    return true;
}

template <Lectura lectura>
bool AlzadoDeLinea(std::string_view linea, std::int64_t numeroLinea, TAlzado& Alzado) {
    std::array<double, 6> v{};
    const std::size_t n = NumerosDe<lectura>(linea, numeroLinea, "alzado", v);
    if (n == 0) return false;
    Alzado.N = Numero(v[0], numeroLinea);
    double* const campos[] = {&Alzado.PK, &Alzado.Z, &Alzado.Pendiente, &Alzado.Kv, &Alzado.Longitud};
    for (std::size_t k = 1; k < n; ++k) *campos[k - 1] = v[k];
    return true;
}

}  // namespace

bool PlantaEstandarDeLinea(std::string_view linea, std::int64_t numeroLinea, TPlanta& Planta) {
    return PlantaDeLinea<Lectura::kCualquiera>(linea, numeroLinea, Planta);
}

bool AlzadoEstandarDeLinea(std::string_view linea, std::int64_t numeroLinea, TAlzado& Alzado) {
    return AlzadoDeLinea<Lectura::kCualquiera>(linea, numeroLinea, Alzado);
}

void LeerPlantaEstandar(const std::string& entrada, std::vector<TPlanta>& Planta) {
    LeerFichero(entrada, Planta, PlantaDeLinea<Lectura::kLeible>);
}

void LeerAlzadoEstandar(const std::string& entrada, std::vector<TAlzado>& Alzado) {
    LeerFichero(entrada, Alzado, AlzadoDeLinea<Lectura::kLeible>);
}

bool Estandar_Planta(Context& ctx, const Ficheros& ficheros) {
    return Leer_Planta(ctx, ficheros, LeerPlantaEstandar);
}

bool Estandar_Alzado(Context& ctx, WindowServices& window, const Ficheros& ficheros, std::vector<TAlzado>& Alzado) {
    return Leer_Alzado(ctx, window, ficheros, LeerAlzadoEstandar, Alzado);
}

}  // namespace design_readers
