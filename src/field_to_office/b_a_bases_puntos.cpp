// Binary points and bases files (.PTO, .BAS) to a list of names and coordinates,
// whatever the filter but "DXF", which draws the points.

#include <string>

#include "field_to_office/binary_conversion.h"
#include "field_to_office/binary_converters.h"
#include "field_to_office/tarsel_binary_records.h"

void ConvertBinaryBasesPuntos(const BinaryRequest& request, const State& state, std::int32_t& contadorVertices) {
    BinaryConversion c(request, kPuntoBaseBytes, state, contadorVertices);
    // Points and bases carry no code: the code label is ten blanks.
    const std::string codigo(kTextoBINBytes, ' ');
    TPuntoBase p;
    while (const unsigned char* bytes = c.Next()) {
        DecodePuntoBase(bytes, p);
        AddSpacesToString(p.Nombre);
        if (c.IsDXF()) {
            c.Dxf().WriteDXFPoint(p.Nombre, c.Finite(p.X, "X"), c.Finite(p.Y, "Y"), c.Finite(p.Z, "Z"), codigo);
        } else {
            c.Line().Bytes(p.Nombre);
            c.ZoneNumber(p.X, "0.000", "X");
            c.ZoneNumber(p.Y, "0.000", "Y");
            c.ZoneNumber(p.Z, "0.000", "Z");
            c.EndLine();
        }
    }
    c.Finish();
}
