// The Istram listings and the InRoads reports, planta and alzado, through the whole
// reader shape: the first input bytes choose the program, the kind, the field format
// and whether the window runs a typical-section job; the rest is the file.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "app/context.h"
#include "common/errors.h"
#include "common/gm_base.h"
#include "design_readers/inroads.h"
#include "design_readers/istram.h"
#include "platform/scripted_desktop.h"
#include "platform/settings_store.h"
#include "support/fuzz_support.h"
#include "support/fuzz_window.h"
#include "support/fuzz_session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Choices choices(data, size);
    const bool istram = choices.Pick(2) == 0;
    const bool planta = choices.Pick(2) == 0;
    fuzz::Sesion sesion{static_cast<std::int16_t>(choices.Pick(5))};
    auto& [desktop, store, state, ctx] = sesion;
    fuzz::Window window(istram ? "Istram" : "InRoads", choices.Pick(4) == 0);
    const design_readers::Ficheros ficheros{fuzz::WriteScratch("entrada.txt", choices.Rest()),
                                            fuzz::ScratchFolder() + "salida", "ENTRADA.TXT", "SALIDA", "cabecera"};
    try {
        std::vector<TAlzado> alzado;
        if (istram && planta) design_readers::Istram_Planta(ctx, ficheros);
        if (istram && !planta) design_readers::Istram_Alzado(ctx, window, ficheros, alzado);
        if (!istram && planta) design_readers::InRoads_Planta(ctx, ficheros);
        if (!istram && !planta) design_readers::InRoads_Alzado(ctx, window, ficheros, alzado);
    } catch (const ConversionError&) {
        // Refused with a message for the user: a correct answer to bad input.
    } catch (const GM::ArithmeticError&) {
        // An element whose geometry cannot be computed: the window names the cause.
    }
    std::filesystem::remove(ficheros.salida);
    return 0;
}
