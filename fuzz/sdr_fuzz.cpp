// The SDR readers through their whole run: the first input byte chooses the request
// (a planta with its alzado beside it, an alzado alone, or typical sections), the
// next ones the field format (and, for sections, what the shared section run
// draws); the rest is the file.

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
#include "support/fuzz_session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Choices choices(data, size);
    const unsigned pedido = choices.Pick(3);
    if (pedido == 2) return fuzz::CorrerSeccion(choices, "SDR", design_readers::SDR_Seccion_Tipo);
    const std::int16_t formatos[] = {0, 2, 3, 4};
    fuzz::Sesion sesion{formatos[choices.Pick(4)]};
    auto& [desktop, store, state, ctx] = sesion;
    const design_readers::Ficheros ficheros{fuzz::WriteScratch("entrada.sdr", choices.Rest()),
                                            fuzz::ScratchFolder() + "eje.pla", "ENTRADA.SDR", "EJE.PLA", "cabecera"};
    design_readers::Ficheros alzado = ficheros;
    alzado.salida = design_readers::SegundoFicheroSDR(ficheros.salida, state.FormatoCampo);
    try {
        design_readers::SDR_Planta_Alzado(ctx, ficheros, alzado, pedido == 0);
    } catch (const ConversionError&) {
        // Refused with a message for the user: a correct answer to bad input.
    } catch (const GM::ArithmeticError&) {
        // An element whose geometry cannot be computed: the window names the cause.
    }
    std::filesystem::remove(ficheros.salida);
    std::filesystem::remove(alzado.salida);
    return 0;
}
