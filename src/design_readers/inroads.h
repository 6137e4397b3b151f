#pragma once
// The InRoads text reports. Every line is trimmed of blanks and TABs first; empty
// lines and lines starting with "*" or "{" are skipped; tokens are separated by
// blanks or TABs; decimal commas are read as points; chainages may be written
// km+m.
//
// Planta: rows of exactly seven tokens: type (SPI clothoid, LIN straight, CIR arc),
// start chainage, signed radius, X, Y, azimuth (gon), listed length. Each row starts
// an element; the last row is the end of the alignment.
//
// Alzado: rows whose first token is PAR (vertical curve) or LIN (grade line), five
// tokens or more: type, chainage, elevation, grade (m/m), Kv (0 on a grade line).
//
// Sections: lines of three numbers or more: station, offset, elevation; consecutive
// lines of one station are one section, of a single layer.

#include <cstdint>
#include <string>
#include <vector>

#include "app/context.h"
#include "common/records.h"
#include "design_readers/reader_shape.h"
#include "design_readers/section_shape.h"
#include "design_readers/window_services.h"

namespace design_readers {

void LeerPlantaInRoads(const std::string& entrada, std::int16_t FormatoCampo, std::vector<TPlanta>& Planta);
void LeerAlzadoInRoads(const std::string& entrada, std::vector<TAlzado>& Alzado);

// EntryInRoads.InRoads_Planta and InRoads_Alzado: parsing and the reader shape.
bool InRoads_Planta(Context& ctx, const Ficheros& ficheros);
bool InRoads_Alzado(Context& ctx, WindowServices& window, const Ficheros& ficheros, std::vector<TAlzado>& Alzado);

// The sections, every point in block `bloque`.
void LeerSeccionesInRoads(const std::string& entrada, char bloque, const EscribirSeccion& escribir);
// EntryInRoads.InRoads_Seccion_Tipo: the layer asked in Tarsel v3.00 runs; the vertical
// alignment of a Corvana run from an InRoads report.
bool InRoads_Seccion_Tipo(Context& ctx, WindowServices& window, const FicherosSeccion& ficheros);

}  // namespace design_readers
