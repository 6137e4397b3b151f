#pragma once
// The binary field files of the KR500 instruments ("Tarsel v2.27 o anterior"):
// observations (.FIC, 166-byte records), analysis (.LIB, 60 bytes) and points and
// bases (.PTO, .BAS, 34 bytes). Records follow each other from the first byte, no
// header; numbers are little-endian (32-bit integers, IEEE 754 doubles); names and
// codes are 10 bytes of Windows-1252 text padded with NUL bytes or blanks.
//
// Decoding is field by field; the texts keep their 10 bytes exactly as read (a NUL
// stays a NUL), so that every converter decides itself how it cleans them.

#include <cstddef>
#include <cstdint>
#include <string>

#include "common/records.h"

inline constexpr std::size_t kDatoCampoBINBytes = 166;
inline constexpr std::size_t kDatoAnalisisBINBytes = 60;

// One observation of a .FIC file.
struct TDatoCampoBIN {
    std::string Estacion;
    double XEstacion = 0, YEstacion = 0, ZEstacion = 0;
    std::string Punto;
    double Hz = 0, V = 0;  // gon (radians on disk)
    double ZenitRadianes = 0;  // V as it is on disk
    double DistGeometrica = 0;
    double AlturaInstrumento = 0, AlturaPrisma = 0;
    std::int32_t ConstantePrisma = 0, Ppm = 0;
    std::string Codigo1, Codigo2, Codigo3, Codigo4, Codigo5;
    double X = 0, Y = 0, Z = 0;
    // Not on disk: left 0 by the decoding; the user filter works them out from the
    // values it writes (Z - ZEstacion, DistGeometrica x sin(V) with V in radians).
    double Desnivel = 0;
    double DistHorizontal = 0;
};

// One record of a .LIB file.
struct TDatoAnalisisBIN {
    std::string Nombre;
    double Valor1 = 0, Valor2 = 0;  // carried through unchanged
    double X = 0, Y = 0, Z = 0;
    std::string Codigo;
};

// Radians to gon with the factor the instruments' files have always been read
// with: 200 divided by pi written with 11 decimals.
double RadianesAGrados(double radianes);

// Decode one record of kDatoCampoBINBytes, kDatoAnalisisBINBytes or
// kPuntoBaseBytes bytes into `record`, overwriting every field. Hz and V are
// turned into gon.
void DecodeDatoCampoBIN(const unsigned char* bytes, TDatoCampoBIN& record);
void DecodeDatoAnalisisBIN(const unsigned char* bytes, TDatoAnalisisBIN& record);
void DecodePuntoBase(const unsigned char* bytes, TPuntoBase& record);

// Every NUL among the first 10 characters becomes a blank, in place; nothing else
// changes (no trimming).
void AddSpacesToString(std::string& s);
