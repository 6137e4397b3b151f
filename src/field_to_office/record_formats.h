#pragma once
// The three office formats of KTW observations that are files of records with a
// header rather than free lines: "SDR", "Calco" (with its station file) and
// "FieldWorks" (with its options dialog). One object per conversion holds the
// writer of the chosen one.

#include <functional>
#include <optional>

#include "common/buffered_output.h"
#include "field_to_office/calco_writer.h"
#include "field_to_office/fieldworks_writer.h"
#include "field_to_office/ktw_decoder.h"
#include "field_to_office/ktw_tarsel_taqui.h"
#include "field_to_office/office_writers.h"
#include "field_to_office/sdr_writer.h"

class RecordFormatWriter {
public:
    static bool Serves(OfficeFilter filter) {
        return filter == OfficeFilter::SDR || filter == OfficeFilter::Calco || filter == OfficeFilter::FieldWorks;
    }

    // Writes the header of the chosen format into `out`; Calco also creates its
    // station file, FieldWorks first asks for its option. Throws ConversionError
    // when the output name cannot serve.
    RecordFormatWriter(OfficeFilter filter, const KTWTaquiRequest& request,
                       const std::function<bool()>& opcionFieldWorks, BufferedOutput& out);

    // The records of one observation that is to be written.
    void Write(KTWDecoderState& state, BufferedOutput& out);

    // The end of the input: what was held back is written, then the output (and
    // the station file) take their names.
    void Finish(BufferedOutput& out);

private:
    std::optional<SDRRecordWriter> sdr_;
    std::optional<CalcoWriter> calco_;
    std::optional<FieldWorksWriter> fieldWorks_;
};
