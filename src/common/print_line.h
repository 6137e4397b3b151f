#pragma once
// Builds text lines as the old runtime's sequential Print wrote them: items follow
// each other (";"), Zone() sends the next item to the next 14-column print zone (","),
// numbers printed as numbers carry their sign position and a trailing blank, and
// Tab(n) moves to column n. Columns count characters of the UTF-8 text; the
// texts of files (Windows-1252 bytes) go in through Bytes, one column a byte.
//
// The line is built in a buffer of its own that keeps its storage from line to
// line: office files are written a million lines at a time.

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "common/numbers.h"
#include "common/small_copy.h"

class PrintLine {
public:
    PrintLine();

    // A text item, written as it is.
    PrintLine& Text(std::string_view text);
    // A text of Windows-1252 bytes, written as it is: every byte is one column.
    PrintLine& Bytes(std::string_view bytes) {
        ApplyZones();
        Put(bytes.data(), bytes.size());
        column_ += static_cast<std::int32_t>(bytes.size());
        return *this;
    }
    // Format(value, mask) as a text item. The plain masks are written in place, the
    // road of the office files' millions of numbers.
    PrintLine& Format(double value, std::string_view mask, char decimalSeparator) {
        ApplyZones();
        if (capacity_ - size_ < Num::kPlainFormatBytes) Grow(Num::kPlainFormatBytes);
        const std::size_t length = Num::FormatPlain(value, mask, decimalSeparator, buffer_.get() + size_);
        if (length == 0) return FormatGeneral(value, mask, decimalSeparator);
        size_ += length;
        // Digits, signs and one separator: one column a byte.
        column_ += static_cast<std::int32_t>(length);
        return *this;
    }
    // A number printed as a number: its Str form (leading blank or "-") and one blank.
    PrintLine& Number(double value);
    // The next item starts at the first zone start (columns 1, 15, 29, ...) after the
    // last character written; each further Zone() before that item skips one more zone.
    PrintLine& Zone() {
        ++pendingZones_;
        return *this;
    }
    // Moves to column n by writing blanks (n below 1 counts as 1). When the line has
    // already passed column n, the line is ended and the next one starts with blanks
    // up to column n, as the runtime did.
    PrintLine& Tab(std::int32_t column);

    // What has been written, without the line end (may hold ended lines from Tab);
    // valid until the line changes.
    std::string_view Current() const { return {buffer_.get(), size_}; }
    // The text with its CR LF line end.
    std::string Finish() const { return std::string(Current()) + "\r\n"; }
    void Clear() {
        size_ = 0;
        column_ = 1;
        pendingZones_ = 0;
    }

private:
    void ApplyZones() {
        if (pendingZones_ != 0) MoveToZone();
    }
    void MoveToZone() {
        // First zone start after the last character written (column_ - 1).
        const std::int32_t lastWritten = column_ - 1;
        std::int32_t target = (lastWritten / kZoneWidth) * kZoneWidth + 1;
        if (target <= lastWritten) target += kZoneWidth;
        target += (pendingZones_ - 1) * kZoneWidth;
        pendingZones_ = 0;
        Blanks(static_cast<std::size_t>(target - column_));
        column_ = target;
    }
    // A zone's few blanks: always sixteen copied, of which n are kept, so that the
    // copy does not depend on n.
    void Blanks(std::size_t n) {
        static constexpr char kBlanks[] = "                ";
        if (n > 16) return ManyBlanks(n);
        if (capacity_ - size_ < 16) Grow(16);
        std::memcpy(buffer_.get() + size_, kBlanks, 16);
        size_ += n;
    }
    void ManyBlanks(std::size_t n);
    PrintLine& FormatGeneral(double value, std::string_view mask, char decimalSeparator);
    void Put(const char* bytes, std::size_t n) {
        if (capacity_ - size_ < n) Grow(n);
        CopySmall(buffer_.get() + size_, bytes, n);
        size_ += n;
    }
    void Grow(std::size_t more);

    static constexpr std::int32_t kZoneWidth = 14;

    std::unique_ptr<char[]> buffer_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
    std::int32_t column_ = 1;        // column at which the next character goes
    std::int32_t pendingZones_ = 0;
};
