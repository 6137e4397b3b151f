#pragma once
// The filter editor "Crear un filtro de datos": the fields of a user filter in
// column order, its name, the header and comment lines and the column separator.
// In create mode (ModoFiltro 1) it starts empty; in modify mode (0) the window
// "Cambio de formato: Campo => Oficina" has filled it from the stored definition
// before showing it. Storing adds the filter to that window's filter list.

#include <string>

#include "app/context.h"
#include "platform/control.h"
#include "platform/form.h"

class fil_form : public platform::Form {
public:
    explicit fil_form(Context& ctx);

    platform::Frame& Frame1;
    platform::ListBox& List1;
    platform::Frame& Frame2;
    platform::ListBox& List2;
    platform::CommandButton& cmdAdd;
    platform::CommandButton& cmdSubtract;
    platform::CommandButton& cmdUp;
    platform::CommandButton& cmdDown;
    platform::Frame& Frame3;
    platform::TextBox& Text1;
    platform::Frame& Frame4;
    platform::CheckBox& Check1;
    platform::CheckBox& Check2;
    platform::Frame& Frame5;
    platform::CheckBox& Check3;
    platform::CheckBox& Check4;
    platform::CheckBox& Check5;
    platform::CheckBox& Check6;
    platform::TextBox& Text3;
    platform::CheckBox& Check7;
    platform::TextBox& Text2;
    platform::CheckBox& Check8;
    platform::CommandButton& Command1;
    platform::CommandButton& Command2;
    platform::CommandButton& Command7;

    void Form_Load() override;

    void cmdAdd_Click();
    void cmdSubtract_Click();
    void cmdUp_Click();
    void cmdDown_Click();
    void Command1_Click();
    void Command2_Click();
    void Command7_Click();

    // Appends the code of the named field ("n,") to the definition; a name outside
    // the fields appends nothing. The station name in a KTW filter is warned about
    // and kept.
    void ChooseListItem(const std::string& name, std::string& definition);

    // The separator boxes Check3 to Check8, in the order of their flags.
    platform::CheckBox* SeparatorBox(int index);

private:
    void SeparatorClick(int index);
    void Aviso(const std::string& text);
    // The definition of what the window shows.
    std::string BuildFromWindow();
    // Puts the stored filter into the field-to-office window's list and selects it.
    void ShowInFilterList(int k, bool added);

    Context& ctx_;
    std::string textoList1_;
    std::string textoList2_;
};
