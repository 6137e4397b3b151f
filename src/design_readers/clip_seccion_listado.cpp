// The printed section listing of the Clip programs.

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "common/chainage.h"
#include "common/errors.h"
#include "common/line_input.h"
#include "common/numbers.h"
#include "design_readers/clip_secciones.h"
#include "design_readers/listing_lines.h"
#include "design_readers/text_rows.h"

namespace EntryClipWindows {
namespace {

using design_readers::EnLinea;
using design_readers::LineaVacia;

constexpr std::int32_t kTodos = std::numeric_limits<std::int32_t>::max();
constexpr std::size_t kLineasHastaRegla = 6;

bool Blanco(char c) { return c == ' ' || c == '\t' || c == '\f'; }

std::string_view SinBlancosDelante(std::string_view linea) {
    std::size_t k = 0;
    while (k < linea.size() && Blanco(linea[k])) ++k;
    return linea.substr(k);
}

// Where "P.K." stands on a line that begins with it (blanks before it allowed), or
// nothing. Each line is looked at whole: a "P.K." less indented than the previous
// one is found as well.
std::optional<std::size_t> ColumnaPK(std::string_view linea) {
    const std::string_view resto = SinBlancosDelante(linea);
    if (!resto.starts_with("P.K.")) return std::nullopt;
    return linea.size() - resto.size();
}

// The chainage of a "P.K." line: the first token within the 20 columns that follow
// "P.K." and the character after it. Only that token is read, so a number further
// on the line is never glued onto it.
double ChainageDe(std::string_view linea, std::size_t p, std::int64_t numero) {
    const std::string_view texto = design_readers::Columnas(linea, p + 6, 20);
    std::size_t a = 0;
    while (a < texto.size() && Blanco(texto[a])) ++a;
    std::size_t b = a;
    while (b < texto.size() && !Blanco(texto[b])) ++b;
    std::string token(texto.substr(a, b - a));
    try {
        return ab_form_services::Valor_Entero_Doble(token);
    } catch (const std::overflow_error&) {
        throw ConversionError(EnLinea(numero, "el P.K. " + token + " es demasiado grande."));
    }
}

bool EsRegla(std::string_view linea) { return SinBlancosDelante(linea).starts_with("====="); }

// The layers a point line feeds, with the ruler fields (1-based) that bound them.
struct Rango {
    char capa;
    std::size_t primero;
    std::size_t ultimo;
};
constexpr std::array<Rango, 3> kRangos = {{{'T', 1, 3}, {'R', 4, 6}, {'S', 7, 8}}};

class Listado {
public:
    Listado(const std::string& entrada, const design_readers::EscribirSeccion& escribir)
        : input_(entrada), escribir_(escribir) {}

    void Leer() {
        bool hayLinea = Siguiente();
        while (hayLinea) {
            const std::optional<std::size_t> p = ColumnaPK(linea_);
            if (!p) {
                hayLinea = Siguiente();
                continue;
            }
            hayLinea = Seccion(*p);
        }
    }

private:
    bool Siguiente() {
        if (!input_.Next(linea_)) return false;
        ++numero_;
        return true;
    }

    // The section whose "P.K." line is the current one. Returns whether a line is
    // left to examine (the one that ended the section's points).
    bool Seccion(std::size_t p) {
        const double Pk = ChainageDe(linea_, p, numero_);
        seccion_.Vaciar();
        regla_.assign(1, TField{});
        bool hayLinea = true;
        for (std::size_t k = 0; k < kLineasHastaRegla; ++k) {
            hayLinea = Siguiente();
            if (!hayLinea) break;
            if (ColumnaPK(linea_)) {
                // The next section begins before this one showed a ruler: no points.
                escribir_(Pk, seccion_);
                return true;
            }
            design_readers::Partir(linea_, regla_, kTodos);
            if (EsRegla(linea_)) break;
        }
        if (hayLinea) hayLinea = Siguiente();
        while (hayLinea) {
            if (LineaVacia(linea_) || design_readers::SaltoDePagina(linea_) || ColumnaPK(linea_)) break;
            LineaDePuntos();
            hayLinea = Siguiente();
        }
        escribir_(Pk, seccion_);
        return hayLinea;
    }

    std::size_t Reglas() const { return regla_.size() - 1; }

    // Fields k and k + 1 of the line stand under the ruler fields of the range and are numbers.
    bool Bajo(std::size_t k, const Rango& rango) const {
        if (Reglas() < rango.ultimo) return false;
        const TField& a = campos_[k];
        const TField& b = campos_[k + 1];
        return a.Fin >= regla_[rango.primero].Inicio && b.Inicio <= regla_[rango.ultimo].Fin &&
               Num::IsNumber(a.Texto) && Num::IsNumber(b.Texto);
    }

    void LineaDePuntos() {
        const std::size_t n = static_cast<std::size_t>(design_readers::Partir(linea_, campos_, kTodos));
        // The pairs looked at, in order: the last one under a range gives its layer's point.
        std::array<std::size_t, 3> elegido{};
        const auto probar = [&](std::size_t k, std::size_t desdeRango) {
            for (std::size_t r = desdeRango; r < kRangos.size(); ++r)
                if (Bajo(k, kRangos[r])) elegido[r] = k;
        };
        if (n >= 2) probar(1, 0);
        if (n == 4) probar(3, 1);
        if (n >= 5) probar(4, 1);
        if (n >= 8) probar(7, 2);
        for (std::size_t r = 0; r < kRangos.size(); ++r) {
            if (elegido[r] == 0) continue;
            design_readers::AnadirPunto(seccion_.Bloque(kRangos[r].capa),
                                        design_readers::Numero(campos_[elegido[r]].Texto, numero_),
                                        design_readers::Numero(campos_[elegido[r] + 1].Texto, numero_), numero_);
        }
    }

    LineInput input_;
    const design_readers::EscribirSeccion& escribir_;
    std::string_view linea_;
    std::int64_t numero_ = 0;
    field_writers::TSeccion seccion_;
    TFields regla_ = TFields(1);
    TFields campos_ = TFields(1);
};

}  // namespace

void LeerSeccionesListado(const std::string& entrada, const design_readers::EscribirSeccion& escribir) {
    Listado(entrada, escribir).Leer();
}

}  // namespace EntryClipWindows
