#include "field_to_office/office_writers.h"

#include <cmath>

#include "common/numbers.h"
#include "common/zone_line.h"
#include "field_to_office/convert_fields.h"

namespace {

constexpr double kPi = 3.14159265359;  // the value the TCP distances have always used

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string_view TrimRight(std::string_view text) {
    const std::size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

bool EqualsUpper(std::string_view text, std::string_view upper) {
    if (text.size() != upper.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != upper[i]) return false;
    }
    return true;
}

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

}  // namespace

OfficeFilter OfficeFilterOf(std::string_view filtro) {
    if (filtro == "Estandar") return OfficeFilter::Estandar;
    if (filtro == "Modelo Digital") return OfficeFilter::ModeloDigital;
    if (filtro == "Brennsoft") return OfficeFilter::Brennsoft;
    if (filtro == "Topcal") return OfficeFilter::Topcal;
    if (filtro == "TCP") return OfficeFilter::TCP;
    if (filtro == "Istram Estandar") return OfficeFilter::IstramEstandar;
    if (filtro == "Istram (EPSA)") return OfficeFilter::IstramEPSA;
    if (filtro == "InRoads") return OfficeFilter::InRoads;
    if (filtro == "DXF") return OfficeFilter::DXF;
    if (filtro == "SDR") return OfficeFilter::SDR;
    if (filtro == "Calco") return OfficeFilter::Calco;
    if (filtro == "FieldWorks") return OfficeFilter::FieldWorks;
    return OfficeFilter::Otro;
}

OfficeLineWriter::OfficeLineWriter(OfficeFilter filter, bool analisis, bool perfiles, char decimalSeparator)
    : filter_(filter), analisis_(analisis), perfiles_(perfiles), sep_(decimalSeparator) {}

void OfficeLineWriter::ZoneText(std::string_view bytes, std::string_view suffix) {
    print_.Bytes(bytes).Bytes(suffix);
}

void OfficeLineWriter::EndZoneLine(BufferedOutput& out) {
    out.WriteLine(print_.Current());
    print_.Clear();
}

void OfficeLineWriter::Write(KTWDecoderState& state, BufferedOutput& out) {
    if (analisis_) {
        // An analysis file: the two formats with a layout of their own, then the
        // common one with chainage, offsets and coordinates.
        switch (filter_) {
            case OfficeFilter::ModeloDigital: return ModeloDigital(state, out);
            case OfficeFilter::Brennsoft: return Brennsoft(state, out);
            default: return Analysis(state, out);
        }
    }
    switch (filter_) {
        case OfficeFilter::Brennsoft: return Brennsoft(state, out);
        case OfficeFilter::Topcal: return Topcal(state, out);
        case OfficeFilter::ModeloDigital: return ModeloDigital(state, out);
        case OfficeFilter::Estandar: return Estandar(state, out);
        case OfficeFilter::IstramEstandar:
        case OfficeFilter::IstramEPSA:
        case OfficeFilter::InRoads: return Istram(state, out);
        case OfficeFilter::TCP: return TCP(state, out);
        default: return;  // no observation lines
    }
}

void OfficeLineWriter::Analysis(const KTWDecoderState& state, BufferedOutput& out) {
    const TDatoCampo& d = state.DatoCampo;
    ZoneText(d.Punto, " ");
    for (double value : {state.Pk, state.DistanciaEje, state.DistanciaTunel, d.X, d.Y, d.Z}) {
        print_.Zone().Text(Num::Str(value) + " ");
    }
    print_.Zone();
    ZoneText(d.Codigo1, " ");
    EndZoneLine(out);
}

void OfficeLineWriter::Estandar(const KTWDecoderState& state, BufferedOutput& out) {
    const TDatoCampo& d = state.DatoCampo;
    const std::string_view m = state.MascaraUnidad;
    // The places of the mask, as the unit digit gave them.
    const int decimals = state.DecimalesUnidad;
    const KTWDecoderState::EnUnidades& u = state.Unidades;
    const ZoneNumber numbers[] = {{d.Hz, 4, &u.Hz},
                                  {d.V, 4, &u.V},
                                  {d.DistGeometrica, decimals, &u.DistGeometrica},
                                  {d.AlturaInstrumento, decimals, &u.AlturaInstrumento},
                                  {d.AlturaPrisma, decimals, &u.AlturaPrisma}};
    if (WriteZoneLine(out, d.Punto, numbers, sep_)) return;
    ZoneText(d.Punto);
    print_.Zone().Format(d.Hz, "0.0000", sep_);
    print_.Zone().Format(d.V, "0.0000", sep_);
    print_.Zone().Format(d.DistGeometrica, m, sep_);
    print_.Zone().Format(d.AlturaInstrumento, m, sep_);
    print_.Zone().Format(d.AlturaPrisma, m, sep_);
    EndZoneLine(out);
}

void OfficeLineWriter::ModeloDigital(KTWDecoderState& state, BufferedOutput& out) {
    const TDatoCampo& d = state.DatoCampo;
    const bool profiles = perfiles_ && !analisis_;
    if (state.NuevaEstacion) {
        state.NuevaEstacion = false;
        if (profiles) return;  // profiles have no station lines
        ZoneText(d.Estacion, " ");
        print_.Zone().Text(Num::Str(d.XEstacion) + " ");
        print_.Zone().Text(Num::Str(d.YEstacion) + " ");
        print_.Zone().Text(Num::Str(d.ZEstacion) + " ");
        print_.Zone();
        ZoneText(d.Codigo1, " ");
        return EndZoneLine(out);
    }
    ZoneText(d.Punto, " ");
    print_.Zone().Text(Num::Str(d.X) + " ");
    print_.Zone().Text(Num::Str(d.Y) + " ");
    if (profiles) {
        print_.Zone().Number(d.Z);
    } else {
        print_.Zone().Text(Num::Str(d.Z) + " ");
        print_.Zone();
        ZoneText(d.Codigo1, " ");
    }
    EndZoneLine(out);
}

