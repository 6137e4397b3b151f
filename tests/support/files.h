#pragma once
// Small helpers for tests that write and read files. Names are UTF-8, as in the
// program, and reach the files through the same platform calls.

#include <filesystem>
#include <string>

namespace testing_support {

// A folder of its own under the system's temporary folder, named with this prefix;
// no other process or test can have it.
std::filesystem::path FreshFolder(const std::string& prefix);

// A fresh folder under the system's temporary folder, removed at the end of the test.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& Path() const { return path_; }
    // The path of a file inside the folder, as UTF-8 text.
    std::string File(const std::string& name) const;

private:
    std::filesystem::path path_;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

}  // namespace testing_support
