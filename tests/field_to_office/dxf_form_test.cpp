// The dialog "Parámetros DXF" on the scripted desktop.

#include "field_to_office/form_dxf.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "platform/scripted_desktop.h"
#include "platform/settings_store.h"

namespace {

class FormDXFTest : public ::testing::Test {
protected:
    FormDXFTest() {
        // The first-run values of the section "DXF".
        const std::map<std::string, std::string> defaults = {
            {"escala", "1000"},          {"dos_tres_d", "3"},          {"layer1_activo", "1"},
            {"layer1_nombre", "No_Punto"}, {"layer1_color", "1"},      {"layer2_activo", "1"},
            {"layer2_nombre", "Coords_XY"}, {"layer2_color", "2"},     {"layer2_decimales", "3"},
            {"layer3_activo", "1"},      {"layer3_nombre", "Coord_Z"}, {"layer3_color", "3"},
            {"layer3_decimales", "3"},   {"layer4_activo", "1"},       {"layer4_nombre", "Codigo"},
            {"layer4_color", "4"},
        };
        for (const auto& [key, value] : defaults) Store(key, value);
    }

    void Store(const std::string& key, const std::string& value) { store.SaveSetting(platform::kApp, "DXF", key, value); }
    std::string Stored(const std::string& key) const { return store.GetSetting(platform::kApp, "DXF", key); }

    // Shows the dialog and runs the user's actions in it.
    void Show(std::function<void(Form_DXF&)> actions) {
        form = std::make_unique<Form_DXF>(ctx);
        desktop.QueueAction([this, actions] { actions(*form); });
        desktop.ShowModal(*form);
    }

