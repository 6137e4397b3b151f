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
    if (ObservationFieldText(item, d, text)) return;
    if (item <= 24) text = "0.000";  // 25, 26: no date or time in these files
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
