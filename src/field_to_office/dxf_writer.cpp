#include "field_to_office/dxf_writer.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "app/state.h"
#include "common/cp1252.h"
#include "common/errors.h"
#include "common/numbers.h"
#include "field_to_office/number_text.h"

namespace {

std::string DecimalsMask(std::int16_t decimals) {
    switch (decimals) {
        case 3: return "0.000";
        case 2: return "0.00";
        case 1: return "0.0";
        default: return "0";
    }
}

// A value printed as a number: its Str form and a trailing blank.
std::string PrintedNumber(double value) { return Num::Str(value) + " "; }

}  // namespace

DXFWriter::DXFWriter(std::string path, const State& state, std::int32_t& contadorVertices)
    : out_(std::move(path)), contadorVertices_(contadorVertices) {
    mode_ = state.DosTresD == 3 ? Mode::D3 : state.DosTresD == 4 ? Mode::Tunnel : Mode::D2;
    step_ = state.Escala / 1000.0;
    height_ = Num::StrTrim(state.Escala * 1.3 / 1000);
    layers_[0] = {state.Layer1Activo == 1, Cp1252::FromUtf8(state.Layer1Nombre), PrintedNumber(state.Layer1Color), {}};
    layers_[1] = {state.Layer2Activo == 1, Cp1252::FromUtf8(state.Layer2Nombre), PrintedNumber(state.Layer2Color),
                  DecimalsMask(state.Layer2Decimales)};
    layers_[2] = {state.Layer3Activo == 1, Cp1252::FromUtf8(state.Layer3Nombre), PrintedNumber(state.Layer3Color),
                  DecimalsMask(state.Layer3Decimales)};
    layers_[3] = {state.Layer4Activo == 1, Cp1252::FromUtf8(state.Layer4Nombre), PrintedNumber(state.Layer4Color), {}};
    Line("0");
    Line("SECTION");
    Line("2");
    Line("ENTITIES");
}

void DXFWriter::NumberLine(double value, std::string_view mask) {
    number_.clear();
    AppendFormat(number_, value, mask, '.');
    Line(number_);
}

void DXFWriter::Text(std::string_view layer, const std::string& color, double x, double y, double z,
                     std::string_view text) {
    Line("0");
    Line("TEXT");
    Line("8");
    Line(layer);
    Line("50");
    Line("0.0");
    Line("51");
    Line("0.0");
    Line("62");
    Line(color);
    Line("10");
    NumberLine(x, "0.000");
    Line("20");
    NumberLine(y, "0.000");
    Line("30");
    if (mode_ == Mode::D3) {
        NumberLine(z, "0.000");
    } else {
        Line("0");
    }
    Line("40");
    Line(height_);
    Line("1");
    Line(text);
}

void DXFWriter::Labels(std::string_view label1, std::string_view layerOverride, double x, double y, double z,
                       std::string_view codigo) {
    const double s = step_;
    auto layer = [&](const LabelLayer& l) -> std::string_view {
        return mode_ == Mode::Tunnel ? layerOverride : std::string_view(l.nombre);
    };
    if (layers_[0].activo) Text(layer(layers_[0]), layers_[0].color, x + 2 * s, y, z, label1);
    if (layers_[1].activo) {
        Text(layer(layers_[1]), layers_[1].color, x - 14 * s, y, z, FormatText(x, layers_[1].mascara, '.'));
        Text(layer(layers_[1]), layers_[1].color, x - 14 * s, y - 1.75 * s, z,
             FormatText(y, layers_[1].mascara, '.'));
    }
    if (layers_[2].activo) {
        Text(layer(layers_[2]), layers_[2].color, x + 2 * s, y - 2.5 * s, z, FormatText(z, layers_[2].mascara, '.'));
    }
    if (layers_[3].activo) Text(layer(layers_[3]), layers_[3].color, x + 2 * s, y - 6 * s, z, codigo);
}

