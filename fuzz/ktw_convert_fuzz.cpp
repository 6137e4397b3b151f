// A KTW observation file through every office filter and the DXF writer: the
// first input bytes choose the filter, the kind of file, the DXF mode, the
// decimal separator and the FieldWorks option; the rest is the file.

#include <cstdint>
#include <filesystem>
#include <stdexcept>

#include "app/state.h"
#include "common/errors.h"
#include "field_to_office/ktw_tarsel_taqui.h"
#include "support/fuzz_support.h"

namespace {

const char* const kFilters[] = {"Estandar", "Istram Estandar", "Modelo Digital", "Perfiles Clip", "Elsamex",
                                "Istram (EPSA)", "DXF", "TCP", "Topcal", "Brennsoft",
                                "InRoads", "Vial", "SDR", "Calco", "FieldWorks"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Choices choices(data, size);
    KTWTaquiRequest request;
    request.filtro = kFilters[choices.Pick(std::size(kFilters))];
    const unsigned kind = choices.Pick(3);
    request.analisis = kind == 1;
    request.perfiles = kind == 2;
    request.decimalSeparator = choices.Pick(2) == 0 ? '.' : ',';
    State state;
    state.DosTresD = static_cast<std::int16_t>(2 + choices.Pick(3));
    state.Layer2Decimales = static_cast<std::int16_t>(choices.Pick(12));
    state.Layer3Decimales = static_cast<std::int16_t>(choices.Pick(12));
    const bool coordenadasFieldWorks = choices.Pick(2) == 1;

    request.entrada = fuzz::WriteScratch("entrada.ktw", choices.Rest());
    request.salida = fuzz::ScratchFolder() + "salida.txt";
    std::int32_t contadorVertices = 0;
    try {
        ConvertKTWTaqui(request, state, contadorVertices, [=] { return coordenadasFieldWorks; });
    } catch (const ConversionError&) {
        // Refused with a message for the user: a correct answer to bad input.
    }
    std::filesystem::remove(request.salida);
    std::filesystem::remove(fuzz::ScratchFolder() + "salida.sub");  // the Calco station file
    return 0;
}
