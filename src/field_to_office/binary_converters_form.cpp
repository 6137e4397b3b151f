// The binary converters as the window runs them: the request from its controls.

#include "app/state.h"
#include "field_to_office/ba_form.h"
#include "field_to_office/binary_converters.h"

namespace {

BinaryRequest RequestOf(ba_form& form) {
    Context& ctx = form.ctx();
    return {ctx.state.InFilePath, ctx.state.OutFilePath, form.Combo1.Text(), ctx.desktop.DecimalSeparator()};
}

}  // namespace

void B_A_Taqui(ba_form& form) { ConvertBinaryTaqui(RequestOf(form), form.ctx().state, form.ContadorVertices); }

void B_A_Analysis(ba_form& form) {
    ConvertBinaryAnalysis(RequestOf(form), form.ctx().state, form.ContadorVertices);
}

void B_A_Bases_Puntos(ba_form& form) {
    ConvertBinaryBasesPuntos(RequestOf(form), form.ctx().state, form.ContadorVertices);
}

void B_A_Taqui_Istram(ba_form& form) {
    Context& ctx = form.ctx();
    ConvertBinaryTaquiIstram(RequestOf(form), [&ctx](const std::string& text) {
        ctx.desktop.SetMousePointer(platform::kDefaultPointer);
        ctx.desktop.MsgBox(text, 0, {});
        ctx.desktop.SetMousePointer(platform::kHourglass);
    });
}
