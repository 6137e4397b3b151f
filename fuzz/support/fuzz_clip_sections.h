#pragma once
// One run of a Clip section reader through its whole shape, as every section
// harness runs its reader (an RTF listing through the window's rich-text control).

#include <cstdint>
#include <string>

#include "design_readers/clip_secciones.h"
#include "support/fuzz_sections.h"

namespace fuzz {

// A "*ALZ" profile for Corvana runs.
inline constexpr std::string_view kAlzadoClip = "*ALZ\r\n0,100C,0T\r\n500,105C,0T\r\n1000,100C,0T\r\n";

inline int CorrerSeccionClip(const std::uint8_t* data, std::size_t size, LectorSeccion leer) {
    Choices choices(data, size);
    return CorrerSeccion(choices, "Clip Windows", leer, kAlzadoClip);
}

}  // namespace fuzz
