#pragma once
// One KTW word (PalabraKTW), the maker's fixed-width field-data word:
//
//   columns  1-2   word index (WI): "11" point name, "21" Hz, "31" slope distance, ...
//            3-5   information, ignored when reading
//            6     unit digit
//            7     sign, "+" or "-"
//            8-15  data, right-aligned, padded on the left with "0"  (8-23 when wide)
//            16    one blank                                          (24 when wide)
//
// A line of narrow words has them at columns 1, 17, 33, ...; a line that starts
// with "*" holds wide words (16-character data) at columns 2, 26, 50, ...
// Columns count characters: a byte of a Windows-1252 text is one, and so is a whole
// UTF-8 sequence, so a name held as UTF-8 does not shift the columns after it.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace Strings {

inline constexpr int KTWNarrowWidth = 16;  // columns of a word with 8-character data
inline constexpr int KTWWideWidth = 24;    // columns of a word with 16-character data

// Why a conversion of a file that holds no KTW data (a picture, an empty file, a
// text of another kind) writes nothing.
inline constexpr const char* kSinDatosKTW = "El fichero no contiene datos KTW.";

// WI 21, 22, 24-28.
bool KTWIsAngleWord(int wi);
// WI 31, 32, 33, 58, 59, 81-88.
bool KTWIsLengthWord(int wi);

// What the data of a length or coordinate word is divided by to give metres, by its
// unit digit ("0" mm, "1" thousandths of a foot, "6" tenths of mm, "7" ten-thousandths
// of a foot, "8" hundredths of mm); 0 for any other digit.
double KTWLengthDivisor(char unitDigit);

// The signed whole number of a data text, read the way Val reads it (blanks, tabs
// and line feeds skipped wherever they stand, an optional sign, digits up to the
// first other character) but into 64 bits, so that sixteen data digits stay exact.
// A text that does not start with a number gives 0. Digits beyond the eighteenth
// are not read (no KTW field holds that many).
std::int64_t KTWWholeNumber(std::string_view text);

// What a word holds: nothing (an angle or length with a unit digit outside the
// table), a Double (radians or metres), or a text. A text is a view into the word
// passed to KTWWordValue: it lives as long as that word's characters.
using KTWValue = std::variant<std::monostate, double, std::string_view>;

// The value of one word (the word's own characters, the last word of a line may be
// shorter than its width). wi decides the kind: angle, length or text word.
// Angles come back in radians, lengths in metres. A text word gives its data and
// the character after it with leading "0"s dropped, one character always kept.
KTWValue KTWWordValue(std::string_view word, int wi, bool wide);

}  // namespace Strings

namespace GM {

// Builds one wide word: "*" when Marca, the first six characters of WI, a sign,
// sixteen data characters and one blank. A numeric Valor (digits, "+", "-", ",",
// ".", blanks; "." is the decimal point, "," ends the number) is written with its
// sign as |value| x 1000 rounded to whole digits (halves to even), "0" below 0.001;
// any other Valor is written as its first sixteen characters, trimmed, with "+".
// The data is padded on the left with "0" to sixteen characters. Decimales is
// accepted from the callers and changes nothing.
void Palabra_KTW(bool Marca, std::int16_t Decimales, std::string_view WI, std::string_view Valor,
                 std::string& Palabra);

// The same word for a text that must stay a text even when it looks like a number
// (a file named "123"): its first sixteen characters, trimmed, with the sign "+".
void Palabra_KTW_Texto(bool Marca, std::string_view WI, std::string_view Texto, std::string& Palabra);

// For lines built word after word, the word written at `to`, which has room for
// kPalabraKTWMaxBytes; returns the end of the word. The word of Palabra_KTW_Texto,
// and the word Palabra_KTW(Marca, 3, WI, Format(Valor, "0.000", '.')) builds (the
// value rounded to three decimals, in thousandths) without the texts in between.
inline constexpr std::size_t kPalabraKTWMaxBytes = 128;
char* Poner_Palabra_KTW_Texto(char* to, bool Marca, std::string_view WI, std::string_view Texto);
char* Poner_Palabra_KTW_Milesimas(char* to, bool Marca, std::string_view WI, double Valor);

}  // namespace GM
