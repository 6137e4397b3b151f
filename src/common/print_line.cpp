#include "common/print_line.h"

#include <cstring>
#include <stdexcept>

#include "common/numbers.h"
#include "common/utf8_columns.h"

namespace {
constexpr std::size_t kFirstCapacity = 256;
}

PrintLine::PrintLine() : buffer_(std::make_unique<char[]>(kFirstCapacity)), capacity_(kFirstCapacity) {}

void PrintLine::Grow(std::size_t more) {
    std::size_t capacity = capacity_;
    while (capacity - size_ < more) {
        if (capacity > std::size_t{1} << 40) throw std::length_error("Línea demasiado larga");
        capacity *= 2;
    }
    auto bigger = std::make_unique<char[]>(capacity);
    std::memcpy(bigger.get(), buffer_.get(), size_);
    buffer_ = std::move(bigger);
    capacity_ = capacity;
}

void PrintLine::ManyBlanks(std::size_t n) {
    if (capacity_ - size_ < n) Grow(n);
    std::memset(buffer_.get() + size_, ' ', n);
    size_ += n;
}

PrintLine& PrintLine::Text(std::string_view text) {
    ApplyZones();
    Put(text.data(), text.size());
    column_ += Utf8::CharCount(text);
    return *this;
}

PrintLine& PrintLine::FormatGeneral(double value, std::string_view mask, char decimalSeparator) {
    const std::string text = Num::Format(value, mask, decimalSeparator);
    Put(text.data(), text.size());
    column_ += static_cast<std::int32_t>(text.size());
    return *this;
}

PrintLine& PrintLine::Number(double value) { return Text(Num::Str(value) + " "); }

PrintLine& PrintLine::Tab(std::int32_t column) {
    ApplyZones();
    if (column < 1) column = 1;
    if (column_ > column) {
        Put("\r\n", 2);
        column_ = 1;
    }
    Blanks(static_cast<std::size_t>(column - column_));
    column_ = column;
    return *this;
}
