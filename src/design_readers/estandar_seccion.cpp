#include "design_readers/estandar_seccion.h"

#include <array>

#include "common/chainage.h"
#include "common/line_input.h"
#include "common/numeric_checks.h"
#include "common/string_helpers.h"
#include "design_readers/listing_lines.h"

namespace design_readers {
namespace {

bool Separador(char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\r'; }

// Up to two fields of the line; returns how many there are (2 for two or more).
std::size_t DosCampos(std::string_view linea, std::array<std::string, 2>& campos) {
    std::size_t n = 0;
    std::size_t k = 0;
    while (n < 2) {
        while (k < linea.size() && Separador(linea[k])) ++k;
        if (k == linea.size()) break;
        const std::size_t inicio = k;
        while (k < linea.size() && !Separador(linea[k])) ++k;
        campos[n].assign(linea.substr(inicio, k - inicio));
        Strings::CommaToPoint(campos[n]);
        ++n;
    }
    return n;
}

}  // namespace

void LeerSeccionesEstandar(const std::string& entrada, char bloque, const EscribirSeccion& escribir) {
    LineInput input(entrada);
    field_writers::TSeccion seccion;
    field_writers::TBloqueSeccion& puntos = seccion.Bloque(bloque);
    double Pk = 0;
    std::array<std::string, 2> campos;
    std::string_view linea;
    std::int64_t numero = 0;
    const auto cerrar = [&] {
        if (puntos.NumPuntos == 0) return;
        escribir(Pk, seccion);
        // Every block starts empty: no point of one section reaches the next.
        seccion.Vaciar();
    };
    while (input.Next(linea)) {
        ++numero;
        const std::size_t n = DosCampos(linea, campos);
        if (n == 0) continue;
        if (!Strings::IsNumericField(campos[0]) || (n == 2 && !Strings::IsNumericField(campos[1]))) continue;
        if (n == 1) {
            cerrar();
            Pk = Strings::PKStringToDouble(campos[0]);
            continue;
        }
        AnadirPunto(puntos, Numero(campos[0], numero), Numero(campos[1], numero), numero);
    }
    cerrar();
}

bool Estandar_Seccion_Tipo(Context& ctx, WindowServices& window, const FicherosSeccion& ficheros) {
    char bloque = 'R';
    return Leer_Seccion(ctx, window, ficheros, CapaSeccion::Dialogo, bloque,
                        [&bloque](const std::string& entrada, const EscribirSeccion& escribir) {
                            LeerSeccionesEstandar(entrada, bloque, escribir);
                        });
}

}  // namespace design_readers
