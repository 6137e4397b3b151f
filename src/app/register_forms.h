#pragma once
// Registers every window of the program under its name, so that windows can open
// one another by name without knowing each other's classes.

#include <string>
#include <vector>

#include "app/context.h"

namespace app {

void RegisterForms(Context& ctx);

// The names of every registered window, in a stable order.
std::vector<std::string> FormNames();

// Starts the program: loads the start-up window, whose load handler opens the
// start dialog. Returns when the start dialog has closed (or throws EndProgram).
void Start(Context& ctx);

}  // namespace app