void DXFWriter::PointEntity(double x, double y, double z) {
    Line("0");
    Line("POINT");
    Line("8");
    Line("0");
    Line("62");
    Line("7");
    Line("10");
    NumberLine(x, "0.000");
    Line("20");
    NumberLine(y, "0.000");
    Line("30");
    if (mode_ == Mode::D3) {
        NumberLine(z, "0.000");
    } else {
        Line("0");
    }
}

void DXFWriter::WriteDXFPoint(std::string_view punto, double x, double y, double z, std::string_view codigo) {
    if (mode_ == Mode::Tunnel) {
        throw ConversionError(
            "Con la opción \"Perfiles Túnel\" sólo se pueden dibujar ficheros de perfiles. "
            "Elija 2D o 3D en los parámetros DXF.");
    }
    PointEntity(x, y, z);
    Labels(punto, {}, x, y, z, codigo);
}

std::string DXFWriter::ProfileLayer(double pk) {
    const double millimetres = Num::RoundHalfEven(pk * 1000.0);
    // Beyond 2^53 mm the millimetres are no longer whole numbers.
    if (!(std::fabs(millimetres) <= 9007199254740992.0)) {
        throw ConversionError("P.K. fuera de rango en el perfil: " + Num::StrTrim(pk));
    }
    const auto mm = static_cast<std::int64_t>(millimetres);
    std::int64_t metres = mm / 1000;
    std::int64_t rest = mm % 1000;
    if (rest < 0) {  // towards minus infinity, as the whole metres of a negative chainage
        rest += 1000;
        metres -= 1;
    }
    std::string layer = std::to_string(metres);
    layer.push_back('_');
    layer.push_back(static_cast<char>('0' + rest / 100));
    layer.push_back(static_cast<char>('0' + rest / 10 % 10));
    layer.push_back(static_cast<char>('0' + rest % 10));
    return layer;
}

void DXFWriter::WriteDXFProfile(std::int16_t noPuntos, double pk, double y, double z, std::string_view codigo,
                                std::span<const double> distancias, std::span<const double> cotas) {
    if (mode_ != Mode::Tunnel) {
        // A single point, whose name label is the number of points printed as a number.
        PointEntity(pk, y, z);
        Labels(PrintedNumber(noPuntos), {}, pk, y, z, codigo);
        return;
    }
    const std::size_t n = noPuntos > 0 ? static_cast<std::size_t>(noPuntos) : 0;
    if (n == 0 || n > distancias.size() || n > cotas.size()) {
        throw ConversionError("El perfil del P.K. " + Num::StrTrim(pk) + " no tiene los puntos que indica.");
    }
    const std::string layer = ProfileLayer(pk);
    Line("0");
    Line("POLYLINE");
    Line("8");
    Line(layer);
    Line("62");
    Line("7");
    Line("66");
    Line(Num::Str(noPuntos));
    Line("10");
    Line("0");
    Line("20");
    Line("0");
    Line("30");
    Line("0");
    Line("70");
    Line("1");
    for (std::size_t i = 0; i < n; ++i) {
        if (contadorVertices_ == std::numeric_limits<std::int32_t>::max()) {
            throw ConversionError("Demasiados vértices en el dibujo DXF.");
        }
        ++contadorVertices_;
        Line("  0");
        Line("VERTEX");
        Line("  5");
        Line(std::to_string(contadorVertices_));
        Line("  8");
        Line("0");
        Line("10");
        NumberLine(distancias[i], "0.000");
        Line("20");
        NumberLine(cotas[i], "0.000");
        Line("30");
        Line("0");
    }
    Line(" 0");
    Line("SEQEND");
    for (std::size_t i = 0; i < n; ++i) {
        Labels(PrintedNumber(static_cast<double>(i + 1)), layer, distancias[i], cotas[i], cotas[i], codigo);
    }
}

void DXFWriter::WriteDXFFooter() {
    Line(" 0");
    Line("ENDSEC");
    Line("0");
    Line("EOF");
    out_.Commit();
}
