#include "field_to_office/ktw_profiles.h"

#include <limits>
#include <stdexcept>
#include <string>

#include "common/errors.h"
#include "common/ktw_word.h"
#include "common/line_input.h"
#include "common/numbers.h"

namespace {

// The data of a word as a signed number in thousandths: its last three characters
// are the decimals. The unit digit is not consulted.
double Thousandths(std::string_view data, bool negative) {
    std::int64_t whole = 0;
    bool digits = true;
    for (char c : data) {
        if (c < '0' || c > '9') {
            digits = false;
            break;
        }
        whole = whole * 10 + (c - '0');
    }
    double value = 0;
    if (digits && whole < (std::int64_t{1} << 53)) {
        value = static_cast<double>(whole) / 1000.0;
    } else {
        // Anything but plain digits is read as the text whole part "." decimals.
        const std::size_t split = data.size() >= 3 ? data.size() - 3 : 0;
        std::string_view head = data.substr(0, split);
        while (head.size() > 1 && head.front() == '0') head.remove_prefix(1);
        std::string text(head);
        text.push_back('.');
        text.append(data.substr(split));
        value = Num::Val(text);
    }
    return negative ? -value : value;
}

std::string_view WithoutLeadingZeros(std::string_view text) {
    while (!text.empty() && text.front() == '0') text.remove_prefix(1);
    return text;
}

}  // namespace

void KTWProfileReader::DropLastPoint() {
    // The point's indexes go too, so that the next point can take its place.
    std::vector<double>& d = file_.Puntos.DistanciasLeidas;
    const auto point = static_cast<std::int64_t>(d.size() - 1);
    if (point == 0) return;
    d.pop_back();
    file_.Puntos.CotasLeidas.pop_back();
    droppedOnLine_ = true;
    if (runs_.empty()) return;
    const std::size_t ownerIndex = runs_.back().perfil;
    if (runs_.back().primero == point) runs_.pop_back();
    PerfilLeido& owner = file_.PerfilesLeidos[ownerIndex - 1];
    // A point that never had an offset, or that a word 42 after it has taken out
    // of its profile, is in no profile.
    if (owner.Ultimo != point) return;
    if (owner.Primero == point) {
        owner.Primero = 0;
        owner.Ultimo = 0;
        if (ownerIndex == current_) firstPointPending_ = true;
    } else {
        owner.Ultimo = point - 1;
    }
}

void KTWProfileReader::Number(int wi, double value, bool& stop) {
    std::vector<double>& d = file_.Puntos.DistanciasLeidas;
    std::vector<double>& c = file_.Puntos.CotasLeidas;
    switch (wi) {
    case 77: lastPointPk_ = value; return;
    case 86: file_.Centro.ZEstacion = value; return;
    case 88: file_.Centro.AlturaInstrumento = value; return;
    default: break;
    }
    // Profile words and points before the first profile belong to none.
    if (current_ == 0) {
        if (wi == 78 && !format3_ && lastPointPk_ == 0 && value == 0) stop = true;
        return;
    }
    PerfilLeido& perfil = file_.PerfilesLeidos[current_ - 1];
    switch (wi) {
    case 42:
        // The profile's points are those after its chainage.
        perfil.Pk = value;
        perfil.Primero = 0;
        perfil.Ultimo = 0;
        firstPointPending_ = true;
        return;
    case 43: perfil.X = value; return;
    case 44: perfil.Y = value; return;
    case 45: perfil.Azimut = value; return;
    case 78: {
        if (format3_) {
            // The point was counted at its word 83 on this line.
            if (d.size() == 1 || droppedOnLine_) return;
            d.back() = -value;
        } else {
            if (lastPointPk_ == 0 && value == 0) {
                stop = true;
                return;
            }
            d.push_back(value);
            c.push_back(0);
        }
        const auto point = static_cast<std::int64_t>(d.size() - 1);
        if (firstPointPending_) {
            perfil.Primero = point;
            firstPointPending_ = false;
        }
        perfil.Ultimo = point;
        if (runs_.empty() || runs_.back().perfil != current_) runs_.push_back({current_, point});
        return;
    }
    case 83:
        if (format3_) {
            d.push_back(0);
            c.push_back(0);
            droppedOnLine_ = false;
        }
        if (c.size() == 1) return;
        c.back() = value;
        // A point without an elevation is not kept.
        if (value == 0) DropLastPoint();
        return;
    default: return;
    }
}

void KTWProfileReader::Line(std::string_view line) {
    if (line.empty() || line.front() == ' ') return;
    const bool wide = line.front() == '*';
    const std::size_t width = wide ? Strings::KTWWideWidth : Strings::KTWNarrowWidth;
    const std::size_t first = wide ? 1 : 0;
    const std::size_t words = (line.size() - first) / width;
    const std::size_t dataLength = wide ? 16 : 8;
    droppedOnLine_ = false;
    for (std::size_t k = 0; k < words; ++k) {
        const std::string_view word = line.substr(first + k * width, width);
        const char a = word[0];
        const char b = word[1];
        if (a < '0' || a > '9' || b < '0' || b > '9') continue;
        if (word[6] == '+' || word[6] == '-') ++words_;
        const int wi = (a - '0') * 10 + (b - '0');
        const std::string_view data = word.substr(7, dataLength);
        if (wi == 41) {
            if (WithoutLeadingZeros(data) != "PERFIL") return;
            file_.PerfilesLeidos.emplace_back();
            current_ = file_.PerfilesLeidos.size();
            firstPointPending_ = true;
        } else if (wi == 46) {
            if (current_ == 0) continue;
            // An empty text (a field of zeros) reads as 0.
            const std::int64_t n = Strings::KTWWholeNumber(WithoutLeadingZeros(data));
            if (n < std::numeric_limits<std::int32_t>::min() || n > std::numeric_limits<std::int32_t>::max()) {
                throw std::overflow_error("Indicador");
            }
            file_.PerfilesLeidos[current_ - 1].Indicador = static_cast<std::int32_t>(n);
        } else if ((wi >= 42 && wi <= 45) || wi == 77 || wi == 78 || wi == 83 || wi == 86 || wi == 88) {
            bool stop = false;
            Number(wi, Thousandths(data, word[6] == '-'), stop);
            if (stop) return;
        }
    }
}

void ConvertKTWPerfiles(const ProfileRequest& request, const State& state, std::int32_t& contadorVertices) {
    // The vertex handles of this drawing start at 21.
    contadorVertices = 20;
    LineInput input(request.entrada);
    ProfileOutput output(request, state, contadorVertices);

    KTWProfileFile file;
    KTWProfileReader reader(request.formatoCampo, file);
    std::string_view line;
    std::int64_t lineNumber = 0;
    while (input.Next(line)) {
        ++lineNumber;
        try {
            reader.Line(line);
        } catch (const std::overflow_error&) {
            throw ConversionError("Número fuera de rango en la línea " + std::to_string(lineNumber) + ".");
        }
    }

    // A picture or a text of another kind is no profile file without profiles:
    // leaving now drops the temporary output.
    if (reader.Words() == 0) throw ConversionError(Strings::kSinDatosKTW);
    SortByChainage(file.PerfilesLeidos);
    output.Centro = file.Centro;
    WriteProfileRuns(file.PerfilesLeidos, file.Puntos, output);
    output.Finish();
}
