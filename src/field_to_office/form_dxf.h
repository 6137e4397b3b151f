#pragma once
// The dialog "Parámetros DXF": drawing scale, 2D / 3D / tunnel profiles, and the
// four label layers (on, name, colour, decimals). Keeps its values in the section
// "DXF" of the settings and in the DXF options of the state.

#include "app/context.h"
#include "platform/control.h"
#include "platform/form.h"

class Form_DXF : public platform::Form {
public:
    explicit Form_DXF(Context& ctx);

    platform::Label& Label1;
    platform::TextBox& Text1;
    platform::Frame& Frame1;
    platform::OptionButton& Option1;
    platform::OptionButton& Option2;
    platform::OptionButton& Option3;
    platform::Label& Label2;
    platform::Label& Label3;
    platform::Label& Label4;
    platform::Label& Label5;
    platform::CheckBox& Check1;
    platform::TextBox& Text2;
    platform::ComboBox& Pt_Colour;
    platform::CheckBox& Check2;
    platform::TextBox& Text3;
    platform::ComboBox& XY_Colour;
    platform::TextBox& Text6;
    platform::CheckBox& Check3;
    platform::TextBox& Text4;
    platform::ComboBox& Z_Colour;
    platform::TextBox& Text7;
    platform::CheckBox& Check4;
    platform::TextBox& Text5;
    platform::ComboBox& Code_Colour;
    platform::Frame& Frame2;
    platform::CommandButton& btn_acept;
    platform::CommandButton& btn_Cancel;

    void Form_Load() override;
    void Text6_Change();
    void Text7_Change();
    void btn_acept_Click();
    void btn_Cancel_Click();

    // The largest scale the options can hold.
    static constexpr int kEscalaMaxima = 32767;

private:
    void ClampDecimals(platform::TextBox& box);

    Context& ctx_;
};
