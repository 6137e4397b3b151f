// Any bytes as a Clip planta or alzado file, through the reader that the file's name
// and first line choose and the whole reader shape. The first input bytes choose the
// kind, the field format, whether the name is that of an RTF listing and whether the
// window runs a typical-section job; the rest is the file. An RTF listing's text is
// what the rich-text conversion gives, or the bytes themselves when they are no RTF
// document, so that the listing readers see any text.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "app/context.h"
#include "common/errors.h"
#include "common/gm_base.h"
#include "design_readers/clip_entrada.h"
#include "platform/rich_text.h"
#include "platform/scripted_desktop.h"
#include "platform/settings_store.h"
#include "support/fuzz_support.h"
#include "support/fuzz_window.h"
#include "support/fuzz_session.h"

namespace {

class Ventana : public fuzz::Window {
public:
    Ventana(std::string_view bytes, bool seccionTipo) : fuzz::Window("Clip Windows", seccionTipo), bytes_(bytes) {}
    std::string TextoRTF(const std::string&) override {
        return platform::LooksLikeRtf(bytes_) ? platform::RtfToText(bytes_) : std::string(bytes_);
    }

private:
    std::string_view bytes_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Choices choices(data, size);
    const int tipo = choices.Pick(2) == 0 ? EntryClipWindows::kTipoPlanta : EntryClipWindows::kTipoAlzado;
    fuzz::Sesion sesion{static_cast<std::int16_t>(choices.Pick(5))};
    auto& [desktop, store, state, ctx] = sesion;
    const bool rtf = choices.Pick(2) == 0;
    const bool seccionTipo = choices.Pick(4) == 0;
    Ventana window(choices.Rest(), seccionTipo);
    const design_readers::Ficheros ficheros{fuzz::WriteScratch(rtf ? "entrada.rtf" : "entrada.txt", choices.Rest()),
                                            fuzz::ScratchFolder() + "salida", "ENTRADA", "SALIDA", "cabecera"};
    try {
        std::vector<TAlzado> alzado;
        EntryClipWindows::ClipWin_Leer_Fichero(ctx, window, ficheros, tipo, alzado);
        for (std::size_t k = 1; k < alzado.size(); ++k)
            if (alzado[k].N != static_cast<std::int32_t>(k) || alzado[k].Longitud < 0) __builtin_trap();
    } catch (const ConversionError&) {
        // Refused with a message for the user: a correct answer to bad input.
    } catch (const GM::ArithmeticError&) {
        // An element whose geometry cannot be computed: the window names the cause.
    }
    std::filesystem::remove(ficheros.salida);
    return 0;
}
