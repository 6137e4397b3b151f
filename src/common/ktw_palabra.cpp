// Building one wide KTW word for the Tunelix files and their header.

#include <charconv>
#include <cmath>
#include <cstdint>

#include "common/ktw_word.h"
#include "common/numbers.h"
#include "common/numeric_checks.h"
#include "common/utf8_columns.h"

namespace GM {
namespace {

constexpr std::int32_t kDataLength = 16;

// Columns count characters: a file name handed in as UTF-8 (such as the output name
// of the Tunelix header) must fill the sixteen data columns it will take in the file.
std::string_view FirstChars(std::string_view text, std::int32_t count) {
    return Utf8::Columns(text).Mid(1, count);
}

// The value in thousandths as whole digits. Rounded, never cut into a "1234567.8":
// the data field holds digits only. Sixteen characters of digits stay below 10^19,
// so the result always fits 64 unsigned bits; the fallback only keeps that explicit.
void AppendThousandths(double magnitude, std::string& out) {
    const double thousandths = Num::RoundHalfEven(magnitude * 1000.0);
    if (!(thousandths < 18446744073709551615.0)) {
        out += Num::StrTrim(thousandths);
        return;
    }
    char digits[24];
    const auto result =
        std::to_chars(digits, digits + sizeof digits, static_cast<std::uint64_t>(thousandths));
    out.append(digits, result.ptr);
}

// The sign, the data padded on the left with "0" to sixteen characters, one blank.
void AppendData(char sign, std::string_view data, std::string& Palabra) {
    Palabra += sign;
    const std::int32_t length = Utf8::CharCount(data);
    if (length < kDataLength) Palabra.append(static_cast<std::size_t>(kDataLength - length), '0');
    Palabra += data;
    Palabra += ' ';
}

}  // namespace

void Palabra_KTW(bool Marca, std::int16_t /*Decimales*/, std::string_view WI,
                 std::string_view Valor, std::string& Palabra) {
    Palabra.clear();
    if (Marca) Palabra += '*';
    Palabra += FirstChars(WI, 6);

    const std::string_view v = Utf8::TrimBlanks(FirstChars(Valor, kDataLength));
    // Built aside so that its length decides the zero padding.
    std::string data;
    char sign = '+';
    bool notNumeric = false;
    GM::Comprobar_Numero(v, notNumeric);
    if (!notNumeric) {
        const double value = Num::Val(v);
        if (value < 0) sign = '-';
        const double magnitude = std::fabs(value);
        if (magnitude >= 0.001) {
            AppendThousandths(magnitude, data);
        } else {
            data = "0";
        }
    } else {
        data.assign(v);
    }
    AppendData(sign, data, Palabra);
}

void Palabra_KTW_Texto(bool Marca, std::string_view WI, std::string_view Texto, std::string& Palabra) {
    Palabra.clear();
    if (Marca) Palabra += '*';
    Palabra += FirstChars(WI, 6);
    AppendData('+', Utf8::TrimBlanks(FirstChars(Texto, kDataLength)), Palabra);
}

}  // namespace GM
