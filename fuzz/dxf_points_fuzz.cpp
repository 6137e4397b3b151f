// A DXF drawing through both point imports: the first input bytes choose KTW words or
// point records and the layer typed in the window; the rest is the drawing.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

#include "common/errors.h"
#include "office_to_field/dxf_points.h"
#include "design_readers/fixed_window.h"
#include "platform/scripted_desktop.h"
#include "support/fuzz_support.h"

namespace {

const char* const kLayers[] = {"Capa1", "capa1", "0", "Terreno", "Cañería", "EOF"};


}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Choices choices(data, size);
    const bool bin = choices.Pick(2) == 0;
    office_to_field::AbRequest request;
    request.Layer = kLayers[choices.Pick(std::size(kLayers))];
    request.InPath = fuzz::WriteScratch("dibujo.dxf", choices.Rest());
    request.OutPath = fuzz::ScratchFolder() + "puntos.out";
    State state;
    state.InFile = "DIBUJO.DXF";
    design_readers::FixedWindow window("DXF");
    platform::ScriptedDesktop desktop;
    platform::MemorySettingsStore settings;
    Context ctx{desktop, settings, state};
    try {
        if (bin) {
            office_to_field::DXF_Bin(ctx, window, request);
        } else {
            office_to_field::DXF_KTW(ctx, window, request);
        }
    } catch (const ConversionError&) {
        // Refused with a message for the user: a correct answer to bad input.
    } catch (const std::overflow_error&) {
        // A number too large for a Double: the window says so in its failure box.
    }
    std::filesystem::remove(request.OutPath);
    return 0;
}
