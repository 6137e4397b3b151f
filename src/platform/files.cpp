#include "platform/files.h"

#include <cstring>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#endif

namespace platform {

namespace fs = std::filesystem;

fs::path PathOf(std::string_view name) { return fs::path(std::u8string(name.begin(), name.end())); }

std::string NameOf(const fs::path& path) {
    const std::u8string name = path.u8string();
    return std::string(name.begin(), name.end());
}

std::size_t LastFolderSeparator(std::string_view name) {
    for (std::size_t i = name.size(); i > 0; --i) {
        if (IsFolderSeparator(name[i - 1])) return i - 1;
    }
    return std::string_view::npos;
}

std::FILE* OpenFile(const std::string& name, const char* mode) {
#ifdef _WIN32
    const fs::path path = PathOf(name);
    if (std::strchr(mode, 'x') != nullptr) {
        const int write = std::strchr(mode, '+') != nullptr ? _O_RDWR : _O_WRONLY;
        const int fd = _wopen(path.c_str(), write | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
        if (fd < 0) return nullptr;
        std::FILE* file = _fdopen(fd, std::strchr(mode, '+') != nullptr ? "w+b" : "wb");
        if (file == nullptr) _close(fd);
        return file;
    }
    const std::wstring wideMode(mode, mode + std::strlen(mode));
    return _wfopen(path.c_str(), wideMode.c_str());
#else
    return std::fopen(name.c_str(), mode);
#endif
}

std::optional<std::string> ReadFile(const std::string& name) {
    std::FILE* file = OpenFile(name, "rb");
    if (file == nullptr) return std::nullopt;
    std::string bytes;
    char buffer[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return std::nullopt;
    return bytes;
}

bool FileExists(const std::string& name) {
    std::error_code error;
    return fs::exists(PathOf(name), error) && !error;
}

bool IsFolder(const std::string& name) {
    std::error_code error;
    return fs::is_directory(PathOf(name), error) && !error;
}

bool RemoveFile(const std::string& name) {
    std::error_code error;
    return fs::remove(PathOf(name), error) && !error;
}

bool RenameFile(const std::string& from, const std::string& to) {
    std::error_code error;
    fs::rename(PathOf(from), PathOf(to), error);
    return !error;
}

std::optional<std::uintmax_t> FileSize(const std::string& name) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(PathOf(name), error);
    if (error) return std::nullopt;
    return size;
}

bool SameFileOnDisk(const std::string& first, const std::string& second) {
    std::error_code error;
    const bool same = fs::equivalent(PathOf(first), PathOf(second), error);
    return same && !error;
}

}  // namespace platform
