#pragma once
// Number texts of the office writers, appended to a line being built.

#include <string>
#include <string_view>

// Format(value, mask) with the given decimal separator. An empty mask (no length
// unit known yet) gives the general number form: up to 15 significant digits, a
// zero before the point below 1, no leading blank ("0.5", "-12.25", "0").
void AppendFormat(std::string& out, double value, std::string_view mask, char decimalSeparator);
std::string FormatText(double value, std::string_view mask, char decimalSeparator);

// Format with the mask "0" (decimals 0) or "0." and that many "0" (1 to 5).
void AppendFixed(std::string& out, double value, int decimals, char decimalSeparator);
