#include "field_to_office/entry_ispol.h"

#include <limits>
#include <stdexcept>

#include "app/context.h"
#include "common/angle_units.h"
#include "common/buffered_output.h"
#include "common/cp1252.h"
#include "common/errors.h"
#include "common/ktw_record.h"
#include "common/ktw_word.h"
#include "common/line_input.h"
#include "common/numbers.h"
#include "common/numeric_checks.h"
#include "common/utf8_columns.h"
#include "field_to_office/ba_file_names.h"
#include "field_to_office/ba_form.h"

namespace EntryISPOL {

namespace {

constexpr std::int32_t kAnchoLinea = 49;
// Heights no instrument records: the first height of a file always differs.
constexpr double kSinAltura = -250000;

bool Blank(std::string_view text) { return Utf8::TrimBlanks(text).empty(); }

// The lines of the body, written one record at a time, and what the book keeps
// from line to line.
class FieldBookWriter {
public:
    FieldBookWriter(BufferedOutput& out, const BaseRule& rule) : out_(out), rule_(rule) {}

    // One decoded line; nonAscii: its texts hold characters beyond ASCII (the
    // record is UTF-8, the file Windows-1252).
    void Write(const Strings::TKTWRecord& r, bool nonAscii) {
        nonAscii_ = nonAscii;
        if (r.HayEstacion) {
            // The station block: its heights do not count as the last ones.
            Base(r.Estacion, r.XEstacion, r.YEstacion, r.ZEstacion);
            if (r.HayAlturaInstrumento) Heights(r.AlturaInstrumento, r.AlturaPrisma);
            lecturaBase_ = false;
            return;
        }
        if (!Blank(r.Codigo1)) {
            if (rule_.EsObservacion(r.Codigo1)) {
                Base(r.Codigo1, 0, 0, 0);
                lecturaBase_ = false;
            } else {
                Remark(r.Codigo1);
            }
            return;
        }
        if (r.HayAlturaInstrumento && r.AlturaInstrumento != ultimaInstrumento_) {
            Heights(r.AlturaInstrumento, r.AlturaPrisma);
            ultimaInstrumento_ = r.AlturaInstrumento;
            ultimaPrisma_ = r.AlturaPrisma;
        } else if (r.HayAlturaPrisma && r.AlturaPrisma != ultimaPrisma_) {
            line_.assign("M  ");
            AppendNumber(r.AlturaPrisma, "0.0000", 16);
            Emit(true);
            ultimaPrisma_ = r.AlturaPrisma;
        }
        if (!Blank(r.Punto)) Reading(r);
    }

    // Body lines written so far.
    std::int64_t Lineas() const { return lineas_; }

private:
    // Characters of a text of the current line.
    std::int32_t Count(std::string_view text) const {
        return nonAscii_ ? Utf8::CharCount(text) : static_cast<std::int32_t>(text.size());
    }

    // The line is built in place: a text right-justified to a width (a longer text
    // whole), a number with its mask and a point, a name trimmed of its blanks.
    void AppendRight(std::string_view text, std::int32_t width) {
        const std::int32_t count = Count(text);
        if (count < width) line_.append(static_cast<std::size_t>(width - count), ' ');
        line_.append(text);
    }
    void AppendNumber(double value, std::string_view mask, std::int32_t width) {
        number_.clear();
        Num::AppendFormat(number_, value, mask, '.');
        AppendRight(number_, width);
    }
    void AppendName(std::string_view name, std::int32_t width) { AppendRight(Utf8::TrimBlanks(name), width); }

    // " Hz V Dist", from the blank after the name on.
    void AppendAngles(double hz, double v, double dist) {
        line_.push_back(' ');
        AppendNumber(hz, "0.00000", 10);
        line_.push_back(' ');
        AppendNumber(v, "0.00000", 11);
        line_.push_back(' ');
        AppendNumber(dist, "0.0000", 10);
    }

    void Base(const std::string& nombre, double x, double y, double z) {
        line_.assign("B  ");
        AppendName(nombre, 5);
        AppendAngles(x, y, z);
        Emit(true);
    }

    void Heights(double instrumento, double prisma) {
        line_.assign("H  ");
        AppendNumber(instrumento, "0.0000", 16);
        line_.push_back(' ');
        AppendNumber(prisma, "0.0000", 11);
        Emit(true);
    }

    void Remark(const std::string& codigo) {
        line_.assign("L  ");
        AppendName(codigo, 16);
        line_.append(24, ' ');
        line_.append(codigo);
        Emit(false);
    }

    void Reading(const Strings::TKTWRecord& r) {
        const double hz = GM::Radianes_A_Centesimales(r.Hz);
        const double v = GM::Radianes_A_Centesimales(r.V);
        line_.clear();
        if (rule_.EsObservacion(r.Punto)) {
            line_.append(lecturaBase_ ? "D  " : "O  ");
            lecturaBase_ = true;
            AppendName(r.Punto, 5);
        } else {
            AppendName(r.Punto, 8);
        }
        AppendAngles(hz, v, r.DistGeometrica);
        Emit(true);
    }

    // Every line but a remark is filled with blanks to 49 characters.
    void Emit(bool pad) {
        if (pad) {
            const std::int32_t count = Count(line_);
            if (count < kAnchoLinea) line_.append(static_cast<std::size_t>(kAnchoLinea - count), ' ');
        }
        if (nonAscii_) {
            out_.WriteLine(Cp1252::FromUtf8(line_));
        } else {
            out_.WriteLine(line_);
        }
        ++lineas_;
    }

