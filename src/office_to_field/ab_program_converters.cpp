#include "office_to_field/ab_program_converters.h"

#include <vector>

#include "common/errors.h"
#include "common/file_names.h"
#include "design_readers/cartomap.h"
#include "design_readers/sdr.h"
#include "design_readers/sierrasoft.h"
#include "design_readers/tcp.h"
#include "design_readers/trazado.h"
#include "field_writers/tunelix_header.h"
#include "office_to_field/ab_readers.h"

namespace office_to_field {

// A refusal has been said by the reader itself (ErrorFichero is set): the request
// still ends normally.
bool Cartomap_Planta(Context& ctx, design_readers::WindowServices& window, const AbRequest& request) {
    design_readers::Cartomap_Planta(ctx, window, FicherosDe(ctx, request));
    return true;
}

bool Cartomap_Alzado(Context& ctx, design_readers::WindowServices& window, const AbRequest& request) {
    std::vector<TAlzado> alzado;
    design_readers::Cartomap_Alzado(ctx, window, FicherosDe(ctx, request), alzado);
    return true;
}

// A cancelled layer dialog or a refused input leaves ErrorFichero at 1: no end box.
bool Cartomap_Seccion_Tipo(Context& ctx, design_readers::WindowServices& window, const AbRequest& request) {
    design_readers::Cartomap_Seccion_Tipo(ctx, window, FicherosSeccionDe(ctx, request));
    return true;
}

bool TCP_Planta(Context& ctx, design_readers::WindowServices&, const AbRequest& request) {
    design_readers::TCP_Planta(ctx, FicherosDe(ctx, request));
    return true;
}

bool TCP_Alzado(Context& ctx, design_readers::WindowServices& window, const AbRequest& request) {
    std::vector<TAlzado> alzado;
    design_readers::TCP_Alzado(ctx, window, FicherosDe(ctx, request), alzado);
    return true;
}

bool TCP_Seccion_Tipo(Context& ctx, design_readers::WindowServices& window, const AbRequest& request) {
    design_readers::TCP_Seccion_Tipo(ctx, window, FicherosSeccionDe(ctx, request));
    return true;
}

bool Trazado_Planta(Context& ctx, design_readers::WindowServices&, const AbRequest& request) {
    design_readers::Trazado_Planta(ctx, FicherosDe(ctx, request));
    return true;
}

bool Trazado_Alzado(Context& ctx, design_readers::WindowServices& window, const AbRequest& request) {
    std::vector<TAlzado> alzado;
    design_readers::Trazado_Alzado(ctx, window, FicherosDe(ctx, request), alzado);
    return true;
}

// A planta request writes the alzado beside the planta; an alzado request writes
// only the alzado, to the file chosen.
bool SDR_Planta_Alzado(Context& ctx, design_readers::WindowServices&, const AbRequest& request) {
    const design_readers::Ficheros ficheros = FicherosDe(ctx, request);
    if (request.kind == Kind::Alzado) {
        design_readers::SDR_Planta_Alzado(ctx, ficheros, ficheros, false);
        return true;
    }
    const std::int16_t formato = ctx.state.FormatoCampo;
    design_readers::Ficheros alzado = ficheros;
    alzado.salida = design_readers::SegundoFicheroSDR(request.OutPath, formato);
    alzado.nombreSalida = design_readers::SegundoFicheroSDR(ctx.state.OutFile, formato);
    alzado.cabecera = formato == 4 ? field_writers::TunelixHeader(alzado.salida, false) : std::string();
    // Writing the alzado over the file being read would lose it.
    if (alzado.nombreSalida == ctx.state.InFile || SameFile(request.InPath, alzado.salida)) {
        throw ConversionError("El fichero de alzado " + alzado.nombreSalida + " sería el propio fichero de entrada.");
    }
    ctx.state.OutFile2 = alzado.nombreSalida;
    design_readers::SDR_Planta_Alzado(ctx, ficheros, alzado, true);
    return true;
}

bool SDR_Seccion_Tipo(Context& ctx, design_readers::WindowServices& window, const AbRequest& request) {
    design_readers::SDR_Seccion_Tipo(ctx, window, FicherosSeccionDe(ctx, request));
    return true;
}

bool SierraSoft_Planta_Alzado(Context& ctx, design_readers::WindowServices& window, const AbRequest& request) {
    design_readers::SierraSoft_Planta_Alzado(ctx, window, FicherosDe(ctx, request));
    return true;
}

bool SierraSoft_Peraltes(Context& ctx, design_readers::WindowServices& window, const AbRequest& request) {
    design_readers::SierraSoft_Peraltes(ctx, window, FicherosDe(ctx, request));
    return true;
}

bool SierraSoft_Seccion_Tipo(Context& ctx, design_readers::WindowServices& window, const AbRequest& request) {
    design_readers::SierraSoft_Seccion_Tipo(ctx, window, FicherosSeccionDe(ctx, request));
    return true;
}

}  // namespace office_to_field
