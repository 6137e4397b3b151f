#pragma once
// The Clip planta listing saved as RTF, read from its plain text: a table whose data
// rows hold, cell by cell,
//
//   PK  Longitud  X  Y  Acimut(gon)  [Radio  [Parametro]]  ...
//
// A row describes the element that ends at its point; how many cells it has tells
// which of radius and parameter it carries (7 cells: a straight; 8 or 10: both;
// 9: the radius; more: neither). A radius of "infinito" is a straight. Thousands
// are separated by ",". Title and heading rows ("Estación") are passed over.

#include <string_view>
#include <vector>

#include "common/records.h"

namespace EntryClipWindows {

// Appends to Planta (numbered from its size) the elements that start at each row and
// end at the next, then a closing element of 0.01 m at the last row's point: an arc
// of its radius when the last element is an arc, a straight otherwise. Rows of no
// length give no element. Throws Rechazo naming the line of a negative length.
void LeerPlantaRTF(std::string_view texto, std::vector<TPlanta>& Planta);

}  // namespace EntryClipWindows
