#pragma once
// The dialog "Comentario": the line a user filter writes first. "Aceptar" keeps
// the text in Comentario; closing the dialog by its close box writes no comment.

#include "app/context.h"
#include "platform/control.h"
#include "platform/form.h"

class Comments : public platform::Form {
public:
    explicit Comments(Context& ctx);

    platform::Label& Label1;
    platform::TextBox& Text1;
    platform::CommandButton& Command1;

    void Form_Load() override;
    void Command1_Click();

private:
    Context& ctx_;
};