void OfficeLineWriter::Brennsoft(const KTWDecoderState& state, BufferedOutput& out) {
    const TDatoCampo& d = state.DatoCampo;
    const std::string_view m = Mascara(state);
    line_.assign(d.Punto);
    line_ += " , ";
    Num::AppendFormat(line_, d.X, m, sep_);
    line_ += " , ";
    Num::AppendFormat(line_, d.Y, m, sep_);
    line_ += " , ";
    Num::AppendFormat(line_, d.Z, m, sep_);
    if (!IsBlankText(d.Codigo1)) {
        line_ += " , ";
        line_ += d.Codigo1;
    }
    line_ += ' ';
    out.WriteLine(line_);
}

void OfficeLineWriter::Topcal(const KTWDecoderState& state, BufferedOutput& out) {
    const TDatoCampo& d = state.DatoCampo;
    const std::string_view m = Mascara(state);
    line_.assign(d.Codigo1);
    line_ += ' ';
    line_ += d.Punto;
    line_ += ' ';
    Num::AppendFormat(line_, d.Hz, "0.0000", sep_);
    line_ += ' ';
    Num::AppendFormat(line_, d.V, "0.0000", sep_);
    line_ += ' ';
    Num::AppendFormat(line_, d.DistGeometrica, m, sep_);
    line_ += ' ';
    Num::AppendFormat(line_, filtroUsuario_ ? d.AlturaPrisma : d.AlturaInstrumento, m, sep_);
    line_ += ' ';
    Num::AppendFormat(line_, filtroUsuario_ ? d.AlturaInstrumento : d.AlturaPrisma, m, sep_);
    out.WriteLine(line_);
}

void OfficeLineWriter::TCP(KTWDecoderState& state, BufferedOutput& out) {
    TDatoCampo& d = state.DatoCampo;
    if (Trim(d.Codigo1) == "0") d.Codigo1.assign(kLongitudCodigo, ' ');
    if (state.NuevaEstacion) {
        line_.assign("S ");
        line_ += Trim(d.Estacion);
        line_ += ' ';
        Num::AppendFormat(line_, d.AlturaInstrumento, "0.000", sep_);
        line_ += " 0.0000";
        state.NuevaEstacion = false;
        out.WriteLine(line_);
        return;
    }
    const double zenith = d.V > 200 ? d.V - 200 : d.V;
    d.DistHorizontal = d.DistGeometrica * std::sin(zenith * kPi / 200);
    const std::string_view codigo = Trim(d.Codigo1);
    const bool edge = EqualsUpper(codigo, "BR") || EqualsUpper(codigo, "CGC") || EqualsUpper(codigo, "GU");
    line_.assign(edge ? "E " : "P ");
    line_ += Trim(d.Punto);
    line_ += ' ';
    Num::AppendFormat(line_, d.Hz, "0.0000", sep_);
    line_ += ' ';
    Num::AppendFormat(line_, d.V, "0.0000", sep_);
    line_ += ' ';
    Num::AppendFormat(line_, d.DistHorizontal, "0.000", sep_);
    line_ += ' ';
    Num::AppendFormat(line_, d.AlturaPrisma, "0.000", sep_);
    line_ += ' ';
    if (!codigo.empty()) {
        line_ += codigo;
        line_ += ' ';
    }
    out.WriteLine(line_);
}

void OfficeLineWriter::Istram(KTWDecoderState& state, BufferedOutput& out) {
    TDatoCampo& d = state.DatoCampo;
    const bool sameCode = d.Codigo1 == codigoAnterior_;
    switch (filter_) {
        case OfficeFilter::IstramEPSA:
            if (Num::Val(d.Codigo2) == 0) SetFixedText(d.Codigo2, "68", kLongitudCodigo);
            if (sameCode) {
                ++contadorIstram_;
                const double codigo2 = Num::Val(d.Codigo2);
                if (codigo2 == 68 || codigo2 == 645) contadorIstram_ = 0;
            } else {
                contadorIstram_ = 0;
            }
            break;
        case OfficeFilter::IstramEstandar:
            contadorIstram_ = sameCode && Num::Val(d.Codigo3) == 1 ? contadorIstram_ + 1 : 0;
            break;
        default:  // InRoads
            contadorIstram_ = sameCode ? 0 : 1;
            break;
    }

    // The name ends in column 6 when it is short enough; a longer one starts in column 1.
    const std::string_view name = TrimRight(d.Punto);
    const std::size_t column = name.size() < 6 ? 7 - name.size() : 1;
    line_.assign(column - 1, ' ');
    line_ += name;
    if (filter_ == OfficeFilter::InRoads) {
        FixedTextField(std::to_string(contadorIstram_), 6, field_);
        line_ += field_;
        FixedTextField(std::string_view(d.Codigo2).substr(0, 5), 5, field_);
        line_ += field_;
    }
    for (double value : {d.X, d.Y, d.Z}) {
        FixedNumberField(value, "0.000", 13, field_);
        line_ += field_;
    }
    if (filter_ != OfficeFilter::InRoads) {
        const std::string_view codigo = Trim(d.Codigo1);
        if (!(EndsWith(codigo, "Relleno") || codigo == "0")) {
            line_ += Num::Str(static_cast<double>(contadorIstram_));
            line_ += ' ';
        }
    }
    out.WriteLine(line_);
    codigoAnterior_ = d.Codigo1;
}
