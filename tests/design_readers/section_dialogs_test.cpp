// The two layer dialogs "Opciones Sección Tipo": defaults, exclusive ticking, the
// refused empty choice, the close box, and a hidden option that lasts one showing.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/context.h"
#include "app/register_forms.h"
#include "design_readers/form_seccion_tipo.h"
#include "platform/scripted_desktop.h"
#include "platform/settings_store.h"

namespace {

using design_readers::Form_Seccion_Tipo;
using design_readers::frmClipOptions;

struct Flags {
    int taludes, subRasante, rasante;
};

class SectionDialogs : public testing::Test {
protected:
    SectionDialogs() { app::RegisterForms(ctx); }

    template <class F>
    void Act(const std::string& name, std::function<void(F&)> action) {
        desktop.QueueAction([this, name, action] { action(ctx.desktop.Forms().Get<F>(name)); });
    }
    void CloseBox(const std::string& name) {
        desktop.QueueAction([this, name] { desktop.UserClose(desktop.Forms().Get(name)); });
    }
    Flags Now() const { return {state.OpcionTaludes, state.OpcionSubRasante, state.OpcionRasante}; }

    platform::ScriptedDesktop desktop;
    platform::MemorySettingsStore store;
    State state;
    Context ctx{desktop, store, state};
};

void ExpectFlags(const Flags& got, const Flags& want) {
    EXPECT_EQ(got.taludes, want.taludes);
    EXPECT_EQ(got.subRasante, want.subRasante);
    EXPECT_EQ(got.rasante, want.rasante);
}

TEST_F(SectionDialogs, OptionButtonsAcceptTheirChoiceAndTheCloseBoxCancels) {
    struct Row {
        const char* option;  // "" accepts the dialog as it opens
        Flags want;
    };
    const Row rows[] = {{"", {0, -1, 0}}, {"Option_Taludes", {-1, 0, 0}}, {"Option_Rasante", {0, 0, -1}}};
    for (const Row& row : rows) {
        const std::string option = row.option;
        Act<Form_Seccion_Tipo>("Form_Seccion_Tipo", [option](Form_Seccion_Tipo& f) {
            EXPECT_EQ(f.Caption(), "Opciones Sección Tipo");
            if (!option.empty()) dynamic_cast<platform::OptionButton*>(f.Find(option))->UserClick();
            f.Command_Aceptar.UserClick();
        });
        EXPECT_TRUE(design_readers::PedirCapaSeccion(ctx));
        ExpectFlags(Now(), row.want);
        EXPECT_EQ(desktop.MousePointer(), platform::kHourglass);
    }
    // Closed from its title bar after choosing Taludes: the request is cancelled and
    // the last accepted choice (Rasante) stays.
    Act<Form_Seccion_Tipo>("Form_Seccion_Tipo", [](Form_Seccion_Tipo& f) { f.Option_Taludes.UserClick(); });
    CloseBox("Form_Seccion_Tipo");
    EXPECT_FALSE(design_readers::PedirCapaSeccion(ctx));
    ExpectFlags(Now(), {0, 0, -1});
    EXPECT_EQ(design_readers::BloqueElegido(state), 'R');
}

TEST_F(SectionDialogs, AHiddenTaludesOptionLastsOneShowing) {
    bool visible = true;
    Act<Form_Seccion_Tipo>("Form_Seccion_Tipo", [&visible](Form_Seccion_Tipo& f) {
        visible = f.Option_Taludes.Visible();
        f.Command_Aceptar.UserClick();
    });
    EXPECT_TRUE(design_readers::PedirCapaSeccion(ctx, false));
    EXPECT_FALSE(visible);
    Act<Form_Seccion_Tipo>("Form_Seccion_Tipo", [&visible](Form_Seccion_Tipo& f) {
        visible = f.Option_Taludes.Visible();
        f.Command_Aceptar.UserClick();
    });
    EXPECT_TRUE(design_readers::PedirCapaSeccion(ctx));
    EXPECT_TRUE(visible);
}

TEST_F(SectionDialogs, CheckBoxesTickOneAtATimeAndRefuseAnEmptyChoice) {
    Act<frmClipOptions>("frmClipOptions", [](frmClipOptions& f) {
        // Loading ticks the three in turn: only Rasante remains.
        EXPECT_EQ(f.Check1.Value(), 0);
        EXPECT_EQ(f.Check4.Value(), 0);
        EXPECT_EQ(f.Check3.Value(), 1);
        EXPECT_TRUE(f.Check1.Visible());
        f.Check4.UserClick();
        EXPECT_EQ(f.Check3.Value(), 0);
        EXPECT_EQ(f.Check4.Value(), 1);
        f.Check4.UserClick();  // cleared: nothing ticked
        f.btnAceptar.UserClick();
        EXPECT_TRUE(f.Loaded());
        f.Check4.UserClick();
        f.btnAceptar.UserClick();
    });
    EXPECT_TRUE(design_readers::PedirCapasClip(ctx));
    ExpectFlags(Now(), {0, -1, 0});
    ASSERT_EQ(desktop.Boxes().size(), 1u);
    EXPECT_EQ(desktop.Boxes()[0].text, "Elegir una opción");
    EXPECT_EQ(desktop.Boxes()[0].style, platform::mb::OKOnly);

    // Accepted as it opens: Rasante. Corvana hides Taludes.
    state.FormatoCampo = 3;
    bool visible = true;
    Act<frmClipOptions>("frmClipOptions", [&visible](frmClipOptions& f) {
        visible = f.Check1.Visible();
        f.btnAceptar.UserClick();
    });
    EXPECT_TRUE(design_readers::PedirCapasClip(ctx));
    EXPECT_FALSE(visible);
    ExpectFlags(Now(), {0, 0, -1});

    // Closed from its title bar while Rasante is shown: cancelled, flags untouched
    // (not the Taludes the loading once chose).
    state.OpcionRasante = 0;
    state.OpcionSubRasante = -1;
    CloseBox("frmClipOptions");
    EXPECT_FALSE(design_readers::PedirCapasClip(ctx));
    ExpectFlags(Now(), {0, -1, 0});
}

}  // namespace
