#include "field_to_office/form_dxf.h"

#include <algorithm>
#include <string>

#include "common/numbers.h"

namespace {

const char* const kColours[7] = {"Rojo", "Amarillo", "Verde", "Cielo", "Azul", "Magenta", "Blanco"};

// The integer value of a stored or typed text (Val, rounded halves to even),
// held within [low, high]: a value edited by hand outside what the options can
// hold must not stop the dialog from opening.
std::int16_t IntegerWithin(const std::string& text, int low, int high) {
    double value = 0;
    try {
        value = Num::RoundHalfEven(Num::Val(text));
    } catch (const std::exception&) {
        value = 0;  // a number beyond every double's range: as if nothing were stored
    }
    value = std::clamp(value, static_cast<double>(low), static_cast<double>(high));
    return static_cast<std::int16_t>(value);
}

std::int16_t Integer16(const std::string& text) { return IntegerWithin(text, -32768, 32767); }

void FillColours(platform::ComboBox& list) {
    for (const char* colour : kColours) list.AddItem(colour);
}

}  // namespace

Form_DXF::Form_DXF(Context& ctx)
    : platform::Form("Form_DXF", "Parámetros DXF"),
      Label1(Add<platform::Label>("Label1", "Escala de dibujo")),
      Text1(Add<platform::TextBox>("Text1", "1000")),
      Frame1(Add<platform::Frame>("Frame1", "Crear un fichero en 2 o 3 dimensiones")),
      Option1(Add<platform::OptionButton>("Option1", "   2D", &Frame1)),
      Option2(Add<platform::OptionButton>("Option2", "   3D", &Frame1)),
      Option3(Add<platform::OptionButton>("Option3", "Perfiles Túnel", &Frame1)),
      Label2(Add<platform::Label>("Label2", "Crear Capa")),
      Label3(Add<platform::Label>("Label3", "Nombre ")),
      Label4(Add<platform::Label>("Label4", "Color")),
      Label5(Add<platform::Label>("Label5", "Decimales Texto")),
      Check1(Add<platform::CheckBox>("Check1", "Nº Punto")),
      Text2(Add<platform::TextBox>("Text2", "No_Punto")),
      Pt_Colour(Add<platform::ComboBox>("Pt_Colour")),
      Check2(Add<platform::CheckBox>("Check2", "Coords XY")),
      Text3(Add<platform::TextBox>("Text3", "Coords_XY")),
      XY_Colour(Add<platform::ComboBox>("XY_Colour")),
      Text6(Add<platform::TextBox>("Text6", "3")),
      Check3(Add<platform::CheckBox>("Check3", "Coord Z")),
      Text4(Add<platform::TextBox>("Text4", "Coord_Z")),
      Z_Colour(Add<platform::ComboBox>("Z_Colour")),
      Text7(Add<platform::TextBox>("Text7", "3")),
      Check4(Add<platform::CheckBox>("Check4", "Código")),
      Text5(Add<platform::TextBox>("Text5", "Codigo")),
      Code_Colour(Add<platform::ComboBox>("Code_Colour")),
      Frame2(Add<platform::Frame>("Frame2", "Introducir los parámetros y pulsar el botón 'Aceptar'")),
      btn_acept(Add<platform::CommandButton>("btn_acept", "Aceptar")),
      btn_Cancel(Add<platform::CommandButton>("btn_Cancel", "Cancelar")),
      ctx_(ctx) {
    Width = 520;
    Height = 360;
    for (platform::ComboBox* list : {&Pt_Colour, &XY_Colour, &Z_Colour, &Code_Colour}) FillColours(*list);
    Text6.Change = [this] { Text6_Change(); };
    Text7.Change = [this] { Text7_Change(); };
    btn_acept.Click = [this] { btn_acept_Click(); };
    btn_Cancel.Click = [this] { btn_Cancel_Click(); };
    // Closing the dialog is no consent to draw with the stored options, which
    // "Aceptar" has not checked: it cancels the conversion.
    CloseBoxClick = [this] { btn_Cancel_Click(); };
}

void Form_DXF::Form_Load() {
    Centre(ctx_.desktop.ScreenWidth(), ctx_.desktop.ScreenHeight());
    State& s = ctx_.state;
    auto get = [this](const char* key) { return ctx_.GetSetting("DXF", key); };
    auto colour = [&get](const char* key) { return IntegerWithin(get(key), 1, 7); };

    s.Escala = Integer16(get("escala"));
    s.DosTresD = Integer16(get("dos_tres_d"));
    s.Layer1Activo = Integer16(get("layer1_activo"));
    s.Layer1Nombre = get("layer1_nombre");
    s.Layer1Color = colour("layer1_color");
    s.Layer2Activo = Integer16(get("layer2_activo"));
    s.Layer2Nombre = get("layer2_nombre");
    s.Layer2Color = colour("layer2_color");
    s.Layer2Decimales = Integer16(get("layer2_decimales"));
    s.Layer3Activo = Integer16(get("layer3_activo"));
    s.Layer3Nombre = get("layer3_nombre");
    s.Layer3Color = colour("layer3_color");
    s.Layer3Decimales = Integer16(get("layer3_decimales"));
    s.Layer4Activo = Integer16(get("layer4_activo"));
    s.Layer4Nombre = get("layer4_nombre");
    s.Layer4Color = colour("layer4_color");

    Text1.SetText(Num::Str(s.Escala));
    if (s.DosTresD == 2) Option1.SetValue(true);
    if (s.DosTresD == 3) Option2.SetValue(true);
    if (s.DosTresD == 4) Option3.SetValue(true);
    Check1.SetValue(s.Layer1Activo == 1 ? 1 : 0);
    Check2.SetValue(s.Layer2Activo == 1 ? 1 : 0);
    Check3.SetValue(s.Layer3Activo == 1 ? 1 : 0);
    Check4.SetValue(s.Layer4Activo == 1 ? 1 : 0);
    Text2.SetText(s.Layer1Nombre);
    Text3.SetText(s.Layer2Nombre);
    Text4.SetText(s.Layer3Nombre);
    Text5.SetText(s.Layer4Nombre);
    Text6.SetText(std::to_string(s.Layer2Decimales));
    Text7.SetText(std::to_string(s.Layer3Decimales));
    Pt_Colour.SetListIndex(s.Layer1Color - 1);
    XY_Colour.SetListIndex(s.Layer2Color - 1);
    Z_Colour.SetListIndex(s.Layer3Color - 1);
    Code_Colour.SetListIndex(s.Layer4Color - 1);
}

