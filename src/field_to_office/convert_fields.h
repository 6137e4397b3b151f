#pragma once
// Fixed-width fields of the office text formats: numbers and texts right-justified
// in a field of a given width, with a point as the decimal separator.

#include <cstdint>
#include <string>
#include <string_view>

// Turns a decimal comma among the first iLength characters into a point, keeping
// iDecimals characters after it and then the blanks that padded the text on the
// right; then moves up to iLength trailing blanks to the front. A text padded on
// the right to its width comes back right-justified in it; a text without trailing
// blanks only gets its comma changed. Changes CoordStr in place and returns it.
std::string& Convert_Coords(std::string& CoordStr, std::int16_t iDecimals, std::int16_t iLength);

// Moves up to width trailing blanks of the text to its front.
std::string& Convert_String(std::string& text, std::int16_t width);

// Format(value, mask) with a point, cut or padded to `width` characters on the
// right, then right-justified by Convert_Coords; written into `field`.
void FixedNumberField(double value, std::string_view mask, std::int16_t width, std::string& field);

// The text cut or padded to `width` characters, then right-justified by
// Convert_String; written into `field`.
void FixedTextField(std::string_view text, std::int16_t width, std::string& field);
