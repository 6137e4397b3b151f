#pragma once
// Builds text lines as the old runtime's sequential Print wrote them: items follow
// each other (";"), Zone() sends the next item to the next 14-column print zone (","),
// numbers printed as numbers carry their sign position and a trailing blank, and
// Tab(n) moves to column n. Columns count characters of the UTF-8 text; the
// texts of files (Windows-1252 bytes) go in through Bytes, one column a byte.

#include <cstdint>
#include <string>
#include <string_view>

class PrintLine {
public:
    // A text item, written as it is.
    PrintLine& Text(std::string_view text);
    // A text of Windows-1252 bytes, written as it is: every byte is one column.
    PrintLine& Bytes(std::string_view bytes) {
        ApplyZones();
        text_.append(bytes);
        column_ += static_cast<std::int32_t>(bytes.size());
        return *this;
    }
    // A number printed as a number: its Str form (leading blank or "-") and one blank.
    PrintLine& Number(double value);
    // The next item starts at the first zone start (columns 1, 15, 29, ...) after the
    // last character written; each further Zone() before that item skips one more zone.
    PrintLine& Zone();
    // Moves to column n by writing blanks (n below 1 counts as 1). When the line has
    // already passed column n, the line is ended and the next one starts with blanks
    // up to column n, as the runtime did.
    PrintLine& Tab(std::int32_t column);

    // What has been written, without the line end (may hold ended lines from Tab).
    const std::string& Current() const { return text_; }
    // The text with its CR LF line end.
    std::string Finish() const { return text_ + "\r\n"; }
    void Clear();

private:
    void ApplyZones() {
        if (pendingZones_ != 0) MoveToZone();
    }
    void MoveToZone();
    void Append(std::string_view text);

    std::string text_;
    std::int32_t column_ = 1;        // column at which the next character goes
    std::int32_t pendingZones_ = 0;
};
