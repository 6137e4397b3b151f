// The Cartomap, TCP and Trazado planta and alzado readers through the whole reader
// shape: the first input bytes choose the program and its variant, the kind, the
// field format and whether the window runs a typical-section job; the rest is the file.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "app/context.h"
#include "common/errors.h"
#include "common/gm_base.h"
#include "design_readers/cartomap.h"
#include "design_readers/tcp.h"
#include "design_readers/trazado.h"
#include "platform/scripted_desktop.h"
#include "platform/settings_store.h"
#include "support/fuzz_support.h"
#include "support/fuzz_window.h"
#include "support/fuzz_session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Choices choices(data, size);
    const auto programa = choices.Pick(4);  // Cartomap V3, Cartomap V4, TCP, Trazado
    const bool planta = choices.Pick(2) == 0;
    fuzz::Sesion sesion{static_cast<std::int16_t>(choices.Pick(5))};
    auto& [desktop, store, state, ctx] = sesion;
    fuzz::Window window(programa == 1 ? "Cartomap V4.xx" : "Cartomap V3.xx", choices.Pick(4) == 0);
    const design_readers::Ficheros ficheros{fuzz::WriteScratch("entrada.txt", choices.Rest()),
                                            fuzz::ScratchFolder() + "salida", "ENTRADA.TXT", "SALIDA", "cabecera"};
    std::vector<TAlzado> alzado;
    try {
        if (programa <= 1) {
            planta ? design_readers::Cartomap_Planta(ctx, window, ficheros)
                   : design_readers::Cartomap_Alzado(ctx, window, ficheros, alzado);
        } else if (programa == 2) {
            planta ? design_readers::TCP_Planta(ctx, ficheros)
                   : design_readers::TCP_Alzado(ctx, window, ficheros, alzado);
        } else {
            planta ? design_readers::Trazado_Planta(ctx, ficheros)
                   : design_readers::Trazado_Alzado(ctx, window, ficheros, alzado);
        }
    } catch (const ConversionError&) {
        // Refused with a message for the user: a correct answer to bad input.
    } catch (const GM::ArithmeticError&) {
        // An element whose geometry cannot be computed: the window names the cause.
    }
    std::filesystem::remove(ficheros.salida);
    return 0;
}
