#pragma once
// File names as the conversion windows handle them: upper-cased to compare
// and show, the folder kept with its separator at the end.

#include <string>
#include <string_view>

// The name in upper case: ASCII letters and the accented letters of Latin-1 in UTF-8.
std::string UpperFileName(std::string_view name);

// The name up to and including its last folder separator; "" when it has none.
std::string FolderOf(std::string_view name);

// Whether two chosen names denote the same file: the same text in upper case, or,
// when both exist, the same file reached by different paths (links, "..").
bool SameFile(const std::string& first, const std::string& second);

// Whether a text can stand as the name of a file inside a folder on the systems the
// field data travel through: not empty, no folder separator or drive colon that
// would place it elsewhere, none of the characters * ? " < > |, no control
// character, not "." or "..", not ending in a blank or a dot, and not a device name
// (CON, PRN, AUX, NUL, COM1..COM9, LPT1..LPT9, also with an extension).
bool ValidFileName(std::string_view name);
