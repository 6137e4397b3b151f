#include "design_readers/trazado.h"

#include <cmath>
#include <cstdint>
#include <optional>

#include "common/gm_azimuths.h"
#include "common/line_input.h"
#include "common/string_helpers.h"
#include "design_readers/text_rows.h"
#include "field_writers/rechazo.h"

namespace design_readers {
namespace {

constexpr std::int32_t kTodos = 1 << 20;  // every token of a line

// Token k as a number, a decimal comma read as a point.
double Valor(TFields& c, std::int32_t n, std::int32_t k, std::int64_t numero) {
    if (k < 1 || k > n) return 0;
    std::string& texto = c[static_cast<std::size_t>(k)].Texto;
    Strings::CommaToPoint(texto);
    return Numero(texto, numero);
}

bool Marcador(double radio) { return std::fabs(radio) == 0.001; }

// The next line that is not empty, split; nothing at the end of the file.
std::optional<std::int32_t> Siguiente(LineInput& input, std::int64_t& numero, TFields& campos) {
    std::string_view linea;
    while (input.Next(linea)) {
        ++numero;
        if (!LineaVacia(linea)) return Partir(linea, campos, kTodos);
    }
    return std::nullopt;
}

// One row of a "TANGENTE" group: chainage, elevation and grade (m/m).
struct FilaTangente {
    double PK = 0, Z = 0, Pendiente = 0;
};

FilaTangente LeerFila(TFields& c, std::int32_t n, std::int64_t numero) {
    return {Valor(c, n, 3, numero), Valor(c, n, 4, numero), Valor(c, n, 5, numero) / 100};
}

}  // namespace

void LeerPlantaTrazado(const std::string& entrada, std::vector<TPlanta>& Planta) {
    std::vector<TPlanta> filas(1);
    LineInput input(entrada);
    TFields c;
    std::int64_t numero = 0;
    while (const auto n = Siguiente(input, numero, c)) {
        if (*n != 8) continue;
        for (std::size_t k = 3; k <= 8; ++k) Strings::CommaToPoint(c[k].Texto);
        if (!CamposNumericos(c, 8, 3, 8)) continue;  // not an element row: a title, a header
        TPlanta e;
        e.N = static_cast<std::int32_t>(filas.size());
        e.PK = Valor(c, 8, 3, numero);
        e.Longitud = Valor(c, 8, 4, numero);
        e.Linea = numero;
        e.X = Valor(c, 8, 5, numero);
        e.Y = Valor(c, 8, 6, numero);
        e.Acimut = Valor(c, 8, 7, numero);
        if (c[2].Texto == "CLOT.") {
            e.Radio = filas.back().Radio;  // resolved below
            e.Parametro = Valor(c, 8, 8, numero);
        } else {
            e.Radio = Valor(c, 8, 8, numero);
        }
        filas.push_back(e);
    }
    const std::size_t n = filas.size() - 1;
    for (std::size_t i = 1; i <= n; ++i) {
        TPlanta e = filas[i];
        e.Parametro = std::fabs(e.Parametro);
        if (e.Parametro != 0 && i < n) {
            const TPlanta& s = filas[i + 1];
            e.Radio = GM::Radio_Clotoide(filas[i].Acimut, s.Acimut, filas[i].Radio, s.Radio, filas[i].Parametro);
            // After a spiral that ends on a straight (an S-curve) this one starts from
            // zero curvature, whatever radius the listing carried over.
            const TPlanta& antes = Planta.back();
            if (i > 1 && antes.Parametro != 0 && !Marcador(antes.Radio)) {
                const double desdeRecta =
                    GM::Radio_Clotoide(filas[i].Acimut, s.Acimut, 0, s.Radio, filas[i].Parametro);
                if (Marcador(desdeRecta)) e.Radio = desdeRecta;
            }
        }
        Planta.push_back(e);
    }
}

void LeerAlzadoTrazado(const std::string& entrada, std::vector<TAlzado>& Alzado) {
    LineInput input(entrada);
    TFields c;
    std::int64_t numero = 0;
    double pkInicio = 0, zInicio = 0;
    std::optional<double> pkFin;
    std::int64_t lineaFin = 0;
    std::optional<FilaTangente> ultima;  // row 3 of the last group
    auto anadir = [&](TAlzado e) {
        e.N = static_cast<std::int32_t>(Alzado.size());
        Alzado.push_back(e);
    };
    while (const auto n = Siguiente(input, numero, c)) {
        if (c[1].Texto == "P.K." && *n >= 5) {
            if (!ultima) {
                pkInicio = Valor(c, *n, *n - 2, numero);
                zInicio = Valor(c, *n, *n - 1, numero);
            } else {
                pkFin = Valor(c, *n, *n - 2, numero);
                lineaFin = numero;
            }
            continue;
        }
        if (c[1].Texto != "TANGENTE" || *n != 5) continue;
        const std::int64_t lineaGrupo = numero;
        const FilaTangente inicio = LeerFila(c, *n, numero);
        const auto n2 = Siguiente(input, numero, c);
        const double kv = n2 ? Valor(c, *n2, 5, numero) : 0;
        const auto n3 = n2 ? Siguiente(input, numero, c) : std::nullopt;
        if (!n3) {
            throw Rechazo(Linea(lineaGrupo) + ": el grupo «TANGENTE» acaba con el fichero antes de sus tres líneas.");
        }
        const FilaTangente fin = LeerFila(c, *n3, numero);
        if (fin.PK <= inicio.PK) {
            throw Rechazo(Linea(lineaGrupo) + ": el acuerdo vertical no tiene longitud.");
        }
        TAlzado tramo;  // the uniform grade before the curve
        if (!ultima) {
            tramo = {0, pkInicio, zInicio, inicio.Pendiente, 0, inicio.PK - pkInicio};
        } else if (Alzado.back().PK + Alzado.back().Longitud < inicio.PK) {
            tramo = {0, ultima->PK, ultima->Z, ultima->Pendiente, 0, inicio.PK - ultima->PK};
        }
        if (tramo.Longitud < 0) throw Rechazo(Linea(lineaGrupo) + ": el acuerdo vertical empieza antes del tramo anterior.");
        if (tramo.Longitud > 0) anadir(tramo);
        anadir({0, inicio.PK, inicio.Z, inicio.Pendiente, kv, fin.PK - inicio.PK});
        ultima = fin;
    }
    if (!ultima) throw Rechazo("No contiene ningún acuerdo vertical (grupo «TANGENTE»).");
    if (!pkFin) throw Rechazo("Falta la línea «P.K.» del final del eje tras el último acuerdo.");
    const double longitud = *pkFin - ultima->PK;
    if (longitud < 0) throw Rechazo(Linea(lineaFin) + ": el P.K. final es anterior al final del último acuerdo.");
    if (longitud > 0) anadir({0, ultima->PK, ultima->Z, ultima->Pendiente, 0, longitud});
}

bool Trazado_Planta(Context& ctx, const Ficheros& ficheros) { return Leer_Planta(ctx, ficheros, LeerPlantaTrazado); }

bool Trazado_Alzado(Context& ctx, WindowServices& window, const Ficheros& ficheros, std::vector<TAlzado>& Alzado) {
    return Leer_Alzado(ctx, window, ficheros, LeerAlzadoTrazado, Alzado);
}

}  // namespace design_readers
