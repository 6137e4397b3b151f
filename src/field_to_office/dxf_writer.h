#pragma once
// The DXF drawing of the "DXF" filter: an ENTITIES section alone, with one POINT
// per written point (or one closed POLYLINE per tunnel profile) followed by its
// TEXT labels on up to four label layers. Every number uses "." whatever the
// user's regional settings: a DXF with decimal commas cannot be read.
//
// One writer serves one conversion: the constructor starts the file (header),
// WriteDXFFooter ends it and gives it its name. A conversion that stops before
// the footer leaves no file behind.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "field_to_office/buffered_output.h"

struct State;

class DXFWriter {
public:
    // Creates the drawing at `path` and writes its header lines. Takes the DXF
    // options of the state as they are now; counts polyline vertex handles on
    // `contadorVertices` (the window's counter, which lives across conversions).
    DXFWriter(std::string path, const State& state, std::int32_t& contadorVertices);

    // One point and its labels (2D or 3D drawing). The name and the code are
    // written with all their characters. In the tunnel-profile mode there is no
    // profile to draw: the conversion is refused (ConversionError).
    void WriteDXFPoint(std::string_view punto, double x, double y, double z, std::string_view codigo);

    // One measured profile of `noPuntos` points at chainage `pk`; distancias and
    // cotas hold the offsets and heights of points 1..noPuntos in their first
    // elements. Tunnel-profile mode: a closed polyline through the points on the
    // layer named after the chainage, and labels at each point. 2D and 3D: a single
    // point at (pk, y, z) whose name label is the number of points.
    void WriteDXFProfile(std::int16_t noPuntos, double pk, double y, double z, std::string_view codigo,
                         std::span<const double> distancias, std::span<const double> cotas);

    // The closing lines; then the file takes its name.
    void WriteDXFFooter();

    // The layer of a tunnel profile: the chainage to the millimetre, metres and
    // millimetres joined by "_" (1234.5 gives "1234_500", 100.1 gives "100_100").
    static std::string ProfileLayer(double pk);

private:
    struct LabelLayer {
        bool activo;
        std::string nombre;  // Windows-1252 bytes, as written in the file
        std::string color;   // the colour line, printed as a number: " 1 "
        std::string mascara;
    };
    enum class Mode { D2, D3, Tunnel };

    void Line(std::string_view text) { out_.WriteLine(text); }
    void NumberLine(double value, std::string_view mask);
    void PointEntity(double x, double y, double z);
    void Text(std::string_view layer, const std::string& color, double x, double y, double z, std::string_view text);
    void Labels(std::string_view label1, std::string_view layerOverride, double x, double y, double z,
                std::string_view codigo);

    BufferedOutput out_;
    std::int32_t& contadorVertices_;
    Mode mode_;
    double step_;         // Escala / 1000
    std::string height_;  // text height line
    LabelLayer layers_[4];
    std::string number_;  // scratch for number lines
};
