#pragma once
// The Windows-1252 code page as a table: what the file-text conversions and the
// rich-text reader both need, kept below every other layer.

#include <cstdint>

namespace platform {

// The code point of a Windows-1252 byte. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) keep their own value.
char32_t Cp1252CodePoint(unsigned char byte);

// The Windows-1252 byte of a code point; "?" for a character the code page lacks.
char Cp1252Byte(char32_t codePoint);

}  // namespace platform
