#include "field_to_office/binary_conversion.h"

#include <cmath>
#include <string>

#include "common/errors.h"
#include "common/numbers.h"

BinaryConversion::BinaryConversion(const BinaryRequest& request, std::size_t recordSize, const State& state,
                                   std::int32_t& contadorVertices, bool dxfAllowed)
    : input_(request.entrada, recordSize), sep_(request.decimalSeparator) {
    // A file too short for one record is no file of this kind: the old output stays.
    if (!input_.HasRecord()) throw ConversionError(kSinRegistros);
    if (dxfAllowed && request.filtro == "DXF") {
        dxf_.emplace(request.salida, state, contadorVertices);
    } else {
        text_.emplace(request.salida);
    }
}

const unsigned char* BinaryConversion::Next() {
    const unsigned char* record = input_.Next();
    if (record != nullptr) ++record_;
    return record;
}

void BinaryConversion::NotFinite(const char* campo) const {
    throw ConversionError("El registro " + std::to_string(record_) + " tiene en el campo " + campo +
                          " un valor que no es un número finito.");
}

const std::string& BinaryConversion::Formatted(double value, std::string_view mask, const char* campo) {
    number_.clear();
    Num::AppendFormat(number_, Finite(value, campo), mask, sep_);
    return number_;
}

void BinaryConversion::ZoneNumber(double value, std::string_view mask, const char* campo) {
    line_.Zone().Format(Finite(value, campo), mask, sep_);
}

void BinaryConversion::ZoneCode(std::string_view codigo) { line_.Zone().Bytes(BlankedText(codigo, code_)); }

void BinaryConversion::EndLine() {
    text_->WriteLine(line_.Current());
    line_.Clear();
}

void BinaryConversion::Finish() {
    if (dxf_) {
        dxf_->WriteDXFFooter();
    } else {
        text_->Commit();
    }
}

std::string_view BlankedText(std::string_view text, std::string& buffer) {
    if (text.find('\0') == std::string_view::npos) return text;
    buffer.assign(text);
    for (char& c : buffer)
        if (c == '\0') c = ' ';
    return buffer;
}
