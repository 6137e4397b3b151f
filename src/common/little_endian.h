#pragma once
// Numbers of on-disk records, read and written byte by byte in little-endian order
// whatever the machine's own order: a 32-bit two's-complement integer and an IEEE 754
// binary64 double.

#include <bit>
#include <cstdint>

namespace LittleEndian {

// Written out byte by byte so that the compiler merges it into one load.
inline std::uint64_t U64(const unsigned char* p) {
    return static_cast<std::uint64_t>(p[0]) | static_cast<std::uint64_t>(p[1]) << 8 |
           static_cast<std::uint64_t>(p[2]) << 16 | static_cast<std::uint64_t>(p[3]) << 24 |
           static_cast<std::uint64_t>(p[4]) << 32 | static_cast<std::uint64_t>(p[5]) << 40 |
           static_cast<std::uint64_t>(p[6]) << 48 | static_cast<std::uint64_t>(p[7]) << 56;
}

inline std::int32_t Int32(const unsigned char* p) {
    const std::uint32_t value = static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
                                static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
    return static_cast<std::int32_t>(value);
}

inline double Double(const unsigned char* p) { return std::bit_cast<double>(U64(p)); }

// Writes the value into to[0..3] and returns to + 4.
// Written out byte by byte, not as a loop, so that the compiler merges the bytes
// into one store.
inline char* PutInt32(char* to, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    to[0] = static_cast<char>(bits & 0xFF);
    to[1] = static_cast<char>((bits >> 8) & 0xFF);
    to[2] = static_cast<char>((bits >> 16) & 0xFF);
    to[3] = static_cast<char>((bits >> 24) & 0xFF);
    return to + 4;
}

// Writes the value into to[0..7] and returns to + 8.
inline char* PutDouble(char* to, double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    to[0] = static_cast<char>(bits & 0xFF);
    to[1] = static_cast<char>((bits >> 8) & 0xFF);
    to[2] = static_cast<char>((bits >> 16) & 0xFF);
    to[3] = static_cast<char>((bits >> 24) & 0xFF);
    to[4] = static_cast<char>((bits >> 32) & 0xFF);
    to[5] = static_cast<char>((bits >> 40) & 0xFF);
    to[6] = static_cast<char>((bits >> 48) & 0xFF);
    to[7] = static_cast<char>((bits >> 56) & 0xFF);
    return to + 8;
}

}  // namespace LittleEndian
