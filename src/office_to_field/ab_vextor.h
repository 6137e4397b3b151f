#pragma once
// The window's converters for the Vextor road files. Each request starts its own
// module state and fills the error table first, so nothing of an earlier request
// (a profile, stations, templates) can reach this one.

#include "app/context.h"
#include "design_readers/window_services.h"
#include "office_to_field/ab_converters.h"

namespace office_to_field {

bool Vextor_Planta(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);
bool Vextor_Alzado(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);
// The profile of the alzado picked, the assignments picked, then the templates of the
// input; the sequence stops at the first step that fails.
bool Vextor_Seccion_Tipo(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);

}  // namespace office_to_field
