#pragma once
// The TCP and TCP V4 readers: text listings, fields separated by blanks or TABs.
// Lines whose first field is a lone "*" are comments; lines too short to be data,
// and lines whose read fields are not all numbers (a title, a column header), are
// skipped.
//
//   alzado  PK Z K HalfLength -      a vertex of the grade line; K = 0 without curve
//   planta  PK X Y Acimut(gon) A R   the start of an element; the next line is its end

#include <cstdint>
#include <string>
#include <vector>

#include "app/context.h"
#include "common/records.h"
#include "design_readers/reader_shape.h"
#include "design_readers/window_services.h"

namespace design_readers {

// The parsings: elements appended to the array (element 0 already there). Throw
// Rechazo naming the line for vertices or element starts that give no element
// (equal chainages, a curve that cannot start on the first vertex).
void LeerAlzadoTCP(const std::string& entrada, std::vector<TAlzado>& Alzado);
// formatoCampo 2 ends the planta with an end record at the last line.
void LeerPlantaTCP(const std::string& entrada, std::int16_t formatoCampo, std::vector<TPlanta>& Planta);

bool TCP_Alzado(Context& ctx, WindowServices& window, const Ficheros& ficheros, std::vector<TAlzado>& Alzado);
bool TCP_Planta(Context& ctx, const Ficheros& ficheros);

}  // namespace design_readers
