#pragma once
// The output of one profile conversion: the drawing or the text file of the chosen
// filter and the writer that appends each profile to it. The readers collect one
// profile at a time and hand it here.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/buffered_output.h"
#include "field_to_office/dxf_writer.h"
#include "field_to_office/profile.h"
#include "field_to_office/profile_clip_writer.h"
#include "field_to_office/profile_istram_writer.h"
#include "field_to_office/profile_tunnel.h"
#include "field_to_office/profile_vial_writer.h"

struct State;

// What one profile conversion is asked for.
struct ProfileRequest {
    std::string entrada;  // input file, as the user chose it
    std::string salida;   // output file, as the user chose it
    std::string filtro;   // the filter's name in the filter list
    std::int16_t formatoCampo = 0;
    // The answers of the Istram input boxes.
    std::int16_t tipoLin = 26;
    std::int16_t nDeEje = 1;
    char decimalSeparator = '.';
};

enum class ProfileFilter {
    Clip,     // "Perfiles Clip"
    Topcal,   // "Topcal"
    Istram,   // "Istram Estandar", "Istram (EPSA)"
    Vial,     // "Vial"
    DXF,      // "DXF"
    Estandar, // the lines the Tarsel profile reader prints itself
    ModeloDigital,
    Elsamex,
    Otro,     // no profile output
};

ProfileFilter ProfileFilterOf(std::string_view filtro);

class ProfileOutput {
public:
    // Starts the output: a Clip file begins with "*TER", a drawing with its header.
    ProfileOutput(const ProfileRequest& request, const State& state, std::int32_t& contadorVertices);

    ProfileFilter Filter() const { return filter_; }

    // Appends one profile with the filter's profile writer (nothing for the filters
    // that write points). `pkDibujo`: the chainage of the tunnel drawing; the tunnel
    // drawing reorders the profile's points.
    void Write(PerfilMedido& perfil, double pkDibujo);

    // The text output and the drawing, for readers that print points themselves.
    BufferedOutput& Text() { return *text_; }
    DXFWriter& Dxf() { return *dxf_; }

    // The centre of the tunnel sections (the last station read).
    CentroTunel Centro;

    // Ends the output and gives it its name, replacing the old output also when
    // the input held no profile.
    void Finish();

private:
    ProfileFilter filter_;
    std::optional<BufferedOutput> text_;
    std::optional<DXFWriter> dxf_;
    std::optional<ClipProfileWriter> clip_;
    std::optional<IstramProfileWriter> istram_;
    VialProfileWriter vial_;
    TunnelProfileWriter tunnel_;
};

// Writes the profiles of a reader's tables in the order given (sorted by chainage):
// consecutive profiles with one chainage become one profile holding the points of
// all of them in order, whose header is that of the first of them with points.
// Profiles without points write nothing.
void WriteProfileRuns(const std::vector<PerfilLeido>& perfiles, const PuntosLeidos& puntos, ProfileOutput& out);

// Sorts profiles by chainage, ascending; profiles of one chainage keep their order.
void SortByChainage(std::vector<PerfilLeido>& perfiles);
