#include "field_to_office/fil_form.h"

#include "common/utf8_columns.h"
#include "field_to_office/ba_form.h"
#include "field_to_office/user_filter.h"
#include "field_to_office/user_filter_store.h"

namespace {

constexpr const char* kAviso = "¡Aviso!";
constexpr int kExclamation = 48;
// Yes and No, the information icon, No as the default button.
constexpr int kYesNoInfoDefaultNo = 4 + 64 + 256;
constexpr int kYes = 6;

// The flags of the separator boxes start after those of the header and comments.
constexpr int kPrimerSeparador = 2;

// A text box that takes at most three characters.
void LimitToThree(platform::TextBox& box) {
    box.Change = [&box] {
        const Utf8::Columns chars(box.Text());
        if (chars.Count() > 3) box.SetText(std::string(chars.Mid(1, 3)));
    };
}

}  // namespace

fil_form::fil_form(Context& ctx)
    : platform::Form("fil_form", "Crear un filtro de datos"),
      Frame1(Add<platform::Frame>("Frame1", "Datos disponibles")),
      List1(Add<platform::ListBox>("List1", "", &Frame1)),
      Frame2(Add<platform::Frame>("Frame2", "Filtro")),
      List2(Add<platform::ListBox>("List2", "", &Frame2)),
      cmdAdd(Add<platform::CommandButton>("cmdAdd", "&>")),
      cmdSubtract(Add<platform::CommandButton>("cmdSubtract", "&<")),
      cmdUp(Add<platform::CommandButton>("cmdUp", "&Subir")),
      cmdDown(Add<platform::CommandButton>("cmdDown", "&Bajar")),
      Frame3(Add<platform::Frame>("Frame3", "Nombre del filtro")),
      Text1(Add<platform::TextBox>("Text1", "", &Frame3)),
      Frame4(Add<platform::Frame>("Frame4", "Opciones")),
      Check1(Add<platform::CheckBox>("Check1", " &Encabezamiento", &Frame4)),
      Check2(Add<platform::CheckBox>("Check2", " C&omentarios", &Frame4)),
      Frame5(Add<platform::Frame>("Frame5", "Separador de columnas")),
      Check3(Add<platform::CheckBox>("Check3", "Tabulador", &Frame5)),
      Check4(Add<platform::CheckBox>("Check4", "Punto y coma", &Frame5)),
      Check5(Add<platform::CheckBox>("Check5", "Coma", &Frame5)),
      Check6(Add<platform::CheckBox>("Check6", "Espacio:", &Frame5)),
      Text3(Add<platform::TextBox>("Text3", "", &Frame5)),
      Check7(Add<platform::CheckBox>("Check7", "Otro:", &Frame5)),
      Text2(Add<platform::TextBox>("Text2", "", &Frame5)),
      Check8(Add<platform::CheckBox>("Check8", "Justificación Derecha", &Frame5)),
      Command1(Add<platform::CommandButton>("Command1", "C&rear filtro")),
      Command2(Add<platform::CommandButton>("Command2", "&Cancelar")),
      Command7(Add<platform::CommandButton>("Command7", "&Ayuda")),
      ctx_(ctx) {
    Width = 560;
    Height = 460;
    Command7.SetVisible(false);
    LimitToThree(Text2);
    LimitToThree(Text3);

    List1.Click = [this] { textoList1_ = List1.Text(); };
    List2.Click = [this] { textoList2_ = List2.Text(); };
    cmdAdd.Click = [this] { cmdAdd_Click(); };
    cmdSubtract.Click = [this] { cmdSubtract_Click(); };
    cmdUp.Click = [this] { cmdUp_Click(); };
    cmdDown.Click = [this] { cmdDown_Click(); };
    Check1.Click = [this] { ctx_.state.OpcionesFiltro[0] = static_cast<std::int16_t>(Check1.Value()); };
    Check2.Click = [this] { ctx_.state.OpcionesFiltro[1] = static_cast<std::int16_t>(Check2.Value()); };
    for (int i = 0; i < 6; ++i) SeparatorBox(i)->Click = [this, i] { SeparatorClick(i); };
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command7.Click = [this] { Command7_Click(); };
}

platform::CheckBox* fil_form::SeparatorBox(int index) {
    platform::CheckBox* boxes[] = {&Check3, &Check4, &Check5, &Check6, &Check7, &Check8};
    return index >= 0 && index < 6 ? boxes[index] : nullptr;
}

void fil_form::Form_Load() {
    Centre(ctx_.desktop.ScreenWidth(), ctx_.desktop.ScreenHeight());
    List1.Clear();
    for (const std::string& name : NombresDisponibles()) List1.AddItem(name);
    if (ctx_.state.ModoFiltro == 1) {
        List2.Clear();
        Command1.SetCaption("C&rear filtro");
    } else {
        Command1.SetCaption("&Modificar");
    }
}

void fil_form::Aviso(const std::string& text) { ctx_.desktop.MsgBox(text, kExclamation, kAviso); }

void fil_form::cmdAdd_Click() {
    if (List1.ListIndex() < 0) {
        ctx_.desktop.Beep();
        return Aviso("¡Seleccionar un dato!");
    }
    for (const std::string& chosen : List2.Items()) {
        if (chosen == textoList1_) return Aviso("Ese dato ya existe en el filtro");
    }
    List2.AddItem(textoList1_);
    List1.RemoveItem(List1.ListIndex());
}

