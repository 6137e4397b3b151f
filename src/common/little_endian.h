#pragma once
// Numbers of on-disk records, read byte by byte in little-endian order whatever
// the machine's own order: a 32-bit two's-complement integer and an IEEE 754
// binary64 double.

#include <bit>
#include <cstdint>

namespace LittleEndian {

inline std::uint64_t U64(const unsigned char* p) {
    std::uint64_t value = 0;
    for (int i = 7; i >= 0; --i) value = (value << 8) | p[i];
    return value;
}

inline std::int32_t Int32(const unsigned char* p) {
    const std::uint32_t value = static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
                                static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
    return static_cast<std::int32_t>(value);
}

inline double Double(const unsigned char* p) { return std::bit_cast<double>(U64(p)); }

}  // namespace LittleEndian
