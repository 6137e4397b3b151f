#pragma once
// DatoCampo: one field observation (a measured point, a station set-up or a code
// block), as the field readers decode it and the office writers write it.

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

#include "common/small_copy.h"

// Fixed-length texts: Estacion and Punto hold 10 characters, the codes 16; a
// shorter value is padded with blanks on the right, a longer one keeps its first
// characters. Assigning keeps the storage, so filling a record line after line
// does not allocate once the texts have their size.
inline constexpr std::size_t kLongitudNombre = 10;
inline constexpr std::size_t kLongitudCodigo = 16;

inline void SetFixedText(std::string& target, std::string_view value, std::size_t width) {
    // Filled in place: a text that has its width already is neither resized nor
    // reallocated.
    if (target.size() != width) target.resize(width);
    char* const text = target.data();
    std::memset(text, ' ', width);
    CopySmall(text, value.data(), std::min(value.size(), width));
}

// True when the text holds nothing but blanks (or nothing at all).
inline bool IsBlankText(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

struct TDatoCampo {
    std::string Estacion = std::string(kLongitudNombre, ' ');
    double XEstacion = 0, YEstacion = 0, ZEstacion = 0;
    std::string Punto = std::string(kLongitudNombre, ' ');
    double Hz = 0, V = 0;  // gon
    double DistGeometrica = 0;
    double AlturaInstrumento = 0, AlturaPrisma = 0;
    double ConstantePrisma = 0, Ppm = 0;
    std::string Codigo1 = std::string(kLongitudCodigo, ' ');
    std::string Codigo2 = std::string(kLongitudCodigo, ' ');
    std::string Codigo3 = std::string(kLongitudCodigo, ' ');
    std::string Codigo4 = std::string(kLongitudCodigo, ' ');
    std::string Codigo5 = std::string(kLongitudCodigo, ' ');
    double X = 0, Y = 0, Z = 0;
    double Desnivel = 0, DistHorizontal = 0;
    std::string Fecha;
    std::string Hora;
};
