#pragma once
// What the folder chooser needs of the file system: its roots (the drives of a
// Windows machine, "/" elsewhere) and the folders inside a folder.

#include <string>
#include <vector>

namespace platform {

// The roots, each ending with the folder separator.
std::vector<std::string> FileSystemRoots();

// The names of the folders directly inside a folder, sorted; none when it cannot be read.
std::vector<std::string> SubFolders(const std::string& folder);

// The folder as a usable absolute path ending with the separator; "" when it is
// not an existing folder.
std::string UsableFolder(const std::string& folder);

// The user's home folder (HOME; USERPROFILE on Windows) as UsableFolder gives it;
// "" when it is not set or not a folder.
std::string HomeFolder();

}  // namespace platform
