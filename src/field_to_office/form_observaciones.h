#pragma once
// The dialog "Observaciones": how the ISPOL field book tells bases among the names,
// by a prefix or by a number threshold. Leaves the rule in the state and answers
// through the state's EstadoDialogo: 0 after "Aceptar", 1000 when left otherwise.

#include <array>

#include "app/context.h"
#include "platform/control.h"
#include "platform/form.h"

class Form_Observaciones : public platform::Form {
public:
    explicit Form_Observaciones(Context& ctx);

    platform::Frame& Frame1;
    // Index 0: the prefix; index 1: the number threshold.
    std::array<platform::OptionButton*, 2> Option1;
    std::array<platform::TextBox*, 2> Text1;
    platform::CommandButton& Command_Aceptar;

    void Form_Load() override;
    void Option1_Click(int Index);
    void Text1_Validate(int Index, bool& Cancel);
    void Command_Aceptar_Click();

private:
    Context& ctx_;
};
