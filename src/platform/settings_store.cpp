#include "platform/settings_store.h"

namespace platform {

std::string MemorySettingsStore::GetSetting(const std::string& app, const std::string& section,
                                            const std::string& key) const {
    auto found = values_.find(Key{app, section, key});
    return found == values_.end() ? std::string() : found->second;
}

void MemorySettingsStore::SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                                      const std::string& value) {
    values_[Key{app, section, key}] = value;
    ++writes_;
}

bool MemorySettingsStore::Exists(const std::string& app, const std::string& section, const std::string& key) const {
    return values_.count(Key{app, section, key}) != 0;
}

void MemorySettingsStore::DeleteSetting(const std::string& app, const std::string& section, const std::string& key) {
    values_.erase(Key{app, section, key});
    ++writes_;
}

}  // namespace platform
