#pragma once
// The gradient of every segment of a typical section, in percent, rise going
// outward from the axis. Lists are 1-based (element 0 unused), points 1 .. N.
//
//   left points (offset < 0): each gets the gradient toward the next point
//   right points (offset >= 0): each gets the gradient toward the next point, the
//     outermost 0
//   the innermost left point: toward the innermost right point (kept as it was when
//     there is no right point)
//   a vertical step (two points at one offset): +10000 going up, -10000 going down

#include <cstdint>
#include <vector>

#include "common/records.h"

namespace field_writers {

inline constexpr double kPendienteVertical = 10000;

// Orders points 1 .. N by offset (points at one offset keep their order), then sets
// the gradients. Ordering first keeps every gradient with the point it belongs to.
void Normaliza_Tramos(std::int32_t N, std::vector<TPuntoSeccion>& Puntos);

// The same on the first N points of the window's point list.
void Calculate_Gradient(std::int32_t N, std::vector<TPuntoSeccion>& PuntosSeccion);

}  // namespace field_writers
