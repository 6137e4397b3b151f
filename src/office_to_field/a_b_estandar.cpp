#include "office_to_field/a_b_estandar.h"

#include <limits>
#include <stdexcept>
#include <string_view>

#include "common/buffered_output.h"
#include "common/errors.h"
#include "common/line_input.h"
#include "common/masked_fields.h"
#include "common/numbers.h"
#include "common/plain_decimal.h"
#include "office_to_field/ab_records.h"
#include "office_to_field/point_fields.h"
#include "office_to_field/point_line.h"

namespace office_to_field {

namespace {

std::string LineText(std::int64_t lineNumber) { return "Línea " + std::to_string(lineNumber) + ": "; }

double Number(std::string_view field, std::int64_t lineNumber);

// A field's number: a plain decimal as it is, any other through Num::Val. Kept out
// of line: it is the rare road, and the common one must stay small enough to inline.
[[gnu::noinline]] double FieldNumber(std::string_view field, std::int64_t lineNumber) {
    double plain;
    if (Num::ReadPlainDecimal(field.data(), field.data() + field.size(), plain) == field.data() + field.size()) {
        return plain;
    }
    return Number(field, lineNumber);
}

// The fields of one line, taken in order in one pass over its characters, eight
// at a time where they can be. The line is one of LineInput's, readable past its end.
class LineFields {
public:
    LineFields(std::string_view line, std::int64_t lineNumber)
        : p_(line.data()), end_(line.data() + line.size()), lineNumber_(lineNumber) {}

    std::int64_t LineNumber() const { return lineNumber_; }

    // The next field; false at the end of the line.
    bool Next(std::string_view& field) {
        if (!SkipSeparators()) return false;
        const char* const start = p_;
        p_ = point_line::FieldEnd(p_, end_);
        field = std::string_view(start, static_cast<std::size_t>(p_ - start));
        return true;
    }

    // The next field as a record's name (kTextoBINBytes, blank-padded); false at the
    // end of the line.
    bool NextName(char* to) {
        std::string_view name;
        if (!Next(name)) return false;
        PutPuntoBaseName(name, to);
        return true;
    }

    // The next field's number; false, and `value` untouched, at the end of the line.
    bool NextNumber(double& value) {
        if (!SkipSeparators()) return false;
        if (const char* stop = point_line::ShortDecimal(p_, end_, value)) {
            p_ = stop;
            return true;
        }
        std::string_view field;
        Next(field);
        value = FieldNumber(field, lineNumber_);
        return true;
    }

private:
    bool SkipSeparators() {
        while (p_ != end_ && IsPointFieldSeparator(*p_)) ++p_;
        return p_ != end_;
    }

    const char* p_;
    const char* end_;
    std::int64_t lineNumber_;
};

// A point list's fields: blanks, commas and TABs between them.
using ShortFields = masked_fields::Fields<masked_fields::Separators::kBlankCommaTab>;

// The same for a line of up to masked_fields::kLongest bytes, its fields found all at once.
class ShortLineFields {
public:
    ShortLineFields(std::string_view line, std::int64_t lineNumber) : fields_(line), lineNumber_(lineNumber) {}

    bool Next(std::string_view& field) {
        unsigned first, end;
        if (!fields_.Next(first, end)) return false;
        field = std::string_view(fields_.Data() + first, end - first);
        return true;
    }

    bool NextName(char* to) {
        unsigned first, end;
        if (!fields_.Next(first, end)) return false;
        fields_.PaddedName(first, end, to);
        return true;
    }

