#include "support/python.h"

#include <cstdlib>

namespace testing_support {

std::string PythonWithEzdxf() {
    for (const char* python : {"python3", "/usr/bin/python3"}) {
        const std::string probe = std::string(python) + " -c \"import ezdxf\" >/dev/null 2>&1";
        if (std::system(probe.c_str()) == 0) return python;
    }
    return {};
}

}  // namespace testing_support
