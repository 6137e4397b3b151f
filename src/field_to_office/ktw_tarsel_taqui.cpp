#include "field_to_office/ktw_tarsel_taqui.h"

#include <optional>
#include <stdexcept>

#include "app/state.h"
#include "common/errors.h"
#include "field_to_office/ba_form.h"
#include "common/buffered_output.h"
#include "field_to_office/dxf_writer.h"
#include "field_to_office/ktw_decoder.h"
#include "common/ktw_word.h"
#include "common/line_input.h"
#include "field_to_office/office_writers.h"
#include "field_to_office/record_formats.h"

void ConvertKTWTaqui(const KTWTaquiRequest& request, const State& state, std::int32_t& contadorVertices,
                     const std::function<bool()>& opcionFieldWorks) {
    const OfficeFilter filter = OfficeFilterOf(request.filtro);
    LineInput input(request.entrada);
    // The drawing belongs to the DXF writer whatever the file type: an analysis
    // file draws its points as an observation file does.
    std::optional<DXFWriter> dxf;
    std::optional<BufferedOutput> text;
    std::optional<OfficeLineWriter> lines;
    std::optional<RecordFormatWriter> recordFormat;
    if (filter == OfficeFilter::DXF) {
        dxf.emplace(request.salida, state, contadorVertices);
    } else {
        text.emplace(request.salida);
        // An analysis file gets the header of these formats and then its own lines.
        if (RecordFormatWriter::Serves(filter)) recordFormat.emplace(filter, request, opcionFieldWorks, *text);
        lines.emplace(filter, request.analisis, request.perfiles, request.decimalSeparator);
    }

    KTWDecoderState decoder;
    StartKTWConversion(decoder);
    if (filter == OfficeFilter::Estandar && !request.analisis) {
        // Its lines hold the angles, the slope distance and the two heights alone.
        decoder.Valores.reset();
        for (std::size_t wi : {21, 22, 31, 87, 88}) decoder.Valores.set(wi);
    }
    std::string_view line;
    std::int64_t lineNumber = 0;
    std::int64_t records = 0;
    while (input.Next(line)) {
        ++lineNumber;
        try {
            if (!DecodeKTWLine(line, decoder)) continue;
            ++records;
            TDatoCampo& d = decoder.DatoCampo;
            if (dxf) {
                if (decoder.NuevaEstacion) {
                    decoder.NuevaEstacion = false;
                    dxf->WriteDXFPoint(d.Estacion, d.XEstacion, d.YEstacion, d.ZEstacion, d.Codigo1);
                } else {
                    dxf->WriteDXFPoint(d.Punto, d.X, d.Y, d.Z, d.Codigo1);
                }
            } else if (recordFormat && !request.analisis) {
                recordFormat->Write(decoder, *text);
            } else {
                lines->Write(decoder, *text);
            }
        } catch (const std::overflow_error&) {
            throw ConversionError("Número fuera de rango en la línea " + std::to_string(lineNumber) + ".");
        }
    }
    // Leaving now drops the temporary output: nothing is written.
    if (records == 0) throw ConversionError(Strings::kSinDatosKTW);
    if (dxf) {
        dxf->WriteDXFFooter();
    } else if (recordFormat) {
        recordFormat->Finish(*text);
    } else {
        text->Commit();
    }
}

void KTW_Tarsel_Taqui(ba_form& form) {
    Context& ctx = form.ctx();
    KTWTaquiRequest request;
    request.entrada = ctx.state.InFilePath;
    request.salida = ctx.state.OutFilePath;
    request.filtro = form.Combo1.Text();
    request.analisis = form.Option5.Value();
    request.perfiles = form.Option6.Value();
    request.decimalSeparator = ctx.desktop.DecimalSeparator();
    const auto opcionFieldWorks = [&ctx] {
        ctx.desktop.SetMousePointer(platform::kDefaultPointer);
        ctx.desktop.ShowModal("FormFDWOptions");
        ctx.desktop.SetMousePointer(platform::kHourglass);
        return ctx.state.OpcionFieldWorks;
    };
    ConvertKTWTaqui(request, ctx.state, form.ContadorVertices, opcionFieldWorks);
}
