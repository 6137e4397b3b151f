#include "field_to_office/profile_istram_writer.h"

#include <algorithm>

#include "common/numbers.h"

double IstramProfileWriter::AxisElevation(const std::vector<PuntoPerfil>& left,
                                          const std::vector<PuntoPerfil>& right) {
    if (left.empty()) return right.size() == 1 ? right[0].Cota : LineAtAxis(right[0], right[1]);
    if (right.empty()) return left.size() == 1 ? left[0].Cota : LineAtAxis(left[0], left[1]);
    return BetweenSides(left[0], right[0]);
}

void IstramProfileWriter::Side(const std::vector<PuntoPerfil>& points, double axis, bool negate,
                               BufferedOutput& out) {
    side_.clear();
    side_.push_back({0, axis});
    side_.insert(side_.end(), points.begin(), points.end());
    const std::size_t full = side_.size() / 4 * 4;
    for (std::size_t i = 0; i < side_.size(); ++i) {
        if (i % 4 == 0) line_.assign("     ");
        // Full lines end with a blank; the last, shorter line does not.
        if (i > full) line_.push_back(' ');
        const double offset = negate ? -side_[i].Distancia : side_[i].Distancia;
        Num::AppendFormat(line_, offset, "0.0000", separator_);
        line_.push_back(' ');
        Num::AppendFormat(line_, side_[i].Cota, "0.0000", separator_);
        if (i < full) line_.push_back(' ');
        if (i % 4 == 3 || i + 1 == side_.size()) out.WriteLine(line_);
    }
}

void IstramProfileWriter::B_A_Perfiles_Istram(const PerfilMedido& perfil, BufferedOutput& out) {
    SplitSides(perfil, left_, right_);
    const RegistroPerfil& cabecera = perfil.CabeceraPerfil;
    line_.assign(" 4 1 ");
    Num::AppendFormat(line_, cabecera.X, "0.000", separator_);
    line_.push_back(' ');
    Num::AppendFormat(line_, cabecera.Y, "0.000", separator_);
    line_.push_back(' ');
    Num::AppendFormat(line_, cabecera.Pk, "0.000", separator_);
    line_.push_back(' ');
    Num::AppendFormat(line_, cabecera.Azimut, "0.000000", separator_);
    line_ += " 0 0 0";
    out.WriteLine(line_);
    line_.assign("   1 ");
    line_ += std::to_string(nDeEje_);
    line_.push_back(' ');
    line_ += std::to_string(tipoLin_);
    line_.push_back(' ');
    line_ += std::to_string(right_.size() + 1);
    line_.push_back(' ');
    line_ += std::to_string(left_.size() + 1);
    out.WriteLine(line_);
    if (perfil.NoPuntos() == 0) return;

    // From the axis outwards; stable, so points with one offset keep their order.
    std::stable_sort(left_.begin(), left_.end(),
                     [](const PuntoPerfil& a, const PuntoPerfil& b) { return a.Distancia > b.Distancia; });
    std::stable_sort(right_.begin(), right_.end(),
                     [](const PuntoPerfil& a, const PuntoPerfil& b) { return a.Distancia < b.Distancia; });
    const double axis = AxisElevation(left_, right_);
    Side(right_, axis, false, out);
    Side(left_, axis, true, out);
    out.WriteLine(" ");
}
