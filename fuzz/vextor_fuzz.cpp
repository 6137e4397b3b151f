// The Vextor readers through their whole sequence: the first input bytes choose the
// file the rest of the input stands for (aln, prf, or the prf, sta or crs of a
// typical-section request whose other files are fixed), the field format and the
// layer answered in the layer dialog (or the dialog closed).

#include <cstdint>
#include <filesystem>
#include <string>

#include "app/context.h"
#include "app/register_forms.h"
#include "design_readers/form_seccion_tipo.h"
#include "design_readers/vextor.h"
#include "platform/scripted_desktop.h"
#include "platform/settings_store.h"
#include "support/fuzz_sections.h"
#include "support/fuzz_support.h"
#include "support/fuzz_window.h"
#include "support/fuzz_session.h"

namespace {

constexpr const char* kPrf =
    "41...0+00000001 42...0+0VALIGNM \r\n"
    "11...0+00000000 12...0+STRAIGHT 13...0+00000000 14...0+00100000 15...0+00000000 16...0+00000000 \r\n"
    "11...0+00100000 12...0+PARABOLA 13...0+05000000 14...0+00101000 15...0+00000000 16...0+00000000 \r\n"
    "11...0+00200000 12...0+00000EOP 13...0+00000000 14...0+00101000 15...0+00000000 16...0+00000000 \r\n";
constexpr const char* kSta = "41...0+00000001 42...0+ASSIGNMT \r\n11...0+0000MAIN 12...0+00120000 \r\n";
constexpr const char* kCrs =
    "41...0+00000001 42...0+TEMPLATE \r\n11...0+0000MAIN 12...0-00005000 13...0-00000100 \r\n"
    "11...0+0000MAIN 12...0+00005000 13...0-00000100 \r\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Choices choices(data, size);
    const unsigned fichero = choices.Pick(5);  // aln, prf, and the prf, sta, crs of sections
    const unsigned capa = choices.Pick(4);
    fuzz::Sesion sesion{static_cast<std::int16_t>(choices.Pick(5))};
    // Lambdas capture these, which clang 14 does not allow of structured bindings.
    auto& desktop = sesion.desktop;
    Context& ctx = sesion.ctx;
    app::RegisterForms(ctx);
    desktop.QueueAction([&desktop, capa] {
        auto& form = desktop.Forms().Get<design_readers::frmClipOptions>("frmClipOptions");
        if (capa == 3) return desktop.UserClose(form);
        platform::CheckBox* casillas[] = {&form.Check1, &form.Check4, &form.Check3};
        casillas[capa]->UserClick();
        form.btnAceptar.UserClick();
    });
    const std::string_view bytes = choices.Rest();
    EntryVextor::Modulo m;
    Errors::Inicializa_Errores(m.MensajesError);
    const std::string salida = fuzz::ScratchFolder() + "EJE.SCT";
    if (fichero <= 1) {
        fuzz::Window window("Vextor");
        const design_readers::Ficheros ficheros{fuzz::WriteScratch(fichero == 0 ? "alnF.ktw" : "prfF.ktw", bytes), salida,
                                                "F.KTW", "EJE.SCT", "cabecera"};
        fichero == 0 ? EntryVextor::Vextor_Planta(ctx, m, ficheros)
                     : EntryVextor::Vextor_Alzado(ctx, window, m, ficheros);
    } else {
        fuzz::Window window("Vextor", true);
        design_readers::FicherosSeccion ficheros;
        ficheros.entrada = fuzz::WriteScratch("crsF.ktw", fichero == 4 ? bytes : kCrs);
        ficheros.salida = salida;
        ficheros.nombreEntrada = "CRSF.KTW";
        ficheros.nombreSalida = "EJE.SCT";
        ficheros.alzado = fuzz::WriteScratch("prfF.ktw", fichero == 2 ? bytes : kPrf);
        ficheros.nombreAlzado = "PRFF.KTW";
        const std::string sta = fuzz::WriteScratch("staF.ktw", fichero == 3 ? bytes : kSta);
        EntryVextor::Secciones_Vextor(ctx, window, m, ficheros, sta, "STAF.KTW");
    }
    // Every failure ends in the module's own box: nothing is thrown.
    fuzz::BorrarSalidasDeSeccion();
    return 0;
}
