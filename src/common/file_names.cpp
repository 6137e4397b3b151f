#include "common/file_names.h"

#include <filesystem>
#include <system_error>

#include "common/utf8_case.h"

std::string UpperFileName(std::string_view name) { return Utf8::ToUpper(name); }

std::string FolderOf(std::string_view name) {
    const auto separator = static_cast<char>(std::filesystem::path::preferred_separator);
    const size_t last = name.rfind(separator);
    if (last == std::string_view::npos) return {};
    return std::string(name.substr(0, last + 1));
}

bool SameFile(const std::string& first, const std::string& second) {
    if (UpperFileName(first) == UpperFileName(second)) return true;
    std::error_code error;
    const bool same = std::filesystem::equivalent(first, second, error);
    return !error && same;
}

bool ValidFileName(std::string_view name) {
    if (name.empty() || name.back() == ' ' || name.back() == '.') return false;
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) {
            return false;
        }
    }
    // A device name stays a device whatever extension follows it.
    const std::string stem = UpperFileName(name.substr(0, name.find('.')));
    for (const char* device : {"CON", "PRN", "AUX", "NUL"}) {
        if (stem == device) return false;
    }
    return !(stem.size() == 4 && (stem.rfind("COM", 0) == 0 || stem.rfind("LPT", 0) == 0) && stem[3] >= '1' &&
             stem[3] <= '9');
}
