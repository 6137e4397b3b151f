#pragma once
// The design readers as converters of the office-to-field window: each hands the
// reader the request's files and reports the outcome the window expects (true after
// a run that completed or was refused with the reader's own box; ErrorFichero tells
// them apart).

#include "app/context.h"
#include "design_readers/reader_shape.h"
#include "design_readers/section_shape.h"
#include "design_readers/window_services.h"
#include "office_to_field/ab_converters.h"

namespace office_to_field {

// The request's files as the readers take them: opened under the chosen names,
// shown under the upper-cased ones.
design_readers::Ficheros FicherosDe(const Context& ctx, const AbRequest& request);

// The files of a typical-section request: those above, the index and the alzado file.
design_readers::FicherosSeccion FicherosSeccionDe(const Context& ctx, const AbRequest& request);

bool Estandar_Planta(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);
bool Estandar_Alzado(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);
bool Istram_Planta(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);
// Clip planta ("*PLT" files, RTF listings) and alzado ("*ALZ" files, printed and RTF listings).
bool ClipWin_Planta(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);
bool ClipWin_Alzado(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);
// Clip typical sections: RTF listings, "*TRV" files and printed listings.
bool ClipWin_Seccion_Tipo(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);
bool Istram_Alzado(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);
bool InRoads_Planta(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);
bool InRoads_Alzado(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);
bool Estandar_Seccion_Tipo(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);
bool ModeloDigital_Seccion_Tipo(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);
bool Ispol_Seccion_Tipo(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);
bool InRoads_Seccion_Tipo(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);

}  // namespace office_to_field
