#pragma once
// What every window and converter receives: the desktop, the settings store and
// the shared state.

#include "app/state.h"
#include "platform/desktop.h"
#include "platform/settings_store.h"

struct Context {
    platform::Desktop& desktop;
    platform::SettingsStore& settings;
    State& state;

    std::string GetSetting(const std::string& section, const std::string& key) const {
        return settings.GetSetting(platform::kApp, section, key);
    }
    void SaveSetting(const std::string& section, const std::string& key, const std::string& value) {
        settings.SaveSetting(platform::kApp, section, key, value);
    }
};
