// Runs one scenario file; exits non-zero with a line that says what differed.

#include <filesystem>
#include <iostream>
#include <optional>

#include "platform/files.h"
#include "runner/scenario.h"
#include "support/files.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: scenario_runner FILE.scn\n";
        return 2;
    }
    const std::string path = argv[1];
    const std::optional<std::string> text = platform::ReadFile(path);
    if (!text) {
        std::cerr << path << ": cannot be read\n";
        return 2;
    }
    // A checkout without the real sample files skips the scenarios that read them.
    if (text->find("$REALDATA") != std::string::npos && !platform::IsFolder(TARSEL_REALDATA)) {
        std::cout << path << ": skipped, no real files in " << TARSEL_REALDATA << "\n";
        return 77;
    }
    const std::filesystem::path work = testing_support::FreshFolder("tarsel-scenario-");
    int status = 0;
    try {
        int checks = scenario::Run(scenario::Parse(*text), platform::NameOf(work));
        std::cout << path << ": " << checks << " checks\n" << checks << " passed, 0 failed\n";
    } catch (const scenario::Failure& failure) {
        std::cerr << path << ":" << failure.line << ": " << failure.message << "\n";
        std::cout << "0 passed, 1 failed\n";
        status = 1;
    } catch (const std::exception& error) {
        std::cerr << path << ": unexpected error: " << error.what() << "\n";
        status = 1;
    }
    std::error_code ignored;
    std::filesystem::remove_all(work, ignored);
    return status;
}
