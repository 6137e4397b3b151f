// The terrain-model run, stage after stage.

#include "common/numbers.h"
#include "common/utf8_case.h"
#include "design_readers/dxf_mdt.h"

namespace EntryDxf {

std::int32_t DXF_MDT(const std::string& FicheroDXF, const std::string& FicheroSalida, const std::string& Capa,
                     design_readers::WindowServices& window, platform::Desktop& desktop) {
    Puntos puntos(1);
    Triangulos triangulos(1);
    Incidencias incidencias(1);
    design_readers::ProgressLine progress(window);

    progress.Show("Buscando Triangulos");
    if (!LeerCaras3D(FicheroDXF, Capa, puntos, triangulos, progress)) {
        desktop.MsgBox("El fichero " + Utf8::ToUpper(FicheroDXF) + " no contine entidades 3DCara en la capa " + Capa,
                       64, "Error");
        desktop.SetMousePointer(platform::kDefaultPointer);
        return 0;
    }
    Ordenar_Renumerar(puntos, triangulos, incidencias, progress);

    const std::int64_t np = static_cast<std::int64_t>(puntos.size()) - 1;
    const std::int64_t nt = static_cast<std::int64_t>(triangulos.size()) - 1;
    if (!CabeEnMDT(np, nt)) {
        desktop.MsgBox("El modelo de " + Utf8::ToUpper(FicheroDXF) + " tiene demasiados puntos (" +
                           Num::StrTrim(static_cast<double>(np)) + ") y triángulos (" +
                           Num::StrTrim(static_cast<double>(nt)) + ") para un fichero MDT; no se ha escrito",
                       16, "Error");
        desktop.SetMousePointer(platform::kDefaultPointer);
        return 0;
    }
    progress.Show("Escribiendo fichero");
    WriteMDTFile(FicheroSalida, puntos, triangulos, incidencias);
    return static_cast<std::int32_t>(nt);
}

}  // namespace EntryDxf
