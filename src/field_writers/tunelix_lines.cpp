#include "field_writers/tunelix_lines.h"

#include <cmath>

#include "common/ktw_word.h"

namespace field_writers {
namespace {

constexpr double kMarca = 0.001;

// One line, written word after word where it goes.
class Linea {
public:
    // A keyword is never a number: its word is a text word.
    Linea(char*& to, const char* keyword) : to_(to) { end_ = GM::Poner_Palabra_KTW_Texto(to, true, "71....", keyword); }
    // The value rounded to three decimals, its word made from the rounded digits, so
    // that the word's thousandths are never cut (1.001 gives 1001).
    Linea& Valor(const char* wi, double value) {
        end_ = GM::Poner_Palabra_KTW_Milesimas(end_, false, wi, value);
        return *this;
    }
    void Fin() {
        *end_++ = '\r';
        *end_++ = '\n';
        to_ = end_;
    }

private:
    char*& to_;
    char* end_;
};

// The keyword of a clothoid by its start radius R and the radius Rn it leads to;
// Rn becomes 0 when it leads to a straight. A clothoid stored with radius 0 starts
// from a straight like the marker; between equal radii it is taken as opening.
const char* ClaveClotoide(double R, double& Rn) {
    if (R == 0 || std::fabs(R) == kMarca) return "CLOTHIN";
    if (Rn == 0 || std::fabs(Rn) == kMarca) {
        Rn = 0;
        return "CLOTHOUT";
    }
    if (std::fabs(Rn) < std::fabs(R)) return "CLOTHEGGBIGGER";
    return "CLOTHEGGSMALLER";
}

void Vertice(char*& out, const char* keyword, double pk, double z, double kv) {
    Linea(out, keyword).Valor("83..10", z).Valor("84..10", pk).Valor("85..10", kv).Fin();
}

}  // namespace

char* PutPlantaTunelix(char* out, std::int64_t i, double Xn, double Yn, double Rn, const TPlanta& e,
                       bool soloInicio) {
    const double radio = std::fabs(e.Radio) == kMarca ? 0 : e.Radio;
    if (i == 1) {
        Linea(out, "BEGINPOINT").Valor("81..10", e.X).Valor("82..10", e.Y).Valor("84..10", e.PK).Valor("85..10", radio).Fin();
    }
    if (soloInicio) return out;
    const double pkFinal = e.PK + e.Longitud;
    if (e.Parametro == 0) {
        Linea(out, radio == 0 ? "STRAIGHT" : "CIRCLE")
            .Valor("81..10", Xn)
            .Valor("82..10", Yn)
            .Valor("84..10", pkFinal)
            .Valor("85..10", radio)
            .Fin();
        return out;
    }
    double radioFinal = Rn;
    const char* keyword = ClaveClotoide(e.Radio, radioFinal);
    Linea(out, keyword)
        .Valor("81..10", Xn)
        .Valor("82..10", Yn)
        .Valor("84..10", pkFinal)
        .Valor("85..10", radioFinal)
        .Valor("86..10", std::fabs(e.Parametro))
        .Fin();
    return out;
}

char* PutAlzadoTunelix(char* out, std::int64_t i, const TAlzado& e, bool ultimo) {
    if (i == 1) {
        if (e.Kv == 0) {
            Vertice(out, "LINE", e.PK, e.Z, e.Kv);
        } else {
            // One metre back on the incoming tangent.
            Vertice(out, "LINE", e.PK - 1, e.Z - e.Pendiente, e.Kv);
        }
    }
    const double L = e.Longitud;
    if (e.Kv == 0) {
        Vertice(out, "LINE", e.PK + L, e.Z + e.Pendiente * L, e.Kv);
        return out;
    }
    Vertice(out, "PARABOL", e.PK + L / 2, e.Z + e.Pendiente * L / 2, e.Kv);
    if (ultimo) Vertice(out, "LINE", e.PK + L, e.Z + e.Pendiente * L + L * L / (2 * e.Kv), 0);
    return out;
}

namespace {

// Room for the lines at the end of the text, then the text cut to what was written.
template <class Put>
void Append(std::string& out, Put put) {
    const std::size_t size = out.size();
    out.resize(size + kTunelixElementoMaxBytes);
    char* const from = out.data() + size;
    out.resize(size + static_cast<std::size_t>(put(from) - from));
}

}  // namespace

void AppendPlantaTunelix(std::string& out, std::int64_t i, double Xn, double Yn, double Rn, const TPlanta& e,
                         bool soloInicio) {
    Append(out, [&](char* to) { return PutPlantaTunelix(to, i, Xn, Yn, Rn, e, soloInicio); });
}

void AppendAlzadoTunelix(std::string& out, std::int64_t i, const TAlzado& e, bool ultimo) {
    Append(out, [&](char* to) { return PutAlzadoTunelix(to, i, e, ultimo); });
}

}  // namespace field_writers
