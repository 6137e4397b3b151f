#include "support/files.h"

#include <cstdio>
#include <random>
#include <stdexcept>

#include "platform/files.h"

namespace testing_support {

std::filesystem::path FreshFolder(const std::string& prefix) {
    std::random_device random;
    for (;;) {
        std::filesystem::path folder =
            std::filesystem::temp_directory_path() / platform::PathOf(prefix + std::to_string(random()));
        // Made here, or taken by someone else: then another name.
        if (std::filesystem::create_directory(folder)) return folder;
    }
}

TempDir::TempDir() : path_(FreshFolder("tarsel-test-")) {}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::File(const std::string& name) const { return platform::NameOf(path_ / platform::PathOf(name)); }

std::string ReadBytes(const std::string& path) {
    std::optional<std::string> bytes = platform::ReadFile(path);
    if (!bytes) throw std::runtime_error("cannot read " + path);
    return std::move(*bytes);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::FILE* out = platform::OpenFile(path, "wb");
    if (out == nullptr) throw std::runtime_error("cannot write " + path);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    if (std::fclose(out) != 0 || !written) throw std::runtime_error("cannot write " + path);
}

}  // namespace testing_support
