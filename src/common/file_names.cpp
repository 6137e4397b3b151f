#include "common/file_names.h"

#include "common/utf8_case.h"
#include "platform/files.h"

std::string UpperFileName(std::string_view name) { return Utf8::ToUpper(name); }

std::string FolderOf(std::string_view name) {
    const size_t last = platform::LastFolderSeparator(name);
    if (last == std::string_view::npos) return {};
    return std::string(name.substr(0, last + 1));
}

bool SameFile(const std::string& first, const std::string& second) {
    if (UpperFileName(first) == UpperFileName(second)) return true;
    return platform::SameFileOnDisk(first, second);
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
