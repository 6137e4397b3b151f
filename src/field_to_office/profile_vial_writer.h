#pragma once
// Profiles for Vial: a header line (chainage, axis elevation, number of lines),
// then the points from the farthest left to the farthest right with a point on the
// axis between the two sides, whose elevation comes from the points nearest to it.

#include <string>
#include <vector>

#include "common/buffered_output.h"
#include "field_to_office/profile.h"

class VialProfileWriter {
public:
    // Appends one profile; a profile without points writes nothing. The fields are
    // separated by commas, so every number carries a point whatever the user's
    // regional settings.
    void B_A_Perfiles_Vial(const PerfilMedido& perfil, BufferedOutput& out);

    // The axis elevation from the two sides, each sorted by offset ascending.
    static double AxisElevation(const std::vector<PuntoPerfil>& left, const std::vector<PuntoPerfil>& right);

private:
    void PointLine(const PuntoPerfil& p, BufferedOutput& out);

    std::vector<PuntoPerfil> left_, right_;
    std::string line_;
};
