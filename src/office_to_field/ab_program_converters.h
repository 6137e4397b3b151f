#pragma once
// The window's converters for the readers of Cartomap, TCP, Trazado, SDR and
// SierraSoft: the request's files handed to the reader in the shape it takes.

#include "app/context.h"
#include "design_readers/window_services.h"
#include "office_to_field/ab_converters.h"

namespace office_to_field {

bool Cartomap_Planta(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);
bool Cartomap_Alzado(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);
bool Cartomap_Seccion_Tipo(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);
bool TCP_Planta(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);
bool TCP_Alzado(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);
bool TCP_Seccion_Tipo(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);
bool Trazado_Planta(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);
bool Trazado_Alzado(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);
// Planta and alzado requests alike: one SDR road file holds both.
bool SDR_Planta_Alzado(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);
bool SDR_Seccion_Tipo(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);
// Planta and alzado both write every axis's two files into the chosen folder.
bool SierraSoft_Planta_Alzado(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);
bool SierraSoft_Peraltes(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);
bool SierraSoft_Seccion_Tipo(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);

}  // namespace office_to_field
