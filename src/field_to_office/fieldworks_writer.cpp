#include "field_to_office/fieldworks_writer.h"

#include "common/utf8_columns.h"
#include "field_to_office/convert_fields.h"

namespace {

constexpr const char* kMask = "0.0000";

}  // namespace

void WriteFieldWorksHeader(BufferedOutput& out) {
    out.WriteLine("Linear Units                     =               Meters");
    out.WriteLine("Angular Units                    =             Gradians");
    out.WriteLine("Direction Units                  =        North Azimuth");
    out.WriteLine("Horz. Obs. Units                 =           Right Face");
    out.WriteLine("Vert. Obs. Units                 =               Zenith");
    out.WriteLine("");
}

void FieldWorksWriter::Number(std::string_view tag, double value, int width) {
    line_ += tag;
    FixedNumberField(value, kMask, static_cast<std::int16_t>(width), field_);
    line_ += field_;
}

void FieldWorksWriter::Coordinates(const char* tag, double x, double y, double z, BufferedOutput& out) {
    if (!coordenadas_) return;
    // The northing column carries X and the easting column Y.
    line_.assign(tag);
    line_ += "                     ";
    Number("N:", x, 14);
    Number("  E:", y, 14);
    Number("  Z:", z, 14);
    out.WriteLine(line_);
}

void FieldWorksWriter::Codes(const TDatoCampo& d, BufferedOutput& out) {
    line_.assign("CODE    ");
    line_ += Utf8::TrimBlanks(d.Codigo1);
    for (const std::string* codigo : {&d.Codigo2, &d.Codigo3, &d.Codigo4, &d.Codigo5}) {
        line_ += ' ';
        line_ += Utf8::TrimBlanks(*codigo);
    }
    out.WriteLine(line_);
}

void FieldWorksWriter::Write(KTWDecoderState& state, BufferedOutput& out) {
    TDatoCampo& d = state.DatoCampo;
    for (std::string* codigo : {&d.Codigo1, &d.Codigo2, &d.Codigo3, &d.Codigo4, &d.Codigo5}) {
        if (Utf8::TrimBlanks(*codigo) == "0") codigo->assign(kLongitudCodigo, ' ');
    }

    const bool station = state.NuevaEstacion;
    if (station) {
        line_.assign("STN     ");
        FixedTextField(d.Estacion, 15, field_);
        line_ += field_;
    } else {
        line_.assign(d.V < 200 ? "OBS  F1 " : "OBS  F2 ");
        FixedTextField(d.Punto, 15, field_);
        line_ += field_;
        Number("  H:", d.Hz, 14);
        Number("  V:", d.V, 14);
        Number("  D:", d.DistGeometrica, 14);
    }
    out.WriteLine(line_);
    line_.clear();
    // Instrument height of a set-up, target height of a point.
    Number(station ? "HI      " : "TH      ", station ? d.AlturaInstrumento : d.AlturaPrisma, 15);
    out.WriteLine(line_);
    if (station) {
        Coordinates("FCRD", d.XEstacion, d.YEstacion, d.ZEstacion, out);
    } else {
        Coordinates("CCRD", d.X, d.Y, d.Z, out);
    }
    Codes(d, out);
    if (!station && state.Observacion != observacionAnterior_) {
        line_.assign("NOTE    ");
        line_ += Utf8::TrimBlanks(state.Observacion);
        out.WriteLine(line_);
        observacionAnterior_ = state.Observacion;
    }
    out.WriteLine("");
    state.NuevaEstacion = false;
}
