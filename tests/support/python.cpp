#include "support/python.h"

#include <cstdlib>

namespace testing_support {

std::string PythonWithEzdxf() {
#ifdef _WIN32
    const char* quiet = " >NUL 2>&1";
#else
    const char* quiet = " >/dev/null 2>&1";
#endif
    for (const char* python : {"python3", "/usr/bin/python3"}) {
        const std::string probe = std::string(python) + " -c \"import ezdxf\"" + quiet;
        if (std::system(probe.c_str()) == 0) return python;
    }
    return {};
}

}  // namespace testing_support
