#pragma once
// Calco files from KTW observations: the observation file (*.LEC) and, beside it,
// the station file (*.sub) that receives the orientation of each set-up. Both
// start with a three-line header and are committed together.

#include <optional>
#include <string>
#include <string_view>

#include "common/buffered_output.h"
#include "field_to_office/ktw_decoder.h"

// The station file of an output: its name without the last three characters,
// followed by "sub".
std::string CalcoStationFile(std::string_view salida);

// Why an output name cannot take a station file beside it (a Spanish text for the
// user), or nothing when it can: the name needs a three-letter extension, the
// station file must not be the output itself (an output named *.SUB) nor the input.
std::optional<std::string> CalcoOutputProblem(const std::string& entrada, const std::string& salida);

class CalcoWriter {
public:
    // Creates the station file beside `salida` and writes both headers (the main
    // output is the caller's). Throws ConversionError when the name cannot serve.
    CalcoWriter(const std::string& entrada, const std::string& salida, BufferedOutput& out);

    // The record of one observation that is to be written; a set-up writes nothing
    // but is remembered for the orientation records. Changes the code as the format
    // requires (blank becomes "0", "0" after a set-up) and clears the station mark.
    void Write(KTWDecoderState& state, BufferedOutput& out);

    // Completes the station file and then gives both files their names.
    void Commit(BufferedOutput& out);

private:
    void Record(const TDatoCampo& d);

    BufferedOutput station_;
    // Code and instrument height (as a 7-column field) of the last set-up.
    std::string codigoEstacionCalco_;
    std::string alturaEstacionCalco_ = std::string(7, ' ');
    std::string line_;
    std::string field_;
};
