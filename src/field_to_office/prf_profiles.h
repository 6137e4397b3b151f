#pragma once
// Tarsel profile files (*.PRF, field format 0): binary, little-endian, no file
// header; one group per measured profile: the marker "**", a 52-byte header
// (Pk, X, Y, Azimut in radians, Entero, Distancia, Cota) and 42-byte points (a
// 10-byte name padded with NUL bytes, X, Y, Cota, Distancia). A group ends where the
// next marker begins; a "**" counts as a marker only where a point record could
// begin.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "field_to_office/profile_output.h"

struct State;

// A group found by the marker scan: where its header starts and where its points
// end (0-based byte offsets; end is one past the last byte), and its chainage.
struct GrupoPRF {
    std::size_t Inicio = 0;
    std::size_t Fin = 0;
    double Pk = 0;
};

// A file holds at most this many groups; the rest are not read.
inline constexpr std::size_t kMaxGruposPRF = 32767;

// The groups of a file in file order; `truncated` tells whether groups beyond the
// limit were left out.
std::vector<GrupoPRF> ScanPRF(std::string_view bytes, bool& truncated);

// The warning shown when a file holds more groups than are read.
std::string DemasiadosPerfiles(std::size_t converted);

// One conversion; `aviso` shows a warning box. Throws ConversionError when it
// cannot be done, and when the file holds not one point record.
void ConvertPRFPerfiles(const ProfileRequest& request, const State& state, std::int32_t& contadorVertices,
                        const std::function<void(const std::string&)>& aviso);
