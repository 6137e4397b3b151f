#pragma once
// The ISPOL field book ("Libreta Topografica" of the office program Ispol) from a
// KTW observation file of a Tarsel v3.00 instrument: a fixed header, then one line
// per station, base, height change, reading and remark, in fixed columns.

#include <cstdint>
#include <string>
#include <string_view>

class BufferedOutput;
class ba_form;
struct Context;

namespace EntryISPOL {

// How bases are told among the names and codes of the field data.
class BaseRule {
public:
    // identBasesNumerico: a base is a name that is a number greater than
    // identBasesValor; otherwise a name that begins with the prefix identBasesValor,
    // whatever the letter case (an empty prefix makes every name a base).
    BaseRule(bool identBasesNumerico, std::string identBasesValor);

    // The name is the 16-character field as stored.
    bool EsObservacion(std::string_view nombre) const;

private:
    bool numerico_;
    double umbral_ = 0;         // the threshold, read once
    std::string prefijo_;       // upper case
    std::int32_t longitud_ = 0; // characters of the prefix
};

// The text with blanks appended up to 49 characters; a longer text as it is.
std::string PadTo49(std::string_view texto);

// The eleven header lines, with the date and the time as the desktop writes them.
void WriteIspolHeader(BufferedOutput& out, std::string_view fecha, std::string_view hora);

struct IspolRequest {
    std::string entrada;  // input file, as the user chose it
    std::string salida;   // output file, as the user chose it
    bool identBasesNumerico = false;
    std::string identBasesValor;
    std::string fecha;  // regional short date
    std::string hora;   // regional time
};

// Writes the whole field book. Throws ConversionError (with a Spanish text) when it
// cannot; the output then does not exist. An empty input gives the header alone;
// one that is not empty and gives no line of the book is refused.
void WriteFieldBook(const IspolRequest& request);

// Asks for the base rule in the dialog "Observaciones", then writes the field book.
// False when the dialog was left without "Aceptar": nothing is written.
bool KTW_A_Ispol(Context& ctx, const std::string& entrada, const std::string& salida);

}  // namespace EntryISPOL

// The window's converter. A cancelled dialog ends the request without the end box.
void KTW_A_Ispol(ba_form& form);
