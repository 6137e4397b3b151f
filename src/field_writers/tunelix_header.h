#pragma once
// The first line of a Tunelix planta or alzado file: the file's name and what it holds.

#include <string>
#include <string_view>

namespace field_writers {

// The name the header carries: the output file's name without its folder and
// extension, upper-cased, at most sixteen characters.
std::string TunelixName(std::string_view outPath);

// The header line, in file bytes (Windows-1252) and without its line end: word 41
// with the start-of-line mark and the name, word 42 with "SITUATION" for a planta
// or "LONGPROF" for an alzado. The name is always written as a text, also when it
// is made of digits.
std::string TunelixHeader(std::string_view outPath, bool planta);

}  // namespace field_writers
