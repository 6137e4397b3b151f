#include "design_readers/inroads.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

#include "common/chainage.h"
#include "common/file_precision.h"
#include "common/line_input.h"
#include "common/numeric_checks.h"
#include "common/string_helpers.h"
#include "design_readers/listing_lines.h"
#include "design_readers/listing_rows.h"
#include "field_writers/rechazo.h"

namespace design_readers {
namespace {

// The tokens of a report line, or none for a line to skip.
void TokensDeInforme(std::string_view linea, std::size_t maximo, std::vector<std::string_view>& tokens) {
    tokens.clear();
    linea = Recortar(linea);
    if (linea.empty() || linea[0] == '*' || linea[0] == '{') return;
    Tokens(linea, maximo, tokens);
}

// Every token of a trimmed line is a number; the tokens are looked at one by one, none kept.
bool TodosNumericos(std::string_view linea) {
    const auto blanco = [](char c) { return c == ' ' || c == '\t'; };
    std::size_t k = 0;
    while (k < linea.size()) {
        while (k < linea.size() && blanco(linea[k])) ++k;
        const std::size_t inicio = k;
        while (k < linea.size() && !blanco(linea[k])) ++k;
        if (k > inicio && !Strings::IsNumericField(linea.substr(inicio, k - inicio))) return false;
    }
    return true;
}

// A number token with its decimal comma read as a point.
double Valor(std::string_view token, std::int64_t numero) {
    std::string texto(token);
    Strings::CommaToPoint(texto);
    return Numero(texto, numero);
}

double Estacion(std::string_view token) {
    std::string texto(token);
    Strings::CommaToPoint(texto);
    return Strings::PKStringToDouble(texto);
}

enum class Tipo { Ninguno, Clotoide, Recta, Arco };

Tipo TipoDeFila(std::string_view t) {
    if (t == "SPI") return Tipo::Clotoide;
    if (t == "LIN") return Tipo::Recta;
    if (t == "CIR") return Tipo::Arco;
    return Tipo::Ninguno;
}

// The state of one planta run: the row buffers start empty every time.
class CorridaPlanta {
public:
    explicit CorridaPlanta(std::vector<TPlanta>& planta) : planta_(planta) {}

    void Fila(Tipo tipo, const std::vector<std::string_view>& t, std::int64_t numero) {
        ++r_;
        FilaPlanta2 = {static_cast<std::int32_t>(numero), Valor(t[6], numero), Estacion(t[1]),
                       Valor(t[3], numero),                Valor(t[4], numero), Valor(t[2], numero),
                       0,                                  Valor(t[5], numero)};
        if (r_ > 1) planta_.push_back(Elemento(tipo));
        FilaPlanta1 = FilaPlanta2;
        tipoAnterior_ = tipo;
    }

    // The end point: a 0.01 m straight for the formats that want one.
    void Final(std::int16_t formato) {
        if (planta_.size() < 2 || (formato != 1 && formato != 2)) return;
        TPlanta e = ElementoDeFila(FilaPlanta1, r_);
        e.Radio = 0;
        e.Parametro = 0;
        e.Longitud = 0.01;
        planta_.push_back(e);
    }

private:
    // The element of the previous row; the current row is of type `siguiente`.
    TPlanta Elemento(Tipo siguiente) {
        TPlanta e = ElementoDeFila(FilaPlanta1, r_ - 1);  // InRoads rows carry no parameter
        if (tipoAnterior_ == Tipo::Clotoide) {
            // The radius the clothoid reaches is the one the next row starts with; only a
            // clothoid row that states 0 leaves it to be found from the turn.
            std::optional<double> radioSiguiente;
            if (siguiente == Tipo::Recta) radioSiguiente = 0.0;
            if (siguiente == Tipo::Arco || (siguiente == Tipo::Clotoide && FilaPlanta2.Radio != 0)) {
                radioSiguiente = FilaPlanta2.Radio;
            }
            try {
                const ClotoideEnlazada c = ClotoideSinParametro(
                    {FilaPlanta1.Acimut, FilaPlanta2.Acimut, radioFinal_, radioSiguiente, FilaPlanta1.Longitud});
                e.Radio = c.Radio;
                e.Parametro = c.Parametro;
                radioFinal_ = c.RadioFinal;
            } catch (const ClotoideDegenerada& d) {
                throw Rechazo(EnLinea(FilaPlanta1.Fila, d.motivo) + ".");
            }
        } else {
            radioFinal_ = tipoAnterior_ == Tipo::Arco ? e.Radio : 0;
        }
        // The length comes from the chainages: a row that does not move on would give an
        // element of no length or of negative length.
        e.Longitud = FilaPlanta2.PK - FilaPlanta1.PK;
        if (e.Longitud <= 0) {
            throw Rechazo(EnLinea(FilaPlanta2.Fila, "el P.K. no avanza respecto al de la fila anterior") + ".");
        }
        return e;
    }

