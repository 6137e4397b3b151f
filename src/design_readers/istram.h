#pragma once
// The Istram listings (also used for Ispol and ASCII): paged printer listings of the
// horizontal and vertical alignment.
//
// Planta: after a rule line (columns 23-35 "------------ ") each row gives the
// element that starts at its point, in fixed columns: 13-21 length (blank on the
// end row), 22-34 PK, 35-47 X, 48-60 Y, 61-73 radius, 74-86 clothoid parameter,
// 87-99 azimuth (gon); the end row's X stands in columns 36-48. An empty line or a
// page break ends the rows of a page; the next rule line starts those of the next.
//
// Alzado: after a rule line (9 or more tokens, the first "------------") rows by
// their token count: 2 the start point (PK, elevation), 3 the end point (grade %,
// PK, elevation), 9 or more a vertex (grade % arriving, -, Kv, -, vertex elevation,
// curve start PK and elevation, curve end PK and elevation). A page break needs a
// new rule line.

#include <cstdint>
#include <string>
#include <vector>

#include "app/context.h"
#include "common/records.h"
#include "design_readers/reader_shape.h"
#include "design_readers/window_services.h"

namespace design_readers {

// The parsing of the whole listing. The end element depends on the field format.
void LeerPlantaIstram(const std::string& entrada, std::int16_t FormatoCampo, std::vector<TPlanta>& Planta);
void LeerAlzadoIstram(const std::string& entrada, std::vector<TAlzado>& Alzado);

// EntryISPOL.Istram_Planta and Istram_Alzado: parsing and the reader shape.
bool Istram_Planta(Context& ctx, const Ficheros& ficheros);
bool Istram_Alzado(Context& ctx, WindowServices& window, const Ficheros& ficheros, std::vector<TAlzado>& Alzado);

}  // namespace design_readers
