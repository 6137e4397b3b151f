#pragma once
// Profiles for Istram ("Istram Estandar", "Istram (EPSA)"): a two-line header with
// the profile's position and direction, the line type and the axis number, then
// each side from the axis outwards, four points to a line, both sides starting
// with a point on the axis.

#include <cstdint>
#include <string>
#include <vector>

#include "common/buffered_output.h"
#include "field_to_office/profile.h"

class IstramProfileWriter {
public:
    // The numbers carry the user's decimal separator: the fields are separated by
    // blanks.
    IstramProfileWriter(std::int16_t tipoLin, std::int16_t nDeEje, char decimalSeparator)
        : tipoLin_(tipoLin), nDeEje_(nDeEje), separator_(decimalSeparator) {}

    // Appends one profile. Without points only the header is written.
    void B_A_Perfiles_Istram(const PerfilMedido& perfil, BufferedOutput& out);

    // The axis elevation from the two sides, each sorted from the axis outwards.
    static double AxisElevation(const std::vector<PuntoPerfil>& left, const std::vector<PuntoPerfil>& right);

private:
    // One side, the axis point first; `negate` writes the offsets as distances
    // from the axis (the left side).
    void Side(const std::vector<PuntoPerfil>& points, double axis, bool negate, BufferedOutput& out);

    std::int16_t tipoLin_;
    std::int16_t nDeEje_;
    char separator_;
    std::vector<PuntoPerfil> left_, right_, side_;
    std::string line_;
};
