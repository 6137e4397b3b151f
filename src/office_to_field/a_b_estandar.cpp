#include "office_to_field/a_b_estandar.h"

#include <algorithm>
#include <array>
#include <limits>
#include <stdexcept>
#include <string_view>

#include "common/buffered_output.h"
#include "common/errors.h"
#include "common/line_input.h"
#include "common/numbers.h"
#include "office_to_field/ab_records.h"
#include "office_to_field/point_fields.h"

namespace office_to_field {

namespace {

constexpr std::size_t kMaxFields = 4;
using Fields = std::array<std::string_view, kMaxFields>;

// The first fields of a line; returns how many it has (at most kMaxFields).
std::size_t Split(std::string_view line, Fields& fields) { return std::min(PointFields(line, fields), kMaxFields); }

std::string LineText(std::int64_t lineNumber) { return "Línea " + std::to_string(lineNumber) + ": "; }

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

// Reads the list line by line and hands each line's fields to `put`, which updates
// the work record and writes it. Counts the records; refuses an input without any.
template <class Put>
std::int32_t Convert(const std::string& in, const std::string& out, bool dropFirstLine, Put put) {
    LineInput input(in);
    BufferedOutput output(out);
    std::string_view line;
    std::int64_t lineNumber = 0;
    if (dropFirstLine && input.Next(line)) ++lineNumber;
    std::int32_t records = 0;
    Fields fields;
    while (input.Next(line)) {
        ++lineNumber;
        const std::size_t count = Split(line, fields);
        if (count == 0) continue;
        if (records == std::numeric_limits<std::int32_t>::max()) {
            throw ConversionError(LineText(lineNumber) + "el fichero tiene demasiados registros.");
        }
        put(fields, count, lineNumber, output);
        ++records;
    }
    if (records == 0) throw ConversionError("El fichero no contiene ningún registro que transformar.");
    output.Commit();
    return records;
}

bool DropsFirstLine(const design_readers::WindowServices& window) {
    const std::string programa = window.Programa();
    return programa == "Clip" || programa == "Clip Ferrocarril";
}

}  // namespace

std::int32_t PuntosBasesToRecords(const std::string& in, const std::string& out, bool dropFirstLine) {
    TPuntoBase record;
    char bytes[kPuntoBaseBytes];
    return Convert(in, out, dropFirstLine,
                   [&](const Fields& f, std::size_t count, std::int64_t lineNumber, BufferedOutput& output) {
                       record.Nombre.assign(f[0].substr(0, kTextoBINBytes));
                       if (count > 1) record.X = Number(f[1], lineNumber);
                       if (count > 2) record.Y = Number(f[2], lineNumber);
                       if (count > 3) record.Z = Number(f[3], lineNumber);
                       EncodePuntoBase(record, bytes);
                       output.Write(std::string_view(bytes, sizeof bytes));
                   });
}

std::int32_t SeccionesToRecords(const std::string& in, const std::string& out, bool dropFirstLine) {
    TSeccionExcavacion record;
    char bytes[kSeccionExcavacionBytes];
    return Convert(in, out, dropFirstLine,
                   [&](const Fields& f, std::size_t count, std::int64_t lineNumber, BufferedOutput& output) {
                       record.Numero = WholeNumber(f[0], lineNumber);
                       if (count > 1) record.Valor2 = Number(f[1], lineNumber);
                       if (count > 2) record.Valor3 = Number(f[2], lineNumber);
                       EncodeSeccionExcavacion(record, bytes);
                       output.Write(std::string_view(bytes, sizeof bytes));
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
