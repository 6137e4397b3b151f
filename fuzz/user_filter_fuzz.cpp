// A user filter's stored definition, as a hand edit of the settings store may leave
// it: opened in the filter editor and stored again, then applied to a KTW file.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/context.h"
#include "app/register_forms.h"
#include "app/state.h"
#include "common/errors.h"
#include "field_to_office/ba_form.h"
#include "field_to_office/fil_form.h"
#include "field_to_office/user_filter.h"
#include "field_to_office/user_filter_converters.h"
#include "platform/scripted_desktop.h"
#include "platform/settings_store.h"
#include "support/fuzz_support.h"
#include "support/fuzz_session.h"

namespace {

const char* const kKTW =
    "11...0+0000ST01 84...0+01000000 85...0+02000500 86...0+00100250 88...0+00001550 \r\n"
    "41...0+0000TREE \r\n"
    "11...0+000000P1 21...2+12345678 22...2+09876543 31...0+00012345 87...0+00001300 81...0+01000123 "
    "82...0+02000456 83...0-00001234 77...0+00012345 \r\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string input = fuzz::WriteScratch("user_filter.ktw", kKTW);
    const std::string definicion(fuzz::AsText(data, size));

    fuzz::Sesion sesion;
    // Lambdas capture these, which clang 14 does not allow of structured bindings.
    auto& desktop = sesion.desktop;
    auto& store = sesion.store;
    State& state = sesion.state;
    Context& ctx = sesion.ctx;
    store.SaveSetting(platform::kApp, "filtros", "filtro01", "Estandar");
    store.SaveSetting(platform::kApp, "filtros", "filtro51", "Mio");
    store.SaveSetting(platform::kApp, "user_filters", "filtro51", definicion);
    app::RegisterForms(ctx);

    // "&Editar" and "&Modificar", answering Yes to the replace question.
    auto& form = desktop.Forms().Get<ba_form>("ba_form");
    desktop.QueueAction([&] {
        form.Combo1.SetListIndex(1);
        desktop.QueueAction([&] {
            desktop.AnswerBox(6);
            desktop.Forms().Get<fil_form>("fil_form").Command1.UserClick();
        });
        form.Command1.UserClick();
    });
    try {
        desktop.ShowModal(form);
    } catch (const platform::EndProgram&) {
    }
    if (DecodeDefinition(definicion)) {
        // What the editor stored reads back.
        if (!DecodeDefinition(store.GetSetting(platform::kApp, "user_filters", "filtro51"))) __builtin_trap();
    }

    UserFilterRequest request;
    request.entrada = input;
    request.salida = fuzz::ScratchFolder() + "user_filter.txt";
    request.filtro = "Mio";
    request.definicion = definicion;
    request.formatoCampo = 1;
    std::int32_t vertices = 0;
    try {
        ConvertKTWUser(request, [] { return std::optional<std::string>("comentario"); }, state, vertices);
    } catch (const ConversionError&) {
    }
    return 0;
}
