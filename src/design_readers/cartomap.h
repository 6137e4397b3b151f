#pragma once
// The Cartomap V3.xx and V4.xx readers: the alignments this design program exports
// as text, fields separated by TABs (or blanks). Lines before the first data line
// (its leading fields all numbers) are skipped; later lines whose leading fields are
// not numbers, such as a repeated column header, are skipped too.
//
//   alzado  PK - Z - Pendiente(%) [Kv]                one line per element start
//   planta  PK X Y - Acimut(gon) Longitud [Recta|Curva|Clotoide] [Radio] [A]
//           the last data line is the end point of the axis
//   sección PK                                        the chainage of the next section
//           PK - - Desplazamiento - Cota -            a new section and its first point
//           - - Desplazamiento - Cota -               a further point, right of the last
//
// Chainages may be written as kilometres "+" metres.

#include <string>
#include <vector>

#include "app/context.h"
#include "common/records.h"
#include "design_readers/reader_shape.h"
#include "design_readers/section_shape.h"
#include "design_readers/window_services.h"

namespace design_readers {

// The parsings: elements appended to the array (element 0 already there). Throw
// Rechazo for a file that is not a Cartomap file.
void LeerAlzadoCartomap(const std::string& entrada, std::vector<TAlzado>& Alzado);
// version4: the V4.xx layout of azimuths ("Cartomap V4.xx" in the window).
void LeerPlantaCartomap(const std::string& entrada, bool version4, std::vector<TPlanta>& Planta);

// The readers: parsing and the reader shape.
bool Cartomap_Alzado(Context& ctx, WindowServices& window, const Ficheros& ficheros, std::vector<TAlzado>& Alzado);
bool Cartomap_Planta(Context& ctx, WindowServices& window, const Ficheros& ficheros);

// The sections, every point in block `bloque`. Throws Rechazo for a file without a
// data line.
void LeerSeccionesCartomap(const std::string& entrada, char bloque, const EscribirSeccion& escribir);
// EntryCartomap.Cartomap_Seccion_Tipo: the layer asked in Tarsel v3.00 runs, the last
// choice in the others; the vertical alignment of a Corvana run from a Cartomap file.
bool Cartomap_Seccion_Tipo(Context& ctx, WindowServices& window, const FicherosSeccion& ficheros);

}  // namespace design_readers
