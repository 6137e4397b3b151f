#pragma once
// Text lists of points, bases and excavation sections to a KTW point file
// (ab_form.ASCII_KTW): one line of words for each line of the list, with a code line
// before each point whose code differs from the one before it.
//
// The list: one point a line, its fields separated by blanks, commas or TABs (runs
// of them count as one): name, X, Y and, in 3D, Z and a code. The options are those
// of the state: KtwFormat "KTW 8" for the 8-digit layout (any other text the
// 16-digit one), Dimensiones "2" for 2D, ConstanteX and ConstanteY subtracted from X
// and Y. Excavation sections are always written in 2D. For the programs "SDR",
// "Clip" and "Clip Ferrocarril" the first line of the list is a title.

#include "app/context.h"
#include "design_readers/window_services.h"
#include "office_to_field/ab_converters.h"

namespace office_to_field {

bool ASCII_KTW(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);

}  // namespace office_to_field
