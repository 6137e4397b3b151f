#include "platform/file_system.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/files.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

std::string WithSeparator(std::string folder) {
    if (folder.empty() || !IsFolderSeparator(folder.back())) folder.push_back(static_cast<char>(fs::path::preferred_separator));
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
    fs::directory_iterator it(PathOf(folder), fs::directory_options::skip_permission_denied, error);
    if (error) return names;
    for (; it != fs::directory_iterator(); it.increment(error)) {
        if (error) break;
        std::error_code typeError;
        if (it->is_directory(typeError)) names.push_back(NameOf(it->path().filename()));
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string UsableFolder(const std::string& folder) {
    if (folder.empty()) return {};
    std::error_code error;
    const fs::path absolute = fs::weakly_canonical(PathOf(folder), error);
    if (error || !fs::is_directory(absolute, error) || error) return {};
    return WithSeparator(NameOf(absolute));
}

std::string HomeFolder() {
#ifdef _WIN32
    // The narrow environment holds the name in the ANSI code page: read the wide one.
    const wchar_t* home = _wgetenv(L"USERPROFILE");
    return home ? UsableFolder(NameOf(fs::path(home))) : std::string();
#else
    const char* home = std::getenv("HOME");
    return home ? UsableFolder(home) : std::string();
#endif
}

}  // namespace platform
