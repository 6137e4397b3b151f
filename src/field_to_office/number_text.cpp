#include "field_to_office/number_text.h"

#include "common/numbers.h"

void AppendFormat(std::string& out, double value, std::string_view mask, char decimalSeparator) {
    if (!mask.empty()) {
        out += Num::Format(value, mask, decimalSeparator);
        return;
    }
    std::string_view general;
    const std::string text = Num::StrTrim(value);
    general = text;
    const std::size_t start = out.size();
    if (general.substr(0, 2) == "-.") {
        out += "-0";
        general.remove_prefix(1);
    } else if (general.substr(0, 1) == ".") {
        out += "0";
    }
    out += general;
    for (std::size_t i = start; i < out.size(); ++i)
        if (out[i] == '.') out[i] = decimalSeparator;
}

std::string FormatText(double value, std::string_view mask, char decimalSeparator) {
    std::string text;
    AppendFormat(text, value, mask, decimalSeparator);
    return text;
}
