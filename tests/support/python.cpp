#include "support/python.h"

#include <cstdlib>

namespace testing_support {

namespace {

#ifdef _WIN32
constexpr const char* kQuiet = " >NUL 2>&1";
// cmd.exe: names hold no double quote.
std::string Quoted(const std::string& text) { return "\"" + text + "\""; }
#else
constexpr const char* kQuiet = " >/dev/null 2>&1";
std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}
#endif

}  // namespace

std::string PythonWithEzdxf() {
    for (const char* python : {"python3", "/usr/bin/python3"}) {
        const std::string probe = std::string(python) + " -c \"import ezdxf\"" + kQuiet;
        if (std::system(probe.c_str()) == 0) return python;
    }
    return {};
}

PythonRun RunPython(const std::string& python, const std::string& script, const std::vector<std::string>& args) {
    PythonRun run{0, python + " " + Quoted(std::string(TARSEL_TEST_DATA) + "/" + script)};
    for (const std::string& arg : args) run.command += " " + Quoted(arg);
    run.status = std::system(run.command.c_str());
    return run;
}

}  // namespace testing_support
