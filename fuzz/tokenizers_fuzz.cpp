// Every line splitter over one line, with a separator taken from the input.

#include <cstdint>

#include "common/field.h"
#include "common/splitters.h"
#include "support/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Choices choices(data, size);
    const char separators[] = {' ', ',', '\t', ';', '|', 'E'};
    const char sep = separators[choices.Pick(sizeof separators)];
    const std::string_view line = choices.Rest();
    const std::string_view sepText(&sep, 1);

    TFields campos(1);
    std::int32_t n = 0;
    GM::Separar_Campos(line, sepText, n, campos);
    GM::Separar_Campos_Blanco(line, n, campos);
    n = 40;
    Strings::SplitString(line, sepText, n, campos, true);
    Strings::SplitNegativeFields(n, campos);
    n = 40;
    Strings::SplitString(line, sepText, n, campos, false);
    ab_form_services::LeeTira(line, n, campos);
    ab_form_services::LeeTira_Cartomap(line, n, campos);
    return 0;
}
