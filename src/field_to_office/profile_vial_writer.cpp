#include "field_to_office/profile_vial_writer.h"

#include <algorithm>
#include <string>

#include "common/numbers.h"

namespace {

bool ByOffset(const PuntoPerfil& a, const PuntoPerfil& b) { return a.Distancia < b.Distancia; }

}  // namespace

double VialProfileWriter::AxisElevation(const std::vector<PuntoPerfil>& left, const std::vector<PuntoPerfil>& right) {
    const std::size_t l = left.size();
    const std::size_t r = right.size();
    if (l == 0) return r == 1 ? right[0].Cota : LineAtAxis(right[0], right[1]);
    if (r == 0) return l == 1 ? left[0].Cota : LineAtAxis(left[l - 2], left[l - 1]);
    return BetweenSides(left[l - 1], right[0]);
}

void VialProfileWriter::PointLine(const PuntoPerfil& p, BufferedOutput& out) {
    line_.clear();
    Num::AppendFormat(line_, p.Distancia, "0.0000", '.');
    line_.push_back(',');
    Num::AppendFormat(line_, p.Cota, "0.000", '.');
    out.WriteLine(line_);
}

void VialProfileWriter::B_A_Perfiles_Vial(const PerfilMedido& perfil, BufferedOutput& out) {
    if (perfil.NoPuntos() == 0) return;
    SplitSides(perfil, left_, right_);
    std::stable_sort(left_.begin(), left_.end(), ByOffset);
    std::stable_sort(right_.begin(), right_.end(), ByOffset);
    const double axis = AxisElevation(left_, right_);

    line_.clear();
    Num::AppendFormat(line_, Num::Int(perfil.CabeceraPerfil.Pk), "0", '.');
    line_.push_back(',');
    Num::AppendFormat(line_, axis, "0.000", '.');
    line_.push_back(',');
    line_ += std::to_string(perfil.NoPuntos() + 1);
    out.WriteLine(line_);

    for (const PuntoPerfil& p : left_) PointLine(p, out);
    line_.assign("0,");
    Num::AppendFormat(line_, axis, "0.000", '.');
    out.WriteLine(line_);
    for (const PuntoPerfil& p : right_) PointLine(p, out);
}