    [[gnu::always_inline]] bool NextNumber(double& value) {
        unsigned first, end;
        if (!fields_.Next(first, end)) return false;
        if (!fields_.PlainDecimal(first, end, value)) {
            value = FieldNumber(std::string_view(fields_.Data() + first, end - first), lineNumber_);
        }
        return true;
    }

private:
    ShortFields fields_;
    std::int64_t lineNumber_;
};

// Hands the line's fields to `read`: through the masks when the line is short.
template <class Read>
bool WithFields(std::string_view line, std::int64_t lineNumber, Read read) {
    if (line.size() <= masked_fields::kLongest) {
        ShortLineFields fields(line, lineNumber);
        return read(fields);
    }
    LineFields fields(line, lineNumber);
    return read(fields);
}

// The leading number of a field; a number beyond any double is refused.
double Number(std::string_view field, std::int64_t lineNumber) {
    try {
        return Num::Val(field);
    } catch (const std::overflow_error&) {
        throw ConversionError(LineText(lineNumber) + "el valor " + std::string(field) + " es demasiado grande.");
    }
}

// Whether the field starts with a number: an optional sign, then a digit or a point and a digit.
bool StartsWithNumber(std::string_view field) {
    std::size_t i = 0;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) ++i;
    if (i < field.size() && field[i] == '.') ++i;
    return i < field.size() && field[i] >= '0' && field[i] <= '9';
}

std::int32_t WholeNumber(std::string_view field, std::int64_t lineNumber) {
    if (!StartsWithNumber(field)) {
        throw ConversionError(LineText(lineNumber) + "el número de sección " + std::string(field) +
                              " no es un número.");
    }
    try {
        return Num::CLng(Number(field, lineNumber));
    } catch (const std::overflow_error&) {
        throw ConversionError(LineText(lineNumber) + "el número de sección " + std::string(field) +
                              " no cabe en un entero de 32 bits.");
    }
}

// Reads the list line by line and hands each line to `put`, which reads its fields
// into the work record and writes it, or returns false for a line without a field.
// Counts the records; refuses an input without any.
template <class Put>
std::int32_t Convert(const std::string& in, const std::string& out, bool dropFirstLine, Put put) {
    static_assert(LineInput::kReadAhead >= point_line::kReadPastEnd);
    static_assert(LineInput::kReadAhead >= masked_fields::kReadFromStart);
    LineInput input(in);
    BufferedOutput output(out);
    std::string_view line;
    std::int64_t lineNumber = 0;
    if (dropFirstLine && input.Next(line)) ++lineNumber;
    std::int32_t records = 0;
    while (input.Next(line)) {
        ++lineNumber;
        if (!put(line, lineNumber, output)) continue;
        if (records == std::numeric_limits<std::int32_t>::max()) {
            throw ConversionError(LineText(lineNumber) + "el fichero tiene demasiados registros.");
        }
        ++records;
    }
    if (records == 0) throw ConversionError(kSinRegistros);
    output.Commit();
    return records;
}

bool DropsFirstLine(const design_readers::WindowServices& window) {
    const std::string programa = window.Programa();
    return programa == "Clip" || programa == "Clip Ferrocarril";
}

}  // namespace

std::int32_t PuntosBasesToRecords(const std::string& in, const std::string& out, bool dropFirstLine) {
    // The work record: every line has its own name, and a short line keeps the
    // previous line's coordinates for those it lacks.
    double xyz[3] = {0, 0, 0};
    return Convert(in, out, dropFirstLine, [&](std::string_view line, std::int64_t lineNumber, BufferedOutput& output) {
        return WithFields(line, lineNumber, [&](auto& fields) {
            char* const record = output.Room(kPuntoBaseBytes);
            if (!fields.NextName(record)) return false;
            // One loop rather than three calls: the reading is then written once, inline.
            // Each coordinate goes to the record as it is read: read back from the work
            // record afterwards, two would be loaded at once from two stores not yet
            // done, which the processor cannot forward.
            std::size_t k = 0;
            for (; k < 3 && fields.NextNumber(xyz[k]); ++k) PutPuntoBaseCoordinate(k, xyz[k], record);
            for (; k < 3; ++k) PutPuntoBaseCoordinate(k, xyz[k], record);
            output.Advance(kPuntoBaseBytes);
            return true;
        });
    });
}

std::int32_t SeccionesToRecords(const std::string& in, const std::string& out, bool dropFirstLine) {
    TSeccionExcavacion record;
    char bytes[kSeccionExcavacionBytes];
    return Convert(in, out, dropFirstLine, [&](std::string_view line, std::int64_t lineNumber, BufferedOutput& output) {
        return WithFields(line, lineNumber, [&](auto& fields) {
            std::string_view numero;
            if (!fields.Next(numero)) return false;
            record.Numero = WholeNumber(numero, lineNumber);
            fields.NextNumber(record.Valor2) && fields.NextNumber(record.Valor3);
            EncodeSeccionExcavacion(record, bytes);
            output.Write(std::string_view(bytes, sizeof bytes));
            return true;
        });
    });
}

bool A_B_Puntos_Bases_Estandar(Context& /*ctx*/, design_readers::WindowServices& window, const AbRequest& request) {
    PuntosBasesToRecords(request.InPath, request.OutPath, DropsFirstLine(window));
    return true;
}

bool A_B_Seccion_Estandar(Context& /*ctx*/, design_readers::WindowServices& window, const AbRequest& request) {
    SeccionesToRecords(request.InPath, request.OutPath, DropsFirstLine(window));
    return true;
}

}  // namespace office_to_field
