#include "field_to_office/convert_fields.h"

#include <algorithm>
#include <cstddef>

#include "common/numbers.h"

std::string& Convert_Coords(std::string& CoordStr, std::int16_t iDecimals, std::int16_t iLength) {
    const std::size_t length = iLength > 0 ? static_cast<std::size_t>(iLength) : 0;
    const std::size_t comma = CoordStr.find(',');
    if (comma != std::string::npos && comma < length) {
        const std::size_t lastNonBlank = CoordStr.find_last_not_of(' ');
        const std::size_t digitsAfter = lastNonBlank - comma;
        const std::size_t kept = std::min(digitsAfter, static_cast<std::size_t>(std::max<std::int16_t>(iDecimals, 0)));
        CoordStr[comma] = '.';
        // The padding blanks stay, after the kept decimals.
        CoordStr.erase(comma + 1 + kept, digitsAfter - kept);
    }
    return Convert_String(CoordStr, iLength);
}

std::string& Convert_String(std::string& text, std::int16_t width) {
    const std::size_t limit = width > 0 ? static_cast<std::size_t>(width) : 0;
    std::size_t trailing = 0;
    while (trailing < limit && trailing < text.size() && text[text.size() - 1 - trailing] == ' ') ++trailing;
    if (trailing > 0 && trailing < text.size()) {
        std::rotate(text.begin(), text.end() - static_cast<std::ptrdiff_t>(trailing), text.end());
    }
    return text;
}

namespace {

std::int16_t MaskDecimals(std::string_view mask) {
    const std::size_t point = mask.find('.');
    return point == std::string_view::npos ? 0 : static_cast<std::int16_t>(mask.size() - point - 1);
}

void PlaceLeft(std::string_view text, std::int16_t width, std::string& field) {
    const std::size_t w = width > 0 ? static_cast<std::size_t>(width) : 0;
    field.assign(text.substr(0, std::min(w, text.size())));
    field.append(w - field.size(), ' ');
}

}  // namespace

void FixedNumberField(double value, std::string_view mask, std::int16_t width, std::string& field) {
    PlaceLeft(Num::Format(value, mask, '.'), width, field);
    Convert_Coords(field, MaskDecimals(mask), width);
}

void FixedTextField(std::string_view text, std::int16_t width, std::string& field) {
    PlaceLeft(text, width, field);
    Convert_String(field, width);
}
