// The binary field files (.FIC observations, .LIB analysis, .PTO/.BAS points)
// through every office filter and the DXF writer: the first input bytes choose the
// kind of file, the filter, the DXF mode and the decimal separator; the rest is
// the file.

#include <cstdint>
#include <filesystem>

#include "app/state.h"
#include "common/errors.h"
#include "field_to_office/binary_converters.h"
#include "support/fuzz_support.h"

namespace {

const char* const kFilters[] = {"Estandar", "Istram Estandar", "Modelo Digital", "Perfiles Clip", "Elsamex",
                                "Istram (EPSA)", "DXF", "TCP", "Topcal", "Brennsoft",
                                "InRoads", "Vial", "SDR", "Calco", "FieldWorks"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Choices choices(data, size);
    const unsigned kind = choices.Pick(4);
    BinaryRequest request;
    request.filtro = kFilters[choices.Pick(std::size(kFilters))];
    request.decimalSeparator = choices.Pick(2) == 0 ? '.' : ',';
    State state;
    state.DosTresD = static_cast<std::int16_t>(2 + choices.Pick(3));
    state.Layer2Decimales = static_cast<std::int16_t>(choices.Pick(5));
    const char* const names[] = {"entrada.fic", "entrada.fic", "entrada.lib", "entrada.pto"};
    request.entrada = fuzz::WriteScratch(names[kind], choices.Rest());
    request.salida = fuzz::ScratchFolder() + "salida.txt";
    std::int32_t contadorVertices = 0;
    try {
        switch (kind) {
            case 0: ConvertBinaryTaqui(request, state, contadorVertices); break;
            case 1: ConvertBinaryTaquiIstram(request, [](const std::string&) {}); break;
            case 2: ConvertBinaryAnalysis(request, state, contadorVertices); break;
            default: ConvertBinaryBasesPuntos(request, state, contadorVertices); break;
        }
    } catch (const ConversionError&) {
        // Refused with a message for the user: a correct answer to bad input.
    }
    std::filesystem::remove(request.salida);
    return 0;
}
