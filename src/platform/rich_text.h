#pragma once
// The window's rich-text control, as far as the listing readers use it: an RTF file
// loaded and its plain text read back. The text keeps what the readers rely on:
// one TAB between the cells of a table row, CR LF after every row and paragraph
// (the last one too), the document's characters as Windows-1252 bytes. Font and
// colour tables, style sheets, document information, pictures, binary data and
// the groups marked as ignorable leave nothing behind. Malformed input (unbalanced
// braces, a cut-off file, binary bytes) gives the text read so far, never a fault.

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The plain text of the RTF bytes.
std::string RtfToText(std::string_view rtf);

// Whether the bytes begin as an RTF document does ("{\rtf", after blanks or line ends).
bool LooksLikeRtf(std::string_view bytes);

// Loads an RTF file and gives back its plain text; nothing when the file cannot be
// read or is not an RTF document.
std::optional<std::string> LoadRtfText(const std::string& path);

}  // namespace platform
