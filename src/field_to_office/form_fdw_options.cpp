#include "field_to_office/form_fdw_options.h"

FormFDWOptions::FormFDWOptions(Context& ctx)
    : platform::Form("FormFDWOptions", "Formato Fichero FieldWork"),
      Frame1(Add<platform::Frame>("Frame1", "Generar:")),
      OB_Observaciones(Add<platform::OptionButton>("OB_Observaciones", "Fichero de Observaciones", &Frame1)),
      OB_Coordenadas(
          Add<platform::OptionButton>("OB_Coordenadas", "Fichero de Observaciones y Coordenadas", &Frame1)),
      CB_Aceptar(Add<platform::CommandButton>("CB_Aceptar", "Aceptar")),
      ctx_(ctx) {
    Width = 360;
    Height = 200;
    CB_Aceptar.Click = [this] { CB_Aceptar_Click(); };
}

void FormFDWOptions::Form_Load() {
    Centre(ctx_.desktop.ScreenWidth(), ctx_.desktop.ScreenHeight());
    // Every showing starts from observations only.
    OB_Observaciones.SetValue(true);
}

void FormFDWOptions::CB_Aceptar_Click() {
    if (OB_Observaciones.Value()) {
        ctx_.state.OpcionFieldWorks = false;
    } else if (OB_Coordenadas.Value()) {
        ctx_.state.OpcionFieldWorks = true;
    }
    ctx_.desktop.Unload(*this);
}
