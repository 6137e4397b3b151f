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

#include <cstddef>
#include <cstdint>

#include "common/records.h"

namespace office_to_field {

inline constexpr std::size_t kSeccionExcavacionBytes = 20;

struct TSeccionExcavacion {
    std::int32_t Numero = 0;
    double Valor2 = 0;
    double Valor3 = 0;
};

// Writes the record into `bytes` (kPuntoBaseBytes). The name is its first ten bytes,
// padded with blanks.
void EncodePuntoBase(const TPuntoBase& record, char* bytes);
// Writes the record into `bytes` (kSeccionExcavacionBytes).
void EncodeSeccionExcavacion(const TSeccionExcavacion& record, char* bytes);

}  // namespace office_to_field