void Form_DXF::ClampDecimals(platform::TextBox& box) {
    double value = 0;
    try {
        value = Num::Val(box.Text());
    } catch (const std::exception&) {
        // Beyond every double's range: far below 0 or far above 3, by its sign.
        value = box.Text().find('-') != std::string::npos ? -1 : 4;
    }
    if (value < 0) {
        box.SetText("0");
    } else if (value > 3) {
        box.SetText("3");
    }
}

void Form_DXF::Text6_Change() { ClampDecimals(Text6); }

void Form_DXF::Text7_Change() { ClampDecimals(Text7); }

void Form_DXF::btn_acept_Click() {
    // The scale is a 16-bit whole number in the options; a scale below 1 would put
    // every label on its point with no height.
    double escala = 0;
    try {
        escala = Num::RoundHalfEven(Num::Val(Text1.Text()));
    } catch (const std::exception&) {
        escala = 0;
    }
    if (!(escala >= 1 && escala <= kEscalaMaxima)) {
        ctx_.desktop.MsgBox("La escala de dibujo tiene que ser un número entero entre 1 y 32767.",
                            platform::mb::Exclamation, "Parámetros DXF");
        return;
    }

    State& s = ctx_.state;
    s.Escala = static_cast<std::int16_t>(escala);
    if (Option1.Value()) s.DosTresD = 2;
    if (Option2.Value()) s.DosTresD = 3;
    if (Option3.Value()) s.DosTresD = 4;
    s.Layer1Activo = Check1.Value() == 1 ? 1 : 0;
    s.Layer2Activo = Check2.Value() == 1 ? 1 : 0;
    s.Layer3Activo = Check3.Value() == 1 ? 1 : 0;
    s.Layer4Activo = Check4.Value() == 1 ? 1 : 0;
    auto name = [](const platform::TextBox& box, const char* fallback) {
        return box.Text().empty() ? std::string(fallback) : box.Text();
    };
    s.Layer1Nombre = name(Text2, "No_Punto");
    s.Layer2Nombre = name(Text3, "Coords_XY");
    s.Layer3Nombre = name(Text4, "Coord_Z");
    s.Layer4Nombre = name(Text5, "Codigo");
    s.Layer1Color = static_cast<std::int16_t>(Pt_Colour.ListIndex() + 1);
    s.Layer2Color = static_cast<std::int16_t>(XY_Colour.ListIndex() + 1);
    s.Layer3Color = static_cast<std::int16_t>(Z_Colour.ListIndex() + 1);
    s.Layer4Color = static_cast<std::int16_t>(Code_Colour.ListIndex() + 1);
    s.Layer2Decimales = IntegerWithin(Text6.Text(), 0, 3);
    s.Layer3Decimales = IntegerWithin(Text7.Text(), 0, 3);

    auto save = [this](const char* key, const std::string& value) { ctx_.SaveSetting("DXF", key, value); };
    save("escala", Num::Str(s.Escala));
    save("dos_tres_d", Num::Str(s.DosTresD));
    save("layer1_activo", Num::Str(s.Layer1Activo));
    save("layer1_nombre", s.Layer1Nombre);
    save("layer1_color", Num::Str(s.Layer1Color));
    save("layer2_activo", Num::Str(s.Layer2Activo));
    save("layer2_nombre", s.Layer2Nombre);
    save("layer2_color", Num::Str(s.Layer2Color));
    save("layer2_decimales", Num::Str(s.Layer2Decimales));
    save("layer3_activo", Num::Str(s.Layer3Activo));
    save("layer3_nombre", s.Layer3Nombre);
    save("layer3_color", Num::Str(s.Layer3Color));
    save("layer3_decimales", Num::Str(s.Layer3Decimales));
    save("layer4_activo", Num::Str(s.Layer4Activo));
    save("layer4_nombre", s.Layer4Nombre);
    save("layer4_color", Num::Str(s.Layer4Color));
    ctx_.desktop.Unload(*this);
}

void Form_DXF::btn_Cancel_Click() {
    ctx_.state.CancelarDXF = 1;
    ctx_.desktop.Unload(*this);
}
