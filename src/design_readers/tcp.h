#pragma once
// The TCP and TCP V4 readers: text listings, fields separated by blanks or TABs.
// Lines whose first field is a lone "*" are comments; lines too short to be data,
// and lines whose read fields are not all numbers (a title, a column header), are
// skipped.
//
//   alzado  PK Z K HalfLength -      a vertex of the grade line; K = 0 without curve
//   planta  PK X Y Acimut(gon) A R   the start of an element; the next line is its end
//   sección PK Desplazamiento Cota Código
//           consecutive lines of one PK are a section; the code gives the layer:
//                     R        C        T
//           TCP       0-20     21-59    60-99
//           TCP V4    0-40     41-60    61-99
//           other codes (20.5, 100, -1) are no point

#include <cstdint>
#include <string>
#include <vector>

#include "app/context.h"
#include "common/records.h"
#include "design_readers/reader_shape.h"
#include "design_readers/section_shape.h"
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

// The sections, layers joined at their edges; the R points go to block S when
// bloqueRasante is 'S'. version4: the code ranges of "TCP V4".
void LeerSeccionesTCP(const std::string& entrada, bool version4, char bloqueRasante, const EscribirSeccion& escribir);
// EntryTCP.TCP_Seccion_Tipo: asks rasante or subrasante in every format; the vertical
// alignment of a Corvana run from a TCP file.
bool TCP_Seccion_Tipo(Context& ctx, WindowServices& window, const FicherosSeccion& ficheros);

}  // namespace design_readers
