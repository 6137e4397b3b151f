// KTW lines and words as an instrument or a hand edit may leave them.

#include <cstdint>
#include <string>

#include "common/ktw_record.h"
#include "common/ktw_word.h"
#include "support/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    Strings::TKTWRecord record;
    Strings::ParseKTWLine(text, record);

    const bool wide = !text.empty() && text.front() == '*';
    for (int wi : {11, 21, 22, 31, 41, 71, 81, 87}) {
        Strings::KTWWordValue(text.substr(0, wide ? Strings::KTWWideWidth : Strings::KTWNarrowWidth), wi, wide);
    }
    Strings::KTWWholeNumber(text);

    std::string palabra;
    GM::Palabra_KTW(wide, 3, text.substr(0, 6), text.size() > 6 ? text.substr(6) : std::string_view{}, palabra);
    return 0;
}
