// The Modelo Digital typical-section reader through its whole shape: the first input
// byte chooses the field format (Tarsel, Tarsel v3.00, Corvana over a fixed
// profile); the rest is the section file.

#include <cstdint>
#include <string>

#include "app/context.h"
#include "common/errors.h"
#include "common/gm_base.h"
#include "design_readers/modelo_digital.h"
#include "platform/scripted_desktop.h"
#include "platform/settings_store.h"
#include "support/fuzz_sections.h"
#include "support/fuzz_support.h"
#include "support/fuzz_window.h"
#include "support/fuzz_session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Choices choices(data, size);
    const std::int16_t formatos[] = {0, 2, 3};
    fuzz::Sesion sesion{formatos[choices.Pick(3)]};
    auto& [desktop, store, state, ctx] = sesion;
    fuzz::Window window("Modelo Digital", true);
    const design_readers::FicherosSeccion ficheros = fuzz::FicherosDeSeccion(choices.Rest());
    try {
        design_readers::ModeloDigital_Seccion_Tipo(ctx, window, ficheros);
    } catch (const ConversionError&) {
        // Refused with a message for the user: a correct answer to bad input.
    } catch (const GM::ArithmeticError&) {
        // A profile whose elevation cannot be computed: the window names the cause.
    }
    fuzz::BorrarSalidasDeSeccion();
    return 0;
}
