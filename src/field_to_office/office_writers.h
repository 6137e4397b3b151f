#pragma once
// The lines of the standard office formats for KTW observations: one or more
// lines per decoded observation, filter by filter.

#include <cstdint>
#include <string>
#include <string_view>

#include "common/print_line.h"
#include "common/buffered_output.h"
#include "field_to_office/ktw_decoder.h"

enum class OfficeFilter {
    Estandar,
    ModeloDigital,
    Brennsoft,
    Topcal,
    TCP,
    IstramEstandar,
    IstramEPSA,
    InRoads,
    DXF,
    SDR,
    Calco,
    FieldWorks,
    Otro,  // every other filter: no observation lines of its own
};

// The filter of a name in the filter list (exact, case-sensitive).
OfficeFilter OfficeFilterOf(std::string_view filtro);

// Writes the observation lines of one conversion. Keeps what the Istram and
// InRoads code sequences carry from point to point.
class OfficeLineWriter {
public:
    // `analisis`: an analysis file ("Fichero de análisis"); `perfiles`: a profiles
    // file ("Fichero de perfiles"). Lines written "with the regional separator"
    // use decimalSeparator; fixed-width fields always use a point.
    OfficeLineWriter(OfficeFilter filter, bool analisis, bool perfiles, char decimalSeparator);

    // The lines of one observation that is to be written. May change the state as
    // the formats require: the station mark is cleared once the station is
    // written, TCP clears a code "0" and works out DistHorizontal, Istram (EPSA)
    // turns a code 2 of value 0 into "68".
    void Write(KTWDecoderState& state, BufferedOutput& out);

    // Topcal and Brennsoft lines as the user-filter converter writes them: the
    // reflector height before the instrument height, and numbers with the mask of
    // its own words (KTWDecoderState::MascaraUsuario). Until one of those words has
    // come, the mask of the distance words serves, as it always has.
    void ComoFiltroDeUsuario() { filtroUsuario_ = true; }

private:
    void Analysis(const KTWDecoderState& state, BufferedOutput& out);
    void Estandar(const KTWDecoderState& state, BufferedOutput& out);
    void ModeloDigital(KTWDecoderState& state, BufferedOutput& out);
    void Brennsoft(const KTWDecoderState& state, BufferedOutput& out);
    void Topcal(const KTWDecoderState& state, BufferedOutput& out);
    // The number mask of the Topcal and Brennsoft lines.
    std::string_view Mascara(const KTWDecoderState& state) const {
        return filtroUsuario_ && !state.MascaraUsuario.empty() ? state.MascaraUsuario : state.MascaraUnidad;
    }
    void TCP(KTWDecoderState& state, BufferedOutput& out);
    void Istram(KTWDecoderState& state, BufferedOutput& out);

    // Print-zone lines of the file's texts (Windows-1252 bytes, one column a byte).
    void ZoneText(std::string_view bytes, std::string_view suffix = {});
    void EndZoneLine(BufferedOutput& out);

    OfficeFilter filter_;
    bool analisis_;
    bool perfiles_;
    char sep_;
    std::string codigoAnterior_;
    // Wide enough never to wrap within a file.
    std::int64_t contadorIstram_ = 0;
    PrintLine print_;
    std::string line_;
    std::string field_;
    bool filtroUsuario_ = false;
};
