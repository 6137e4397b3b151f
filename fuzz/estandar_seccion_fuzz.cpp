// The Estandar typical-section reader through its whole shape: the first input bytes
// choose the field format (Tarsel, Tarsel v3.00 with a layer or a closed dialog,
// Corvana over a fixed profile); the rest is the section file.

#include <cstdint>
#include <string>

#include "app/context.h"
#include "app/register_forms.h"
#include "common/errors.h"
#include "common/gm_base.h"
#include "design_readers/estandar_seccion.h"
#include "design_readers/form_seccion_tipo.h"
#include "platform/scripted_desktop.h"
#include "platform/settings_store.h"
#include "support/fuzz_sections.h"
#include "support/fuzz_support.h"
#include "support/fuzz_window.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Choices choices(data, size);
    const std::int16_t formatos[] = {0, 2, 3};
    const unsigned opcion = choices.Pick(4);
    platform::ScriptedDesktop desktop;
    platform::MemorySettingsStore store;
    State state;
    state.FormatoCampo = formatos[choices.Pick(3)];
    Context ctx{desktop, store, state};
    app::RegisterForms(ctx);
    desktop.QueueAction([&desktop, opcion] {
        auto& form = desktop.Forms().Get<design_readers::Form_Seccion_Tipo>("Form_Seccion_Tipo");
        if (opcion == 3) return desktop.UserClose(form);
        platform::OptionButton* botones[] = {&form.Option_Taludes, &form.Option_SubRasante, &form.Option_Rasante};
        botones[opcion]->UserClick();
        form.Command_Aceptar.UserClick();
    });
    fuzz::Window window("Estandar", true);
    const design_readers::FicherosSeccion ficheros = fuzz::FicherosDeSeccion(choices.Rest());
    try {
        design_readers::Estandar_Seccion_Tipo(ctx, window, ficheros);
    } catch (const ConversionError&) {
        // Refused with a message for the user: a correct answer to bad input.
    } catch (const GM::ArithmeticError&) {
        // A profile whose elevation cannot be computed: the window names the cause.
    }
    fuzz::BorrarSalidasDeSeccion();
    return 0;
}
