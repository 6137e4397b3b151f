#include "field_to_office/comments_form.h"

Comments::Comments(Context& ctx)
    : platform::Form("Comments", "Comentario"),
      Label1(Add<platform::Label>("Label1", "Introducir sus comentarios y pulsar la tecla Aceptar")),
      Text1(Add<platform::TextBox>("Text1")),
      Command1(Add<platform::CommandButton>("Command1", "Aceptar")),
      ctx_(ctx) {
    Width = 480;
    Height = 180;
    Command1.Click = [this] { Command1_Click(); };
}

void Comments::Form_Load() {
    Centre(ctx_.desktop.ScreenWidth(), ctx_.desktop.ScreenHeight());
    ctx_.state.ComentarioAceptado = false;
}

void Comments::Command1_Click() {
    ctx_.state.Comentario = Text1.Text();
    ctx_.state.ComentarioAceptado = true;
    ctx_.desktop.Unload(*this);
}
