#pragma once
// Numbers of on-disk records, read and written byte by byte in little-endian order
// whatever the machine's own order: a 32-bit two's-complement integer and an IEEE 754
// binary64 double.

#include <bit>
#include <cstdint>
#include <cstring>

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

// The unsigned words, lowest byte first. On a little-endian machine that is the
// word's own memory, stored at once: the compiler does not always merge the bytes of
// the loop-free form, and then builds the word in a register byte by byte and stores
// it twice, which a following wide load of the record cannot take from the store.
inline char* PutU32(char* to, std::uint32_t bits) {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(to, &bits, 4);
    } else {
        for (int i = 0; i < 4; ++i) to[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    }
    return to + 4;
}

inline char* PutU64(char* to, std::uint64_t bits) {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(to, &bits, 8);
    } else {
        for (int i = 0; i < 8; ++i) to[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    }
    return to + 8;
}

// Writes the value into to[0..3] and returns to + 4.
inline char* PutInt32(char* to, std::int32_t value) { return PutU32(to, static_cast<std::uint32_t>(value)); }

// Writes the value into to[0..7] and returns to + 8.
inline char* PutDouble(char* to, double value) { return PutU64(to, std::bit_cast<std::uint64_t>(value)); }

}  // namespace LittleEndian
