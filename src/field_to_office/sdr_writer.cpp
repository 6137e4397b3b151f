#include "field_to_office/sdr_writer.h"

#include "common/cp1252.h"
#include "common/utf8_columns.h"
#include "common/file_names.h"
#include "field_to_office/convert_fields.h"

namespace {

constexpr int kWidth = 10;

// The first four characters of a name, right-justified in four.
void Name4(std::string_view name, std::string& line, std::string& field) {
    FixedTextField(name.substr(0, 4), 4, field);
    line += field;
}

}  // namespace

void WriteSDRHeader(std::string_view entrada, BufferedOutput& out) {
    out.WriteLine("00EDSDR5    V01-03  000003-Ene-88 23:47 211121");
    const std::string upper = UpperFileName(entrada);
    std::string_view job(upper);
    job.remove_suffix(job.size() < 4 ? job.size() : 4);
    job.remove_prefix(FolderOf(job).size());
    out.Write("10NM");
    out.WriteLine(Cp1252::FromUtf8(job));
    out.WriteLine("06NM1.000000");
    out.WriteLine("01NM:SET             000000SET             00000031                              ");
}

void SDRRecordWriter::Number(double value, int width) {
    FixedNumberField(value, "0.000", static_cast<std::int16_t>(width), field_);
    line_ += field_;
}

void SDRRecordWriter::CodeSuffix(std::string_view codigo) {
    const std::string_view trimmed = Utf8::TrimBlanks(codigo);
    if (trimmed.empty()) return;
    line_ += ' ';
    line_ += trimmed;
    line_ += ' ';
}

void SDRRecordWriter::WriteHeight(double altura, BufferedOutput& out) {
    line_.assign("03F1");
    Number(altura, 5);
    out.WriteLine(line_);
}

void SDRRecordWriter::Write(KTWDecoderState& state, BufferedOutput& out) {
    TDatoCampo& d = state.DatoCampo;
    if (Utf8::TrimBlanks(d.Codigo1) == "0") d.Codigo1.assign(kLongitudCodigo, ' ');

    if (state.NuevaEstacion) {
        // The last point of the previous set-up, with its own target height.
        if (sdrPendiente_) {
            WriteHeight(alturaPendiente_, out);
            out.WriteLine(lineaSDRPendiente_);
        }
        line_.assign("02TP");
        Name4(d.Estacion, line_, field_);
        for (double value : {d.XEstacion, d.YEstacion, d.ZEstacion, d.AlturaInstrumento}) Number(value, kWidth);
        CodeSuffix(d.Codigo1);
        out.WriteLine(line_);
        sdrPendiente_ = false;
        puntoPendiente_ = false;
        state.NuevaEstacion = false;
        primeraVisual_ = true;
        return;
    }

    if (sdrPendiente_) {
        out.WriteLine(lineaSDRPendiente_);
    } else if (primeraVisual_) {
        line_.assign("08KI");
        Name4(d.Punto, line_, field_);
        for (double value : {d.X, d.Y, d.Z}) Number(value, kWidth);
        CodeSuffix(d.Codigo1);
        out.WriteLine(line_);
        line_.assign("07TP");
        Name4(d.Estacion, line_, field_);
        Name4(d.Punto, line_, field_);
        Number(d.Hz, kWidth);
        Number(d.Hz, kWidth);
        out.WriteLine(line_);
        primeraVisual_ = false;
    }
    WriteHeight(d.AlturaPrisma, out);

    line_.assign("09F1");
    Name4(d.Estacion, line_, field_);
    Name4(d.Punto, line_, field_);
    for (double value : {d.DistGeometrica, d.V, d.Hz}) Number(value, kWidth);
    CodeSuffix(d.Codigo1);
    lineaSDRPendiente_.swap(line_);
    alturaPendiente_ = d.AlturaPrisma;
    // A point without coordinates keeps its observation back, unless it ends the file.
    sdrPendiente_ = !(d.X == 0 && d.Y == 0 && d.Z == 0);
    puntoPendiente_ = true;
}

void SDRRecordWriter::Finish(BufferedOutput& out) {
    // Whatever lines without a point follow the last one, its observation is written.
    if (!puntoPendiente_) return;
    WriteHeight(alturaPendiente_, out);
    out.WriteLine(lineaSDRPendiente_);
    puntoPendiente_ = false;
    sdrPendiente_ = false;
}
