// The typical-section readers of the design programs (Ispol listings, InRoads
// reports) through their whole shape: the first input bytes choose the program, the
// field format (Tarsel, Tarsel v3.00 with a layer or a closed dialog, Corvana over a
// fixed profile in the program's own alzado form); the rest is the section file.

#include <cstdint>
#include <string>
#include <string_view>

#include "app/context.h"
#include "app/register_forms.h"
#include "common/errors.h"
#include "common/gm_base.h"
#include "design_readers/form_seccion_tipo.h"
#include "design_readers/inroads.h"
#include "design_readers/ispol_seccion.h"
#include "platform/scripted_desktop.h"
#include "platform/settings_store.h"
#include "support/fuzz_sections.h"
#include "support/fuzz_support.h"
#include "support/fuzz_window.h"

namespace {

struct Programa {
    const char* nombre;
    bool (*leer)(Context&, design_readers::WindowServices&, const design_readers::FicherosSeccion&);
    std::string_view alzado;
};

const Programa kProgramas[] = {
    {"Ispol", design_readers::Ispol_Seccion_Tipo,
     "------------ ---------- -------- ------- -------- ---------- -------- ---------- --------\n"
     "   0.000    100.000\n"
     "  1.000  100000.000  1100.000\n"},
    {"InRoads", design_readers::InRoads_Seccion_Tipo, "LIN 0 100 0.01 0\nLIN 100000 1100 0.01 0\n"},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Choices choices(data, size);
    const Programa& programa = kProgramas[choices.Pick(std::size(kProgramas))];
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
        if (botones[opcion]->Visible()) botones[opcion]->UserClick();
        form.Command_Aceptar.UserClick();
    });
    fuzz::Window window(programa.nombre, true);
    const design_readers::FicherosSeccion ficheros = fuzz::FicherosDeSeccion(choices.Rest(), programa.alzado);
    try {
        programa.leer(ctx, window, ficheros);
    } catch (const ConversionError&) {
        // Refused with a message for the user: a correct answer to bad input.
    } catch (const GM::ArithmeticError&) {
        // A profile whose elevation cannot be computed: the window names the cause.
    }
    fuzz::BorrarSalidasDeSeccion();
    return 0;
}
