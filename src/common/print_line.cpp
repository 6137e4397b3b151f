#include "common/print_line.h"

#include "common/numbers.h"
#include "common/utf8_columns.h"

namespace {
constexpr std::int32_t kZoneWidth = 14;
}

void PrintLine::MoveToZone() {
    // First zone start after the last character written (column_ - 1).
    const std::int32_t lastWritten = column_ - 1;
    std::int32_t target = (lastWritten / kZoneWidth) * kZoneWidth + 1;
    if (target <= lastWritten) target += kZoneWidth;
    target += (pendingZones_ - 1) * kZoneWidth;
    pendingZones_ = 0;
    text_.append(static_cast<std::size_t>(target - column_), ' ');
    column_ = target;
}

void PrintLine::Append(std::string_view text) {
    ApplyZones();
    text_.append(text);
    column_ += Utf8::CharCount(text);
}

PrintLine& PrintLine::Text(std::string_view text) {
    Append(text);
    return *this;
}

PrintLine& PrintLine::Number(double value) {
    Append(Num::Str(value) + " ");
    return *this;
}

PrintLine& PrintLine::Zone() {
    ++pendingZones_;
    return *this;
}

PrintLine& PrintLine::Tab(std::int32_t column) {
    ApplyZones();
    if (column < 1) column = 1;
    if (column_ > column) {
        text_ += "\r\n";
        column_ = 1;
    }
    text_.append(static_cast<std::size_t>(column - column_), ' ');
    column_ = column;
    return *this;
}

void PrintLine::Clear() {
    text_.clear();
    column_ = 1;
    pendingZones_ = 0;
}
