#pragma once
// Files reached by their names, which are UTF-8 everywhere in the program. On Windows
// the narrow file functions read a name in the machine's ANSI code page, so a folder
// with "Ñ" or an accent could not be opened through them: every open, test, removal,
// renaming and size goes through here, which builds the name the system takes (on
// Windows the wide-character one). The calls never throw; they say whether they worked.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The path of a UTF-8 name, and back.
std::filesystem::path PathOf(std::string_view name);
std::string NameOf(const std::filesystem::path& path);

// Whether a character ends a folder in a name: "/", and on Windows "\" as well (its
// own separator; the file dialogs there may give either).
constexpr bool IsFolderSeparator(char c) {
#ifdef _WIN32
    return c == '/' || c == '\\';
#else
    return c == '/';
#endif
}
// The position of the last folder separator of a name; npos when it has none.
std::size_t LastFolderSeparator(std::string_view name);

// std::fopen under a UTF-8 name. "x" after "w" creates the file only when no file
// has the name (errno EEXIST otherwise), as C11 says, also where the C library of
// the system does not know the letter.
std::FILE* OpenFile(const std::string& name, const char* mode);

// Every byte of a file; nothing when it cannot be opened or read.
std::optional<std::string> ReadFile(const std::string& name);

bool FileExists(const std::string& name);
bool IsFolder(const std::string& name);
// Whether the file was there and is gone.
bool RemoveFile(const std::string& name);
// Gives a file another name, replacing a file that has it.
bool RenameFile(const std::string& from, const std::string& to);
std::optional<std::uintmax_t> FileSize(const std::string& name);
// Whether both names exist and reach the same file (through links, "..", letter case
// where the file system ignores it).
bool SameFileOnDisk(const std::string& first, const std::string& second);

}  // namespace platform
