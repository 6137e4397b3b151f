// Binary analysis files (.LIB) to "Elsamex", "DXF", "Modelo Digital" and the list
// of every other filter: name, the two values of the point, coordinates, code.

#include <string>

#include "common/errors.h"
#include "field_to_office/binary_conversion.h"
#include "field_to_office/binary_converters.h"
#include "field_to_office/tarsel_binary_records.h"

namespace {

bool EndsInLIB(const std::string& name) {
    if (name.size() < 3) return false;
    std::string end = name.substr(name.size() - 3);
    for (char& ch : end)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    return end == "LIB";
}

}  // namespace

void ConvertBinaryAnalysis(const BinaryRequest& request, const State& state, std::int32_t& contadorVertices) {
    // Any other file would be read as analysis records all the same.
    if (!EndsInLIB(request.entrada)) {
        throw ConversionError("El fichero de entrada no es un fichero de análisis (*.LIB).");
    }
    BinaryConversion c(request, kDatoAnalisisBINBytes, state, contadorVertices);
    TDatoAnalisisBIN d;
    std::string code;
    while (const unsigned char* bytes = c.Next()) {
        DecodeDatoAnalisisBIN(bytes, d);
        AddSpacesToString(d.Nombre);
        if (request.filtro == "Elsamex") {
            c.Out().WriteLine("----");
            for (const auto& [value, campo] : {std::pair{d.Valor1, "Valor1"}, std::pair{d.Valor2, "Valor2"},
                                               std::pair{d.Z, "Z"}, std::pair{d.X, "X"}, std::pair{d.Y, "Y"}}) {
                c.Out().WriteLine(c.Formatted(value, "0.000", campo));
            }
        } else if (c.IsDXF()) {
            c.Dxf().WriteDXFPoint(d.Nombre, c.Finite(d.X, "X"), c.Finite(d.Y, "Y"), c.Finite(d.Z, "Z"),
                                  BlankedText(d.Codigo, code));
        } else {
            c.Line().Bytes(d.Nombre);
            if (request.filtro != "Modelo Digital") {
                c.ZoneNumber(d.Valor1, "0.000", "Valor1");
                c.ZoneNumber(d.Valor2, "0.000", "Valor2");
            }
            c.ZoneNumber(d.X, "0.000", "X");
            c.ZoneNumber(d.Y, "0.000", "Y");
            c.ZoneNumber(d.Z, "0.000", "Z");
            c.ZoneCode(d.Codigo);
            c.EndLine();
        }
    }
    c.Finish();
}
