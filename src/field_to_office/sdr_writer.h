#pragma once
// SDR files from KTW observations: a header, then for each set-up its station
// record (02TP) and, at its first point, the backsight (08KI and 07TP); for each
// point its target height (03F1) and its observation (09F1). The observation is
// held back until the next line, which decides whether it is written.

#include <string>
#include <string_view>

#include "common/buffered_output.h"
#include "field_to_office/ktw_decoder.h"

// The four header lines; the job name is the input file's name without its folder
// and its extension.
void WriteSDRHeader(std::string_view entrada, BufferedOutput& out);

class SDRRecordWriter {
public:
    // The records of one observation that is to be written. Clears a code "0" and
    // the station mark.
    void Write(KTWDecoderState& state, BufferedOutput& out);
    // The end of the input: the last point's observation, held back until now.
    void Finish(BufferedOutput& out);

private:
    void WriteHeight(double altura, BufferedOutput& out);
    void Number(double value, int width);
    void CodeSuffix(std::string_view codigo);

    // The last built 09F1 record and the target height of its point.
    std::string lineaSDRPendiente_;
    double alturaPendiente_ = 0;
    // The held-back record is to be written before the next one.
    bool sdrPendiente_ = false;
    // A set-up was written: its first point is the backsight.
    bool primeraVisual_ = false;
    // The last line written was a point (not a set-up): its record ends the file.
    bool puntoPendiente_ = false;
    std::string line_;
    std::string field_;
};
