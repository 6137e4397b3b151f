#include "office_to_field/ab_form.h"

namespace {

// The list as the window is designed; the start dialog renames the sixteen entries.
const char* const kDesignSources[16] = {
    "Estandar", "Istram", "DXF", "Modelo Digital", "Clip", "Clip Ferrocarril", "Ispol", "InRoads",
    "TCP", "TCP V4", "Cartomap V3.xx", "Cartomap V4.xx", "SDR", "Trazado", "SierraSoft", "Vextor",
};

}  // namespace

ab_form::ab_form(Context& ctx)
    : platform::Form("ab_form", "Cambio de formato: Oficina => Campo"),
      Frame4(Add<platform::Frame>("Frame4", "Formato:")),
      Combo1(Add<platform::ComboBox>("Combo1", "", &Frame4)),
      Command4(Add<platform::CommandButton>("Command4", "&Transformación")),
      Command3(Add<platform::CommandButton>("Command3", "&Cancelar")),
      Command2(Add<platform::CommandButton>("Command2", "&Ayuda")),
      Text1(Add<platform::TextBox>("Text1")),
      ctx_(ctx) {
    Width = 560;
    Height = 420;
    for (const char* name : kDesignSources) Combo1.AddItem(name);
    Command2.SetVisible(false);
    Text1.SetLocked(true);
    abrir.DialogTitle = "Seleccionar fichero de entrada";
    guardar.DialogTitle = "Guardar como";

    Command2.Click = [this] { Command2_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    MouseMove = [this] { Text1.SetText("Transformación ASCII -> Binario"); };
    platform::ShowHelpOnMouseMove(Frame4, Text1, "Seleccione el formato de entrada");
    platform::ShowHelpOnMouseMove(Command3, Text1, "Vuelve a la pantalla de inicio");
}

void ab_form::Form_Load() {
    Centre(ctx_.desktop.ScreenWidth(), ctx_.desktop.ScreenHeight());
    abrir.InitDir = ctx_.GetSetting("path", "path_ab_ent");
    guardar.InitDir = ctx_.GetSetting("path", "path_ab_sal");
}

void ab_form::Command2_Click() { ctx_.desktop.ShowModal("ayuda_ab"); }

void ab_form::Command3_Click() {
    ctx_.desktop.SetMousePointer(platform::kDefaultPointer);
    ctx_.desktop.Unload(*this);
    ctx_.desktop.ShowModal("Bin_KTW");
}

void ab_form::Command4_Click() {
    ctx_.desktop.MsgBox("Esta transformación todavía no está disponible.", platform::mb::Exclamation,
                        "Transformación");
}
