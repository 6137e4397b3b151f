// KTW data through a user filter, the fixed layouts of points and bases files of
// "Tarsel v3.00 o posterior", and the "Topcal" and "Brennsoft" lines of KTW data.

#include <optional>
#include <stdexcept>

#include "common/buffered_output.h"
#include "common/errors.h"
#include "common/line_input.h"
#include "common/ktw_word.h"
#include "common/numbers.h"
#include "field_to_office/dxf_writer.h"
#include "field_to_office/ktw_decoder.h"
#include "field_to_office/office_writers.h"
#include "field_to_office/user_filter_converters.h"
#include "field_to_office/user_filter_lines.h"

namespace {

enum class Salida { Filtro, Fijo, Topcal, Brennsoft, DXF };

Salida SalidaDe(const UserFilterRequest& request) {
    if (request.formatoCampo == 2 && (request.puntos || request.bases)) {
        return request.filtro == "DXF" ? Salida::DXF : Salida::Fijo;
    }
    if (request.filtro == "Topcal") return Salida::Topcal;
    if (request.filtro == "Brennsoft") return Salida::Brennsoft;
    return Salida::Filtro;
}

// The text of field `item` of the current KTW observation. The words of the prism
// constant, ppm, date and time are not decoded: 0 and empty.
void CadenaFormat(int item, const KTWDecoderState& s, std::string& text) {
    if (ObservationFieldText(item, s.DatoCampo, text)) return;
    switch (item) {
        // With a point whatever the locale: a decimal comma would split a column.
        case 22: return Num::AppendFormat(text, s.Pk, "0.000", '.');
        case 23: return Num::AppendFormat(text, s.DistanciaEje, "0.000", '.');
        case 24: return Num::AppendFormat(text, s.DistanciaTunel, "0.000", '.');
        case 25: text = s.DatoCampo.Fecha; return;
        default: text = s.DatoCampo.Hora; return;
    }
}

}  // namespace

void ConvertKTWUser(const UserFilterRequest& request, const PedirComentario& comentario, const State& state,
                    std::int32_t& contadorVertices) {
    const Salida salida = SalidaDe(request);
    std::optional<UserLayout> layout;
    if (salida == Salida::Filtro) layout = UserLayout::From(RequireDefinition(request.definicion, request.filtro));
    if (salida == Salida::Fijo) layout = UserLayout::Fijo(request.bases);

    LineInput input(request.entrada);
    std::optional<DXFWriter> dxf;
    std::optional<BufferedOutput> text;
    std::optional<OfficeLineWriter> office;
    std::optional<UserLineBuilder> lines;
    if (salida == Salida::DXF) {
        dxf.emplace(request.salida, state, contadorVertices);
    } else {
        text.emplace(request.salida);
    }
    if (salida == Salida::Topcal || salida == Salida::Brennsoft) {
        office.emplace(salida == Salida::Topcal ? OfficeFilter::Topcal : OfficeFilter::Brennsoft, false, false,
                       request.decimalSeparator);
        // Here the reflector height comes before the instrument's, and the numbers
        // take the mask of this converter's own words.
        office->ComoFiltroDeUsuario();
    }
    if (layout) {
        std::optional<std::string> comment;
        if (layout->comentarios) comment = comentario();
        WritePreamble(*layout, comment, *text);
        lines.emplace(*layout);
    }
    const bool estacionEnColumnas = layout && layout->TieneEstacion();

    KTWDecoderState decoder;
    StartKTWConversion(decoder);
    std::string_view line;
    std::int64_t lineNumber = 0;
    std::int64_t records = 0;
    while (input.Next(line)) {
        ++lineNumber;
        bool write = false;
        try {
            write = DecodeKTWLine(line, decoder);
        } catch (const std::overflow_error&) {
            throw ConversionError("Número fuera de rango en la línea " + std::to_string(lineNumber) + ".");
        }
        // The station mark belongs to this line alone.
        const bool estacion = decoder.NuevaEstacion;
        decoder.NuevaEstacion = false;
        if (!write) continue;  // no point name, or a code block
        ++records;
        const TDatoCampo& d = decoder.DatoCampo;
        switch (salida) {
            case Salida::DXF:
                if (request.bases && estacion) {
                    dxf->WriteDXFPoint(d.Estacion, d.XEstacion, d.YEstacion, d.ZEstacion, d.Codigo1);
                } else if (!request.bases && !estacion) {
                    dxf->WriteDXFPoint(d.Punto, d.X, d.Y, d.Z, d.Codigo1);
                }
                break;
            case Salida::Topcal:
            case Salida::Brennsoft: office->Write(decoder, *text); break;
            case Salida::Filtro:
            case Salida::Fijo:
                if (estacion ? estacionEnColumnas : !request.bases) {
                    lines->Write([&decoder](int item, std::string& t) { CadenaFormat(item, decoder, t); }, *text);
                }
                break;
        }
    }
    // Leaving now drops the temporary output: nothing is written.
    if (records == 0) throw ConversionError(Strings::kSinDatosKTW);
    if (dxf) {
        dxf->WriteDXFFooter();
    } else {
        text->Commit();
    }
}
