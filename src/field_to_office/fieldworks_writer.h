#pragma once
// FieldWorks files (*.FWD) from KTW observations: a header of units, then one block
// per set-up (STN, HI, the station's coordinates when asked for, CODE) and one per
// point (OBS, TH, its coordinates when asked for, CODE, a NOTE when the remark
// changes), each block closed by an empty line.

#include <string>
#include <string_view>

#include "common/buffered_output.h"
#include "field_to_office/ktw_decoder.h"

void WriteFieldWorksHeader(BufferedOutput& out);

class FieldWorksWriter {
public:
    // `coordenadas`: also the coordinate records (FCRD, CCRD).
    explicit FieldWorksWriter(bool coordenadas) : coordenadas_(coordenadas) {}

    // The block of one observation that is to be written. Clears codes "0" and the
    // station mark.
    void Write(KTWDecoderState& state, BufferedOutput& out);

private:
    void Number(std::string_view tag, double value, int width);
    void Coordinates(const char* tag, double x, double y, double z, BufferedOutput& out);
    void Codes(const TDatoCampo& d, BufferedOutput& out);

    bool coordenadas_;
    std::string observacionAnterior_;
    std::string line_;
    std::string field_;
};
