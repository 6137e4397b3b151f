#pragma once
// Letter case of UTF-8 texts, as the program compares names: the ASCII letters and
// the accented letters of Latin-1 (à to þ, but for the division sign).

#include <string>
#include <string_view>

namespace Utf8 {

// The text with those letters in upper case; every other byte as it is.
std::string ToUpper(std::string_view text);

// Whether two texts are equal once both are in upper case.
bool EqualIgnoringCase(std::string_view first, std::string_view second);

}  // namespace Utf8
