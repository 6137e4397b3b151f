// Binary observations (.FIC) to "Estandar", "DXF", "Topcal", "Brennsoft" and the
// list of names and coordinates of every other standard filter.

#include <string>

#include "common/zone_line.h"
#include "field_to_office/binary_conversion.h"
#include "field_to_office/binary_converters.h"
#include "field_to_office/office_writers.h"
#include "field_to_office/tarsel_binary_records.h"

namespace {

// A value right-aligned in `width` columns (none added to a longer text).
void RightAligned(std::string& line, const std::string& text, std::size_t width) {
    if (text.size() < width) line.append(width - text.size(), ' ');
    line += text;
}

void TopcalLine(BinaryConversion& c, const TDatoCampoBIN& d, std::string& line) {
    line.assign(d.Estacion);
    line += d.Punto;
    RightAligned(line, c.Formatted(d.Hz, "0.0000", "Hz"), 10);
    RightAligned(line, c.Formatted(d.V, "0.0000", "V"), 10);
    RightAligned(line, c.Formatted(d.DistGeometrica, "0.000", "DistGeometrica"), 10);
    // The heights: as many blanks as 8 exceeds the length of the value written with
    // four decimals, then the value with three.
    for (const auto& [value, campo] : {std::pair{d.AlturaPrisma, "AlturaPrisma"},
                                       std::pair{d.AlturaInstrumento, "AlturaInstrumento"}}) {
        const std::size_t four = c.Formatted(value, "0.0000", campo).size();
        if (four < 8) line.append(8 - four, ' ');
        line += c.Formatted(value, "0.000", campo);
    }
    c.Out().WriteLine(line);
}

void BrennsoftLine(BinaryConversion& c, const TDatoCampoBIN& d, std::string& line, std::string& code) {
    line.assign(d.Punto);
    line += " , ";
    line += c.Formatted(d.X, "0.000", "X");
    line += " , ";
    line += c.Formatted(d.Y, "0.000", "Y");
    line += " , ";
    line += c.Formatted(d.Z, "0.000", "Z");
    const std::string_view codigo = BlankedText(d.Codigo1, code);
    if (!IsBlankText(codigo)) {
        line += " , ";
        line += codigo;
    }
    line += ' ';
    c.Out().WriteLine(line);
}

}  // namespace

void ConvertBinaryTaqui(const BinaryRequest& request, const State& state, std::int32_t& contadorVertices) {
    BinaryConversion c(request, kDatoCampoBINBytes, state, contadorVertices);
    const OfficeFilter filter = OfficeFilterOf(request.filtro);
    TDatoCampoBIN d;
    std::string line;
    std::string code;
    while (const unsigned char* bytes = c.Next()) {
        DecodeDatoCampoBIN(bytes, d);
        AddSpacesToString(d.Punto);
        switch (filter) {
            case OfficeFilter::Estandar: {
                const ZoneNumber numbers[] = {{d.Hz, 4}, {d.V, 4}, {d.DistGeometrica, 3},
                                              {d.AlturaInstrumento, 3}, {d.AlturaPrisma, 3}};
                // A value that is not finite takes the other road, which names its field.
                if (WriteZoneLine(c.Out(), d.Punto, numbers, request.decimalSeparator)) break;
                c.Line().Bytes(d.Punto);
                c.ZoneNumber(d.Hz, "0.0000", "Hz");
                c.ZoneNumber(d.V, "0.0000", "V");
                c.ZoneNumber(d.DistGeometrica, "0.000", "DistGeometrica");
                c.ZoneNumber(d.AlturaInstrumento, "0.000", "AlturaInstrumento");
                c.ZoneNumber(d.AlturaPrisma, "0.000", "AlturaPrisma");
                c.EndLine();
                break;
            }
            case OfficeFilter::DXF:
                c.Dxf().WriteDXFPoint(d.Punto, c.Finite(d.X, "X"), c.Finite(d.Y, "Y"), c.Finite(d.Z, "Z"),
                                      BlankedText(d.Codigo1, code));
                break;
            case OfficeFilter::Topcal:
                // The one line that shows the station's name.
                AddSpacesToString(d.Estacion);
                TopcalLine(c, d, line);
                break;
            case OfficeFilter::Brennsoft: BrennsoftLine(c, d, line, code); break;
            default:
                c.Line().Bytes(d.Punto);
                c.ZoneNumber(d.X, "0.000", "X");
                c.ZoneNumber(d.Y, "0.000", "Y");
                c.ZoneNumber(d.Z, "0.000", "Z");
                c.ZoneCode(d.Codigo1);
                c.EndLine();
                break;
        }
    }
    c.Finish();
}
