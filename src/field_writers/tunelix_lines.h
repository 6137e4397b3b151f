#pragma once
// The Tunelix alignment lines: KTW word lines that describe each element by where
// it ends. A line is one keyword word ("*71....+" and the keyword) followed by value
// words ("81..10" X, "82..10" Y, "83..10" elevation, "84..10" chainage, "85..10"
// radius or Kv, "86..10" clothoid parameter), each value rounded to three decimals
// and written in thousandths.

#include <cstddef>
#include <cstdint>
#include <string>

#include "common/ktw_word.h"
#include "common/records.h"

namespace field_writers {

// The lines (each ended by CR LF) of horizontal element i, whose end is (Xn, Yn)
// and whose next element has radius Rn. Element 1 is preceded by its BEGINPOINT
// line. With soloInicio the element itself gives no line (a closing element that
// only carries the end point).
void AppendPlantaTunelix(std::string& out, std::int64_t i, double Xn, double Yn, double Rn, const TPlanta& e,
                         bool soloInicio = false);

// The most bytes the lines of one element take: up to three lines (the first
// alzado element's start, its vertex and the end of a last parabola), each a
// keyword and up to five values.
inline constexpr std::size_t kTunelixElementoMaxBytes = 3 * (6 * GM::kPalabraKTWMaxBytes + 2);

// The same lines written at `to`, which has room for kTunelixElementoMaxBytes;
// returns their end.
char* PutPlantaTunelix(char* to, std::int64_t i, double Xn, double Yn, double Rn, const TPlanta& e,
                       bool soloInicio = false);

// The lines of vertical element i: its start vertex when i is 1, then the vertex
// at its end (a grade) or at the intersection of its tangents (a parabola). With
// ultimo a parabola is followed by the vertex at its own end, where the profile
// stops.
void AppendAlzadoTunelix(std::string& out, std::int64_t i, const TAlzado& e, bool ultimo);
char* PutAlzadoTunelix(char* to, std::int64_t i, const TAlzado& e, bool ultimo);

}  // namespace field_writers
