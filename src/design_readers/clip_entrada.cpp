#include "design_readers/clip_entrada.h"

#include "design_readers/clip_alzado.h"
#include "design_readers/clip_planta_rtf.h"
#include "design_readers/clip_plt.h"
#include "design_readers/clip_text.h"

namespace EntryClipWindows {

bool ExtensionRTF(std::string_view nombre) {
    const std::size_t punto = nombre.find_last_of('.');
    if (punto == std::string_view::npos) return false;
    const std::string_view extension = nombre.substr(punto + 1);
    if (extension.size() != 3) return false;
    for (std::size_t k = 0; k < 3; ++k) {
        const char c = extension[k];
        if ((c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c) != "RTF"[k]) return false;
    }
    return true;
}

LectorClip ClipWin_Lector(const std::string& fichero, int Tipo) {
    if (Tipo != kTipoPlanta && Tipo != kTipoAlzado && Tipo != kTipoSeccion) return LectorClip::Ninguno;
    const bool rtf = ExtensionRTF(fichero);
    if (Tipo == kTipoPlanta) return rtf ? LectorClip::Planta_RTF : LectorClip::Planta_PLT;
    if (Tipo == kTipoAlzado) {
        if (rtf) return LectorClip::Alzado_RTF;
        // A file that begins with empty lines is still known by its header.
        return PrimeraLinea(fichero).substr(0, 4) == "*ALZ" ? LectorClip::Alzado_ALZ : LectorClip::Alzado_Listado;
    }
    if (rtf) return LectorClip::Seccion_Tipo_RTF;
    return PrimeraLinea(fichero).substr(0, 4) == "*TRV" ? LectorClip::Seccion_Tipo_TRV
                                                         : LectorClip::Seccion_Tipo_Listado;
}

design_readers::Parser<TAlzado> ParserAlzado(design_readers::WindowServices& window, LectorClip lector) {
    switch (lector) {
    case LectorClip::Alzado_RTF:
        return [&window](const std::string& entrada, std::vector<TAlzado>& Alzado) {
            LeerAlzadoRTF(window.TextoRTF(entrada), Alzado);
        };
    case LectorClip::Alzado_ALZ: return LeerAlzadoALZ;
    default: return LeerAlzadoListado;
    }
}

bool ClipWin_Leer_Fichero(Context& ctx, design_readers::WindowServices& window,
                          const design_readers::Ficheros& ficheros, int Tipo, std::vector<TAlzado>& Alzado) {
    const LectorClip lector = ClipWin_Lector(ficheros.entrada, Tipo);
    switch (lector) {
    case LectorClip::Planta_RTF:
        return design_readers::Leer_Planta(ctx, ficheros, [&window](const std::string& entrada, std::vector<TPlanta>& Planta) {
            LeerPlantaRTF(window.TextoRTF(entrada), Planta);
        });
    case LectorClip::Planta_PLT: return design_readers::Leer_Planta(ctx, ficheros, LeerPlantaPLT);
    case LectorClip::Alzado_RTF:
    case LectorClip::Alzado_ALZ:
    case LectorClip::Alzado_Listado:
        return design_readers::Leer_Alzado(ctx, window, ficheros, ParserAlzado(window, lector), Alzado);
    default: return false;
    }
}

}  // namespace EntryClipWindows
