#pragma once
// The Corvana alignment lines: one line of the .PTC file per horizontal element and
// one line of the .LON file per vertical element, numbers with a decimal point.

#include <cstdint>
#include <string>
#include <vector>

#include "common/records.h"

namespace field_writers {

// The line of element i of Planta (elements 1 .. size() - 1), without its line end.
// The next element's radius decides the sign of a clothoid's parameter; after the
// last element a straight is taken to follow.
void AppendPlantaCorvana(std::string& line, std::size_t i, const std::vector<TPlanta>& Planta);

// The line of one vertical element, without its line end.
void AppendAlzadoCorvana(std::string& line, const TAlzado& e);

}  // namespace field_writers
