// Building one wide KTW word for the Tunelix files and their header.

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "common/ktw_word.h"
#include "common/numbers.h"
#include "common/numeric_checks.h"
#include "common/utf8_columns.h"

namespace GM {
namespace {

constexpr std::int32_t kDataLength = 16;

bool Ascii(std::string_view text) {
    unsigned char bits = 0;
    for (const char c : text) bits |= static_cast<unsigned char>(c);
    return bits < 0x80;
}

// Columns count characters: a file name handed in as UTF-8 (such as the output name
// of the Tunelix header) must fill the sixteen data columns it will take in the file.
std::string_view FirstChars(std::string_view text, std::int32_t count) {
    // ASCII, the usual case, is a character a byte.
    const std::string_view first = text.substr(0, static_cast<std::size_t>(count));
    if (Ascii(first)) return first;
    return Utf8::Columns(text).Mid(1, count);
}

// The usual word, a WI of six ASCII characters and ASCII data of at most sixteen
// characters, is built aside and added in one piece.
bool PlainWI(std::string_view WI) { return WI.size() >= 6 && Ascii(WI.substr(0, 6)); }

// Writes "*" when Marca, the six WI characters, the sign and sixteen "0" of data;
// returns the end of the data, before which the data's characters go.
char* StartPlainWord(char* to, bool Marca, std::string_view WI, char sign) {
    if (Marca) *to++ = '*';
    std::memcpy(to, WI.data(), 6);
    to += 6;
    *to++ = sign;
    std::memcpy(to, "0000000000000000", kDataLength);
    return to + kDataLength;
}

// A word made on the whole road, copied to `to`.
char* PutWord(char* to, const std::string& word) {
    if (word.size() > kPalabraKTWMaxBytes) throw std::length_error("Palabra KTW demasiado larga");
    std::memcpy(to, word.data(), word.size());
    return to + word.size();
}

void AppendHead(bool Marca, std::string_view WI, std::string& Palabra) {
    if (Marca) Palabra += '*';
    Palabra += FirstChars(WI, 6);
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
    AppendHead(Marca, WI, Palabra);

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
    AppendHead(Marca, WI, Palabra);
    AppendData('+', Utf8::TrimBlanks(FirstChars(Texto, kDataLength)), Palabra);
}

char* Poner_Palabra_KTW_Texto(char* to, bool Marca, std::string_view WI, std::string_view Texto) {
    const std::string_view first = Texto.substr(0, kDataLength);
    // Sixteen ASCII characters or fewer are the first sixteen characters.
    if (Ascii(first) && PlainWI(WI)) {
        const std::string_view data = Utf8::TrimBlanks(first);
        char* const end = StartPlainWord(to, Marca, WI, '+');
        if (!data.empty()) std::memcpy(end - data.size(), data.data(), data.size());
        *end = ' ';
        return end + 1;
    }
    std::string word;
    Palabra_KTW_Texto(Marca, WI, Texto, word);
    return PutWord(to, word);
}

char* Poner_Palabra_KTW_Milesimas(char* to, bool Marca, std::string_view WI, double Valor) {
    // The usual text, "[-]digits.ddd" within the sixteen data characters, is its own
    // thousandths: below 10^15, reading it back, multiplying by 1000 and rounding
    // gives its digits again, so the data is the rounded thousandths themselves,
    // padded on the left with "0" (leading zeros of the text are padding anyway). A
    // value that rounds to zero has no minus sign. Below 10^11 the text, sign
    // included, always fits; a longer text is cut to sixteen characters by the word,
    // and the word reads what is left: that, and a WI that is not six ASCII
    // characters, take the whole road.
    constexpr std::uint64_t kMilesimasCortas = 100000000000000;  // 10^11 in thousandths
    std::uint64_t milesimas = 0;
    if (!Num::RoundToPlaces(Valor, 3, milesimas) || milesimas >= kMilesimasCortas || !PlainWI(WI)) {
        std::string word;
        Palabra_KTW(Marca, 3, WI, Num::Format(Valor, "0.000", '.'), word);
        return PutWord(to, word);
    }
    char* const end = StartPlainWord(to, Marca, WI, Valor < 0 && milesimas != 0 ? '-' : '+');
    Num::PutSixteenDigits(milesimas, end - kDataLength);
    *end = ' ';
    return end + 1;
}

}  // namespace GM
