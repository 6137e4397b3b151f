#pragma once
// Reading back the record files a test wrote: 60-byte planta and 44-byte alzado
// records, little-endian, so that tests compare them field by field.

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "common/records.h"

namespace testing_support {

inline double DoubleAt(const std::string& b, std::size_t at) {
    std::uint64_t bits = 0;
    for (int k = 7; k >= 0; --k) bits = (bits << 8) | static_cast<unsigned char>(b[at + k]);
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

inline std::int32_t LongAt(const std::string& b, std::size_t at) {
    std::uint32_t v = 0;
    for (int k = 3; k >= 0; --k) v = (v << 8) | static_cast<unsigned char>(b[at + k]);
    return static_cast<std::int32_t>(v);
}

inline std::vector<TPlanta> PlantaRecords(const std::string& b) {
    std::vector<TPlanta> v;
    for (std::size_t at = 0; at + 60 <= b.size(); at += 60) {
        v.push_back({LongAt(b, at), DoubleAt(b, at + 4), DoubleAt(b, at + 12), DoubleAt(b, at + 20),
                     DoubleAt(b, at + 28), DoubleAt(b, at + 36), DoubleAt(b, at + 44), DoubleAt(b, at + 52)});
    }
    return v;
}

inline std::vector<TAlzado> AlzadoRecords(const std::string& b) {
    std::vector<TAlzado> v;
    for (std::size_t at = 0; at + 44 <= b.size(); at += 44) {
        v.push_back({LongAt(b, at), DoubleAt(b, at + 4), DoubleAt(b, at + 12), DoubleAt(b, at + 20),
                     DoubleAt(b, at + 28), DoubleAt(b, at + 36)});
    }
    return v;
}

}  // namespace testing_support