    std::vector<TPlanta>& planta_;
    TFilaPlanta FilaPlanta1;  // the previous row
    TFilaPlanta FilaPlanta2;  // the current row
    Tipo tipoAnterior_ = Tipo::Ninguno;
    std::int32_t r_ = 0;
    double radioFinal_ = 0;  // the radius the last element built ends with; 0 a straight
};

// One alzado row, the decimals its grade is written with and what its numbers are
// known to.
struct FilaAlzado {
    TAlzado e;
    std::int32_t decimales = 0;
    double unidadPK = 1;
    double unidadZ = 1;
    double unidadPendiente = 1;  // as written, or as found from the elevations
};

void Construir(std::vector<FilaAlzado>& filas, std::vector<TAlzado>& Alzado) {
    const std::size_t n = filas.size();
    // Whether row j reaches the next row at all, at the precision the chainages are written.
    const auto sinLongitud = [&filas](std::size_t j) {
        return Precision::Iguales(filas[j + 1].e.PK, filas[j + 1].unidadPK, filas[j].e.PK, filas[j].unidadPK);
    };
    // The elevations at both ends of row j, as far as the report writes them.
    const auto unidadZ = [&filas](std::size_t j) { return std::max(filas[j].unidadZ, filas[j + 1].unidadZ); };
    // Grade lines take their grade from the elevations unless too short for the
    // decimals the report writes.
    for (std::size_t j = 0; j + 1 < n; ++j) {
        FilaAlzado& f = filas[j];
        TAlzado& e = f.e;
        e.Longitud = filas[j + 1].e.PK - e.PK;
        e.Linea = filas[j + 1].e.Linea;  // the row whose chainage ends it
        if (e.Kv != 0) continue;
        const double dz = filas[j + 1].e.Z - e.Z;
        if (sinLongitud(j)) {
            e.Pendiente = 0;
        } else if (std::pow(10.0, f.decimales - 3) < e.Longitud && dz != 0) {
            e.Pendiente = dz / e.Longitud;
            f.unidadPendiente = Precision::UnidadPendiente(unidadZ(j), e.Longitud);
        }
    }
    for (std::size_t j = 0; j + 1 < n; ++j) {
        TAlzado e = filas[j].e;
        if (e.Kv != 0) {
            double unidadEntrada = filas[j].unidadPendiente;
            if (j > 0 && filas[j - 1].e.Kv == 0) {
                e.Pendiente = filas[j - 1].e.Pendiente;
                unidadEntrada = filas[j - 1].unidadPendiente;
            }
            e.Kv = 0;
            const double L = e.Longitud;
            if (!sinLongitud(j)) {
                const double zm = e.Z + (L / 2) * e.Pendiente;
                const double gs = (filas[j + 1].e.Z - zm) / (L / 2);
                // An exit grade that is the entry grade as the report writes them: no curve.
                const double unidadSalida = Precision::UnidadPendiente(unidadZ(j), L / 2);
                if (!Precision::Iguales(gs, unidadSalida, e.Pendiente, unidadEntrada)) e.Kv = L / (gs - e.Pendiente);
            }
        }
        Alzado.push_back(e);
    }
}

}  // namespace

void LeerPlantaInRoads(const std::string& entrada, std::int16_t FormatoCampo, std::vector<TPlanta>& Planta) {
    LineInput input(entrada);
    CorridaPlanta corrida(Planta);
    std::vector<std::string_view> tokens;
    std::string_view linea;
    std::int64_t numero = 0;
    while (input.Next(linea)) {
        ++numero;
        TokensDeInforme(linea, 8, tokens);
        if (tokens.size() != 7) continue;
        const Tipo tipo = TipoDeFila(tokens[0]);
        // A line of seven words of another kind (a title) is no row.
        if (tipo != Tipo::Ninguno) corrida.Fila(tipo, tokens, numero);
    }
    corrida.Final(FormatoCampo);
}

void LeerAlzadoInRoads(const std::string& entrada, std::vector<TAlzado>& Alzado) {
    LineInput input(entrada);
    std::vector<FilaAlzado> filas;
    std::vector<std::string_view> tokens;
    std::string_view linea;
    std::int64_t numero = 0;
    while (input.Next(linea)) {
        ++numero;
        TokensDeInforme(linea, 5, tokens);
        if (tokens.size() < 5 || (tokens[0] != "PAR" && tokens[0] != "LIN")) continue;
        FilaAlzado fila;
        fila.e.N = static_cast<std::int32_t>(filas.size() + 1);
        fila.e.PK = Estacion(tokens[1]);
        fila.e.Z = Valor(tokens[2], numero);
        fila.e.Pendiente = Valor(tokens[3], numero);
        fila.e.Kv = Valor(tokens[4], numero);
        fila.e.Linea = numero;
        fila.decimales = Strings::CountDecimals(tokens[3]);
        fila.unidadPK = Precision::UnidadDe(tokens[1]);
        fila.unidadZ = Precision::UnidadDe(tokens[2]);
        fila.unidadPendiente = Precision::UnidadDe(tokens[3]);
        filas.push_back(fila);
    }
    Construir(filas, Alzado);
}

void LeerSeccionesInRoads(const std::string& entrada, char bloque, const EscribirSeccion& escribir) {
    LineInput input(entrada);
    field_writers::TSeccion seccion;
    field_writers::TBloqueSeccion& puntos = seccion.Bloque(bloque);
    double Pk = 0;
    std::vector<std::string_view> tokens;
    std::string_view linea;
    std::int64_t numero = 0;
    while (input.Next(linea)) {
        ++numero;
        TokensDeInforme(linea, 3, tokens);
        if (tokens.size() < 3 || !TodosNumericos(Recortar(linea))) continue;
        const double estacion = Estacion(tokens[0]);
        if (puntos.NumPuntos > 0 && estacion != Pk) {
            escribir(Pk, seccion);
            seccion.Vaciar();
        }
        Pk = estacion;
        AnadirPunto(puntos, Valor(tokens[1], numero), Valor(tokens[2], numero), numero);
    }
    // The last section, also when its only point line is the last line of the report.
    if (puntos.NumPuntos > 0) escribir(Pk, seccion);
}

bool InRoads_Planta(Context& ctx, const Ficheros& ficheros) {
    const std::int16_t formato = ctx.state.FormatoCampo;
    return Leer_Planta(ctx, ficheros, [formato](const std::string& entrada, std::vector<TPlanta>& Planta) {
        LeerPlantaInRoads(entrada, formato, Planta);
    });
}

bool InRoads_Alzado(Context& ctx, WindowServices& window, const Ficheros& ficheros, std::vector<TAlzado>& Alzado) {
    return Leer_Alzado(ctx, window, ficheros, LeerAlzadoInRoads, Alzado);
}

bool InRoads_Seccion_Tipo(Context& ctx, WindowServices& window, const FicherosSeccion& ficheros) {
    char bloque = 'R';
    return Leer_Seccion(
        ctx, window, ficheros, CapaSeccion::Dialogo, bloque,
        [&bloque](const std::string& entrada, const EscribirSeccion& escribir) {
            LeerSeccionesInRoads(entrada, bloque, escribir);
        },
        InRoads_Alzado);
}

}  // namespace design_readers
