#pragma once
// Text lists of points, bases and excavation sections to the record files of the
// KR500 instruments: one record a line, fields separated by blanks, commas or TABs.
//
//   points and bases (.PTO, .BAS):  name  X  Y  Z
//   excavation sections (.SEC):     whole number  value  value
//
// A line that gives fewer fields keeps the values of the previous record for the
// rest (the first record of a file starts from zeros); fields beyond those are
// ignored. Lines with no field (empty, or only separators) write nothing. Numbers
// take the leading number of their field with "." as the decimal point, whatever
// the user's regional settings; a field without one is 0, but the section number
// must be a number that fits 32 bits.

#include <cstdint>
#include <string>

#include "app/context.h"
#include "design_readers/window_services.h"
#include "office_to_field/ab_converters.h"

namespace office_to_field {

// The conversions themselves. `dropFirstLine`: the first line is a title (the
// "Clip" lists). Return the number of records written; throw ConversionError (the
// old output left as it was) for a value that does not fit its field or an input
// with no record.
std::int32_t PuntosBasesToRecords(const std::string& in, const std::string& out, bool dropFirstLine);
std::int32_t SeccionesToRecords(const std::string& in, const std::string& out, bool dropFirstLine);

// The converters of the window's table.
bool A_B_Puntos_Bases_Estandar(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);
bool A_B_Seccion_Estandar(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);

}  // namespace office_to_field
