// The user-filter converters as the window runs them: the request from its
// controls, the definition from the store, the comment from the dialog.

#include "app/state.h"
#include "field_to_office/ba_form.h"
#include "field_to_office/user_filter_converters.h"
#include "field_to_office/user_filter_store.h"

namespace {

UserFilterRequest RequestOf(ba_form& form) {
    Context& ctx = form.ctx();
    State& state = ctx.state;
    UserFilterRequest request;
    request.entrada = state.InFilePath;
    request.salida = state.OutFilePath;
    request.filtro = form.Combo1.Text();
    const int k = form.Combo1.ListIndex() - state.NumFiltrosEstandar + 1;
    state.FiltroActual = k >= 1 && k <= kMaxFiltrosUsuario ? UserFilterDefinition(ctx, k) : std::string();
    request.definicion = state.FiltroActual;
    request.formatoCampo = state.FormatoCampo;
    request.puntos = form.Option1.Value();
    request.bases = form.Option2.Value();
    request.decimalSeparator = ctx.desktop.DecimalSeparator();
    return request;
}

PedirComentario ComentarioDe(Context& ctx) {
    return [&ctx]() -> std::optional<std::string> {
        ctx.desktop.SetMousePointer(platform::kDefaultPointer);
        ctx.desktop.ShowModal("Comments");
        ctx.desktop.SetMousePointer(platform::kHourglass);
        if (!ctx.state.ComentarioAceptado) return std::nullopt;
        return ctx.state.Comentario;
    };
}

}  // namespace

void B_A_Taqui_User(ba_form& form) {
    ConvertBinaryUser(RequestOf(form), ComentarioDe(form.ctx()), form.ctx().state, form.ContadorVertices);
}

void KTW_A_Taqui_User(ba_form& form) {
    ConvertKTWUser(RequestOf(form), ComentarioDe(form.ctx()), form.ctx().state, form.ContadorVertices);
}
