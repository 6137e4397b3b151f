#include "app/bin_ktw.h"

#include <optional>

#include "common/numbers.h"
#include "office_to_field/ab_form.h"

const char* const kSourcePrograms[16] = {
    "Estandar", "DXF", "Modelo Digital", "Clip", "Clip Ferrocarril", "Clip Windows", "Ispol", "InRoads",
    "TCP", "TCP V4", "Cartomap V3.xx", "Cartomap V4.xx", "SDR", "Trazado", "SierraSoft", "Vextor",
};

namespace {

// A stored choice: a plain number (blanks around it allowed) that fits a 16-bit
// integer. Anything else was edited by hand and is treated as no choice at all.
std::optional<std::int16_t> StoredChoice(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    size_t start = i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    size_t digits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
    }
    while (i < text.size() && text[i] == ' ') ++i;
    if (digits == 0 || i != text.size()) return std::nullopt;
    try {
        return Num::CInt(Num::Val(text.substr(start)));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

}  // namespace

Bin_KTW::Bin_KTW(Context& ctx)
    : platform::Form("Bin_KTW", "Formato de datos"),
      Frame1(Add<platform::Frame>("Frame1")),
      Label1(Add<platform::Label>("Label1", "Elegir el tipo de transformación a realizar:", &Frame1)),
      Option1(Add<platform::OptionButton>("Option1", " Campo => Oficina", &Frame1)),
      Option2(Add<platform::OptionButton>("Option2", " Oficina => Campo", &Frame1)),
      Frame2(Add<platform::Frame>("Frame2")),
      Label2(Add<platform::Label>("Label2", "Elegir el formato de datos de campo :", &Frame2)),
      Option3(Add<platform::OptionButton>("Option3", "  Tarsel v2.27 o anterior", &Frame2)),
      Option4(Add<platform::OptionButton>("Option4", "  KTW (Formato estándar Quelna)", &Frame2)),
      Option5(Add<platform::OptionButton>("Option5", "  Tarsel v3.00 o posterior", &Frame2)),
      Option6(Add<platform::OptionButton>("Option6", "  Trazado de Carreteras GPS", &Frame2)),
      Option7(Add<platform::OptionButton>("Option7", "   QUELNA Tunelix ", &Frame2)),
      Command1(Add<platform::CommandButton>("Command1", "Aceptar")),
      Command2(Add<platform::CommandButton>("Command2", "Salir")),
      Command3(Add<platform::CommandButton>("Command3", "Command3")),
      Text1(Add<platform::TextBox>("Text1")),
      ctx_(ctx) {
    Width = 420;
    Height = 400;
    Command3.SetVisible(false);
    Text1.SetLocked(true);

    Option1.Click = [this] { Option1_Click(); };
    Option2.Click = [this] { Option2_Click(); };
    for (platform::OptionButton* option : {&Option3, &Option4, &Option5, &Option6}) {
        option->Click = [this] { Option3_6_Click(); };
    }
    Option7.Click = [this] { Option7_Click(); };
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    // Closing the dialog leaves the program: the start-up window alone offers the
    // user nothing to do.
    CloseBoxClick = [this] { Command2_Click(); };

    platform::ShowHelpOnMouseMove(Command1, Text1, "Seguir con la transformación");
    platform::ShowHelpOnMouseMove(Command2, Text1, "Salir del programa");
    platform::ShowHelpOnMouseMove(Option1, Text1, "Transformar datos del campo a un formato ASCII");
    platform::ShowHelpOnMouseMove(Option2, Text1, "Transformar los datos al formato de campo");
    platform::ShowHelpOnMouseMove(Option3, Text1, "Transformar datos en el formato del Sistema Tarsel (Equipos KR500)");
    platform::ShowHelpOnMouseMove(Option4, Text1, "Transformar datos en el formato KTW de Quelna");
    platform::ShowHelpOnMouseMove(Option5, Text1, "Transformar datos en el formato del Sistema Tarsel (Equipos KR600)");
    platform::ShowHelpOnMouseMove(Option6, Text1, "Transformar datos en el formato del programa Corvana");
    MouseMove = [this] { Text1.SetText("Elegir el formato de los de datos a transformar"); };
}

void Bin_KTW::Form_Load() {
    Centre(ctx_.desktop.ScreenWidth(), ctx_.desktop.ScreenHeight());
    State& state = ctx_.state;
    const std::string storedDirection = ctx_.GetSetting("INI", "transformacion");
    const std::string storedFormat = ctx_.GetSetting("INI", "formato");

    if (!storedDirection.empty()) {
        // Each key that does not hold a number gets the first-run choice.
        std::optional<std::int16_t> direction = StoredChoice(storedDirection);
        std::optional<std::int16_t> format = StoredChoice(storedFormat);
        state.Transformacion = direction.value_or(1);
        state.FormatoCampo = format.value_or(0);
        if (state.Transformacion == 0) Option1.SetValue(true);
        if (state.Transformacion == 1) Option2.SetValue(true);
        platform::OptionButton* formats[] = {&Option3, &Option4, &Option5, &Option6, &Option7};
        if (state.FormatoCampo >= 0 && state.FormatoCampo <= 4) formats[state.FormatoCampo]->SetValue(true);
    } else {
        Option2.SetValue(true);
        state.Transformacion = 1;
        Option3.SetValue(true);
        state.FormatoCampo = 0;
    }
}

void Bin_KTW::Option1_Click() {
    ctx_.state.Transformacion = Option1.Value() ? 0 : 1;
    Option6.SetEnabled(true);
}

void Bin_KTW::Option2_Click() {
    ctx_.state.Transformacion = Option2.Value() ? 1 : 0;
    Option6.SetEnabled(true);
}

void Bin_KTW::Option3_6_Click() {
    std::int16_t& format = ctx_.state.FormatoCampo;
    if (Option3.Value()) {
        format = 0;
    } else if (Option4.Value()) {
        format = 1;
    } else if (Option5.Value()) {
        format = 2;
    } else if (Option6.Value()) {
        format = 3;
    }
}

void Bin_KTW::Option7_Click() {
    if (Option7.Value()) ctx_.state.FormatoCampo = 4;
}

void Bin_KTW::Command1_Click() {
    State& state = ctx_.state;
    ctx_.SaveSetting("INI", "transformacion", Num::Str(state.Transformacion));
    ctx_.SaveSetting("INI", "formato", Num::Str(state.FormatoCampo));
    ctx_.desktop.Unload(*this);
    if (state.Transformacion == 1) {
        auto& window = ctx_.desktop.Forms().Get<ab_form>("ab_form");
        for (const char* programa : kSourcePrograms) window.Combo1.AddItem(programa);
        ctx_.desktop.ShowModal(window);
    } else if (state.Transformacion == 0) {
        ctx_.desktop.ShowModal("ba_form");
    }
}

void Bin_KTW::Command2_Click() {
    // Files close with their owners; End saves the settings and leaves every window.
    ctx_.desktop.End();
}

void Bin_KTW::Command3_Click() { ctx_.desktop.ShowModal("CalcCoordenadas"); }
