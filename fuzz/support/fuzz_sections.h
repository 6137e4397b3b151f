#pragma once
// The files of a typical-section harness run: the section file from the fuzzer's
// bytes, the outputs and a fixed profile for Corvana runs in the scratch folder.

#include <filesystem>
#include <string>
#include <string_view>

#include "design_readers/section_shape.h"
#include "support/fuzz_support.h"

namespace fuzz {

// The profile of Corvana runs, in Estandar form unless the reader reads another.
inline constexpr std::string_view kAlzadoEstandar = "1 0 100 0.01 0 100000\n2 100000 1100 -0.01 -5000 100\n";

inline design_readers::FicherosSeccion FicherosDeSeccion(std::string_view secciones,
                                                         std::string_view alzado = kAlzadoEstandar) {
    design_readers::FicherosSeccion ficheros;
    ficheros.entrada = WriteScratch("secciones.txt", secciones);
    ficheros.salida = ScratchFolder() + "EJE.SCT";
    ficheros.nombreEntrada = "SECCIONES.TXT";
    ficheros.nombreSalida = "EJE.SCT";
    ficheros.alzado = WriteScratch("eje.alz", alzado);
    ficheros.nombreAlzado = "EJE.ALZ";
    return ficheros;
}

// Removes every output a section run may have written.
inline void BorrarSalidasDeSeccion() {
    for (const char* name : {"EJE.SCT", "EJE.STD", "TEJE.SCT", "SEJE.SCT", "REJE.SCT"}) {
        std::filesystem::remove(ScratchFolder() + name);
    }
}

}  // namespace fuzz
