#include "field_to_office/ba_file_names.h"

#include <filesystem>
#include <system_error>

std::string UpperFileName(std::string_view name) {
    std::string upper;
    upper.reserve(name.size());
    for (size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (c >= 'a' && c <= 'z') {
            upper.push_back(static_cast<char>(c - 'a' + 'A'));
        } else if (c == 0xC3 && i + 1 < name.size()) {
            // U+00E0..U+00FE, but for U+00F7 (the division sign), have their capital 0x20 below.
            const auto next = static_cast<unsigned char>(name[i + 1]);
            upper.push_back(name[i]);
            upper.push_back(next >= 0xA0 && next <= 0xBE && next != 0xB7 ? static_cast<char>(next - 0x20) : name[i + 1]);
            ++i;
        } else {
            upper.push_back(name[i]);
        }
    }
    return upper;
}

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
