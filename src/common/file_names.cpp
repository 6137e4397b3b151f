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
