#pragma once
// The per-user store of string settings, addressed by application, section and key.
// A key that does not exist reads as "".

#include <map>
#include <optional>
#include <string>
#include <tuple>

namespace platform {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::string GetSetting(const std::string& app, const std::string& section, const std::string& key) const = 0;
    virtual void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                             const std::string& value) = 0;
    // Whether the key exists at all (an empty value still exists).
    virtual bool Exists(const std::string& app, const std::string& section, const std::string& key) const = 0;
    virtual void DeleteSetting(const std::string& app, const std::string& section, const std::string& key) = 0;
    // Writes what is pending to permanent storage.
    virtual void Flush() {}
};

class MemorySettingsStore : public SettingsStore {
public:
    std::string GetSetting(const std::string& app, const std::string& section, const std::string& key) const override;
    void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override;
    bool Exists(const std::string& app, const std::string& section, const std::string& key) const override;
    void DeleteSetting(const std::string& app, const std::string& section, const std::string& key) override;

    using Key = std::tuple<std::string, std::string, std::string>;
    const std::map<Key, std::string>& All() const { return values_; }
    // How many writes were made, to tell an untouched store from a rewritten one.
    int WriteCount() const { return writes_; }

private:
    std::map<Key, std::string> values_;
    int writes_ = 0;
};

// The application name every setting of the program lives under.
inline constexpr const char* kApp = "tarsel";

}  // namespace platform
