#pragma once
// The files of a typical-section harness run: the section file from the fuzzer's
// bytes, the outputs and a fixed profile for Corvana runs in the scratch folder.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "app/context.h"
#include "app/register_forms.h"
#include "common/errors.h"
#include "common/gm_base.h"
#include "design_readers/form_seccion_tipo.h"
#include "design_readers/section_shape.h"
#include "platform/scripted_desktop.h"
#include "platform/settings_store.h"
#include "support/fuzz_support.h"
#include "support/fuzz_window.h"
#include "fuzz_session.h"

namespace fuzz {

// The profile of Corvana runs, in Estandar form unless the reader reads another.
inline constexpr std::string_view kAlzadoEstandar = "1 0 100 0.01 0 100000\n2 100000 1100 -0.01 -5000 100\n";

inline design_readers::FicherosSeccion FicherosDeSeccion(std::string_view secciones,
                                                         std::string_view alzado = kAlzadoEstandar) {
    design_readers::FicherosSeccion ficheros;
    ficheros.entrada = WriteScratch("secciones.txt", secciones);
    ficheros.salida = ScratchFolder() + "EJE.SCT";
    ficheros.nombreEntrada = "SECCIONES.TXT";
    ficheros.nombreSalida = "EJE.SCT";
    ficheros.alzado = WriteScratch("eje.alz", alzado);
    ficheros.nombreAlzado = "EJE.ALZ";
    return ficheros;
}

// Answers the layer dialog, should the reader show it: opcion 0 to 2 chooses taludes,
// subrasante or rasante (as far as the dialog shows it) and accepts, 3 closes it from
// its title bar.
inline void ResponderCapa(platform::ScriptedDesktop& desktop, unsigned opcion) {
    desktop.QueueAction([&desktop, opcion] {
        auto& form = desktop.Forms().Get<design_readers::Form_Seccion_Tipo>("Form_Seccion_Tipo");
        if (opcion >= 3) return desktop.UserClose(form);
        platform::OptionButton* botones[] = {&form.Option_Taludes, &form.Option_SubRasante, &form.Option_Rasante};
        if (botones[opcion]->Visible()) botones[opcion]->UserClick();
        form.Command_Aceptar.UserClick();
    });
}

// Removes every output a section run may have written.
inline void BorrarSalidasDeSeccion() {
    for (const char* name : {"EJE.SCT", "EJE.STD", "TEJE.SCT", "SEJE.SCT", "REJE.SCT"}) {
        std::filesystem::remove(ScratchFolder() + name);
    }
}

// A whole run of a section reader: the next choices pick the answer to the layer
// dialog and the field format (Tarsel, Tarsel v3.00, Corvana over the profile
// `alzado`); the rest of the input is the section file.
using LectorSeccion = bool (*)(Context&, design_readers::WindowServices&, const design_readers::FicherosSeccion&);

inline int CorrerSeccion(Choices& choices, const char* programa, LectorSeccion leer,
                         std::string_view alzado = kAlzadoEstandar) {
    const std::int16_t formatos[] = {0, 2, 3};
    const unsigned opcion = choices.Pick(4);
    fuzz::Sesion sesion{formatos[choices.Pick(3)]};
    auto& [desktop, store, state, ctx] = sesion;
    app::RegisterForms(ctx);
    ResponderCapa(desktop, opcion);
    Window window(programa, true);
    const design_readers::FicherosSeccion ficheros = FicherosDeSeccion(choices.Rest(), alzado);
    try {
        leer(ctx, window, ficheros);
    } catch (const ConversionError&) {
        // Refused with a message for the user: a correct answer to bad input.
    } catch (const GM::ArithmeticError&) {
        // A profile whose elevation cannot be computed: the window names the cause.
    }
    BorrarSalidasDeSeccion();
    return 0;
}

}  // namespace fuzz
