#pragma once
// A field-to-office window on the scripted desktop, with the fifteen standard
// filters in the store and stand-ins for the windows it opens.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/context.h"
#include "field_to_office/ba_form.h"
#include "platform/scripted_desktop.h"
#include "platform/settings_store.h"

namespace ba_test {

// The standard filters in the order of the first-run settings.
inline std::vector<std::string> StandardFilters() {
    return {"Estandar", "Istram Estandar", "Modelo Digital", "Perfiles Clip", "Elsamex",
            "Istram (EPSA)", "DXF", "TCP", "Topcal", "Brennsoft",
            "InRoads", "Vial", "SDR", "Calco", "FieldWorks"};
}

// A window that only records that it was shown; the DXF stand-in answers with the
// fixture's cancel flag.
class StubForm : public platform::Form {
public:
    StubForm(std::string name, std::function<void()> onLoad)
        : platform::Form(std::move(name), "stub"), onLoad_(std::move(onLoad)) {}
    void Form_Load() override {
        if (onLoad_) onLoad_();
    }

private:
    std::function<void()> onLoad_;
};

class BaFormTest : public ::testing::Test {
protected:
    BaFormTest() {
        const auto names = StandardFilters();
        for (size_t i = 0; i < names.size(); ++i) {
            std::string key = "filtro" + std::string(i + 1 < 10 ? "0" : "") + std::to_string(i + 1);
            store.SaveSetting(platform::kApp, "filtros", key, names[i]);
        }
        store.SaveSetting(platform::kApp, "path", "path_ba_ent", "/datos/campo/");
        store.SaveSetting(platform::kApp, "path", "path_ba_sal", "/datos/oficina/");
        RegisterStub("Bin_KTW", nullptr);
        RegisterStub("ayuda_ba", nullptr);
        RegisterStub("Form_DXF", [this] { state.CancelarDXF = cancelDxf ? 1 : 0; });
    }

    void RegisterStub(const std::string& name, std::function<void()> onLoad) {
        desktop.Forms().Register(name, [this, name, onLoad] {
            auto form = std::make_unique<StubForm>(name, [this, name, onLoad] {
                if (onLoad) onLoad();
                // The stand-in closes itself at once, as a user pressing its button would.
                if (name == "Form_DXF") desktop.Unload(desktop.Forms().Get(name));
            });
            return form;
        });
    }

    // Builds and loads the window for a field format.
    ba_form& Open(std::int16_t formatoCampo) {
        state.FormatoCampo = formatoCampo;
        form = std::make_unique<ba_form>(ctx);
        desktop.ShowModal(*form);
        return *form;
    }

    void SelectFilter(const std::string& name) { ASSERT_TRUE(form->Combo1.UserSelectText(name)) << name; }

    // Installs recording stand-ins for every converter.
    void RecordConverters() {
        for (int c = 0; c < static_cast<int>(Converter::None); ++c) {
            const auto converter = static_cast<Converter>(c);
            form->SetConverter(converter, [this, converter](ba_form&) { calls.push_back(converter); });
        }
    }

    platform::ScriptedDesktop desktop;
    platform::MemorySettingsStore store;
    State state;
    Context ctx{desktop, store, state};
    std::unique_ptr<ba_form> form;
    bool cancelDxf = false;
    std::vector<Converter> calls;
};

}  // namespace ba_test
