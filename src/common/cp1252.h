#pragma once
// Texts inside files are Windows-1252 bytes; in memory they are UTF-8.

#include <string>
#include <string_view>

namespace Cp1252 {

// Whether every byte is below 0x80: such a text is the same in both codes.
bool IsAscii(std::string_view text);

// Bytes of a file into UTF-8. The five bytes Windows-1252 leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same code, so that
// every byte string survives the way back unchanged.
std::string ToUtf8(std::string_view bytes);

// UTF-8 into Windows-1252 bytes. A character the code page lacks, and a byte that is
// not well-formed UTF-8, is written as "?".
std::string FromUtf8(std::string_view utf8);

}  // namespace Cp1252
