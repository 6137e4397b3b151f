#include "design_readers/form_seccion_tipo.h"

namespace design_readers {
namespace {

constexpr const char* kCaption = "Opciones Sección Tipo";
constexpr std::int16_t kTrue = -1;
// The dialog was left without "Aceptar".
constexpr std::int32_t kCancelado = 1000;

void Elegir(State& s, bool taludes, bool subRasante, bool rasante) {
    s.OpcionTaludes = taludes ? kTrue : 0;
    s.OpcionSubRasante = subRasante ? kTrue : 0;
    s.OpcionRasante = rasante ? kTrue : 0;
}

void Aceptado(Context& ctx, platform::Form& form) {
    ctx.desktop.SetMousePointer(platform::kHourglass);
    ctx.state.EstadoDialogo.Number = 0;
    ctx.desktop.Unload(form);
}

}  // namespace

Form_Seccion_Tipo::Form_Seccion_Tipo(Context& ctx)
    : platform::Form("Form_Seccion_Tipo", kCaption),
      Frame1(Add<platform::Frame>("Frame1", "Elegir los datos a incluir en el fichero")),
      Option_Taludes(Add<platform::OptionButton>("Option_Taludes", "Fichero de Taludes", &Frame1)),
      Option_SubRasante(Add<platform::OptionButton>("Option_SubRasante", "Fichero de Subrasante", &Frame1)),
      Option_Rasante(Add<platform::OptionButton>("Option_Rasante", "Fichero de Rasante", &Frame1)),
      Command_Aceptar(Add<platform::CommandButton>("Command_Aceptar", "Aceptar")),
      ctx_(ctx) {
    Width = 320;
    Height = 200;
    Option_SubRasante.SetValue(true);
    Command_Aceptar.Click = [this] { Command_Aceptar_Click(); };
}

void Form_Seccion_Tipo::Form_Load() {
    Centre(ctx_.desktop.ScreenWidth(), ctx_.desktop.ScreenHeight());
    ctx_.state.EstadoDialogo.Number = kCancelado;
}

void Form_Seccion_Tipo::Command_Aceptar_Click() {
    State& s = ctx_.state;
    if (Option_Taludes.Value()) {
        Elegir(s, true, false, false);
    } else if (Option_SubRasante.Value()) {
        Elegir(s, false, true, false);
    } else if (Option_Rasante.Value()) {
        Elegir(s, false, false, true);
    }
    Aceptado(ctx_, *this);
}

frmClipOptions::frmClipOptions(Context& ctx)
    : platform::Form("frmClipOptions", kCaption),
      Label1(Add<platform::Label>(
          "Label1", "Elegir los datos a incluir en el fichero de sección y pulsar la tecla aceptar:")),
      Check1(Add<platform::CheckBox>("Check1", "Taludes")),
      Check4(Add<platform::CheckBox>("Check4", "Subrasante")),
      Check3(Add<platform::CheckBox>("Check3", "Rasante")),
      btnAceptar(Add<platform::CommandButton>("btnAceptar", "Aceptar")),
      ctx_(ctx) {
    Width = 420;
    Height = 200;
    Check1.Click = [this] { Check1_Click(); };
    Check3.Click = [this] { Check3_Click(); };
    Check4.Click = [this] { Check4_Click(); };
    btnAceptar.Click = [this] { btnAceptar_Click(); };
}

void frmClipOptions::Form_Load() {
    Centre(ctx_.desktop.ScreenWidth(), ctx_.desktop.ScreenHeight());
    ctx_.desktop.SetMousePointer(platform::kDefaultPointer);
    Check1.SetValue(1);
    Check4.SetValue(1);
    Check3.SetValue(1);
    Check1.SetVisible(ctx_.state.FormatoCampo != 3);
    // The flags change only on "Aceptar": a dialog closed from its title bar cancels
    // the request and leaves the choice of the last accepted dialog for later runs.
    ctx_.state.EstadoDialogo.Number = kCancelado;
}

void frmClipOptions::Check1_Click() {
    if (Check1.Value() != 1) return;
    Check3.SetValue(0);
    Check4.SetValue(0);
}

void frmClipOptions::Check3_Click() {
    if (Check3.Value() != 1) return;
    Check1.SetValue(0);
    Check4.SetValue(0);
}

void frmClipOptions::Check4_Click() {
    if (Check4.Value() != 1) return;
    Check1.SetValue(0);
    Check3.SetValue(0);
}

void frmClipOptions::btnAceptar_Click() {
    State& s = ctx_.state;
    if (Check1.Value() == 1) {
        Elegir(s, true, false, false);
    } else if (Check3.Value() == 1) {
        Elegir(s, false, false, true);
    } else if (Check4.Value() == 1) {
        Elegir(s, false, true, false);
    } else {
        ctx_.desktop.MsgBox("Elegir una opción", platform::mb::OKOnly);
        return;
    }
    Aceptado(ctx_, *this);
}

bool PedirCapaSeccion(Context& ctx, bool conTaludes) {
    auto& form = ctx.desktop.Forms().Get<Form_Seccion_Tipo>("Form_Seccion_Tipo");
    if (!conTaludes) form.Option_Taludes.SetVisible(false);
    ctx.desktop.SetMousePointer(platform::kDefaultPointer);
    ctx.state.EstadoDialogo.Number = kCancelado;
    ctx.desktop.ShowModal(form);
    return ctx.state.EstadoDialogo.Number == 0;
}

bool PedirCapasClip(Context& ctx) {
    ctx.state.EstadoDialogo.Number = kCancelado;
    ctx.desktop.ShowModal("frmClipOptions");
    return ctx.state.EstadoDialogo.Number == 0;
}

char BloqueElegido(const State& state) {
    if (state.OpcionTaludes != 0) return 'T';
    if (state.OpcionSubRasante != 0) return 'S';
    return 'R';
}

}  // namespace design_readers
