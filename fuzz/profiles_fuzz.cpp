// The profile readers (Tarsel .PRF files, KTW profile files of formats 2 and 3, text
// profile lists) through every profile filter: the first input bytes choose the
// reader, the filter, the DXF mode and the decimal separator; the rest is the file.

#include <cstdint>
#include <filesystem>

#include "app/state.h"
#include "common/errors.h"
#include "field_to_office/ktw_profiles.h"
#include "field_to_office/prf_profiles.h"
#include "field_to_office/text_profiles.h"
#include "support/fuzz_support.h"

namespace {

const char* const kFilters[] = {"Perfiles Clip", "Topcal", "Istram Estandar", "Vial", "DXF",
                                "Estandar",      "Modelo Digital", "Elsamex", "TCP"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Choices choices(data, size);
    const unsigned kind = choices.Pick(4);
    ProfileRequest request;
    request.filtro = kFilters[choices.Pick(std::size(kFilters))];
    request.decimalSeparator = choices.Pick(2) == 0 ? '.' : ',';
    request.formatoCampo = kind == 2 ? 3 : 2;
    request.tipoLin = static_cast<std::int16_t>(choices.Pick(100)) - 50;
    State state;
    state.DosTresD = static_cast<std::int16_t>(2 + choices.Pick(3));
    request.entrada = fuzz::WriteScratch("entrada", choices.Rest());
    request.salida = fuzz::ScratchFolder() + "salida.txt";
    std::int32_t contadorVertices = 0;
    try {
        switch (kind) {
            case 0: ConvertPRFPerfiles(request, state, contadorVertices, [](const std::string&) {}); break;
            case 1:
            case 2: ConvertKTWPerfiles(request, state, contadorVertices); break;
            default: ConvertTextPerfiles(request, state, contadorVertices); break;
        }
    } catch (const ConversionError&) {
        // Refused with a message for the user: a correct answer to bad input.
    }
    std::filesystem::remove(request.salida);
    return 0;
}
