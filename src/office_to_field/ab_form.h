#pragma once
// The office-to-field window. For now it holds what the start dialog and the help
// windows rely on: its source list, "&Cancelar", the hidden "&Ayuda" and the folders.

#include "app/context.h"
#include "platform/desktop.h"
#include "platform/form.h"

class ab_form : public platform::Form {
public:
    explicit ab_form(Context& ctx);

    platform::Frame& Frame4;
    platform::ComboBox& Combo1;
    platform::CommandButton& Command4;
    platform::CommandButton& Command3;
    platform::CommandButton& Command2;
    platform::TextBox& Text1;
    platform::FileDialog abrir;
    platform::FileDialog guardar;

    void Form_Load() override;
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

private:
    Context& ctx_;
};
