#include "support/fuzz_support.h"

#include <cstdio>
#include <filesystem>
#include <random>
#include <stdexcept>

namespace fuzz {

const std::string& ScratchFolder() {
    static const std::string folder = [] {
        namespace fs = std::filesystem;
        const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        // A folder of this process alone: one that exists is someone else's.
        std::random_device random;
        fs::path dir;
        do {
            dir = base / ("tarsel-fuzz-" + std::to_string(random()));
        } while (!fs::create_directory(dir));
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
