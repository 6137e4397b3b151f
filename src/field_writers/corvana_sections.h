#pragma once
// Typical sections for the Corvana instruments (.PRO): two lines a section, the left
// side "P;L=GAUCHE;PMDEV=" and the right side "P;L=DROITE;PMDEV=", each the chainage,
// ";TPC=non", the segments from the axis outward (";D1=" width ";P1=" gradient in
// percent, ...) and ";N= " with the number of segments.
//
// A run first collects the lines of every section (the work lines), then the final
// file keeps the sections where the profile changes and pads every line to the same
// number of segments.

#include <cstdint>
#include <string>
#include <vector>

#include "common/buffered_output.h"
#include "common/records.h"
#include "platform/desktop.h"

namespace field_writers {

// The largest number of segments a side may have for the Tarsel GPS program.
inline constexpr std::int32_t kTramosMaximos = 15;

// An elevation cut down to whole millimetres (Int(z * 1000) / 1000: -0.0005 gives
// -0.001), without letting 100.1 stored a hair below become 100.099.
double MilimetroInferior(double cota);

// The axis elevation of the vertical alignment at Pk, cut down to whole millimetres.
double CotaEjeCorvana(const std::vector<TAlzado>& Alzado, double Pk);

// The two work lines of one section (left first, each without its line end),
// appended to `lineas`. Points 1 .. NumPuntos of Puntos, in any order; Cota is the
// axis elevation of the vertical alignment.
void Write_Seccion_Corvana_TMP(std::vector<std::string>& lineas, std::int32_t NumPuntos, double Cota, double Pk,
                               std::vector<TPuntoSeccion> Puntos);

// The same on the first N points of the window's point list.
void Calculate_Gradient_GPS(std::vector<std::string>& lineas, std::int32_t N, double Cota, double Pk,
                            const std::vector<TPuntoSeccion>& PuntosSeccion);

// The final file from the work lines: the first section, every section that differs
// from the one after it together with that one, and the last two, each once and in
// order; every line padded to the most segments of any line. Warns when a side has
// more than kTramosMaximos segments, and writes all of them.
void Write_Seccion_Corvana(platform::Desktop& desktop, const std::vector<std::string>& lineas, BufferedOutput& out);

}  // namespace field_writers
