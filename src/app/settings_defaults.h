#pragma once
// The layout of the settings store the whole program shares, and its first-run defaults.

#include "app/context.h"

namespace app {

// Writes every first-run default, one key at a time in the fixed order, when
// "filtros"/"filtro01" is empty. Returns whether it wrote them.
bool WriteFirstRunDefaults(Context& ctx);

// "filtro" followed by the two-digit number: "filtro01" ... "filtro99".
std::string FilterKey(int number);

}  // namespace app
