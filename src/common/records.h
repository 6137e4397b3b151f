#pragma once
// The element and terrain records that the readers fill and the geometry kernel and
// the sort routines read. Plain values in memory; the file layouts of the records
// that go to disk are written field by field by their writers, never as a struct.
//
// Arrays of TPlanta, TAlzado and TAlzadoVextor are std::vector with element 0
// unused: the elements are 1 .. size() - 1, in increasing chainage.

#include <cstddef>
#include <cstdint>
#include <string>

// One horizontal-alignment element. The kind follows from the values: Radio = 0 is a
// straight; Radio != 0 and Parametro = 0 an arc; both != 0 a clothoid.
struct TPlanta {
    std::int32_t N = 0;      // element number
    double PK = 0;           // start chainage, m
    double X = 0;            // start point, easting
    double Y = 0;            // start point, northing
    double Acimut = 0;       // start tangent azimuth, gon (radians in working copies of GM)
    double Radio = 0;        // signed radius: > 0 the azimuth increases along the element,
                             // < 0 it decreases; +-0.001 marks a clothoid from a straight
    double Parametro = 0;    // clothoid parameter A; 0 for straights and arcs
    double Longitud = 0;     // element length, m
    std::int64_t Linea = 0;  // the input line that gave the element, for a refusal; 0 unknown; never written
};

// One vertical-alignment element. A negative Longitud marks a circular vertical curve
// of length |Longitud|: then Pendiente is the start tangent's inclination in radians
// and Kv the signed radius (> 0: centre below, a crest).
struct TAlzado {
    std::int32_t N = 0;
    double PK = 0;           // start chainage
    double Z = 0;            // start elevation
    double Pendiente = 0;    // start grade, m/m
    double Kv = 0;           // vertical-curve parameter; 0 for a uniform grade
    double Longitud = 0;     // length along the chainage
    std::int64_t Linea = 0;  // the input line that gave the element, for a refusal; 0 unknown; never written
};

// The profile element of the Vextor road files: the fields of TAlzado, same meanings,
// followed by the element's type text.
struct TAlzadoVextor {
    std::int32_t N = 0;
    double PK = 0;
    double Z = 0;
    double Pendiente = 0;
    double Kv = 0;
    double Longitud = 0;
    std::string Tipo;
};

// One point of the triangulated terrain model.
struct TPuntoMDT {
    std::int32_t Num = 0;    // the point's number
    double X = 0;
    double Y = 0;
    double Z = 0;
    std::int32_t Nuevo = 0;  // new number; later the index of its first incidence
};

// One triangle of the terrain model: its number and the numbers of its three corners.
struct TTriangulo {
    std::int32_t Num = 0;
    std::int32_t P1 = 0;
    std::int32_t P2 = 0;
    std::int32_t P3 = 0;
};

// One use of a point by a triangle of the terrain model.
struct TIncidencia {
    std::int32_t Punto = 0;
    std::int32_t Triangulo = 0;
};

// One point of a typical cross section. Arrays of it are std::vector with element 0
// unused; the points are 1 .. size() - 1, from left to right.
struct TPuntoSeccion {
    double Desplazamiento = 0;       // offset from the axis, m, negative to the left
    double Cota = 0;                 // elevation, m
    std::string Codigo = "xxxxxxxx"; // 8 characters; "xxxxxxxx" when the point has none
    double Pendiente = 0;            // gradient to the neighbouring point; 10000 for a vertical step
};

// The record of the points and bases files (.PTO, .BAS) of the KR500 instruments:
// kPuntoBaseBytes on disk, the name in its first kTextoBINBytes.
inline constexpr std::size_t kPuntoBaseBytes = 34;
inline constexpr std::size_t kTextoBINBytes = 10;

struct TPuntoBase {
    std::string Nombre;
    double X = 0, Y = 0, Z = 0;
};
