#include "design_readers/modelo_digital.h"

#include <string_view>

#include "common/line_input.h"
#include "design_readers/listing_lines.h"

namespace design_readers {
namespace {

bool EmpiezaConTab(std::string_view linea) { return !linea.empty() && linea[0] == '\t'; }

// Field 2 the offset, fields 3 to 6 the elevations of R, S, C and T, each read up to
// its own TAB, whatever its length.
void LineaDePuntos(std::string_view linea, std::int64_t numero, field_writers::TSeccion& seccion) {
    static constexpr char kCapas[] = {'R', 'S', 'C', 'T'};
    double desplazamiento = 0;
    std::size_t inicio = 0;
    for (int campo = 1; campo <= 6 && inicio <= linea.size(); ++campo) {
        std::size_t fin = linea.find('\t', inicio);
        if (fin == std::string_view::npos) fin = linea.size();
        const std::string_view texto = linea.substr(inicio, fin - inicio);
        if (campo == 2) {
            desplazamiento = Numero(texto, numero);
        } else if (campo >= 3 && !LineaVacia(texto)) {
            AnadirPunto(seccion.Bloque(kCapas[campo - 3]), desplazamiento, Numero(texto, numero), numero);
        }
        inicio = fin + 1;
    }
}

}  // namespace

void LeerSeccionesModeloDigital(const std::string& entrada, const EscribirSeccion& escribir) {
    LineInput input(entrada);
    field_writers::TSeccion seccion;
    double Pk = 0;
    bool abierta = false;   // a header has been read
    bool saltada = false;   // and the line after it
    bool conPuntos = false;  // and at least one point line
    const auto cerrar = [&] {
        if (abierta && conPuntos) escribir(Pk, seccion);
        seccion.Vaciar();
        abierta = saltada = conPuntos = false;
    };
    std::string_view linea;
    std::int64_t numero = 0;
    while (input.Next(linea)) {
        ++numero;
        if (LineaVacia(linea)) continue;
        if (!EmpiezaConTab(linea)) {
            if (abierta && !saltada) {
                saltada = true;  // the line after the header is not read, whatever it holds
                continue;
            }
            cerrar();
            abierta = true;
            Pk = Numero(Columnas(linea, 1, 12), numero);
            continue;
        }
        if (!abierta) continue;  // point lines before any header
        if (!saltada) {
            saltada = true;
            continue;
        }
        conPuntos = true;
        LineaDePuntos(linea, numero, seccion);
    }
    cerrar();
}

bool ModeloDigital_Seccion_Tipo(Context& ctx, WindowServices& window, const FicherosSeccion& ficheros) {
    char bloque = 'R';
    return Leer_Seccion(ctx, window, ficheros, CapaSeccion::Todas, bloque, LeerSeccionesModeloDigital);
}

}  // namespace design_readers