    platform::ScriptedDesktop desktop;
    platform::MemorySettingsStore store;
    State state;
    Context ctx{desktop, store, state};
    std::unique_ptr<Form_DXF> form;
};

TEST_F(FormDXFTest, LoadShowsTheStoredOptions) {
    Store("dos_tres_d", "4");
    Store("layer3_activo", "0");
    Store("layer4_color", "7");
    Store("layer2_decimales", "1");
    Show([](Form_DXF& f) {
        EXPECT_EQ(f.Caption(), "Parámetros DXF");
        EXPECT_EQ(f.Text1.Text(), " 1000");
        EXPECT_FALSE(f.Option2.Value());
        EXPECT_TRUE(f.Option3.Value());
        EXPECT_EQ(f.Check1.Value(), 1);
        EXPECT_EQ(f.Check3.Value(), 0);
        EXPECT_EQ(f.Text3.Text(), "Coords_XY");
        EXPECT_EQ(f.Text6.Text(), "1");
        EXPECT_EQ(f.Text7.Text(), "3");
        EXPECT_EQ(f.Pt_Colour.Text(), "Rojo");
        EXPECT_EQ(f.Code_Colour.Text(), "Blanco");
        EXPECT_EQ(f.Code_Colour.ListCount(), 7);
    });
    EXPECT_EQ(state.DosTresD, 4);
    EXPECT_EQ(state.Layer3Activo, 0);
}

TEST_F(FormDXFTest, AcceptSavesEveryKeyAndTheOptions) {
    Show([](Form_DXF& f) {
        f.Text1.UserType("500");
        f.Option1.UserClick();
        f.Check2.UserClick();  // off
        f.Text4.UserType("");  // an empty name takes the default
        f.Text5.UserType("Cód");
        f.Z_Colour.UserSelect(5);
        f.Text7.UserType("2");
        f.btn_acept.UserClick();
    });
    EXPECT_FALSE(form->Loaded());
    EXPECT_EQ(state.Escala, 500);
    EXPECT_EQ(state.DosTresD, 2);
    EXPECT_EQ(state.Layer2Activo, 0);
    EXPECT_EQ(state.Layer3Nombre, "Coord_Z");
    EXPECT_EQ(state.Layer3Color, 6);
    EXPECT_EQ(state.Layer3Decimales, 2);
    EXPECT_EQ(state.CancelarDXF, 0);
    const std::map<std::string, std::string> saved = {
        {"escala", " 500"},           {"dos_tres_d", " 2"},          {"layer1_activo", " 1"},
        {"layer1_nombre", "No_Punto"}, {"layer1_color", " 1"},       {"layer2_activo", " 0"},
        {"layer2_nombre", "Coords_XY"}, {"layer2_color", " 2"},      {"layer2_decimales", " 3"},
        {"layer3_activo", " 1"},      {"layer3_nombre", "Coord_Z"},  {"layer3_color", " 6"},
        {"layer3_decimales", " 2"},   {"layer4_activo", " 1"},       {"layer4_nombre", "Cód"},
        {"layer4_color", " 4"},
    };
    for (const auto& [key, value] : saved) EXPECT_EQ(Stored(key), value) << key;
}

TEST_F(FormDXFTest, DecimalsStayBetweenZeroAndThree) {
    Show([](Form_DXF& f) {
        f.Text6.UserType("7");
        EXPECT_EQ(f.Text6.Text(), "3");
        f.Text7.UserType("-1");
        EXPECT_EQ(f.Text7.Text(), "0");
        f.Text7.UserType("2");
        EXPECT_EQ(f.Text7.Text(), "2");
        f.Text6.UserType("1e999");
        EXPECT_EQ(f.Text6.Text(), "3");
        f.btn_Cancel.UserClick();
    });
}

TEST_F(FormDXFTest, CancelKeepsEverything) {
    const int writes = store.WriteCount();
    Show([](Form_DXF& f) {
        f.Text1.UserType("250");
        f.btn_Cancel.UserClick();
    });
    EXPECT_EQ(state.CancelarDXF, 1);
    EXPECT_EQ(store.WriteCount(), writes);
    EXPECT_EQ(state.Escala, 1000);
    EXPECT_FALSE(form->Loaded());
}

TEST_F(FormDXFTest, ScaleOutsideItsRangeIsRefusedAndTheDialogStays) {
    const int writes = store.WriteCount();
    Show([this, writes](Form_DXF& f) {
        for (const char* scale : {"40000", "0", "-5", "abc", "1e999"}) {
            f.Text1.UserType(scale);
            f.btn_acept.UserClick();
            EXPECT_TRUE(f.Loaded()) << scale;
        }
        EXPECT_EQ(store.WriteCount(), writes);
        f.Text1.UserType("32767");
        f.btn_acept.UserClick();
    });
    const auto boxes = desktop.Boxes();
    ASSERT_EQ(boxes.size(), 5u);
    EXPECT_EQ(boxes[0].text, "La escala de dibujo tiene que ser un número entero entre 1 y 32767.");
    EXPECT_EQ(boxes[0].title, "Parámetros DXF");
    EXPECT_EQ(Stored("escala"), " 32767");
    EXPECT_FALSE(form->Loaded());
}

TEST_F(FormDXFTest, StoredValuesOutOfRangeStillLoad) {
    Store("escala", "99999");
    Store("layer1_color", "9");
    Store("layer2_color", "0");
    Store("layer3_color", "");
    Store("dos_tres_d", "");
    Show([](Form_DXF& f) {
        EXPECT_EQ(f.Text1.Text(), " 32767");
        EXPECT_EQ(f.Pt_Colour.Text(), "Blanco");
        EXPECT_EQ(f.XY_Colour.Text(), "Rojo");
        EXPECT_EQ(f.Z_Colour.Text(), "Rojo");
        EXPECT_FALSE(f.Option1.Value() || f.Option2.Value() || f.Option3.Value());
        f.btn_acept.UserClick();
    });
    // No option selected: the mode stays as loaded (none, drawn as 2D).
    EXPECT_EQ(Stored("dos_tres_d"), " 0");
    EXPECT_EQ(Stored("layer1_color"), " 7");
}

}  // namespace
