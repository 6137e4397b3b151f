#pragma once
// A measured profile drawn as a tunnel section: its points ordered round the
// centre of the section, so that a closed polyline through them follows the
// outline, and handed to the DXF writer.

#include <vector>

#include "field_to_office/dxf_writer.h"
#include "field_to_office/profile.h"

// The centre of the section: the mean offset of the points, at the height of the
// instrument's axis (station elevation plus instrument height).
struct CentroTunel {
    double ZEstacion = 0;
    double AlturaInstrumento = 0;
};

class TunnelProfileWriter {
public:
    // Reorders the profile's points in place, by decreasing angle round the centre
    // measured from straight down towards the right: from the lower left, up the
    // left side, over the crown and down to the lower right. Then writes them at
    // chainage `pk` (a closed polyline in the tunnel mode, one point otherwise).
    void B_A_Perfiles_DXF(PerfilMedido& perfil, double pk, const CentroTunel& centro, DXFWriter& dxf);

private:
    std::vector<double> angles_;
};
