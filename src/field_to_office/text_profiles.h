#pragma once
// Text profile lists: an axis line per chainage ("E" and the chainage, then X Y Z)
// and the points measured right ("D...PK" and the chainage) and left ("I...PK") of
// it. Each point's offset is its horizontal distance to the axis point, negative on
// the left. The profiles go to Clip.

#include <cstdint>
#include <vector>

#include "field_to_office/profile_output.h"

struct State;

// One conversion. Returns the chainages of the profiles that have no axis line and
// were therefore not written, in list order. Throws ConversionError when it cannot
// be done, and when the list holds not one axis or side point.
std::vector<double> ConvertTextPerfiles(const ProfileRequest& request, const State& state,
                                        std::int32_t& contadorVertices);
