#include "office_to_field/ktw_point_words.h"

#include "common/numbers.h"

namespace ab_form_ktw {

std::string StrLength(std::string_view ValorCampo, std::int32_t W) {
    const std::size_t width = W > 0 ? static_cast<std::size_t>(W) : 0;
    if (ValorCampo.size() >= width) return std::string(ValorCampo.substr(ValorCampo.size() - width));
    std::string fitted(width - ValorCampo.size(), '0');
    fitted += ValorCampo;
    return fitted;
}

std::string StrSort(std::string_view ValorCampo, char Eje, char Signo, std::int32_t W) {
    std::string digits;
    const std::size_t point = ValorCampo.rfind('.');
    if (point == std::string_view::npos) {
        digits.assign(ValorCampo);
        digits += "000";
    } else {
        digits.assign(ValorCampo.substr(0, point));
        std::string_view decimals = ValorCampo.substr(point + 1);
        if (decimals.size() > 3) decimals = decimals.substr(0, 3);
        digits += decimals;
        digits.append(3 - decimals.size(), '0');
    }
    std::string word = Eje == 'X' ? "81..10" : Eje == 'Y' ? "82..10" : "83..10";
    word += Signo;
    word += StrLength(digits, W);
    word += ' ';
    return word;
}

std::string CoordinateWord(double value, char Eje, std::int32_t W) {
    // Rounded through the exact decimal expansion of the value, so that
    // 4462694.952 - 4400000 (62694.951999...) gives 62694952 and not 62694951.
    char plain[Num::kPlainFormatBytes];
    std::string large;
    std::string_view text(plain, Num::FormatPlain(value, "0.000", '.', plain));
    if (text.empty()) {
        large = Num::Format(value, "0.000", '.');
        text = large;
    }
    char signo = '+';
    if (!text.empty() && text.front() == '-') {
        signo = '-';
        text.remove_prefix(1);
    }
    return StrSort(text, Eje, signo, W);
}

bool IsZeroWord(std::string_view word) {
    // Index (6), sign, the data and the blank after it.
    for (std::size_t i = 7; i + 1 < word.size(); ++i) {
        if (word[i] != '0') return false;
    }
    return true;
}

std::string PointNumberWord(std::string_view name, std::int64_t lineNumber, std::int32_t W) {
    const std::int64_t shown = lineNumber % 10000;
    std::string word = "11";
    word += StrLength(std::to_string(shown < 0 ? -shown : shown), 4);
    word += '+';
    word += StrLength(name, W);
    word += ' ';
    return word;
}

std::string CodeWord(std::string_view code, std::int32_t W) {
    std::string word = "410001+";
    word += StrLength(code, W);
    word += ' ';
    return word;
}

std::string DefaultCodeWord(std::int32_t W) { return "410001+" + std::string(W > 0 ? W : 0, '0'); }

}  // namespace ab_form_ktw
