#pragma once
// The DXF drawing of the "DXF" filter: an ENTITIES section alone, with one POINT
// per written point (or one closed POLYLINE per tunnel profile) followed by its
// TEXT labels on up to four label layers. Every number uses "." whatever the
// user's regional settings: a DXF with decimal commas cannot be read. Every text
// value (names, codes, layers) is one line: its CR and LF bytes are written as blanks.
//
// One writer serves one conversion: the constructor starts the file (header),
// WriteDXFFooter ends it and gives it its name. A conversion that stops before
// the footer leaves no file behind.

#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

#include "common/buffered_output.h"
#include "common/numbers.h"
#include "common/padded_text.h"

struct State;

// Tunnel profiles ("dos_tres_d" 4) draw KTW profile files only; point data has no
// profile, and a Tarsel profile file is drawn as points.
inline constexpr const char* kTunelSoloPerfiles =
    "Con la opción \"Perfiles Túnel\" sólo se pueden dibujar ficheros de perfiles KTW. "
    "Elija 2D o 3D en los parámetros DXF.";

class DXFWriter {
public:
    // Creates the drawing at `path` and writes its header lines. Takes the DXF
    // options of the state as they are now; counts polyline vertex handles on
    // `contadorVertices` (the window's counter, which lives across conversions).
    DXFWriter(std::string path, const State& state, std::int32_t& contadorVertices);

    // One point and its labels (2D or 3D drawing). The name and the code are
    // written with all their characters, a CR or LF as a blank. In the tunnel-profile mode there is no
    // profile to draw: the conversion is refused (ConversionError).
    void WriteDXFPoint(std::string_view punto, double x, double y, double z, std::string_view codigo);

    // One measured profile of `noPuntos` points at chainage `pk`; distancias and
    // cotas hold the offsets and heights of points 1..noPuntos in their first
    // elements. Tunnel-profile mode: a closed polyline through the points on the
    // layer named after the chainage, and labels at each point. 2D and 3D: a single
    // point at (pk, y, z) whose name label is the number of points.
    void WriteDXFProfile(std::int32_t noPuntos, double pk, double y, double z, std::string_view codigo,
                         std::span<const double> distancias, std::span<const double> cotas);

    // The closing lines; then the file takes its name.
    void WriteDXFFooter();

    // The layer of a tunnel profile: the chainage to the millimetre, metres and
    // millimetres joined by "_" (1234.5 gives "1234_500", 100.1 gives "100_100").
    static std::string ProfileLayer(double pk);

private:
    struct LabelLayer {
        bool activo;
        std::string color;  // the colour line, printed as a number: " 1 "
        int decimales;      // labels of layers 2 and 3: decimals of their texts
        PaddedText head;    // a TEXT entity on this layer up to its x value
    };
    enum class Mode { D2, D3, Tunnel };

    // The text of one number, formatted in place: no allocation, no copy but the
    // one into the file.
    class NumberText {
    public:
        // Format(value, mask of 0 to 3 places).
        void Set(double value, int decimals);
        std::string_view View() const { return size_ > 0 ? std::string_view(plain_, size_) : std::string_view(long_); }
        std::size_t size() const { return size_ > 0 ? size_ : long_.size(); }
        // Copies the text to `at`, which has room for kPad bytes more; returns its end.
        char* PutTo(char* at) const {
            if (size_ > 0) return PutPadded(at, plain_, size_);
            std::memcpy(at, long_.data(), long_.size());  // not padded
            return at + long_.size();
        }

    private:
        static_assert(Num::kPlainFormatBytes <= kPad);
        char plain_[kPad] = {};
        std::size_t size_ = 0;
        std::string long_;  // a value too large for the plain road
    };

    // Format(value, "0.000") with a point, into one of the writer's texts.
    std::string_view Number(NumberText& text, double value, int decimals = 3);
    // x_, y_ and z_: the coordinates of the point being written, to three decimals.
    void Coordinates(double x, double y, double z);
    void PointEntity();
    void Text(const PaddedText& head, const NumberText& x, const NumberText& y, std::string_view text);
    // The labels of the point whose coordinates are in x_, y_, z_; heads: the TEXT
    // heads of the four label layers.
    void Labels(const PaddedText* const heads[4], std::string_view label1, double x, double y, double z,
                std::string_view codigo);
    // A coordinate label: the text of the point's coordinate when it has three decimals.
    std::string_view CoordinateLabel(const NumberText& threeDecimals, double value, int decimals);
    static void TextHead(PaddedText& head, std::string_view layer, const std::string& color);

    BufferedOutput out_;
    std::int32_t& contadorVertices_;
    Mode mode_;
    double step_;       // Escala / 1000
    std::string tail_;  // from the end of a TEXT's z line to its text: height and code 1
    LabelLayer layers_[4];
    // The texts of one point's numbers, kept to reuse their storage.
    NumberText x_, y_, z_, xRight_, xLeft_, yText_, label_;
    // From the z group code of the point being written to the text of its labels:
    // the z line (z_ in 3D, "0" otherwise) ends at zLineEnd_, then tail_.
    PaddedText zTail_;
    std::size_t zLineEnd_ = 0;
    PaddedText profileHeads_[4];
    std::string oneLine_;  // a label text whose line breaks became blanks
};
