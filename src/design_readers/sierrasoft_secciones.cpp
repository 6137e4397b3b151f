// The SierraSoft section file: "#SEZ" lines open a section, the lines after them
// up to the next "#SEZ" are its points.

#include "common/gm_section.h"
#include "common/line_input.h"
#include "common/splitters.h"
#include "design_readers/listing_lines.h"
#include "design_readers/sierrasoft.h"
#include "design_readers/text_rows.h"
#include "field_writers/rechazo.h"

namespace design_readers {

void LeerSeccionesSierraSoft(const std::string& entrada, char bloque, const EscribirSeccion& escribir) {
    LineInput input(entrada);
    field_writers::TSeccion seccion;
    TFields campos(1);
    double Pk = 0;
    bool abierta = false;        // a "#SEZ" line has been read
    std::int64_t sinPk = 0;      // the line of an open "#SEZ" that gives no chainage; 0 when it does
    const auto cerrar = [&] {
        field_writers::TBloqueSeccion& puntos = seccion.Bloque(bloque);
        if (puntos.NumPuntos > 0) {
            GM::Ordenar_Puntos_Seccion(puntos.NumPuntos, puntos.Puntos);
            escribir(Pk, seccion);
        }
        seccion.Vaciar();
    };
    std::string_view linea;
    std::int64_t numero = 0;
    while (input.Next(linea)) {
        ++numero;
        std::int32_t n = 4;
        Strings::SplitString(linea, "\t", n, campos, true);
        if (n < 1) continue;
        const std::string_view primero = Recortar(campos[1].Texto);
        if (primero == "#SEZ") {
            cerrar();
            abierta = true;
            sinPk = n >= 4 ? 0 : numero;
            Pk = n >= 4 ? Numero(campos[4].Texto, numero) : 0;
            continue;
        }
        // Code lines, lines too short for a point, points before the first section and
        // lines that are no point (a column header) give nothing.
        if (primero == "#COD" || n < 2 || !abierta || !CamposNumericos(campos, n, 1, 2)) continue;
        // A section without a chainage cannot be placed: its points are not written
        // at chainage 0 nor added to the section before it.
        if (sinPk != 0) throw Rechazo(EnLinea(sinPk, "la sección no indica su P.K."));
        AnadirPunto(seccion.Bloque(bloque), Numero(campos[1].Texto, numero), Numero(campos[2].Texto, numero), numero);
    }
    cerrar();
}

}  // namespace design_readers
