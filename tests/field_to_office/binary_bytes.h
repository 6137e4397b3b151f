#pragma once
// Binary field records built byte by byte for the tests: little-endian numbers
// written one byte at a time, texts padded as the test says.

#include <cstdint>
#include <cstring>
#include <string>

namespace binary_test {

inline std::string Double(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, 8);
    std::string bytes;
    for (int i = 0; i < 8; ++i) bytes.push_back(static_cast<char>(bits >> (8 * i) & 0xFF));
    return bytes;
}

inline std::string Int32(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    std::string bytes;
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<char>(bits >> (8 * i) & 0xFF));
    return bytes;
}

// A 10-byte text: the value, then the padding byte.
inline std::string Text(const std::string& value, char pad = '\0') {
    std::string bytes = value.substr(0, 10);
    bytes.append(10 - bytes.size(), pad);
    return bytes;
}

struct Observation {
    std::string estacion = Text("E1");
    double xe = 1000, ye = 2000, ze = 100;
    std::string punto = Text("P1");
    double hz = 0, v = 0, dist = 0, ai = 0, ap = 0;
    std::int32_t constante = 0, ppm = 0;
    std::string codigos[5] = {Text("C1"), Text("0"), Text("0"), Text(""), Text("")};
    double x = 0, y = 0, z = 0;

    std::string Bytes() const {
        std::string b = estacion + Double(xe) + Double(ye) + Double(ze) + punto;
        for (double value : {hz, v, dist, ai, ap}) b += Double(value);
        b += Int32(constante) + Int32(ppm);
        for (const std::string& codigo : codigos) b += codigo;
        for (double value : {x, y, z}) b += Double(value);
        return b;
    }
};

inline std::string Analysis(const std::string& nombre, double v1, double v2, double x, double y, double z,
                            const std::string& codigo) {
    return nombre + Double(v1) + Double(v2) + Double(x) + Double(y) + Double(z) + codigo;
}

inline std::string Point(const std::string& nombre, double x, double y, double z) {
    return nombre + Double(x) + Double(y) + Double(z);
}

}  // namespace binary_test
