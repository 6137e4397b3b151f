#include "common/utf8_columns.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace Utf8 {

namespace {

constexpr std::int64_t kMaxChars = std::numeric_limits<std::int32_t>::max() - 2;

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

}  // namespace

std::size_t CharLength(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t n = 1;
    if (lead >= 0xC2 && lead <= 0xDF) n = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) n = 3;
    else if (lead >= 0xF0 && lead <= 0xF4) n = 4;
    if (n == 1 || pos + n > text.size()) return 1;
    for (std::size_t k = 1; k < n; ++k)
        if (!IsContinuation(static_cast<unsigned char>(text[pos + k]))) return 1;
    return n;
}

std::int32_t CharCount(std::string_view text) {
    std::int64_t count = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        // Plain ASCII, the usual case, one byte a character without decoding.
        pos += static_cast<unsigned char>(text[pos]) < 0x80 ? 1 : CharLength(text, pos);
        ++count;
    }
    if (count > kMaxChars) throw std::overflow_error("Línea demasiado larga");
    return static_cast<std::int32_t>(count);
}

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string PadLeft(std::string_view text, std::int32_t width) {
    const std::int32_t length = CharCount(text);
    std::string out;
    if (width > length) out.assign(static_cast<std::size_t>(width - length), ' ');
    out.append(text);
    return out;
}

Columns::Columns(std::string_view text) : text_(text) {
    ascii_ = std::all_of(text.begin(), text.end(),
                         [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii_) {
        if (static_cast<std::int64_t>(text.size()) > kMaxChars)
            throw std::overflow_error("Línea demasiado larga");
        count_ = static_cast<std::int32_t>(text.size());
        return;
    }
    for (std::size_t pos = 0; pos < text.size(); pos += CharLength(text, pos)) starts_.push_back(pos);
    if (static_cast<std::int64_t>(starts_.size()) > kMaxChars)
        throw std::overflow_error("Línea demasiado larga");
    count_ = static_cast<std::int32_t>(starts_.size());
    starts_.push_back(text.size());
}

std::size_t Columns::ByteOf(std::int32_t column) const {
    if (column < 1) column = 1;
    if (column > count_) return text_.size();
    return ascii_ ? static_cast<std::size_t>(column - 1) : starts_[static_cast<std::size_t>(column - 1)];
}

std::string_view Columns::At(std::int32_t column) const {
    if (column < 1 || column > count_) return {};
    const std::size_t from = ByteOf(column);
    const std::size_t to = ByteOf(column + 1);
    return text_.substr(from, to - from);
}

std::string_view Columns::Mid(std::int32_t column, std::int64_t count) const {
    if (column < 1) column = 1;
    if (count <= 0 || column > count_) return {};
    const std::int64_t endColumn = std::min<std::int64_t>(static_cast<std::int64_t>(column) + count,
                                                          static_cast<std::int64_t>(count_) + 1);
    const std::size_t from = ByteOf(column);
    const std::size_t to = ByteOf(static_cast<std::int32_t>(endColumn));
    return text_.substr(from, to - from);
}

std::string_view Columns::From(std::int32_t column) const {
    if (column < 1) column = 1;
    return text_.substr(ByteOf(column));
}

std::int32_t Columns::ColumnOfByte(std::size_t byteOffset) const {
    if (byteOffset >= text_.size()) return count_ + 1;
    if (ascii_) return static_cast<std::int32_t>(byteOffset) + 1;
    const auto it = std::upper_bound(starts_.begin(), starts_.end() - 1, byteOffset);
    return static_cast<std::int32_t>(it - starts_.begin());
}

}  // namespace Utf8
