#include "field_to_office/profile_tunnel.h"

#include <cstdint>
#include <limits>
#include <utility>

#include "common/errors.h"
#include "common/gm_plane.h"

void TunnelProfileWriter::B_A_Perfiles_DXF(PerfilMedido& perfil, double pk, const CentroTunel& centro,
                                           DXFWriter& dxf) {
    const std::size_t n = perfil.NoPuntos();
    if (n == 0) return;
    if (n > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        throw ConversionError("Demasiados puntos en un perfil.");
    }
    std::vector<double>& d = perfil.DistanciasPerfil;
    std::vector<double>& c = perfil.CotasPerfil;
    double sum = 0;
    for (double x : d) sum += x;
    const double mean = sum / static_cast<double>(n);
    const double centre = centro.ZEstacion + centro.AlturaInstrumento;

    // Elevations are negated: the azimuth from the centre then runs from straight
    // down (0) towards the right.
    angles_.resize(n);
    for (std::size_t i = 0; i < n; ++i) GM::Calcular_Azimut_XY(mean, -centre, d[i], -c[i], angles_[i]);

    // This exchange order decides which of two points at one angle comes first in
    // the drawing; it is not stable and must stay as it is.
    for (std::size_t i = 0; i + 1 < n; ++i) {
        for (std::size_t k = i + 1; k < n; ++k) {
            if (angles_[k] > angles_[i]) {
                std::swap(angles_[i], angles_[k]);
                std::swap(d[i], d[k]);
                std::swap(c[i], c[k]);
            }
        }
    }
    dxf.WriteDXFProfile(static_cast<std::int32_t>(n), pk, d[0], c[0], "", d, c);
}
