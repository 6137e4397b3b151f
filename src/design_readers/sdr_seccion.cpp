// The SDR typical-section listing: each point goes to the layer its word names.

#include <cstdint>
#include <limits>
#include <string_view>

#include "common/chainage.h"
#include "common/errors.h"
#include "common/line_input.h"
#include "design_readers/sdr.h"
#include "design_readers/text_rows.h"

namespace design_readers {
namespace {

constexpr std::int32_t kTodos = std::numeric_limits<std::int32_t>::max();

bool Una(std::string_view palabra, std::string_view mayusculas, std::string_view minusculas,
         std::string_view titulo) {
    return palabra == mayusculas || palabra == minusculas || palabra == titulo;
}

char Capa(std::string_view palabra) {
    if (Una(palabra, "RODADURA", "rodadura", "Rodadura")) return 'R';
    if (Una(palabra, "SUBRASANTE", "subrasante", "Subrasante")) return 'S';
    if (Una(palabra, "CUNETA", "cuneta", "Cuneta")) return 'C';
    return 'T';
}

}  // namespace

void LeerSeccionesSDR(const std::string& entrada, const EscribirSeccion& escribir) {
    LineInput input(entrada);
    field_writers::TSeccion seccion;
    double Pk = 0;
    bool abierta = false;   // a "P.k." line has been read
    bool conPuntos = false;
    const auto cerrar = [&] {
        if (conPuntos) escribir(Pk, seccion);
        seccion.Vaciar();
        conPuntos = false;
    };
    TFields c;
    std::string_view linea;
    std::int64_t numero = 0;
    while (input.Next(linea)) {
        ++numero;
        if (LineaVacia(linea)) continue;
        const std::int32_t n = Partir(linea, c, kTodos);
        if (n < 1) continue;
        if (c[1].Texto == "P.k.") {
            cerrar();
            abierta = true;
            // Without a chainage the section keeps the one before.
            if (n >= 3) Pk = Strings::PKStringToDouble(c[3].Texto);
            continue;
        }
        // Titles, column headers and lines before the first section are no points.
        if (!abierta || n <= 3 || !CamposNumericos(c, n, 2, 3)) continue;
        field_writers::TBloqueSeccion& bloque = seccion.Bloque(Capa(c[static_cast<std::size_t>(n - 1)].Texto));
        if (bloque.NumPuntos == std::numeric_limits<std::int32_t>::max()) {
            throw ConversionError(EnLinea(numero, "la sección tiene demasiados puntos."));
        }
        TPuntoSeccion p;
        p.Desplazamiento = Numero(c[2].Texto, numero);
        p.Cota = Numero(c[3].Texto, numero);
        bloque.Puntos.push_back(p);
        ++bloque.NumPuntos;
        conPuntos = true;
    }
    cerrar();
}

bool SDR_Seccion_Tipo(Context& ctx, WindowServices& window, const FicherosSeccion& ficheros) {
    char bloque = 'R';
    return Leer_Seccion(ctx, window, ficheros, CapaSeccion::Todas, bloque, LeerSeccionesSDR);
}

}  // namespace design_readers
