#include "field_to_office/dxf_writer.h"

#include <cmath>
#include <limits>

#include "app/state.h"
#include "common/cp1252.h"
#include "common/errors.h"
#include "common/numbers.h"

// Every group code and every value is a line of its own ending in CR LF. The
// fixed parts of the entities are written as whole chunks.

namespace {

constexpr std::string_view kPointHead = "0\r\nPOINT\r\n8\r\n0\r\n62\r\n7\r\n10\r\n";
constexpr std::string_view kY = "\r\n20\r\n";
// The same, readable kPad bytes on.
constexpr char kPointHeadBlock[kPad] = "0\r\nPOINT\r\n8\r\n0\r\n62\r\n7\r\n10\r\n";
constexpr char kYBlock[kPad] = "\r\n20\r\n";
constexpr std::string_view kZ = "\r\n30\r\n";
constexpr std::string_view kEnd = "\r\n";

// The decimals of a label: 1 to 3; any other value gives none (the mask "0").
int LabelDecimals(std::int16_t decimals) { return decimals >= 1 && decimals <= 3 ? decimals : 0; }

// A DXF value is one line: a CR or LF inside a name, code or layer would put every
// group code after it out of step. Each becomes a blank (a TAB does no harm).
std::string_view OneLine(std::string_view text, std::string& buffer) {
    bool breaks = false;
    for (const char c : text) breaks |= (c == '\r') | (c == '\n');
    if (!breaks) return text;
    buffer.assign(text);
    for (char& c : buffer) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return buffer;
}

// A value printed as a number: its Str form and a trailing blank.
std::string PrintedNumber(double value) { return Num::Str(value) + " "; }

}  // namespace

void DXFWriter::TextHead(PaddedText& head, std::string_view layer, const std::string& color) {
    std::string buffer;
    head.Assign({"0\r\nTEXT\r\n8\r\n", OneLine(layer, buffer), "\r\n50\r\n0.0\r\n51\r\n0.0\r\n62\r\n", color, "\r\n10\r\n"});
}

DXFWriter::DXFWriter(std::string path, const State& state, std::int32_t& contadorVertices)
    : out_(std::move(path)), contadorVertices_(contadorVertices) {
    mode_ = state.DosTresD == 3 ? Mode::D3 : state.DosTresD == 4 ? Mode::Tunnel : Mode::D2;
    step_ = state.Escala / 1000.0;
    tail_ = "\r\n40\r\n" + Num::StrTrim(state.Escala * 1.3 / 1000) + "\r\n1\r\n";
    const std::int16_t activo[4] = {state.Layer1Activo, state.Layer2Activo, state.Layer3Activo, state.Layer4Activo};
    const std::string* nombre[4] = {&state.Layer1Nombre, &state.Layer2Nombre, &state.Layer3Nombre,
                                    &state.Layer4Nombre};
    const std::int16_t color[4] = {state.Layer1Color, state.Layer2Color, state.Layer3Color, state.Layer4Color};
    for (int i = 0; i < 4; ++i) {
        LabelLayer& layer = layers_[i];
        layer.activo = activo[i] == 1;
        layer.color = PrintedNumber(color[i]);
        // Layer names are typed in the dialog; the file holds Windows-1252 bytes.
        TextHead(layer.head, Cp1252::FromUtf8(*nombre[i]), layer.color);
    }
    layers_[1].decimales = LabelDecimals(state.Layer2Decimales);
    layers_[2].decimales = LabelDecimals(state.Layer3Decimales);
    out_.Write("0\r\nSECTION\r\n2\r\nENTITIES\r\n");
}

void DXFWriter::NumberText::Set(double value, int decimals) {
    static constexpr std::string_view kMasks[] = {"0", "0.0", "0.00", "0.000"};
    size_ = Num::FormatPlainDecimals(value, decimals, '.', plain_);
    if (size_ == 0) long_ = Num::Format(value, kMasks[decimals], '.');
}

std::string_view DXFWriter::Number(NumberText& text, double value, int decimals) {
    text.Set(value, decimals >= 0 && decimals <= 3 ? decimals : 0);
    return text.View();
}

void DXFWriter::Coordinates(double x, double y, double z) {
    Number(x_, x);
    Number(y_, y);
    Number(z_, z);
    // The z line and what follows it up to a TEXT's text, the same for the point
    // and all its labels: put together once.
    const std::string_view zLine = mode_ == Mode::D3 ? z_.View() : std::string_view("0");
    zTail_.Assign({kZ, zLine, tail_});
    zLineEnd_ = kZ.size() + zLine.size();
}

// An entity is put together in the output's buffer out of padded pieces, with room
// for the last one's padding; one that would not fit there goes piece by piece.
void DXFWriter::PointEntity() {
    const std::size_t size = kPointHead.size() + x_.size() + kY.size() + y_.size() + zLineEnd_ + kEnd.size();
    if (size > BufferedOutput::kRoom - kPad) {
        return out_.WriteAll(kPointHead, x_.View(), kY, y_.View(), zTail_.View().substr(0, zLineEnd_), kEnd);
    }
    char* const start = out_.Room(size + kPad);
    char* at = PutPadded(start, kPointHeadBlock, kPointHead.size());
    at = x_.PutTo(at);
    at = PutPadded(at, kYBlock, kY.size());
    at = y_.PutTo(at);
    at = PutPadded(at, zTail_.data(), zLineEnd_);
    at[0] = '\r';
    at[1] = '\n';
    out_.Advance(size);
}

