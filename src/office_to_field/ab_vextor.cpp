#include "office_to_field/ab_vextor.h"

#include "design_readers/vextor.h"
#include "office_to_field/ab_readers.h"

namespace office_to_field {
namespace {

EntryVextor::Modulo NuevoModulo() {
    EntryVextor::Modulo m;
    Errors::Inicializa_Errores(m.MensajesError);
    return m;
}

}  // namespace

// A failure has been said in the module's own box (ErrorFichero is set): the
// request still ends normally.
bool Vextor_Planta(Context& ctx, design_readers::WindowServices&, const AbRequest& request) {
    EntryVextor::Modulo m = NuevoModulo();
    EntryVextor::Vextor_Planta(ctx, m, FicherosDe(ctx, request));
    return true;
}

bool Vextor_Alzado(Context& ctx, design_readers::WindowServices& window, const AbRequest& request) {
    EntryVextor::Modulo m = NuevoModulo();
    EntryVextor::Vextor_Alzado(ctx, window, m, FicherosDe(ctx, request));
    return true;
}

bool Vextor_Seccion_Tipo(Context& ctx, design_readers::WindowServices& window, const AbRequest& request) {
    EntryVextor::Modulo m = NuevoModulo();
    EntryVextor::Secciones_Vextor(ctx, window, m, FicherosSeccionDe(ctx, request), request.AsignacionPath,
                                  ctx.state.AsignacionFile);
    return true;
}

}  // namespace office_to_field
