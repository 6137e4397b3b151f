// The "*TRV" typical-section file of the Clip programs.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "common/chainage.h"
#include "common/errors.h"
#include "common/line_input.h"
#include "common/splitters.h"
#include "design_readers/clip_secciones.h"
#include "design_readers/listing_lines.h"
#include "field_writers/rechazo.h"

namespace EntryClipWindows {

bool Codigo_Valido_TRV(int Grupo, std::string_view Codigo) {
    switch (Grupo) {
    case 0: return Codigo == "T" || Codigo == "D" || Codigo == "M";
    case 1: return Codigo == "C";
    case 2: return Codigo == "E" || Codigo == "S";
    case 3: return Codigo == "P";
    default: return false;
    }
}

namespace {

using design_readers::EnLinea;
using field_writers::TBloqueSeccion;

constexpr int kSinGrupo = -1;

// The group of a code by its first letter; kSinGrupo when it has none.
int Grupo(std::string_view codigo) {
    const std::string_view letra = codigo.substr(0, 1);
    for (int g = 0; g <= 3; ++g)
        if (Codigo_Valido_TRV(g, letra)) return g;
    return kSinGrupo;
}

bool Empieza(std::string_view codigo, std::string_view a, std::string_view b) {
    return codigo.starts_with(a) || codigo.starts_with(b);
}

bool MismoPunto(const TPuntoSeccion& a, const TPuntoSeccion& b) {
    return a.Desplazamiento == b.Desplazamiento && a.Cota == b.Cota;
}

// The last point of a layer, when it has one: an empty layer has nothing to compare
// with, so a first point at offset 0 and elevation 0 is kept.
const TPuntoSeccion* Ultimo(const TBloqueSeccion& bloque) {
    return bloque.NumPuntos > 0 ? &bloque.Puntos[static_cast<std::size_t>(bloque.NumPuntos)] : nullptr;
}

bool RepiteUltimo(const TBloqueSeccion& bloque, const TPuntoSeccion& punto) {
    const TPuntoSeccion* ultimo = Ultimo(bloque);
    return ultimo != nullptr && MismoPunto(*ultimo, punto);
}

// A layer never receives the point it ends with once more.
void Anadir(TBloqueSeccion& bloque, const TPuntoSeccion& punto, std::int64_t numero) {
    if (!RepiteUltimo(bloque, punto))
        design_readers::AnadirPunto(bloque, punto.Desplazamiento, punto.Cota, numero, punto.Codigo);
}

std::string Campo(const TFields& campos, std::int32_t n, std::int32_t k) {
    return k <= n ? std::string(design_readers::Recortar(campos[static_cast<std::size_t>(k)].Texto)) : std::string();
}

class TRV {
public:
    TRV(const std::string& entrada, const design_readers::EscribirSeccion& escribir)
        : input_(entrada), escribir_(escribir) {}

    void Leer() {
        Cabecera();
        std::string_view linea;
        while (Siguiente(linea)) {
            if (design_readers::LineaVacia(linea)) continue;  // a header without fields announces nothing
            std::int32_t n = 0;
            GM::Separar_Campos(linea, ",", n, campos_);
            const std::string primero = Campo(campos_, n, 1);
            if (primero == "FIN") return;
            const std::int64_t cabecera = numero_;
            const std::string cuenta = Campo(campos_, n, 2);
            const std::int64_t lineas = Cuenta(cuenta, cabecera);
            if (primero.ends_with('E')) {
                for (std::int64_t k = 0; k < lineas; ++k)
                    if (!Siguiente(linea)) Corto(cabecera, cuenta, "líneas que saltar");
                continue;
            }
            std::string texto = primero;
            double Pk = 0;
            try {
                Pk = ab_form_services::Valor_Entero_Doble(texto);
            } catch (const std::overflow_error&) {
                throw ConversionError(EnLinea(cabecera, "el P.K. " + primero + " es demasiado grande."));
            }
            seccion_.Vaciar();
            for (std::int64_t k = 0; k < lineas; ++k) {
                if (!Siguiente(linea)) Corto(cabecera, cuenta, "líneas de puntos");
                Punto(linea);
            }
            if (lineas > 0) escribir_(Pk, seccion_);
        }
    }

private:
    bool Siguiente(std::string_view& linea) {
        if (!input_.Next(linea)) return false;
        ++numero_;
        return true;
    }

