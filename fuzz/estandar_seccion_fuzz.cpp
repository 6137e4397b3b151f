// The Estandar typical-section reader through its whole shape: the first input bytes
// choose the field format (Tarsel, Tarsel v3.00 with a layer or a closed dialog,
// Corvana over a fixed profile); the rest is the section file.

#include <cstdint>

#include "design_readers/estandar_seccion.h"
#include "support/fuzz_sections.h"
#include "support/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Choices choices(data, size);
    return fuzz::CorrerSeccion(choices, "Estandar", design_readers::Estandar_Seccion_Tipo);
}
