#pragma once
// The help windows of the two conversion windows and of the filter editor.

#include "app/context.h"
#include "platform/form.h"

class HelpWindow : public platform::Form {
public:
    HelpWindow(Context& ctx, std::string name, std::string caption, std::string text);
    platform::TextBox& Text1;
    void Form_Load() override;

private:
    Context& ctx_;
};

class ayuda_ba : public HelpWindow {
public:
    explicit ayuda_ba(Context& ctx);
};

class ayuda_filtro : public HelpWindow {
public:
    explicit ayuda_filtro(Context& ctx);
};

class ayuda_ab : public HelpWindow {
public:
    explicit ayuda_ab(Context& ctx);
};