void DXFWriter::Text(const PaddedText& head, const NumberText& x, const NumberText& y, std::string_view text) {
    const std::size_t size = head.size() + x.size() + kY.size() + y.size() + zTail_.size() + text.size() + kEnd.size();
    if (size > BufferedOutput::kRoom - kPad) {
        return out_.WriteAll(head.View(), x.View(), kY, y.View(), zTail_.View(), text, kEnd);
    }
    char* const start = out_.Room(size + kPad);
    char* at = head.PutTo(start);
    at = x.PutTo(at);
    at = PutPadded(at, kYBlock, kY.size());
    at = y.PutTo(at);
    at = zTail_.PutTo(at);
    CopySmall(at, text.data(), text.size());
    at += text.size();
    at[0] = '\r';
    at[1] = '\n';
    out_.Advance(size);
}

std::string_view DXFWriter::CoordinateLabel(const NumberText& threeDecimals, double value, int decimals) {
    return decimals == 3 ? threeDecimals.View() : Number(label_, value, decimals);
}

void DXFWriter::Labels(const PaddedText* const heads[4], std::string_view label1, double x, double y, double z,
                       std::string_view codigo) {
    const double s = step_;
    if (layers_[0].activo || layers_[2].activo || layers_[3].activo) Number(xRight_, x + 2 * s);
    if (layers_[0].activo) Text(*heads[0], xRight_, y_, OneLine(label1, oneLine_));
    if (layers_[1].activo) {
        const int decimals = layers_[1].decimales;
        Number(xLeft_, x - 14 * s);
        Text(*heads[1], xLeft_, y_, CoordinateLabel(x_, x, decimals));
        Number(yText_, y - 1.75 * s);
        Text(*heads[1], xLeft_, yText_, CoordinateLabel(y_, y, decimals));
    }
    if (layers_[2].activo) {
        Number(yText_, y - 2.5 * s);
        Text(*heads[2], xRight_, yText_, CoordinateLabel(z_, z, layers_[2].decimales));
    }
    if (layers_[3].activo) {
        Number(yText_, y - 6 * s);
        Text(*heads[3], xRight_, yText_, OneLine(codigo, oneLine_));
    }
}

void DXFWriter::WriteDXFPoint(std::string_view punto, double x, double y, double z, std::string_view codigo) {
    if (mode_ == Mode::Tunnel) {
        throw ConversionError(kTunelSoloPerfiles);
    }
    const PaddedText* const heads[4] = {&layers_[0].head, &layers_[1].head, &layers_[2].head, &layers_[3].head};
    Coordinates(x, y, z);
    PointEntity();
    Labels(heads, punto, x, y, z, codigo);
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
    if (rest < 0) {  // whole metres towards minus infinity, as for any negative chainage
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

void DXFWriter::WriteDXFProfile(std::int32_t noPuntos, double pk, double y, double z, std::string_view codigo,
                                std::span<const double> distancias, std::span<const double> cotas) {
    if (mode_ != Mode::Tunnel) {
        // A single point, whose name label is the number of points printed as a number.
        const PaddedText* const heads[4] = {&layers_[0].head, &layers_[1].head, &layers_[2].head, &layers_[3].head};
        Coordinates(pk, y, z);
        PointEntity();
        Labels(heads, PrintedNumber(noPuntos), pk, y, z, codigo);
        return;
    }
    const std::size_t n = noPuntos > 0 ? static_cast<std::size_t>(noPuntos) : 0;
    if (n == 0 || n > distancias.size() || n > cotas.size()) {
        throw ConversionError("El perfil del P.K. " + Num::StrTrim(pk) + " no tiene los puntos que indica.");
    }
    const std::string layer = ProfileLayer(pk);
    out_.Write("0\r\nPOLYLINE\r\n8\r\n");
    out_.Write(layer);
    out_.Write("\r\n62\r\n7\r\n66\r\n");
    out_.Write(Num::Str(noPuntos));
    out_.Write("\r\n10\r\n0\r\n20\r\n0\r\n30\r\n0\r\n70\r\n1\r\n");
    for (std::size_t i = 0; i < n; ++i) {
        if (contadorVertices_ == std::numeric_limits<std::int32_t>::max()) {
            throw ConversionError("Demasiados vértices en el dibujo DXF.");
        }
        ++contadorVertices_;
        out_.Write("  0\r\nVERTEX\r\n  5\r\n");
        out_.Write(std::to_string(contadorVertices_));
        out_.Write("\r\n  8\r\n0\r\n10\r\n");
        out_.Write(Number(x_, distancias[i]));
        out_.Write(kY);
        out_.Write(Number(y_, cotas[i]));
        out_.Write("\r\n30\r\n0\r\n");
    }
    out_.Write(" 0\r\nSEQEND\r\n");
    // Every label of the profile goes on the profile's layer.
    for (int k = 0; k < 4; ++k) TextHead(profileHeads_[k], layer, layers_[k].color);
    const PaddedText* const heads[4] = {&profileHeads_[0], &profileHeads_[1], &profileHeads_[2], &profileHeads_[3]};
    for (std::size_t i = 0; i < n; ++i) {
        Coordinates(distancias[i], cotas[i], cotas[i]);
        Labels(heads, PrintedNumber(static_cast<double>(i + 1)), distancias[i], cotas[i], cotas[i], codigo);
    }
}

void DXFWriter::WriteDXFFooter() {
    out_.Write(" 0\r\nENDSEC\r\n0\r\nEOF\r\n");
    out_.Commit();
}
