#pragma once
// The records of the field files of points, bases and excavation sections of the
// KR500 instruments ("Tarsel v2.27 o anterior"), written field by field in
// little-endian order:
//
//   .PTO / .BAS (TPuntoBase, 34 bytes)        .SEC (TSeccionExcavacion, 20 bytes)
//     0-9    Nombre, 10 bytes, blank-padded     0-3    first number, 32-bit integer
//     10-17  X, IEEE 754 double                 4-11   second number, double
//     18-25  Y                                  12-19  third number, double
//     26-33  Z
//
// Records follow each other from the first byte, numbered from 1; no header.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "common/little_endian.h"
#include "common/records.h"
#include "common/small_copy.h"

namespace office_to_field {

inline constexpr std::size_t kSeccionExcavacionBytes = 20;

struct TSeccionExcavacion {
    std::int32_t Numero = 0;
    double Valor2 = 0;
    double Valor3 = 0;
};

// The parts of a point or base record in `b` (kPuntoBaseBytes): the name is its
// first ten bytes, padded with blanks; then the coordinates. Inline: the text-list
// converter writes one record per line, in place in its output buffer.
inline void PutPuntoBaseName(std::string_view nombre, char* b) {
    std::memset(b, ' ', kTextoBINBytes);
    CopySmall(b, nombre.data(), std::min(nombre.size(), kTextoBINBytes));
}

// Coordinate k: 0 X, 1 Y, 2 Z.
inline void PutPuntoBaseCoordinate(std::size_t k, double value, char* b) { LittleEndian::PutDouble(b + 10 + 8 * k, value); }

inline void PutPuntoBaseCoordinates(double x, double y, double z, char* b) {
    PutPuntoBaseCoordinate(0, x, b);
    PutPuntoBaseCoordinate(1, y, b);
    PutPuntoBaseCoordinate(2, z, b);
}

inline void EncodePuntoBase(std::string_view nombre, double x, double y, double z, char* b) {
    PutPuntoBaseName(nombre, b);
    PutPuntoBaseCoordinates(x, y, z, b);
}

inline void EncodePuntoBase(const TPuntoBase& r, char* b) { EncodePuntoBase(r.Nombre, r.X, r.Y, r.Z, b); }

// Writes the record into `bytes` (kSeccionExcavacionBytes).
inline void EncodeSeccionExcavacion(const TSeccionExcavacion& r, char* b) {
    LittleEndian::PutInt32(b, r.Numero);
    LittleEndian::PutDouble(b + 4, r.Valor2);
    LittleEndian::PutDouble(b + 12, r.Valor3);
}

}  // namespace office_to_field
