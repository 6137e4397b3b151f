#include "app/settings_defaults.h"

#include <array>
#include <utility>

#include "platform/file_system.h"

namespace app {

namespace {

constexpr std::array<const char*, 15> kStandardFilters = {
    "Estandar", "Istram Estandar", "Modelo Digital", "Perfiles Clip", "Elsamex",
    "Istram (EPSA)", "DXF", "TCP", "Topcal", "Brennsoft",
    "InRoads", "Vial", "SDR", "Calco", "FieldWorks",
};

constexpr std::array<std::pair<const char*, const char*>, 16> kDxfDefaults = {{
    {"escala", "1000"},
    {"dos_tres_d", "3"},
    {"layer1_activo", "1"},
    {"layer1_nombre", "No_Punto"},
    {"layer1_color", "1"},
    {"layer2_activo", "1"},
    {"layer2_nombre", "Coords_XY"},
    {"layer2_color", "2"},
    {"layer2_decimales", "3"},
    {"layer3_activo", "1"},
    {"layer3_nombre", "Coord_Z"},
    {"layer3_color", "3"},
    {"layer3_decimales", "3"},
    {"layer4_activo", "1"},
    {"layer4_nombre", "Codigo"},
    {"layer4_color", "4"},
}};

}  // namespace

std::string FilterKey(int number) {
    return (number < 10 ? "filtro0" : "filtro") + std::to_string(number);
}

bool WriteFirstRunDefaults(Context& ctx) {
    // Only "filtro01" decides: once it holds a name nothing else is looked at here.
    if (!ctx.GetSetting("filtros", "filtro01").empty()) return false;

    for (size_t i = 0; i < kStandardFilters.size(); ++i) {
        ctx.SaveSetting("filtros", FilterKey(static_cast<int>(i) + 1), kStandardFilters[i]);
    }
    for (int n = 50; n <= 60; ++n) ctx.SaveSetting("filtros", FilterKey(n), "");

    // The dialogs open in the user's own folder until a conversion stores another
    // (nothing when there is none: the dialogs then fall back to it themselves).
    const std::string folder = platform::HomeFolder();
    for (const char* key : {"path_ab_ent", "path_ab_sal", "path_ba_ent", "path_ba_sal", "path_trans"}) {
        ctx.SaveSetting("path", key, folder);
    }
    for (const auto& [key, value] : kDxfDefaults) ctx.SaveSetting("DXF", key, value);
    ctx.SaveSetting("INI", "transformacion", "");
    ctx.SaveSetting("INI", "formato", "");
    return true;
}

}  // namespace app
