#pragma once
// The field-to-office window's profile converters: Tarsel profile files (format 0),
// KTW profile files (formats 2 and 3) and text profile lists.

#include <cstdint>
#include <optional>
#include <string>

class ba_form;
namespace platform {
class Desktop;
}

// The Istram line type and axis number, asked in two input boxes. Nothing when the
// user leaves one empty (the box saying so has been shown).
struct IstramParametros {
    std::int16_t tipoLin = 26;
    std::int16_t nDeEje = 1;
};
std::optional<IstramParametros> AskIstramParametros(platform::Desktop& desktop);

void B_A_Perfiles(ba_form& form);
void KTW_A_Perfiles(ba_form& form);
void Multi_Piste_Perfiles(ba_form& form);
