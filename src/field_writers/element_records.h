#pragma once
// The records of the .PLA and .ALZ files: one horizontal element in 60 bytes, one
// vertical element in 44, fields in the order of TPlanta and TAlzado, little-endian,
// no padding.
//
//   TPlanta   0 N (int32)  4 PK  12 X  20 Y  28 Acimut  36 Radio  44 Parametro  52 Longitud
//   TAlzado   0 N (int32)  4 PK  12 Z  20 Pendiente  28 Kv  36 Longitud

#include <array>
#include <cstddef>

#include "common/records.h"

namespace field_writers {

inline constexpr std::size_t kPlantaBytes = 60;
inline constexpr std::size_t kAlzadoBytes = 44;

std::array<char, kPlantaBytes> EncodePlanta(const TPlanta& e);
std::array<char, kAlzadoBytes> EncodeAlzado(const TAlzado& e);

}  // namespace field_writers
