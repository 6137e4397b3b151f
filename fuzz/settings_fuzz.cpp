// The values the windows read from the settings store, as a hand edit of the store
// may leave them: every window is loaded over them. Lines of the input are the
// values of the keys below, in order.

#include <cstdint>
#include <string>
#include <vector>

#include "app/context.h"
#include "app/register_forms.h"
#include "app/state.h"
#include "platform/desktop.h"
#include "platform/scripted_desktop.h"
#include "platform/settings_store.h"
#include "support/fuzz_support.h"
#include "support/fuzz_session.h"

namespace {

struct Key {
    const char* section;
    std::string key;
};

std::vector<Key> Keys() {
    std::vector<Key> keys = {{"INI", "transformacion"}, {"INI", "formato"},
                             {"path", "path_ba_ent"},   {"path", "path_ba_sal"},
                             {"path", "path_ab_ent"},   {"path", "path_ab_sal"}};
    for (const char* dxf : {"escala", "dos_tres_d", "layer1_activo", "layer1_nombre", "layer1_color",
                            "layer2_activo", "layer2_nombre", "layer2_color", "layer2_decimales",
                            "layer3_activo", "layer3_nombre", "layer3_color", "layer3_decimales",
                            "layer4_activo", "layer4_nombre", "layer4_color"}) {
        keys.push_back({"DXF", dxf});
    }
    for (int n = 1; n <= 99; ++n) keys.push_back({"filtros", (n < 10 ? "filtro0" : "filtro") + std::to_string(n)});
    return keys;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<Key> keys = Keys();
    fuzz::Sesion sesion;
    auto& [desktop, store, state, ctx] = sesion;

    std::string_view rest = fuzz::AsText(data, size);
    for (const Key& key : keys) {
        if (rest.empty()) break;
        const std::size_t end = rest.find('\n');
        store.SaveSetting(platform::kApp, key.section, key.key, std::string(rest.substr(0, end)));
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    }

    app::RegisterForms(ctx);
    try {
        for (const std::string& name : app::FormNames()) desktop.ShowModal(name);
    } catch (const platform::EndProgram&) {
    }
    return 0;
}
