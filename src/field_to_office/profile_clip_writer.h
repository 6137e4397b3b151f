#pragma once
// Profiles for Clip ("Perfiles Clip") and Topcal: a header line with the chainage,
// then one line per point from the farthest left to the farthest right.

#include <string>
#include <vector>

#include "common/buffered_output.h"
#include "field_to_office/profile.h"

class ClipProfileWriter {
public:
    enum class Header { Clip, Topcal, None };
    explicit ClipProfileWriter(Header header) : header_(header) {}

    // Appends one profile; a profile without points writes nothing. The fields are
    // separated by commas, so every number carries a point whatever the user's
    // regional settings.
    void B_A_Perfiles_Clip(const PerfilMedido& perfil, BufferedOutput& out);

private:
    Header header_;
    std::vector<PuntoPerfil> left_, right_;
    std::string line_;
};
