// Binary observations (.FIC) through a user filter.

#include <cmath>

#include "field_to_office/binary_conversion.h"
#include "field_to_office/tarsel_binary_records.h"
#include "field_to_office/user_filter_converters.h"
#include "field_to_office/user_filter_lines.h"

namespace {

// The record's values as the columns show them: lengths to three decimals, angles
// to four, the horizontal distance and the height difference from those.
void Prepare(BinaryConversion& c, TDatoCampoBIN& d) {
    AddSpacesToString(d.Estacion);
    AddSpacesToString(d.Punto);
    for (std::string* codigo : {&d.Codigo1, &d.Codigo2, &d.Codigo3, &d.Codigo4, &d.Codigo5}) {
        AddSpacesToString(*codigo);
    }
    const auto mm = [&c](double& value, const char* campo) { value = RoundToMask(c.Finite(value, campo), "0.000"); };
    mm(d.XEstacion, "XEstacion");
    mm(d.YEstacion, "YEstacion");
    mm(d.ZEstacion, "ZEstacion");
    mm(d.DistGeometrica, "DistGeometrica");
    mm(d.AlturaInstrumento, "AlturaInstrumento");
    mm(d.AlturaPrisma, "AlturaPrisma");
    mm(d.X, "X");
    mm(d.Y, "Y");
    mm(d.Z, "Z");
    d.Hz = RoundToMask(c.Finite(d.Hz, "Hz"), "0.0000");
    d.V = RoundToMask(c.Finite(d.V, "V"), "0.0000");
    d.DistHorizontal = RoundToMask(d.DistGeometrica * std::sin(c.Finite(d.ZenitRadianes, "V")), "0.000");
    d.Desnivel = RoundToMask(d.Z - d.ZEstacion, "0.000");
}

// The text of field `item` of a prepared record. The record holds no chainage,
// offsets, date or time: those columns are 0.000 and empty.
void CadenaFormatBIN(int item, const TDatoCampoBIN& d, std::string& text) {
    switch (item) {
        case 0: text = d.Estacion; return;
        case 1: return AppendStr(text, d.XEstacion);
        case 2: return AppendStr(text, d.YEstacion);
        case 3: return AppendStr(text, d.ZEstacion);
        case 4: text = d.Punto; return;
        case 5: return AppendStr(text, d.Hz);
        case 6: return AppendStr(text, d.V);
        case 7: return AppendStr(text, d.DistGeometrica);
        case 8: return AppendStr(text, d.AlturaInstrumento);
        case 9: return AppendStr(text, d.AlturaPrisma);
        case 10: return AppendStr(text, d.ConstantePrisma);
        case 11: return AppendStr(text, d.Ppm);
        case 12: text = d.Codigo1; return;
        case 13: text = !d.Codigo2.empty() && d.Codigo2[0] == '0' ? " " : d.Codigo2; return;
        case 14: text = d.Codigo3; return;
        case 15: text = d.Codigo4; return;
        case 16: text = d.Codigo5; return;
        case 17: return AppendStr(text, d.X);
        case 18: return AppendStr(text, d.Y);
        case 19: return AppendStr(text, d.Z);
        case 20: return AppendStr(text, d.DistHorizontal);
        case 21: return AppendStr(text, d.Desnivel);
        case 22: case 23: case 24: text = "0.000"; return;
        default: return;  // 25, 26: no date or time in these files
    }
}

}  // namespace

void ConvertBinaryUser(const UserFilterRequest& request, const PedirComentario& comentario, const State& state,
                       std::int32_t& contadorVertices) {
    const UserLayout layout = UserLayout::From(RequireDefinition(request.definicion, request.filtro));
    BinaryRequest binary{request.entrada, request.salida, request.filtro, request.decimalSeparator};
    BinaryConversion c(binary, kDatoCampoBINBytes, state, contadorVertices, false);
    std::optional<std::string> comment;
    if (layout.comentarios) comment = comentario();
    WritePreamble(layout, comment, c.Out());

    UserLineBuilder lines(layout);
    TDatoCampoBIN d;
    while (const unsigned char* bytes = c.Next()) {
        DecodeDatoCampoBIN(bytes, d);
        Prepare(c, d);
        lines.Write([&d](int item, std::string& text) { CadenaFormatBIN(item, d, text); }, c.Out());
    }
    c.Finish();
}
