#pragma once
// Python with ezdxf, the independent DXF library some tests write and read drawings with.

#include <string>
#include <vector>

namespace testing_support {

// The command of a Python that imports ezdxf; "" when there is none.
std::string PythonWithEzdxf();

struct PythonRun {
    int status;           // 0 when the script succeeded
    std::string command;  // as given to the shell, for a failure message
};

// Runs a script of the tests/ folder (its path from there) with these arguments, each
// quoted as the system's shell wants it.
PythonRun RunPython(const std::string& python, const std::string& script, const std::vector<std::string>& args);

}  // namespace testing_support
