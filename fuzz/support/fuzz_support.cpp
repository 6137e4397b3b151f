#include "support/fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace fuzz {

const std::string& ScratchFolder() {
    static const std::string folder = [] {
        namespace fs = std::filesystem;
        const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        const fs::path dir = base / ("tarsel-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        return dir.string() + "/";
    }();
    return folder;
}

std::string WriteScratch(const std::string& name, std::string_view bytes) {
    const std::string path = ScratchFolder() + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) throw std::runtime_error("cannot write " + path);
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    return path;
}

}  // namespace fuzz