    // The first line that holds text must have "*TRV" as its first field; the line
    // after it is not read.
    void Cabecera() {
        std::string_view linea;
        while (Siguiente(linea)) {
            if (design_readers::LineaVacia(linea)) continue;
            std::int32_t n = 0;
            GM::Separar_Campos(linea, ",", n, campos_);
            if (n < 1 || campos_[1].Texto != "*TRV") break;
            Siguiente(linea);
            return;
        }
        throw Rechazo("El fichero de entrada no tiene el formato adecuado");
    }

    // The number of lines a block header announces: a whole number, none below 1.
    // No file holds 10^15 lines: a larger count runs past the end all the same.
    static std::int64_t Cuenta(const std::string& texto, std::int64_t numero) {
        const double v = design_readers::Numero(texto, numero);
        if (!(v >= 1)) return 0;
        return static_cast<std::int64_t>(std::nearbyint(std::min(v, 1e15)));
    }

    // A block that announces more lines than the file holds: the file is cut short
    // or its counts are wrong, and what it holds cannot be trusted.
    [[noreturn]] static void Corto(std::int64_t numero, const std::string& cuenta, const char* que) {
        throw Rechazo(EnLinea(numero, "el bloque anuncia " + cuenta + " " + que + " y el fichero termina antes."));
    }

    void Punto(std::string_view linea) {
        std::int32_t n = 0;
        if (!design_readers::LineaVacia(linea)) GM::Separar_Campos(linea, ",", n, campos_);
        TPuntoSeccion punto;
        punto.Desplazamiento = design_readers::Numero(Campo(campos_, n, 1), numero_);
        punto.Cota = design_readers::Numero(Campo(campos_, n, 2), numero_);
        punto.Codigo = Campo(campos_, n, 3);
        const std::string anterior = std::move(anterior_);
        anterior_ = punto.Codigo;
        const int g = Grupo(punto.Codigo);
        if (g == kSinGrupo) return;

        TBloqueSeccion& taludes = seccion_.Bloques[0];
        TBloqueSeccion& propia = seccion_.Bloques[static_cast<std::size_t>(g)];
        if (RepiteUltimo(propia, punto)) return;
        const int previo = Grupo(anterior);
        const auto empieza = [&anterior](std::string_view letras) {
            return !anterior.empty() && letras.find(anterior[0]) != std::string_view::npos;
        };
        if (g == 0) {
            // Leaving a ditch, a subrasante or a rasante run, taludes first takes the
            // point where that run ended.
            const TBloqueSeccion* desde = nullptr;
            if (previo == 1 && Empieza(punto.Codigo, "MD", "DD")) desde = &seccion_.Bloques[1];
            if (previo == 2 && Empieza(punto.Codigo, "MD", "TD")) desde = &seccion_.Bloques[2];
            if (previo == 3) desde = &seccion_.Bloques[3];
            if (desde != nullptr && Ultimo(*desde) != nullptr && !MismoPunto(*Ultimo(*desde), punto)) {
                const TPuntoSeccion copia = *Ultimo(*desde);
                Anadir(taludes, copia, numero_);
            }
            Anadir(taludes, punto, numero_);
            return;
        }
        Anadir(propia, punto, numero_);
        // The first point of a run that begins where taludes ended belongs to taludes too.
        const bool tambienTaludes = (g == 1 && punto.Codigo.starts_with("CI") && empieza("MD")) ||
                                    (g == 2 && Empieza(punto.Codigo, "EI", "SI") && empieza("MT")) ||
                                    (g == 3 && punto.Codigo.starts_with("PI") && empieza("MT"));
        if (tambienTaludes) Anadir(taludes, punto, numero_);
    }

    LineInput input_;
    const design_readers::EscribirSeccion& escribir_;
    std::int64_t numero_ = 0;
    TFields campos_ = TFields(1);
    field_writers::TSeccion seccion_;
    std::string anterior_;  // the code of the point line read last, across blocks
};

}  // namespace

void LeerSeccionesTRV(const std::string& entrada, const design_readers::EscribirSeccion& escribir) {
    TRV(entrada, escribir).Leer();
}

}  // namespace EntryClipWindows
