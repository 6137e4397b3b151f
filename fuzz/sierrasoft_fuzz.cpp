// The SierraSoft readers through their whole runs: the first input bytes choose the
// run (planta and alzado, superelevation, sections, or Corvana sections whose axis
// comes from the input) and the field format; the rest is the file read. Per-axis
// files go to a folder of their own, emptied after every input.

#include <cstdint>
#include <filesystem>
#include <string>

#include "app/context.h"
#include "app/register_forms.h"
#include "common/errors.h"
#include "common/gm_base.h"
#include "design_readers/sierrasoft.h"
#include "design_readers/sierrasoft_dialogs.h"
#include "platform/scripted_desktop.h"
#include "platform/settings_store.h"
#include "support/fuzz_sections.h"
#include "support/fuzz_support.h"
#include "support/fuzz_window.h"
#include "support/fuzz_session.h"

namespace {

// Answers the axis list with its second entry and every offset dialog with "1,5".
void Responder(platform::ScriptedDesktop& desktop) {
    for (int k = 0; k < 4; ++k) {
        desktop.QueueAction([&desktop] {
            auto& forms = desktop.Forms();
            auto& lista = forms.Get<design_readers::Form_Alzados>("Form_Alzados");
            if (lista.Loaded()) {
                lista.List.UserSelect(1);
                lista.Command_Aceptar.UserClick();
                return;
            }
            auto& offset = forms.Get<design_readers::Form_Offset_Alzado>("Form_Offset_Alzado");
            offset.Text1.UserType("1,5");
            offset.Command_Aceptar.UserClick();
        });
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Choices choices(data, size);
    const unsigned run = choices.Pick(4);
    const std::int16_t formatos[] = {0, 2, 3, 4};
    fuzz::Sesion sesion{formatos[choices.Pick(4)]};
    auto& [desktop, store, state, ctx] = sesion;
    app::RegisterForms(ctx);
    Responder(desktop);
    const std::string carpeta = fuzz::ScratchFolder() + "ejes/";
    std::filesystem::create_directories(carpeta);
    try {
        if (run < 2) {
            fuzz::Window window("SierraSoft");
            const design_readers::Ficheros ficheros{fuzz::WriteScratch("e.gdx", choices.Rest()), carpeta, "E.GDX",
                                                    "EJES", {}};
            if (run == 0) {
                design_readers::SierraSoft_Planta_Alzado(ctx, window, ficheros);
            } else {
                design_readers::SierraSoft_Peraltes(ctx, window, ficheros);
            }
        } else if (state.FormatoCampo != 4) {
            fuzz::Window window("SierraSoft", true);
            design_readers::FicherosSeccion ficheros =
                fuzz::FicherosDeSeccion(run == 2 ? choices.Rest() : "#SEZ\t1\tx\t10\n-4\t9\n0\t10\n4\t9\n");
            ficheros.alzado = fuzz::WriteScratch(
                "a.gdx", run == 3 ? choices.Rest()
                                  : "HEADER\nEND HEADER\nAXIS\nNAME \"A\"\nSTART STATION 0\nVERTICAL_ALIGNMENT\n"
                                    "1,0,10,0\n2,20,10.2,-2000\n1,40,10,0\nEND VERTICAL_ALIGNMENT\nEND AXIS\n");
            design_readers::SierraSoft_Seccion_Tipo(ctx, window, ficheros);
        }
    } catch (const ConversionError&) {
        // Refused with a message for the user: a correct answer to bad input.
    } catch (const GM::ArithmeticError&) {
        // An element whose geometry cannot be computed: the window names the cause.
    }
    fuzz::BorrarSalidasDeSeccion();
    std::filesystem::remove_all(carpeta);
    return 0;
}
