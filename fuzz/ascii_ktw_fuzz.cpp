// A text point list through the KTW point-file converter: the first input bytes
// choose the layout, 2D or 3D, the kind, the program and the constants; the rest is
// the list.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "common/errors.h"
#include "office_to_field/ascii_ktw.h"
#include "design_readers/fixed_window.h"
#include "platform/scripted_desktop.h"
#include "support/fuzz_support.h"

namespace {

const char* const kPrograms[] = {"Estandar", "Clip", "Clip Ferrocarril", "SDR", "Cartomap V3.xx"};


}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Choices choices(data, size);
    State state;
    const bool narrow = choices.Pick(2) == 0;
    state.KtwFormat = narrow ? "KTW 8" : "KTW16";
    state.AnchoPalabra = narrow ? 8 : 16;
    state.Dimensiones = choices.Pick(2) == 0 ? "2" : "3";
    state.ConstanteX = choices.Pick(2) == 0 ? 0.0 : 4400000.0;
    state.ConstanteY = choices.Pick(2) == 0 ? 0.0 : 300000.0;
    office_to_field::AbRequest request;
    request.kind = choices.Pick(2) == 0 ? office_to_field::Kind::Puntos : office_to_field::Kind::SeccionExcavacion;
    design_readers::FixedWindow window(kPrograms[choices.Pick(std::size(kPrograms))]);
    request.InPath = fuzz::WriteScratch("lista.txt", choices.Rest());
    request.OutPath = fuzz::ScratchFolder() + "puntos.ktw";
    platform::ScriptedDesktop desktop;
    platform::MemorySettingsStore settings;
    Context ctx{desktop, settings, state};
    try {
        office_to_field::ASCII_KTW(ctx, window, request);
    } catch (const ConversionError&) {
        // Refused with a message for the user: a correct answer to bad input.
    } catch (const std::overflow_error&) {
        // A number too large for a Double: the window says so in its failure box.
    }
    std::filesystem::remove(request.OutPath);
    return 0;
}
