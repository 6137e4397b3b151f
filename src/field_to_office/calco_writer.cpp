#include "field_to_office/calco_writer.h"

#include "common/errors.h"
#include "common/utf8_columns.h"
#include "common/file_names.h"
#include "field_to_office/convert_fields.h"

namespace {

const std::string kRS(1, '\x1e');
const std::string kDashes(66, '-');

void WriteHeader(BufferedOutput& out, const char* columns, const char* masks) {
    for (const std::string& text : {kRS + columns, kRS + masks, kRS + kDashes}) out.WriteLine(text);
}

// The name ends in a point and three characters that are not a folder separator.
bool HasThreeLetterExtension(std::string_view name) {
    if (name.size() < 5 || name[name.size() - 4] != '.') return false;
    return FolderOf(name).size() <= name.size() - 4;
}

}  // namespace

std::string CalcoStationFile(std::string_view salida) {
    std::string name(salida.substr(0, salida.size() < 3 ? 0 : salida.size() - 3));
    name += "sub";
    return name;
}

std::optional<std::string> CalcoOutputProblem(const std::string& entrada, const std::string& salida) {
    if (!HasThreeLetterExtension(salida)) {
        return "El fichero de salida de Calco necesita una extensión de tres letras (como .LEC): el fichero de "
               "estaciones toma su nombre cambiando la extensión por SUB.";
    }
    const std::string station = CalcoStationFile(salida);
    if (UpperFileName(station) == UpperFileName(salida)) {
        return "El fichero de salida de Calco no puede tener la extensión SUB: es la del fichero de estaciones "
               "que lo acompaña.";
    }
    if (SameFile(station, entrada)) {
        return "El fichero de estaciones de Calco (" + station + ") sería el fichero de entrada. Elija otro "
               "nombre para el fichero de salida.";
    }
    return std::nullopt;
}

namespace {

// The station file's name, once the names are known to serve: refused before
// anything is created.
std::string CheckedStationFile(const std::string& entrada, const std::string& salida) {
    if (auto problem = CalcoOutputProblem(entrada, salida)) throw ConversionError(*problem);
    return CalcoStationFile(salida);
}

}  // namespace

CalcoWriter::CalcoWriter(const std::string& entrada, const std::string& salida, BufferedOutput& out)
    : station_(CheckedStationFile(entrada, salida)) {
    WriteHeader(out, " E  S   NP        HZ           V          DIST         CD    ALT.P",
                "### # #####     ###.###     ###.###     ####.###     ######  #.###");
    WriteHeader(station_, " E  S             HL          H0                       CD    ALT.A",
                "### # 00000     ###.###     ###.###     0000.000     ######  #.###");
}

void CalcoWriter::Record(const TDatoCampo& d) {
    FixedTextField(std::string_view(d.Estacion).substr(0, 4), 4, field_);
    line_.assign(field_);
    FixedTextField(std::string_view(codigoEstacionCalco_).substr(0, 2), 2, field_);
    line_ += field_;
    FixedTextField(std::string_view(d.Punto).substr(0, 6), 6, field_);
    line_ += field_;
    FixedNumberField(d.Hz, "0.0000", 12, field_);
    line_ += field_;
}

void CalcoWriter::Write(KTWDecoderState& state, BufferedOutput& out) {
    TDatoCampo& d = state.DatoCampo;
    if (Utf8::TrimBlanks(d.Codigo1).empty()) SetFixedText(d.Codigo1, "0", kLongitudCodigo);

    if (state.NuevaEstacion) {
        codigoEstacionCalco_ = d.Codigo1;
        FixedNumberField(d.AlturaInstrumento, "0.000", 7, alturaEstacionCalco_);
        SetFixedText(d.Codigo1, "0", kLongitudCodigo);
        state.NuevaEstacion = false;
        return;
    }

    Record(d);
    FixedNumberField(d.V, "0.0000", 12, field_);
    line_ += field_;
    FixedNumberField(d.DistGeometrica, "0.000", 13, field_);
    line_ += field_;
    line_ += "     ";
    line_ += std::string_view(d.Codigo1).substr(0, 6);
    FixedNumberField(d.AlturaPrisma, "0.000", 7, field_);
    line_ += field_;
    out.WriteLine(line_);

    // The orientation point of the set-up.
    const std::string_view codigo = Utf8::TrimBlanks(d.Codigo1);
    if (codigo == "a" || codigo == "A") {
        Record(d);
        line_ += "      0.0000";
        line_ += "        0.000";
        line_ += "     0     ";
        line_ += alturaEstacionCalco_;
        station_.WriteLine(line_);
    }
}

void CalcoWriter::Commit(BufferedOutput& out) {
    station_.Close();
    out.Close();
    station_.Commit();
    out.Commit();
}
