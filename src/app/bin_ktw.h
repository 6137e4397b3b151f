#pragma once
// The start dialog: the direction of the conversion and the field data format.

#include "app/context.h"
#include "platform/form.h"

class Bin_KTW : public platform::Form {
public:
    explicit Bin_KTW(Context& ctx);

    platform::Frame& Frame1;
    platform::Label& Label1;
    platform::OptionButton& Option1;
    platform::OptionButton& Option2;
    platform::Frame& Frame2;
    platform::Label& Label2;
    platform::OptionButton& Option3;
    platform::OptionButton& Option4;
    platform::OptionButton& Option5;
    platform::OptionButton& Option6;
    platform::OptionButton& Option7;
    platform::CommandButton& Command1;
    platform::CommandButton& Command2;
    platform::CommandButton& Command3;
    platform::TextBox& Text1;

    void Form_Load() override;

    void Option1_Click();
    void Option2_Click();
    void Option3_6_Click();
    void Option7_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

private:
    Context& ctx_;
};

// The sixteen entries the start dialog appends to the office-to-field source list.
extern const char* const kSourcePrograms[16];