void fil_form::cmdSubtract_Click() {
    const int selected = List2.ListIndex();
    if (selected < 0) {
        ctx_.desktop.Beep();
        return Aviso("¡Seleccionar un dato!");
    }
    // In modify mode the available list already holds every field.
    if (ctx_.state.ModoFiltro == 1) List1.AddItem(List2.List(selected));
    List2.RemoveItem(selected);
}

void fil_form::cmdUp_Click() {
    const int selected = List2.ListIndex();
    if (selected <= 0) return ctx_.desktop.Beep();
    const std::string above = List2.List(selected - 1);
    List2.SetList(selected - 1, List2.List(selected));
    List2.SetList(selected, above);
    List2.SetListIndex(selected - 1);
}

void fil_form::cmdDown_Click() {
    const int selected = List2.ListIndex();
    if (selected < 0 || selected + 1 >= List2.ListCount()) return ctx_.desktop.Beep();
    const std::string below = List2.List(selected + 1);
    List2.SetList(selected + 1, List2.List(selected));
    List2.SetList(selected, below);
    List2.SetListIndex(selected + 1);
}

void fil_form::SeparatorClick(int index) {
    platform::CheckBox& box = *SeparatorBox(index);
    const bool ticked = box.Value() == 1;
    ctx_.state.OpcionesFiltro[static_cast<std::size_t>(kPrimerSeparador + index)] = ticked ? 1 : 0;
    if (&box == &Check6) Text3.SetText(ticked ? "1" : "");
    if (&box == &Check7) Text2.SetText(ticked ? " " : "");
    if (!ticked) return;
    for (int other = 0; other < 6; ++other) {
        if (other != index) SeparatorBox(other)->SetValue(0);
    }
}

void fil_form::ChooseListItem(const std::string& name, std::string& definition) {
    const int campo = CampoDeNombre(name);
    if (campo < 0) return;
    if (campo == 0 && ctx_.state.FormatoCampo == 1) {
        Aviso("AVISO:  No se puede utilizar el número de estación en un filtro KTW");
    }
    definition += std::to_string(campo);
    definition += ',';
}

std::string fil_form::BuildFromWindow() {
    const auto& flags = ctx_.state.OpcionesFiltro;
    std::string definition;
    for (const std::string& name : List2.Items()) ChooseListItem(name, definition);
    OpcionesDefinicion opciones;
    opciones.separador = Separador::Tabulador;
    constexpr Separador kOrden[] = {Separador::Tabulador, Separador::PuntoYComa, Separador::Coma,
                                    Separador::Espacio,   Separador::Otro,       Separador::Justificado};
    for (int i = 0; i < 6; ++i) {
        if (flags[static_cast<std::size_t>(kPrimerSeparador + i)] == 1) {
            opciones.separador = kOrden[i];
            break;
        }
    }
    opciones.espacios = Text3.Text();
    opciones.otro = Text2.Text();
    opciones.encabezamiento = flags[0] == 1;
    opciones.comentarios = flags[1] == 1;
    // The field codes are already there: the rest of the definition follows them.
    return definition + BuildDefinition(opciones);
}

void fil_form::Command1_Click() {
    State& state = ctx_.state;
    const std::string name = Text1.Text();
    if (name.empty()) return Aviso("Introducir el nombre del filtro");
    if (EsFiltroEstandar(name)) return Aviso("No se puede usar el nombre de un filtro estándar");
    if (List2.ListCount() == 0) return Aviso("Seleccionar los datos del filtro");
    // Anything but digits here would end up among the field codes of the stored text.
    if (state.OpcionesFiltro[kPrimerSeparador + 3] == 1 && !EspaciosValidos(Text3.Text())) {
        return Aviso("El número de espacios tiene que ser un número entero de 0 a 999");
    }

    // Built afresh on every press: a refused attempt leaves nothing behind.
    state.FiltroActual = BuildFromWindow();

    if (const auto existing = FindUserFilter(ctx_, name)) {
        if (ctx_.desktop.MsgBox("El filtro ya existe ¿Quiere reemplazarlo?", kYesNoInfoDefaultNo, "¡AVISO!") != kYes) {
            return;
        }
        StoreUserFilter(ctx_, *existing, name, state.FiltroActual);
        ShowInFilterList(*existing, false);
    } else {
        const auto free = FreeUserFilter(ctx_);
        if (!free) return Aviso("¡Ya existen 49 filtros de usuario! Borrar un filtro antes de crear otro nuevo");
        StoreUserFilter(ctx_, *free, name, state.FiltroActual);
        ++state.NumFiltrosUsuario;
        ShowInFilterList(*free, true);
    }
    state.NombreFiltro = name;
    state.ModoFiltro = 0;
    ctx_.desktop.Unload(*this);
}

void fil_form::ShowInFilterList(int k, bool added) {
    for (platform::Form* form : ctx_.desktop.ShownForms()) {
        auto* window = dynamic_cast<ba_form*>(form);
        if (window == nullptr) continue;
        if (added) {
            window->Combo1.AddItem(Text1.Text());
            window->Combo1.SetListIndex(window->Combo1.ListCount() - 1);
        } else {
            window->Combo1.SetListIndex(ctx_.state.NumFiltrosEstandar + k - 1);
        }
    }
}

void fil_form::Command2_Click() { ctx_.desktop.Unload(*this); }

void fil_form::Command7_Click() { ctx_.desktop.ShowModal("ayuda_filtro"); }
