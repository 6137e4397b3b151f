// Reading numbers from text and writing them through Format masks. The masks come
// from the input too, so unusual ones are tried; a mask the routine does not know
// and a value out of an integer's range are refused with an exception, which is
// the documented answer.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>

#include "common/numbers.h"
#include "common/string_helpers.h"
#include "support/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Choices choices(data, size);
    double raw = 0;
    const std::string_view rest = choices.Rest();
    if (rest.size() >= sizeof raw) std::memcpy(&raw, rest.data(), sizeof raw);
    const std::string_view text = rest.size() > sizeof raw ? rest.substr(sizeof raw) : rest;
    const std::size_t cut = text.find('|');
    const std::string_view numberText = text.substr(0, cut);
    const std::string_view mask = cut == std::string_view::npos ? std::string_view("0.000") : text.substr(cut + 1, 24);

    double value = 0;
    try {
        value = Num::Val(numberText);
    } catch (const std::overflow_error&) {
    }
    // A text that is a number is read whole: nothing after it changes its value.
    if (Num::IsNumber(numberText)) {
        try {
            if (Num::Val(std::string(numberText) + "x") != value) std::abort();
        } catch (const std::overflow_error&) {
        }
    }
    for (double v : {value, raw}) {
        if (!std::isfinite(v)) continue;
        try {
            Num::Format(v, mask, '.');
            Num::Format(v, mask, ',');
            Strings::FormatDouble(v, mask, 2, 12);
        } catch (const std::invalid_argument&) {
        }
        for (const char* plain : {"0", "0.0", "0.000", "0.0000", "#0.00", "#####.####"}) Num::Format(v, plain, ',');
        // The fast road of the plain masks must give the texts of the exact one.
        for (const char* plain : {"0", "0.0", "0.00", "0.000", "0.0000", "0.00000"}) {
            if (Num::Format(v, plain, ',') != Num::detail::FormatExact(v, plain, ',')) std::abort();
        }
        Num::Str(v);
        try {
            Num::CInt(v);
        } catch (const std::overflow_error&) {
        }
        try {
            Num::CLng(v);
        } catch (const std::overflow_error&) {
        }
    }
    return 0;
}
