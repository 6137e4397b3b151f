// A DXF drawing through the whole terrain-model run: the first input byte chooses the
// layer typed in the window; the rest is the drawing.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "common/errors.h"
#include "design_readers/dxf_mdt.h"
#include "platform/scripted_desktop.h"
#include "support/fuzz_support.h"
#include "support/fuzz_window.h"

namespace {

const char* const kLayers[] = {"Terreno", "terreno", "0", "Capa1", "EOF", "Fläche"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Choices choices(data, size);
    const std::string capa = kLayers[choices.Pick(std::size(kLayers))];
    const std::string entrada = fuzz::WriteScratch("entrada.dxf", choices.Rest());
    const std::string salida = fuzz::ScratchFolder() + "salida.mdt";
    fuzz::Window window("DXF");
    platform::ScriptedDesktop desktop;
    try {
        EntryDxf::DXF_MDT(entrada, salida, capa, window, desktop);
    } catch (const ConversionError&) {
        // Refused with a message for the user: a correct answer to bad input.
    }
    std::filesystem::remove(salida);
    return 0;
}
