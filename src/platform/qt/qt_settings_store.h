#pragma once
// The per-user settings of the operating system, through QSettings: the application
// name is both organisation and application, the sections are groups.

#include <map>
#include <memory>
#include <string>

#include "platform/settings_store.h"

class QSettings;

namespace platform::qt {

class QtSettingsStore : public SettingsStore {
public:
    // The user's own store (a QApplication or QCoreApplication must exist).
    QtSettingsStore();
    // INI files named after the application inside this folder (for tests).
    explicit QtSettingsStore(std::string folder);
    ~QtSettingsStore() override;
    QtSettingsStore(const QtSettingsStore&) = delete;
    QtSettingsStore& operator=(const QtSettingsStore&) = delete;

    std::string GetSetting(const std::string& app, const std::string& section, const std::string& key) const override;
    void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override;
    bool Exists(const std::string& app, const std::string& section, const std::string& key) const override;
    void DeleteSetting(const std::string& app, const std::string& section, const std::string& key) override;
    void Flush() override;

private:
    QSettings& For(const std::string& app) const;

    std::string folder_;
    // One QSettings an application, opened on first use.
    mutable std::map<std::string, std::unique_ptr<QSettings>> stores_;
};

}  // namespace platform::qt
