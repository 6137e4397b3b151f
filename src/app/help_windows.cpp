#include "app/help_windows.h"

HelpWindow::HelpWindow(Context& ctx, std::string name, std::string caption, std::string text)
    : platform::Form(std::move(name), std::move(caption)), Text1(Add<platform::TextBox>("Text1")), ctx_(ctx) {
    Width = 520;
    Height = 320;
    Text1.SetMultiLine(true);
    Text1.Control::SetCaption(std::move(text));
}

void HelpWindow::Form_Load() { Centre(ctx_.desktop.ScreenWidth(), ctx_.desktop.ScreenHeight()); }

ayuda_ba::ayuda_ba(Context& ctx) : HelpWindow(ctx, "ayuda_ba", "Ayuda Binario -> ASCII", "Text1") {}

ayuda_filtro::ayuda_filtro(Context& ctx)
    : HelpWindow(ctx, "ayuda_filtro", "Ayuda Modificar filtros de datos", "Text1") {}

ayuda_ab::ayuda_ab(Context& ctx)
    : HelpWindow(ctx, "ayuda_ab", "Ayuda ASCII -> Binario",
                 "Fichero de entrada: haciendo click en el botón cambiar se selecciona el fichero \r\n"
                 "\tASCII a transformar\r\n") {}
