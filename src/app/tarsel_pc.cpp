#include "app/tarsel_pc.h"

#include "app/settings_defaults.h"

TarselPC::TarselPC(Context& ctx)
    : platform::Form("TarselPC", "Administrador de Archivos: Sistema Tarsel"),
      Picture1(Add<platform::PictureBox>("Picture1")),
      Label1(Add<platform::Label>("Label1", "Tarsel PC")),
      Label2(Add<platform::Label>("Label2", "v2.38 Febrero 2005")),
      ctx_(ctx) {
    Width = 420;
    Height = 260;
}

void TarselPC::Form_Load() {
    auto& desktop = ctx_.desktop;
    Centre(desktop.ScreenWidth(), desktop.ScreenHeight());
    desktop.Show(*this);
    // Every file of the program is closed by its owner when it goes out of scope,
    // so there is nothing left open to close here.
    app::WriteFirstRunDefaults(ctx_);
    Centre(desktop.ScreenWidth(), desktop.ScreenHeight());
    ctx_.state.ModoFiltro = 0;
    ctx_.state.ErrorFichero = 0;
    desktop.ShowModal("Bin_KTW");
}
