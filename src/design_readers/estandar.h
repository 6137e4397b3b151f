#pragma once
// The Estandar readers: the system's own text format for alignments. One element a
// line, fields separated by blanks, commas or TABs in any mix and number; numbers
// with a decimal point.
//
//   planta  N PK X Y Acimut(gon) Radio Parametro Longitud
//   alzado  N PK Z Pendiente Kv Longitud
//
// Fields after these are ignored; a shorter line keeps the values of the line
// before it for its missing fields (the first line of a file, zeros). Lines with
// no field are skipped. A line whose fields (up to the eighth, or the sixth) are not
// all numbers, such as a title, refuses the file.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/context.h"
#include "common/records.h"
#include "design_readers/reader_shape.h"
#include "design_readers/window_services.h"

namespace design_readers {

// One line into the work record. False for a line with no field. Throws Rechazo
// (naming the line number) for a line that is not an element, ConversionError for a
// number that does not fit its field.
bool PlantaEstandarDeLinea(std::string_view linea, std::int64_t numeroLinea, TPlanta& Planta);
bool AlzadoEstandarDeLinea(std::string_view linea, std::int64_t numeroLinea, TAlzado& Alzado);

// The parsing of the whole file: elements appended to the array.
void LeerPlantaEstandar(const std::string& entrada, std::vector<TPlanta>& Planta);
void LeerAlzadoEstandar(const std::string& entrada, std::vector<TAlzado>& Alzado);

// The readers: parsing and the reader shape.
bool Estandar_Planta(Context& ctx, const Ficheros& ficheros);
bool Estandar_Alzado(Context& ctx, WindowServices& window, const Ficheros& ficheros, std::vector<TAlzado>& Alzado);

}  // namespace design_readers
