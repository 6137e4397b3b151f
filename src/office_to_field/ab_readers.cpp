#include "office_to_field/ab_readers.h"

#include <string>
#include <vector>

#include "design_readers/clip_entrada.h"
#include "design_readers/clip_secciones.h"
#include "design_readers/estandar.h"
#include "design_readers/reader_shape.h"
#include "design_readers/inroads.h"
#include "design_readers/istram.h"
#include "design_readers/estandar_seccion.h"
#include "design_readers/ispol_seccion.h"
#include "design_readers/modelo_digital.h"

namespace office_to_field {

design_readers::Ficheros FicherosDe(const Context& ctx, const AbRequest& request) {
    return {request.InPath, request.OutPath, ctx.state.InFile, ctx.state.OutFile, request.Header};
}

design_readers::FicherosSeccion FicherosSeccionDe(const Context& ctx, const AbRequest& request) {
    design_readers::FicherosSeccion f;
    static_cast<design_readers::Ficheros&>(f) = FicherosDe(ctx, request);
    f.indice = request.StdPath;
    f.alzado = request.AlzadoPath;
    f.nombreAlzado = ctx.state.AlzadoFile;
    return f;
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

bool ClipWin_Planta(Context& ctx, design_readers::WindowServices& window, const AbRequest& request) {
    std::vector<TAlzado> alzado;
    EntryClipWindows::ClipWin_Leer_Fichero(ctx, window, FicherosDe(ctx, request), EntryClipWindows::kTipoPlanta, alzado);
    return true;
}

bool ClipWin_Alzado(Context& ctx, design_readers::WindowServices& window, const AbRequest& request) {
    std::vector<TAlzado> alzado;
    EntryClipWindows::ClipWin_Leer_Fichero(ctx, window, FicherosDe(ctx, request), EntryClipWindows::kTipoAlzado, alzado);
    return true;
}

bool ClipWin_Seccion_Tipo(Context& ctx, design_readers::WindowServices& window, const AbRequest& request) {
    EntryClipWindows::ClipWin_Seccion_Tipo(ctx, window, FicherosSeccionDe(ctx, request));
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

// A cancelled layer dialog or a refused input leaves ErrorFichero at 1: no end box.
bool Estandar_Seccion_Tipo(Context& ctx, design_readers::WindowServices& window, const AbRequest& request) {
    design_readers::Estandar_Seccion_Tipo(ctx, window, FicherosSeccionDe(ctx, request));
    return true;
}

bool ModeloDigital_Seccion_Tipo(Context& ctx, design_readers::WindowServices& window, const AbRequest& request) {
    design_readers::ModeloDigital_Seccion_Tipo(ctx, window, FicherosSeccionDe(ctx, request));
    return true;
}

bool Ispol_Seccion_Tipo(Context& ctx, design_readers::WindowServices& window, const AbRequest& request) {
    design_readers::Ispol_Seccion_Tipo(ctx, window, FicherosSeccionDe(ctx, request));
    return true;
}

bool InRoads_Seccion_Tipo(Context& ctx, design_readers::WindowServices& window, const AbRequest& request) {
    design_readers::InRoads_Seccion_Tipo(ctx, window, FicherosSeccionDe(ctx, request));
    return true;
}

}  // namespace office_to_field
