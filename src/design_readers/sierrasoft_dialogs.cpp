#include "design_readers/sierrasoft_dialogs.h"

#include <stdexcept>

#include "common/numbers.h"
#include "common/numeric_checks.h"
#include "common/string_helpers.h"
#include "platform/desktop.h"

namespace design_readers {

Form_Alzados::Form_Alzados(Context& ctx)
    : platform::Form("Form_Alzados", "Listado de ficheros de alzado"),
      Frame1(Add<platform::Frame>("Frame1", "Seleccionar el fichero de alzado a asignar : ")),
      List(Add<platform::ListBox>("List", "", &Frame1)),
      Command_Aceptar(Add<platform::CommandButton>("Command_Aceptar", "Aceptar")),
      Command_Cancelar(Add<platform::CommandButton>("Command_Cancelar", "Cancelar")),
      ctx_(ctx) {
    Width = 360;
    Height = 300;
    Command_Aceptar.Click = [this] { Command_Aceptar_Click(); };
    Command_Cancelar.Click = [this] { Command_Cancelar_Click(); };
}

void Form_Alzados::Form_Load() {
    Centre(ctx_.desktop.ScreenWidth(), ctx_.desktop.ScreenHeight());
    respuesta_.reset();
}

void Form_Alzados::Command_Aceptar_Click() {
    respuesta_ = List.ListIndex();
    ctx_.desktop.Unload(*this);
}

void Form_Alzados::Command_Cancelar_Click() {
    respuesta_ = -1;
    ctx_.desktop.Unload(*this);
}

Form_Offset_Alzado::Form_Offset_Alzado(Context& ctx)
    : platform::Form("Form_Offset_Alzado", "Desplazamiento del eje en Alzado"),
      Label1(Add<platform::Label>("Label1", "Introducir el desplazamiento transversal del eje en alzado con "
                                            "respecto al eje central del túnel.")),
      Label2(Add<platform::Label>("Label2", "Signo negativo si está a la izquierda del eje del túnel, y positivo "
                                            "si está a la derecha.")),
      Label3(Add<platform::Label>("Label3", "Nombre del Eje:")),
      Label_Eje_Seleccionado(Add<platform::Label>("Label_Eje_Seleccionado")),
      Label4(Add<platform::Label>("Label4", "Desplazamiento :")),
      Text1(Add<platform::TextBox>("Text1")),
      Label5(Add<platform::Label>("Label5", "m")),
      Command_Aceptar(Add<platform::CommandButton>("Command_Aceptar", "Aceptar")),
      ctx_(ctx) {
    Width = 460;
    Height = 260;
    Command_Aceptar.Click = [this] { Command_Aceptar_Click(); };
}

void Form_Offset_Alzado::Form_Load() {
    Centre(ctx_.desktop.ScreenWidth(), ctx_.desktop.ScreenHeight());
    respuesta_.reset();
    ctx_.desktop.SetMousePointer(platform::kDefaultPointer);
    ctx_.state.OffsetAlzado = 0;
    Label_Eje_Seleccionado.SetCaption(Eje);
    Text1.SetText({});
}

void Form_Offset_Alzado::Command_Aceptar_Click() {
    std::string texto = Text1.Text();
    Strings::CommaToPoint(texto);
    if (!Strings::IsNumericString(texto)) return;  // the dialog stays for a correction
    double offset = 0;
    try {
        offset = Num::Val(texto);
    } catch (const std::overflow_error&) {
        return;  // a number no Double holds: likewise
    }
    respuesta_ = offset;
    ctx_.state.OffsetAlzado = offset;
    ctx_.desktop.SetMousePointer(platform::kHourglass);
    ctx_.desktop.Unload(*this);
}

std::optional<std::size_t> ElegirEjeAlzado(Context& ctx, const std::vector<std::string>& ejes) {
    auto& form = ctx.desktop.Forms().Get<Form_Alzados>("Form_Alzados");
    // The window object outlives its unload: the names of an earlier showing go first.
    form.List.Clear();
    for (const std::string& eje : ejes) form.List.AddItem(eje);
    ctx.desktop.ShowModal(form);
    const std::optional<int> respuesta = form.Respuesta();
    if (form.Loaded()) ctx.desktop.Unload(form);
    if (!respuesta || *respuesta < 0 || static_cast<std::size_t>(*respuesta) >= ejes.size()) return std::nullopt;
    return static_cast<std::size_t>(*respuesta);
}

std::optional<double> PedirOffsetAlzado(Context& ctx, const std::string& eje) {
    auto& form = ctx.desktop.Forms().Get<Form_Offset_Alzado>("Form_Offset_Alzado");
    form.Eje = eje;
    ctx.desktop.ShowModal(form);
    const std::optional<double> respuesta = form.Respuesta();
    if (form.Loaded()) ctx.desktop.Unload(form);
    return respuesta;
}

}  // namespace design_readers
