#include "field_to_office/profile_clip_writer.h"

#include <algorithm>

#include "common/numbers.h"

namespace {

bool ByOffset(const PuntoPerfil& a, const PuntoPerfil& b) { return a.Distancia < b.Distancia; }

}  // namespace

void ClipProfileWriter::B_A_Perfiles_Clip(const PerfilMedido& perfil, BufferedOutput& out) {
    if (perfil.NoPuntos() == 0) return;
    SplitSides(perfil, left_, right_);

    // The chainage rounded down to whole metres, towards minus infinity.
    const double pk = Num::Int(perfil.CabeceraPerfil.Pk);
    line_.clear();
    if (header_ == Header::Clip) {
        Num::AppendFormat(line_, pk, "0.000", '.');
        line_ += " , ";
        line_ += Num::Str(static_cast<double>(perfil.NoPuntos()));
        line_ += "  , 0, 0";
        out.WriteLine(line_);
    } else if (header_ == Header::Topcal) {
        line_.push_back('P');
        Num::AppendFormat(line_, pk, "0.000", '.');
        out.WriteLine(line_);
    }

    // Stable: points with one offset keep their stored order.
    std::stable_sort(left_.begin(), left_.end(), ByOffset);
    std::stable_sort(right_.begin(), right_.end(), ByOffset);
    for (const auto* side : {&left_, &right_}) {
        for (const PuntoPerfil& p : *side) {
            line_.clear();
            Num::AppendFormat(line_, p.Distancia, "0.00", '.');
            line_ += " ,";
            Num::AppendFormat(line_, p.Cota, "0.00", '.');
            out.WriteLine(line_);
        }
    }
}
