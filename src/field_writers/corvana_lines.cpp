#include "field_writers/corvana_lines.h"

#include <cmath>

#include "common/numbers.h"

namespace field_writers {
namespace {

constexpr double kMarca = 0.001;  // the radius of a clothoid that starts from a straight

void Put(std::string& line, const char* label, double value, const char* mask = "0.000") {
    line += label;
    Num::AppendFormat(line, value, mask, '.');
}

bool RadioRecto(double r) { return r == 0 || std::fabs(r) == kMarca; }

// The parameter with the sign the Corvana programs read the turn from: by the
// element's stored radius and, for a clothoid between radii, by whether it opens
// or closes towards the next one.
double ParametroConSigno(double R, double Rn, double A) {
    if (R == kMarca) return -A;
    if (R == -kMarca || R == 0) return A;
    if (R < 0) {
        if (RadioRecto(Rn)) return -A;
        return std::fabs(Rn) > std::fabs(R) ? -A : A;
    }
    if (RadioRecto(Rn)) return A;
    return std::fabs(Rn) < std::fabs(R) ? -A : A;
}

}  // namespace

void AppendPlantaCorvana(std::string& line, std::size_t i, const std::vector<TPlanta>& Planta) {
    const TPlanta& e = Planta[i];
    const double R = e.Radio;
    const double A = e.Parametro;
    const double Rn = i + 1 < Planta.size() ? Planta[i + 1].Radio : 0;
    const double radio = std::fabs(R) == kMarca ? 0 : R;

    const char* letra = A != 0 ? "A" : (radio != 0 ? "C" : "D");
    line += letra;
    Put(line, ";AO= ", e.PK);
    Put(line, ";L= ", e.Longitud);
    Put(line, ";X= ", e.X);
    Put(line, ";Y= ", e.Y);
    Put(line, ";G= ", e.Acimut, "0.0000");
    if (A == 0) {
        if (radio != 0) Put(line, ";R= ", -R);
        return;
    }
    if (R == kMarca) {
        line += ";R= -0.000";
    } else if (R == -kMarca) {
        line += ";R= 0.000";
    } else {
        Put(line, ";R= ", -R);
    }
    Put(line, ";A= ", ParametroConSigno(R, Rn, A));
}

void AppendAlzadoCorvana(std::string& line, const TAlzado& e) {
    line += e.Kv == 0 ? "D" : "P";
    Put(line, ":S=", e.PK);
    Put(line, ";SL= ", e.Longitud);
    Put(line, ";Z= ", e.Z);
    Put(line, ";P= ", e.Pendiente * 100, "0.0000");
    if (e.Kv == 0) return;
    Put(line, ";RP= ", e.Kv);
    // The point of zero gradient of Z + P d + d^2 / (2 Kv): d = -P Kv.
    Put(line, ";SJ=", e.PK - e.Pendiente * e.Kv);
    Put(line, ";ZJ=", e.Z - e.Kv / 2 * e.Pendiente * e.Pendiente);
}

}  // namespace field_writers
