// Runs a harness over files, as the normal test suite does: the seed files its list
// names and every input that once found a fault. A fault here is a crash, a
// sanitizer report or an exception the harness does not expect.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fs = std::filesystem;

namespace {

void AddFiles(const fs::path& dir, const std::string& ending, std::vector<fs::path>& files) {
    if (!fs::is_directory(dir)) return;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        if (!entry.is_regular_file()) continue;
        const std::string name = entry.path().filename().string();
        if (ending == "*" || (name.size() >= ending.size() &&
                              name.compare(name.size() - ending.size(), ending.size(), ending) == 0)) {
            files.push_back(entry.path());
        }
    }
}

// Lines "folder ending": every file below the folder (relative to the root) whose
// name ends so; "*" takes every file.
void AddSeedList(const fs::path& root, const fs::path& list, std::vector<fs::path>& files) {
    std::ifstream in(list);
    std::string folder, ending;
    while (in >> folder >> ending) {
        if (!folder.empty() && folder[0] == '#') {
            std::getline(in, folder);
            continue;
        }
        AddFiles(root / folder, ending, files);
    }
}

}  // namespace

int main(int argc, char** argv) {
    fs::path root = ".";
    std::vector<fs::path> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--root" && i + 1 < argc) {
            root = argv[++i];
        } else if (arg == "--seeds" && i + 1 < argc) {
            AddSeedList(root, argv[++i], files);
        } else if (fs::is_directory(arg)) {
            AddFiles(arg, "*", files);
        } else {
            files.emplace_back(arg);
        }
    }
    for (const auto& path : files) {
        std::ifstream in(path, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu passed, 0 failed\n", files.size());
    return 0;
}
