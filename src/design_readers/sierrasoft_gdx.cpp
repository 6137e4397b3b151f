#include "design_readers/sierrasoft_gdx.h"

#include <cmath>
#include <limits>

#include "common/cp1252.h"
#include "common/errors.h"
#include "common/numbers.h"
#include "common/splitters.h"
#include "design_readers/listing_lines.h"
#include "design_readers/text_rows.h"
#include "field_writers/rechazo.h"

namespace design_readers {
namespace {

// A keyword as the file may write it: any letter case, blanks or TABs around it and
// runs of them inside ("END  AXIS " is "END AXIS").
std::string Clave(std::string_view texto) {
    std::string clave;
    bool blanco = false;
    for (const char c : Recortar(texto)) {
        if (c == ' ' || c == '\t') {
            blanco = true;
            continue;
        }
        if (blanco) clave += ' ';
        blanco = false;
        clave += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return clave;
}

// The text between the first and the last double quote of the line.
std::string EntreComillas(std::string_view linea) {
    const std::size_t primera = linea.find('"');
    const std::size_t ultima = linea.rfind('"');
    if (primera == std::string_view::npos || ultima == primera) return {};
    return Cp1252::ToUtf8(linea.substr(primera + 1, ultima - primera - 1));
}

enum class Bloque { Ninguno, Horizontal, Vertical, Izquierda, Derecha };

// The block a keyword line opens or closes; false when the line is no keyword.
bool BloqueDeClave(const std::string& clave, Bloque& bloque) {
    struct Par {
        const char* clave;
        Bloque bloque;
    };
    static constexpr Par kClaves[] = {
        {"HORIZONTAL_ALIGNMENT", Bloque::Horizontal},
        {"VERTICAL_ALIGNMENT", Bloque::Vertical},
        {"SUPERELEVATION_LEFT", Bloque::Izquierda},
        {"SUPERELEVATION_RIGHT", Bloque::Derecha},
        {"END HORIZONTAL_ALIGNMENT", Bloque::Ninguno},
        {"END VERTICAL_ALIGNMENT", Bloque::Ninguno},
        {"END SUPERELEVATION_LEFT", Bloque::Ninguno},
        {"END SUPERELEVATION_RIGHT", Bloque::Ninguno},
    };
    for (const Par& par : kClaves) {
        if (clave == par.clave) {
            bloque = par.bloque;
            return true;
        }
    }
    return false;
}

// The word after the first word of the line. A word in quotes runs to the last quote
// of the line, blanks and TABs inside it included: SEPARATOR "<TAB>" names a TAB.
std::string_view PalabraTrasClave(std::string_view linea) {
    const auto blanco = [](char c) { return c == ' ' || c == '\t' || c == '\f'; };
    linea = Recortar(linea);
    std::size_t k = 0;
    while (k < linea.size() && !blanco(linea[k])) ++k;
    while (k < linea.size() && blanco(linea[k])) ++k;
    const std::string_view resto = linea.substr(k);
    if (!resto.empty() && resto[0] == '"') {
        const std::size_t ultima = resto.rfind('"');
        if (ultima > 0) return resto.substr(0, ultima + 1);
    }
    std::size_t fin = 0;
    while (fin < resto.size() && !blanco(resto[fin])) ++fin;
    return resto.substr(0, fin);
}

// Fields 1 .. n trimmed of blanks and TABs, so that rows may be indented or padded.
void RecortarCampos(TFields& campos, std::int32_t n) {
    for (std::int32_t k = 1; k <= n; ++k) {
        std::string& texto = campos[static_cast<std::size_t>(k)].Texto;
        texto = std::string(Recortar(texto));
    }
}

// One more element of a list whose count is kept in 32 bits.
std::int32_t Siguiente32(std::size_t tamano, std::int64_t linea) {
    if (tamano > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        throw ConversionError(EnLinea(linea, "el eje tiene demasiados elementos."));
    }
    return static_cast<std::int32_t>(tamano);
}

}  // namespace

LectorSierraSoft::LectorSierraSoft(const std::string& entrada) : input_(entrada) {
    std::string_view linea;
    bool dentro = false;
    while (Siguiente(linea)) {
        const std::int32_t n = Partir(linea, campos_, 2);
        if (n == 0) continue;
        const std::string primera = Clave(campos_[1].Texto);
        if (!dentro) {
            dentro = primera == "HEADER";
            continue;
        }
        if (n < 2) continue;
        if (primera == "SEPARATOR") {
            // The separator stands in quotes; a word too short to hold one leaves ",".
            const std::string_view palabra = PalabraTrasClave(linea);
            if (palabra.size() > 2) separador_ = std::string(palabra.substr(1, palabra.size() - 2));
            separadorBlanco_ = LineaVacia(separador_);
        } else if (primera == "END" && Clave(campos_[2].Texto) == "HEADER") {
            return;
        }
    }
}

bool LectorSierraSoft::Siguiente(std::string_view& linea) {
    while (input_.Next(linea)) {
        ++numero_;
        if (!LineaVacia(linea)) return true;
    }
    return false;
}

bool LectorSierraSoft::LeeEje(EjeSierraSoft& eje) {
    eje = EjeSierraSoft{};
    bool enEje = false;
    std::string_view linea;
    while (Siguiente(linea)) {
        const std::int32_t n = Partir(linea, campos_, 4);
        if (n == 0) continue;
        const std::string primera = Clave(campos_[1].Texto);
        if (!enEje) {
            enEje = primera == "AXIS";
            continue;
        }
        if (primera == "NAME" && n >= 2) {
            eje.nombre = EntreComillas(linea);
        } else if (primera == "START" && n >= 3 && Clave(campos_[2].Texto) == "STATION") {
            eje.inicio = Numero(campos_[3].Texto, numero_);
            return true;
        } else if (primera == "END" && n >= 2 && Clave(campos_[2].Texto) == "AXIS") {
            // An axis without a start line gives nothing; the scan goes on.
            eje = EjeSierraSoft{};
            enEje = false;
        }
    }
    return false;
}

void LectorSierraSoft::LeeCuerpo(LecturaEje que, EjeSierraSoft& eje) {
    Bloque bloque = Bloque::Ninguno;
    std::size_t izquierda = 0;  // left rows read so far
    std::size_t derecha = 0;    // right rows
    std::string_view linea;
    while (Siguiente(linea)) {
        std::int32_t n = 7;
        Strings::SplitString(linea, separador_, n, campos_, true);
        if (n == 0) continue;
        // Keywords are written with blanks between their words: with a blank or TAB
        // separator the first field holds only the first of them.
        const std::string clave = Clave(separadorBlanco_ ? linea : std::string_view(campos_[1].Texto));
        if (clave == "END AXIS") break;
        if (BloqueDeClave(clave, bloque)) continue;
        const bool peraltes = que == LecturaEje::Peraltes;
        // A row's numbers are read however they are written; only a line that does not
        // start with one (a column header) is no row.
        if (!Num::IsNumber(campos_[1].Texto)) continue;
        if (bloque == Bloque::Horizontal && que == LecturaEje::Alineaciones && n >= 7) {
            FilaPlanta(eje);
        } else if (bloque == Bloque::Vertical && !peraltes && n >= 4) {
            FilaAlzado(eje);
        } else if ((bloque == Bloque::Izquierda || bloque == Bloque::Derecha) && peraltes && n >= 2) {
            RecortarCampos(campos_, 2);
            const double pk = Numero(campos_[1].Texto, numero_) + eje.inicio;
            const double valor = Numero(campos_[2].Texto, numero_);
            // Left and right rows pair by position, whichever block comes first; a
            // row of one side beyond the other's rows gets a row of its own.
            std::size_t& fila = bloque == Bloque::Izquierda ? izquierda : derecha;
            auto& filas = eje.peraltes;
            if (++fila >= filas.size()) {
                Siguiente32(filas.size(), numero_);
                filas.emplace_back();
            }
            filas[fila].PK = pk;
            (bloque == Bloque::Izquierda ? filas[fila].Izquierda : filas[fila].Derecha) = valor;
        }
    }
    // A parabola starts with the grade the element before it ends with.
    auto& alzado = eje.alzado;
    for (std::size_t m = 2; m < alzado.size(); ++m) {
        if (alzado[m].Kv == 0) continue;
        const TAlzado& previo = alzado[m - 1];
        alzado[m].Pendiente = previo.Kv == 0 ? previo.Pendiente : previo.Pendiente + previo.Longitud / previo.Kv;
    }
}

void LectorSierraSoft::FilaPlanta(EjeSierraSoft& eje) {
    RecortarCampos(campos_, 7);
    auto& planta = eje.planta;
    TPlanta e;
    e.N = Siguiente32(planta.size(), numero_);
    e.PK = e.N == 1 ? eje.inicio : planta.back().PK + planta.back().Longitud;
    e.X = Numero(campos_[2].Texto, numero_);
    e.Y = Numero(campos_[3].Texto, numero_);
    e.Acimut = Numero(campos_[4].Texto, numero_);
    e.Longitud = Numero(campos_[5].Texto, numero_);
    if (!(e.Longitud > 0)) throw Rechazo(EnLinea(numero_, "el elemento de planta no tiene longitud."));
    const std::string& radio = campos_[6].Texto;
    const bool espiral = Numero(campos_[1].Texto, numero_) == 2;
    // A spiral that leaves a straight carries the marker radius, signed by its turn.
    if (espiral && radio == "0.000") {
        e.Radio = 0.001;
    } else if (espiral && radio == "-0.000") {
        e.Radio = -0.001;
    } else {
        e.Radio = Numero(radio, numero_) + 0.0;  // + 0.0: no negative zero reaches a file
    }
    e.Parametro = std::fabs(Numero(campos_[7].Texto, numero_));
    planta.push_back(e);
}

void LectorSierraSoft::FilaAlzado(EjeSierraSoft& eje) {
    RecortarCampos(campos_, 4);
    auto& alzado = eje.alzado;
    TAlzado e;
    e.N = Siguiente32(alzado.size(), numero_);
    e.PK = Numero(campos_[2].Texto, numero_);
    e.Z = Numero(campos_[3].Texto, numero_);
    e.Kv = Numero(campos_[1].Texto, numero_) == 2 ? -Numero(campos_[4].Texto, numero_) + 0.0 : 0;
    if (e.N > 1) {
        TAlzado& previo = alzado.back();
        const double longitud = e.PK - previo.PK;
        if (!(longitud > 0)) {
            throw Rechazo(EnLinea(numero_, "el P.K. del vértice no es mayor que el del vértice anterior."));
        }
        previo.Longitud = longitud;
        if (previo.Kv == 0) previo.Pendiente = (e.Z - previo.Z) / longitud;
    }
    alzado.push_back(e);
}

std::vector<std::string> SierraSoft_ListaEjes(const std::string& fichero) {
    LectorSierraSoft lector(fichero);
    std::vector<std::string> nombres;
    EjeSierraSoft eje;
    while (lector.LeeEje(eje)) nombres.push_back(eje.nombre);
    return nombres;
}

}  // namespace design_readers
