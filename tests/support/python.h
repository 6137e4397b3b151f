#pragma once
// Python with ezdxf, the independent DXF library some tests write and read drawings with.

#include <string>

namespace testing_support {

// The command of a Python that imports ezdxf; "" when there is none.
std::string PythonWithEzdxf();

}  // namespace testing_support
