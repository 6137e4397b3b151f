#include "platform/qt/qt_settings_store.h"

#include <QSettings>

#include "platform/qt/text.h"

namespace platform::qt {

namespace {

QString KeyPath(const std::string& section, const std::string& key) { return ToQ(section) + '/' + ToQ(key); }

}  // namespace

QtSettingsStore::QtSettingsStore() = default;

QtSettingsStore::QtSettingsStore(std::string folder) : folder_(std::move(folder)) {}

QtSettingsStore::~QtSettingsStore() { Flush(); }

QSettings& QtSettingsStore::For(const std::string& app) const {
    auto& store = stores_[app];
    if (!store) {
        if (folder_.empty()) {
            store = std::make_unique<QSettings>(ToQ(app), ToQ(app));
        } else {
            store = std::make_unique<QSettings>(ToQ(folder_) + '/' + ToQ(app) + ".ini", QSettings::IniFormat);
        }
    }
    return *store;
}

std::string QtSettingsStore::GetSetting(const std::string& app, const std::string& section,
                                        const std::string& key) const {
    return FromQ(For(app).value(KeyPath(section, key)).toString());
}

void QtSettingsStore::SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                                  const std::string& value) {
    For(app).setValue(KeyPath(section, key), ToQ(value));
}

bool QtSettingsStore::Exists(const std::string& app, const std::string& section, const std::string& key) const {
    return For(app).contains(KeyPath(section, key));
}

void QtSettingsStore::DeleteSetting(const std::string& app, const std::string& section, const std::string& key) {
    For(app).remove(KeyPath(section, key));
}

void QtSettingsStore::Flush() {
    for (auto& entry : stores_) entry.second->sync();
}

}  // namespace platform::qt
