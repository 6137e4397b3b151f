// The RTF section listing of the Clip programs, read from the plain text that the
// window's rich-text control gives back.

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "common/chainage.h"
#include "common/errors.h"
#include "common/numbers.h"
#include "common/string_helpers.h"
#include "design_readers/clip_secciones.h"
#include "design_readers/clip_text.h"
#include "design_readers/listing_lines.h"

namespace EntryClipWindows {
namespace {

constexpr std::int32_t kCeldasDePunto = 11;

// The cells of a point row that hold (offset, elevation) of each layer, from 1.
struct Par {
    char capa;
    std::size_t celda;
};
constexpr std::array<Par, 3> kPares = {{{'T', 1}, {'R', 5}, {'S', 9}}};

// "Proceso Transformación :  45%": how far into the text reading has come. The
// product is taken in 64 bits, so a listing of any size gives its true share.
std::int64_t Porcentaje(std::size_t pos, std::size_t longitud) {
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(pos) * 100u / longitud);
}

}  // namespace

void LeerSeccionesRTF(std::string_view texto, design_readers::WindowServices& window,
                      const design_readers::EscribirSeccion& escribir) {
    field_writers::TSeccion seccion;
    bool abierta = false;  // an "Estación" row has started a section
    double actual = 0;     // the chainage of the last "Estación" row
    double Pk = 0;         // the chainage of the section being read
    std::int64_t mostrado = -1;
    const auto cerrar = [&](std::size_t pos) {
        escribir(Pk, seccion);
        seccion.Vaciar();
        if (texto.empty()) return;
        // Each progress text costs a repaint: it is shown when its figure changes.
        const std::int64_t porcentaje = Porcentaje(pos, texto.size());
        if (porcentaje == mostrado) return;
        mostrado = porcentaje;
        window.Progreso("Proceso Transformación : " + Num::Str(static_cast<double>(porcentaje)) + "%");
    };

    TFields campos(1);
    std::size_t pos = 0;
    std::size_t inicioLinea = 0;
    bool fin = false;
    std::int64_t numero = 0;
    for (;;) {
        inicioLinea = pos;
        const std::string_view linea = Lee_Linea_Texto(texto, pos, fin);
        if (fin) break;
        ++numero;
        std::int32_t n = 0;
        Separa_Texto_RTF(linea, n, campos);
        if (n == 0) continue;
        for (std::int32_t k = 1; k <= n; ++k) {
            TField& campo = campos[static_cast<std::size_t>(k)];
            if (campo.Texto.find(',') != std::string::npos) campo.Texto = Strings::RemoveCommas(campo.Texto);
        }
        const std::string_view clave = design_readers::Recortar(campos[1].Texto).substr(0, 4);
        if (clave == "Esta") {
            std::string estacion = n >= 2 ? campos[2].Texto : std::string();
            try {
                actual = ab_form_services::Valor_Entero_Doble(estacion);
            } catch (const std::overflow_error&) {
                throw ConversionError(design_readers::EnLinea(numero, "el P.K. " + estacion + " es demasiado grande."));
            }
            // The row belongs to the section it starts; the one before ends where it stands.
            if (abierta) cerrar(inicioLinea);
            abierta = true;
            Pk = actual;
        } else if (clave == "COTA") {
            Pk = actual;
        } else if (n == kCeldasDePunto) {
            for (const Par& par : kPares) {
                const double desplazamiento = design_readers::Numero(campos[par.celda].Texto, numero);
                const double cota = design_readers::Numero(campos[par.celda + 1].Texto, numero);
                if (desplazamiento == 0 && cota == 0) continue;
                design_readers::AnadirPunto(seccion.Bloque(par.capa), desplazamiento, cota, numero);
            }
        }
    }
    if (abierta) cerrar(texto.size());
}

}  // namespace EntryClipWindows
