#include "office_to_field/ab_readers.h"

#include <vector>

#include "design_readers/estandar.h"
#include "design_readers/inroads.h"
#include "design_readers/istram.h"

namespace office_to_field {

design_readers::Ficheros FicherosDe(const Context& ctx, const AbRequest& request) {
    return {request.InPath, request.OutPath, ctx.state.InFile, ctx.state.OutFile, request.Header};
}

bool Estandar_Planta(Context& ctx, design_readers::WindowServices&, const AbRequest& request) {
    design_readers::Estandar_Planta(ctx, FicherosDe(ctx, request));
    return true;
}

bool Estandar_Alzado(Context& ctx, design_readers::WindowServices& window, const AbRequest& request) {
    std::vector<TAlzado> alzado;
    design_readers::Estandar_Alzado(ctx, window, FicherosDe(ctx, request), alzado);
    return true;
}

bool Istram_Planta(Context& ctx, design_readers::WindowServices&, const AbRequest& request) {
    design_readers::Istram_Planta(ctx, FicherosDe(ctx, request));
    return true;
}

bool Istram_Alzado(Context& ctx, design_readers::WindowServices& window, const AbRequest& request) {
    std::vector<TAlzado> alzado;
    design_readers::Istram_Alzado(ctx, window, FicherosDe(ctx, request), alzado);
    return true;
}

bool InRoads_Planta(Context& ctx, design_readers::WindowServices&, const AbRequest& request) {
    design_readers::InRoads_Planta(ctx, FicherosDe(ctx, request));
    return true;
}

bool InRoads_Alzado(Context& ctx, design_readers::WindowServices& window, const AbRequest& request) {
    std::vector<TAlzado> alzado;
    design_readers::InRoads_Alzado(ctx, window, FicherosDe(ctx, request), alzado);
    return true;
}

}  // namespace office_to_field
