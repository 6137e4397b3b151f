#pragma once
// The surroundings of one conversion under the fuzzer: a scripted desktop, settings
// in memory and a fresh State in the field format the input picked. A harness binds
// the members by name: `auto& [desktop, store, state, ctx] = sesion;`.

#include <cstdint>

#include "app/context.h"
#include "app/state.h"
#include "platform/scripted_desktop.h"
#include "platform/settings_store.h"

namespace fuzz {

struct Sesion {
    explicit Sesion(std::int16_t formato = 0) { state.FormatoCampo = formato; }
    Sesion(const Sesion&) = delete;
    Sesion& operator=(const Sesion&) = delete;

    platform::ScriptedDesktop desktop;
    platform::MemorySettingsStore store;
    State state;
    Context ctx{desktop, store, state};
};

}  // namespace fuzz
