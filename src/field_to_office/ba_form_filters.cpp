// "&Nuevo", "&Editar" and "&Borrar" of the field-to-office window: the user
// filters, edited in the filter editor and stored in the settings store.

#include "field_to_office/ba_form.h"
#include "field_to_office/fil_form.h"
#include "field_to_office/user_filter.h"
#include "field_to_office/user_filter_store.h"

namespace {

constexpr int kYes = 6;

// The number k of the user filter selected in the list; 0 for a standard filter.
int SelectedUserFilter(const ba_form& form, const State& state) {
    const int position = form.Combo1.ListIndex();
    return position + 1 > state.NumFiltrosEstandar ? position - state.NumFiltrosEstandar + 1 : 0;
}

// The editor's chosen fields, from the field list of the definition.
void AnalyseIniString(const DefinicionFiltro& definicion, fil_form& editor) {
    editor.List2.Clear();
    for (int campo : definicion.campos) editor.List2.AddItem(CreateModifiedList(campo));
}

}  // namespace

void ba_form::Command5_Click() {
    State& state = ctx_.state;
    state.ModoFiltro = 1;
    state.FiltroActual.clear();
    state.OpcionesFiltro.fill(0);
    ctx_.desktop.ShowModal("fil_form");
}

void ba_form::Command1_Click() {
    State& state = ctx_.state;
    const int k = SelectedUserFilter(*this, state);
    if (k == 0) {
        ctx_.desktop.MsgBox("No se pueden modificar los filtros estándar", 48, {});
        return;
    }
    state.ModoFiltro = 0;
    state.OpcionesFiltro.fill(0);
    state.FiltroActual = UserFilterDefinition(ctx_, k);
    const auto definicion = DecodeDefinition(state.FiltroActual);
    if (!definicion) {
        state.FiltroActual.clear();
        ctx_.desktop.MsgBox("La definición guardada del filtro " + Combo1.Text() +
                                " está incompleta o dañada y no se puede editar. Bórrelo y créelo de nuevo.",
                            48, "¡Aviso!");
        return;
    }

    auto& editor = ctx_.desktop.Forms().Get<fil_form>("fil_form");
    editor.Text1.SetText(ctx_.GetSetting("filtros", FilterKey(50 + k)));
    AnalyseIniString(*definicion, editor);
    if (definicion->encabezamiento) editor.Check1.SetValue(1);
    if (definicion->comentarios) editor.Check2.SetValue(1);
    const std::string separators = "TPCEOJ";
    // A letter the editor never writes lays out like "Justificación Derecha".
    const std::size_t box = separators.find(definicion->letra);
    editor.SeparatorBox(box == std::string::npos ? 5 : static_cast<int>(box))->SetValue(1);
    // Ticking the box put its default into the text; the stored one replaces it.
    if (definicion->letra == 'E') editor.Text3.SetText(std::to_string(definicion->Espacios()));
    if (definicion->letra == 'O') editor.Text2.SetText(definicion->OtroTexto());
    state.FiltroActual.clear();
    ctx_.desktop.ShowModal(editor);
}

void ba_form::Command6_Click() {
    State& state = ctx_.state;
    const int k = SelectedUserFilter(*this, state);
    if (k == 0) {
        ctx_.desktop.MsgBox("No se pueden borrar los filtros estándar", 48, {});
        return;
    }
    if (ctx_.desktop.MsgBox("¿ Eliminar el filtro: " + Combo1.Text() + " ?", 4 + 64 + 256, "¡Aviso!") != kYes) return;
    DeleteUserFilter(ctx_, k, state.NumFiltrosUsuario);
    Combo1.RemoveItem(Combo1.ListIndex());
    Combo1.SetListIndex(0);
    --state.NumFiltrosUsuario;
    ctx_.desktop.SetMousePointer(platform::kDefaultPointer);
}
