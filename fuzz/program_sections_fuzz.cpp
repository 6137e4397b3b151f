// The typical-section readers of the design programs (Ispol listings, InRoads
// reports, Cartomap and TCP files) through their whole shape: the first input byte chooses the program, the
// next ones the layer dialog's answer and the field format (Corvana over a fixed
// profile in the program's own alzado form); the rest is the section file.

#include <cstdint>
#include <iterator>
#include <string_view>

#include "design_readers/cartomap.h"
#include "design_readers/inroads.h"
#include "design_readers/ispol_seccion.h"
#include "design_readers/tcp.h"
#include "support/fuzz_sections.h"
#include "support/fuzz_support.h"

namespace {

struct Programa {
    const char* nombre;
    fuzz::LectorSeccion leer;
    std::string_view alzado;
};

const Programa kProgramas[] = {
    {"Ispol", design_readers::Ispol_Seccion_Tipo,
     "------------ ---------- -------- ------- -------- ---------- -------- ---------- --------\n"
     "   0.000    100.000\n"
     "  1.000  100000.000  1100.000\n"},
    {"InRoads", design_readers::InRoads_Seccion_Tipo, "LIN 0 100 0.01 0\nLIN 100000 1100 0.01 0\n"},
    {"Cartomap V4.xx", design_readers::Cartomap_Seccion_Tipo, "0\t0\t100\t0\t1\n100000\t0\t1100\t0\t1\n"},
    {"TCP", design_readers::TCP_Seccion_Tipo, "0 100 0 0 0\n100000 1100 0 0 0\n"},
    {"TCP V4", design_readers::TCP_Seccion_Tipo, "0 100 0 0 0\n100000 1100 0 0 0\n"},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Choices choices(data, size);
    const Programa& programa = kProgramas[choices.Pick(static_cast<unsigned>(std::size(kProgramas)))];
    return fuzz::CorrerSeccion(choices, programa.nombre, programa.leer, programa.alzado);
}
