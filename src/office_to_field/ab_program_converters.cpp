#include "office_to_field/ab_program_converters.h"

#include <vector>

#include "design_readers/cartomap.h"
#include "design_readers/tcp.h"
#include "design_readers/trazado.h"
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

}  // namespace office_to_field
