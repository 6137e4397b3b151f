#include "platform/file_system.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace platform {

namespace fs = std::filesystem;

namespace {

std::string WithSeparator(std::string folder) {
    const char separator = static_cast<char>(fs::path::preferred_separator);
    if (folder.empty() || folder.back() != separator) folder.push_back(separator);
    return folder;
}

}  // namespace

std::vector<std::string> FileSystemRoots() {
#ifdef _WIN32
    std::vector<std::string> roots;
    for (char drive = 'A'; drive <= 'Z'; ++drive) {
        const std::string root = std::string(1, drive) + ":\\";
        std::error_code error;
        if (fs::exists(root, error)) roots.push_back(root);
    }
    return roots;
#else
    return {"/"};
#endif
}

std::vector<std::string> SubFolders(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, error);
    if (error) return names;
    for (; it != fs::directory_iterator(); it.increment(error)) {
        if (error) break;
        std::error_code typeError;
        if (it->is_directory(typeError)) names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string UsableFolder(const std::string& folder) {
    if (folder.empty()) return {};
    std::error_code error;
    const fs::path absolute = fs::weakly_canonical(fs::path(folder), error);
    if (error || !fs::is_directory(absolute, error) || error) return {};
    return WithSeparator(absolute.string());
}

std::string HomeFolder() {
#ifdef _WIN32
    const char* home = std::getenv("USERPROFILE");
#else
    const char* home = std::getenv("HOME");
#endif
    return home ? UsableFolder(home) : std::string();
}

}  // namespace platform
