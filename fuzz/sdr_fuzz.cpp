// The SDR readers through their whole run: the first input bytes choose the field
// format and the request (a planta with its alzado beside it, an alzado alone, or
// typical sections); the rest is the file.

#include <cstdint>
#include <filesystem>
#include <string>

#include "app/context.h"
#include "common/errors.h"
#include "common/gm_base.h"
#include "design_readers/sdr.h"
#include "platform/scripted_desktop.h"
#include "platform/settings_store.h"
#include "support/fuzz_sections.h"
#include "support/fuzz_support.h"
#include "support/fuzz_window.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Choices choices(data, size);
    const std::int16_t formatos[] = {0, 2, 3, 4};
    platform::ScriptedDesktop desktop;
    platform::MemorySettingsStore store;
    State state;
    state.FormatoCampo = formatos[choices.Pick(4)];
    Context ctx{desktop, store, state};
    const unsigned pedido = choices.Pick(3);
    fuzz::Window window("SDR", pedido == 2);
    const std::string salida = fuzz::ScratchFolder() + "eje.pla";
    const std::string segundo = design_readers::SegundoFicheroSDR(salida, state.FormatoCampo);
    try {
        if (pedido == 2) {
            state.FormatoCampo = state.FormatoCampo == 4 ? 2 : state.FormatoCampo;
            design_readers::SDR_Seccion_Tipo(ctx, window, fuzz::FicherosDeSeccion(choices.Rest()));
        } else {
            const design_readers::Ficheros ficheros{fuzz::WriteScratch("entrada.sdr", choices.Rest()), salida,
                                                    "ENTRADA.SDR", "EJE.PLA", "cabecera"};
            design_readers::Ficheros alzado = ficheros;
            alzado.salida = segundo;
            design_readers::SDR_Planta_Alzado(ctx, ficheros, alzado, pedido == 0);
        }
    } catch (const ConversionError&) {
        // Refused with a message for the user: a correct answer to bad input.
    } catch (const GM::ArithmeticError&) {
        // An element whose geometry cannot be computed: the window names the cause.
    }
    std::filesystem::remove(salida);
    std::filesystem::remove(segundo);
    fuzz::BorrarSalidasDeSeccion();
    return 0;
}
