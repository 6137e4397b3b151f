// Runs one scenario file; exits non-zero with a line that says what differed.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <unistd.h>

#include "runner/scenario.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: scenario_runner FILE.scn\n";
        return 2;
    }
    const std::string path = argv[1];
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << path << ": cannot be read\n";
        return 2;
    }
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // A checkout without the real sample files skips the scenarios that read them.
    if (text.find("$REALDATA") != std::string::npos && !std::filesystem::is_directory(TARSEL_REALDATA)) {
        std::cout << path << ": skipped, no real files in " << TARSEL_REALDATA << "\n";
        return 77;
    }
    auto work = std::filesystem::temp_directory_path() /
                ("tarsel-scenario-" + std::to_string(::getpid()));
    std::filesystem::remove_all(work);
    std::filesystem::create_directories(work);
    int status = 0;
    try {
        int checks = scenario::Run(scenario::Parse(text), work.string());
        std::cout << path << ": " << checks << " checks\n" << checks << " passed, 0 failed\n";
    } catch (const scenario::Failure& failure) {
        std::cerr << path << ":" << failure.line << ": " << failure.message << "\n";
        std::cout << "0 passed, 1 failed\n";
        status = 1;
    } catch (const std::exception& error) {
        std::cerr << path << ": unexpected error: " << error.what() << "\n";
        status = 1;
    }
    std::filesystem::remove_all(work);
    return status;
}
