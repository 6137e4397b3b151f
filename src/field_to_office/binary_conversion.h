#pragma once
// What every binary converter does around its records: reads the input record by
// record, writes either a DXF drawing (filter "DXF") or a text file, builds print
// zone lines, and refuses a value that is not a finite number with the number of
// the record that holds it.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "common/buffered_output.h"
#include "common/print_line.h"
#include "common/record_input.h"
#include "field_to_office/binary_converters.h"
#include "field_to_office/dxf_writer.h"

class BinaryConversion {
public:
    // Opens the input and creates the output: the DXF writer for the filter "DXF"
    // (unless `dxfAllowed` is false), a text file otherwise. An input without one
    // complete record is refused (ConversionError) before any output is begun.
    BinaryConversion(const BinaryRequest& request, std::size_t recordSize, const State& state,
                     std::int32_t& contadorVertices, bool dxfAllowed = true);

    // The next complete record; nullptr at the end of the input.
    const unsigned char* Next();

    // The value itself; refused (ConversionError) when it is NaN or infinite.
    double Finite(double value, const char* campo) const {
        if (!std::isfinite(value)) NotFinite(campo);
        return value;
    }

    bool IsDXF() const { return dxf_.has_value(); }
    DXFWriter& Dxf() { return *dxf_; }
    BufferedOutput& Out() { return *text_; }

    // Print-zone lines of Windows-1252 texts and formatted numbers.
    PrintLine& Line() { return line_; }
    // The next item, in its own zone: Format(value, mask) with the regional separator.
    void ZoneNumber(double value, std::string_view mask, const char* campo);
    // The next item, in its own zone: a 10-character code, NULs written as blanks.
    void ZoneCode(std::string_view codigo);
    // Format(value, mask) with the regional separator, into a text kept by the conversion.
    const std::string& Formatted(double value, std::string_view mask, const char* campo);
    void EndLine();

    // The DXF footer or the text file's commit: the output takes its name.
    void Finish();

private:
    [[noreturn]] void NotFinite(const char* campo) const;

    RecordInput input_;
    std::int64_t record_ = 0;
    char sep_;
    std::optional<DXFWriter> dxf_;
    std::optional<BufferedOutput> text_;
    PrintLine line_;
    std::string number_;
    std::string code_;
};

// A code or name as it is written: its NULs as blanks.
std::string_view BlankedText(std::string_view text, std::string& buffer);
