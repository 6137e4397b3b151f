#include "field_to_office/form_observaciones.h"

#include "common/numeric_checks.h"

Form_Observaciones::Form_Observaciones(Context& ctx)
    : platform::Form("Form_Observaciones", "Observaciones"),
      Frame1(Add<platform::Frame>("Frame1", "Identifiacior de Bases")),
      Option1{},
      Text1{},
      Command_Aceptar(Add<platform::CommandButton>("Command_Aceptar", "Aceptar")),
      ctx_(ctx) {
    // Drawn in this order: the threshold above the prefix.
    Option1[1] = &Add<platform::OptionButton>("Option1(1)", "Valores numéricos mayores de :", &Frame1);
    Text1[1] = &Add<platform::TextBox>("Text1(1)", "30000", &Frame1);
    Option1[0] = &Add<platform::OptionButton>("Option1(0)", "Prefijo", &Frame1);
    Text1[0] = &Add<platform::TextBox>("Text1(0)", "BR", &Frame1);
    Width = 360;
    Height = 220;
    Option1[0]->SetValue(true);
    Text1[1]->SetEnabled(false);

    for (int index : {0, 1}) {
        Option1[index]->Click = [this, index] { Option1_Click(index); };
        Text1[index]->Validate = [this, index](bool& cancel) { Text1_Validate(index, cancel); };
    }
    Command_Aceptar.Click = [this] { Command_Aceptar_Click(); };
}

void Form_Observaciones::Form_Load() {
    Centre(ctx_.desktop.ScreenWidth(), ctx_.desktop.ScreenHeight());
    // Closed in any other way than "Aceptar": the conversion is cancelled.
    ctx_.state.EstadoDialogo.Number = 1000;
}

void Form_Observaciones::Option1_Click(int) {
    const bool prefijo = Option1[0]->Value();
    Text1[0]->SetEnabled(prefijo);
    Text1[1]->SetEnabled(!prefijo);
}

void Form_Observaciones::Text1_Validate(int Index, bool& Cancel) {
    if (Index != 1) return;
    if (!Strings::IsNumericString(Text1[1]->Text())) {
        Cancel = true;
        ctx_.desktop.Beep();
    }
}

void Form_Observaciones::Command_Aceptar_Click() {
    State& s = ctx_.state;
    if (Option1[0]->Value()) {
        s.IdentBasesNumerico = false;
        s.IdentBasesValor = Text1[0]->Text();
    } else {
        // Pressing the button moves the focus out of the threshold first: a text that
        // is not a number keeps it there, and the dialog stays open.
        bool cancel = false;
        Text1_Validate(1, cancel);
        if (cancel) return;
        s.IdentBasesNumerico = true;
        s.IdentBasesValor = Text1[1]->Text();
    }
    ctx_.desktop.SetMousePointer(platform::kHourglass);
    s.EstadoDialogo.Number = 0;
    ctx_.desktop.Unload(*this);
}
