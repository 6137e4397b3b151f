#pragma once
// KTW profile files (field formats 2 and 3): a code block "PERFIL" opens each
// profile with its chainage, axis point and direction; the measurement lines after
// it carry its points (word 78 the offset, word 83 the elevation).

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "field_to_office/profile.h"
#include "field_to_office/profile_output.h"
#include "field_to_office/profile_tunnel.h"

class ba_form;
struct State;

// What a KTW profile file holds, in reading order.
struct KTWProfileFile {
    std::vector<PerfilLeido> PerfilesLeidos;
    PuntosLeidos Puntos;
    // The last station elevation (word 86) and instrument height (word 88).
    CentroTunel Centro;
};

// Reads the profile words of one line into the tables; `reader` keeps what
// carries from line to line. Throws std::overflow_error for a number too large.
class KTWProfileReader {
public:
    KTWProfileReader(std::int16_t formatoCampo, KTWProfileFile& file) : format3_(formatoCampo == 3), file_(file) {}
    void Line(std::string_view line);
    // How many KTW words (a two-digit index and a sign) the lines have held.
    std::int64_t Words() const { return words_; }

private:
    void Number(int wi, double value, bool& stop);
    void DropLastPoint();

    bool format3_;
    KTWProfileFile& file_;
    std::size_t current_ = 0;        // 1-based number of the current profile; 0 before the first
    bool firstPointPending_ = false;
    double lastPointPk_ = 0;         // word 77, carried from line to line
    // The points whose offsets went to one profile follow each other: each run
    // holds the profile and the run's first point. A point taken back leaves the
    // profile that holds it, whichever that is.
    struct Run {
        std::size_t perfil;  // 1-based
        std::int64_t primero;
    };
    std::vector<Run> runs_;
    bool droppedOnLine_ = false;     // a point of this line was taken back
    std::int64_t words_ = 0;
};

// One conversion to the profile writer of the request's filter; throws
// ConversionError when it cannot be done, and when the file holds no KTW word at
// all (the old output is then kept).
void ConvertKTWPerfiles(const ProfileRequest& request, const State& state, std::int32_t& contadorVertices);
