// The Clip section readers around their parsings: the section shape, every layer
// written, the vertical alignment of a Corvana run read in Clip form, and the choice
// of reader by the input's extension or first line.

#include "design_readers/clip_secciones.h"

#include "design_readers/clip_entrada.h"

namespace EntryClipWindows {
namespace {

using design_readers::FicherosSeccion;
using design_readers::WindowServices;

// The vertical alignment of a Corvana section run: a Clip alzado file of any form,
// the reader chosen by the file itself.
bool AlzadoClip(Context& ctx, WindowServices& window, const design_readers::Ficheros& ficheros,
                std::vector<TAlzado>& Alzado) {
    return ClipWin_Leer_Fichero(ctx, window, ficheros, kTipoAlzado, Alzado);
}

bool Leer(Context& ctx, WindowServices& window, const FicherosSeccion& ficheros,
          const design_readers::ParserSeccion& leer) {
    char bloque = 'R';
    return design_readers::Leer_Seccion(ctx, window, ficheros, design_readers::CapaSeccion::Todas, bloque, leer,
                                        AlzadoClip);
}

}  // namespace

bool ClipWin_Seccion_Tipo_Listado(Context& ctx, WindowServices& window, const FicherosSeccion& ficheros) {
    return Leer(ctx, window, ficheros, LeerSeccionesListado);
}

bool ClipWin_Seccion_Tipo_TRV(Context& ctx, WindowServices& window, const FicherosSeccion& ficheros) {
    return Leer(ctx, window, ficheros, LeerSeccionesTRV);
}

bool ClipWin_Seccion_Tipo_RTF(Context& ctx, WindowServices& window, const FicherosSeccion& ficheros) {
    return Leer(ctx, window, ficheros,
                [&window](const std::string& entrada, const design_readers::EscribirSeccion& escribir) {
                    const std::string texto = window.TextoRTF(entrada);
                    LeerSeccionesRTF(texto, window, escribir);
                });
}

bool ClipWin_Seccion_Tipo(Context& ctx, WindowServices& window, const FicherosSeccion& ficheros) {
    switch (ClipWin_Lector(ficheros.entrada, kTipoSeccion)) {
    case LectorClip::Seccion_Tipo_RTF: return ClipWin_Seccion_Tipo_RTF(ctx, window, ficheros);
    case LectorClip::Seccion_Tipo_TRV: return ClipWin_Seccion_Tipo_TRV(ctx, window, ficheros);
    default: return ClipWin_Seccion_Tipo_Listado(ctx, window, ficheros);
    }
}

}  // namespace EntryClipWindows
