#pragma once
// Texts are held as UTF-8; the line rules count columns in characters, as the old
// runtime's wide strings did. Columns gives character access by 1-based column.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Utf8 {

// Length in bytes of the character that starts at text[pos] (1 for a byte that does
// not start a well-formed sequence, so any byte string can be walked).
std::size_t CharLength(std::string_view text, std::size_t pos);

// Number of characters of a text. Throws std::overflow_error past 2^31 - 2 characters.
std::int32_t CharCount(std::string_view text);

// The text without its leading and trailing blanks (only " ", as Trim does).
std::string_view TrimBlanks(std::string_view text);

// Pads a text on the left with blanks to width characters; a longer text stays whole.
std::string PadLeft(std::string_view text, std::int32_t width);

// Character access to one text by 1-based column. The text must outlive the object.
class Columns {
public:
    explicit Columns(std::string_view text);

    std::int32_t Count() const { return count_; }
    // The character at a column; empty before column 1 or past the end.
    std::string_view At(std::int32_t column) const;
    // Mid(text, column, count): up to count characters from column on (fewer or none
    // past the end); a column below 1 is taken as 1.
    std::string_view Mid(std::int32_t column, std::int64_t count) const;
    // Mid(text, column): everything from column on.
    std::string_view From(std::int32_t column) const;
    // The column of the character that starts at a byte offset (Count() + 1 at the end).
    std::int32_t ColumnOfByte(std::size_t byteOffset) const;
    // The byte offset at which a column starts (the text's size past the end).
    std::size_t ByteOf(std::int32_t column) const;

private:
    std::string_view text_;
    bool ascii_ = true;
    std::int32_t count_ = 0;
    std::vector<std::size_t> starts_;  // byte offset of every character, then the size
};

}  // namespace Utf8