    BufferedOutput& out_;
    const BaseRule& rule_;
    std::string line_;
    std::string number_;
    bool nonAscii_ = false;
    double ultimaInstrumento_ = kSinAltura;
    double ultimaPrisma_ = kSinAltura;
    bool lecturaBase_ = false;  // a reading to a base since the last "B" line
    std::int64_t lineas_ = 0;
};

}  // namespace

BaseRule::BaseRule(bool identBasesNumerico, std::string identBasesValor) : numerico_(identBasesNumerico) {
    if (numerico_) {
        try {
            umbral_ = Num::Val(identBasesValor);
        } catch (const std::overflow_error&) {
            // A threshold beyond every double: no name of 16 characters exceeds it.
            umbral_ = identBasesValor.find('-') == std::string::npos ? std::numeric_limits<double>::infinity()
                                                                     : -std::numeric_limits<double>::infinity();
        }
    } else {
        prefijo_ = UpperFileName(identBasesValor);
        longitud_ = Utf8::CharCount(prefijo_);
    }
}

bool BaseRule::EsObservacion(std::string_view nombre) const {
    if (numerico_) return Strings::IsNumericString(nombre) && Num::Val(nombre) > umbral_;
    if (longitud_ == 0) return true;
    if (!Cp1252::IsAscii(nombre)) return UpperFileName(Utf8::Columns(nombre).Mid(1, longitud_)) == prefijo_;
    // ASCII names, the usual case, compare without building an upper-case copy.
    if (nombre.size() < prefijo_.size()) return false;
    for (std::size_t i = 0; i < prefijo_.size(); ++i) {
        char c = nombre[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != prefijo_[i]) return false;
    }
    return true;
}

std::string PadTo49(std::string_view texto) {
    std::string padded(texto);
    const std::int32_t count = Utf8::CharCount(texto);
    if (count < kAnchoLinea) padded.append(static_cast<std::size_t>(kAnchoLinea - count), ' ');
    return padded;
}

void WriteIspolHeader(BufferedOutput& out, std::string_view fecha, std::string_view hora) {
    out.WriteLine("# ------------------------------");
    out.WriteLine("# -ISPOL-   Libreta Topografica");
    std::string when = "# -Ispol ";
    when += fecha;
    when += ' ';
    when += hora;
    out.WriteLine(Cp1252::FromUtf8(when));
    out.WriteLine("# ------------------------------");
    out.WriteLine("C0; ISPOL");
    out.WriteLine("C1; OBRA");
    out.WriteLine("C2; TRABAJO");
    out.WriteLine("C3; TRAZADO");
    out.WriteLine("E; 1");
    out.WriteLine("#L BASE  L.AZIM / X  L.VERT / Y  DIST. / Z COD. OBS.");
    out.WriteLine("#= ===== ========== =========== ========== ==== ====");
}

void WriteFieldBook(const IspolRequest& request) {
    const BaseRule rule(request.identBasesNumerico, request.identBasesValor);
    LineInput input(request.entrada);
    BufferedOutput out(request.salida);
    WriteIspolHeader(out, request.fecha, request.hora);

    FieldBookWriter writer(out, rule);
    Strings::TKTWRecord record;
    std::string utf8;
    std::string_view line;
    std::int64_t lineNumber = 0;
    while (input.Next(line)) {
        ++lineNumber;
        try {
            const bool nonAscii = !Cp1252::IsAscii(line);
            if (nonAscii) utf8 = Cp1252::ToUtf8(line);
            Strings::ParseKTWLine(nonAscii ? std::string_view(utf8) : line, record);
            writer.Write(record, nonAscii);
        } catch (const std::overflow_error&) {
            throw ConversionError("Número fuera de rango en la línea " + std::to_string(lineNumber) + ".");
        }
    }
    // An empty file gives the header alone; a file of other bytes that gave no line
    // of the book is no KTW file: leaving now drops the temporary output.
    if (writer.Lineas() == 0 && input.BytesRead() > 0) throw ConversionError(Strings::kSinDatosKTW);
    out.Commit();
}

bool KTW_A_Ispol(Context& ctx, const std::string& entrada, const std::string& salida) {
    ctx.desktop.ShowModal("Form_Observaciones");
    if (ctx.state.EstadoDialogo.Number != 0) return false;

    IspolRequest request;
    request.entrada = entrada;
    request.salida = salida;
    request.identBasesNumerico = ctx.state.IdentBasesNumerico;
    request.identBasesValor = ctx.state.IdentBasesValor;
    request.fecha = ctx.desktop.DateText();
    request.hora = ctx.desktop.TimeText();
    WriteFieldBook(request);
    return true;
}

}  // namespace EntryISPOL

void KTW_A_Ispol(ba_form& form) {
    Context& ctx = form.ctx();
    if (!EntryISPOL::KTW_A_Ispol(ctx, ctx.state.InFilePath, ctx.state.OutFilePath)) {
        // Nothing was asked for, nothing was written: no end box either.
        ctx.desktop.SetMousePointer(platform::kDefaultPointer);
        ctx.state.ErrorFichero = 1;
    }
}
