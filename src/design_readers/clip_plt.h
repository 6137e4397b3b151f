#pragma once
// The Clip "*PLT" planta file: a header line "*PLT" (or "*PLT1", followed by one line
// that is not data), then one point of the alignment a line, comma-separated:
//
//   PK,X,Y,Acimut(gon),Radio,Parametro
//
// A line's radius and parameter describe the element that ends at its point. Each
// point starts an element that runs to the next point; the last point starts a
// closing element of 0.01 m with the last radius. Blank lines are not points.

#include <string>
#include <vector>

#include "common/records.h"

namespace EntryClipWindows {

// Appends the elements of the file to Planta (numbered from 1 in the array's order
// after what it holds). Throws ConversionError "El fichero no es de tipo CLIP" when
// the header is wrong or missing (a Rechazo: the window refuses the file), and naming the line of a number out of range.
void LeerPlantaPLT(const std::string& entrada, std::vector<TPlanta>& Planta);

}  // namespace EntryClipWindows
