#pragma once
// The Trazado readers: printed listings, tokens separated by blanks or TABs,
// numbers with a decimal point or a decimal comma.
//
//   planta  rows of eight tokens: - kind("CLOT.") PK Longitud X Y Acimut(gon) R|A
//   alzado  "P.K." header lines (start chainage and elevation before the first
//           curve, end chainage after it) and "TANGENTE" groups of three lines:
//           the start of a vertical curve, its Kv, its end (PK Z Pendiente% from
//           the third token)

#include <string>
#include <vector>

#include "app/context.h"
#include "common/records.h"
#include "design_readers/reader_shape.h"
#include "design_readers/window_services.h"

namespace design_readers {

void LeerPlantaTrazado(const std::string& entrada, std::vector<TPlanta>& Planta);
// Throws Rechazo for a listing without curves or without its end chainage, and for a
// "TANGENTE" group cut short by the end of the file.
void LeerAlzadoTrazado(const std::string& entrada, std::vector<TAlzado>& Alzado);

bool Trazado_Planta(Context& ctx, const Ficheros& ficheros);
bool Trazado_Alzado(Context& ctx, WindowServices& window, const Ficheros& ficheros, std::vector<TAlzado>& Alzado);

}  // namespace design_readers
