#include "design_readers/clip_text.h"

#include "common/line_input.h"
#include "common/splitters.h"
#include "field_writers/rechazo.h"

namespace EntryClipWindows {

bool LineaVacia(std::string_view line) {
    for (char c : line)
        if (c != ' ' && c != '\t' && c != '\f') return false;
    return true;
}

std::string_view Lee_Linea_Texto(std::string_view Texto, std::size_t& Pos, bool& FinTexto) {
    if (Pos >= Texto.size()) {
        FinTexto = true;
        return {};
    }
    FinTexto = false;
    std::size_t end = Pos;
    while (end < Texto.size() && Texto[end] != '\r' && Texto[end] != '\n') ++end;
    const std::string_view line = Texto.substr(Pos, end - Pos);
    if (end < Texto.size() && Texto[end] == '\r') ++end;
    if (end < Texto.size() && Texto[end] == '\n') ++end;
    Pos = end;
    return line;
}

void Separa_Texto_RTF(std::string_view Texto, std::int32_t& N, TFields& Campos) {
    std::size_t start = 0;
    while (start < Texto.size() && (Texto[start] == '\r' || Texto[start] == '\n')) ++start;
    Texto.remove_prefix(start);
    if (Texto.empty()) {
        N = 0;
        return;
    }
    N = INT32_MAX;
    Strings::SplitString(Texto, "\t", N, Campos, false);
}

std::string PrimeraLinea(const std::string& path) {
    LineInput input(path);
    std::string_view line;
    while (input.Next(line))
        if (!LineaVacia(line)) return std::string(line);
    return {};
}

void LeerCabecera(LineInput& input, std::int64_t& Numero, std::string_view cabecera) {
    std::string_view line;
    while (input.Next(line)) {
        ++Numero;
        if (LineaVacia(line)) continue;
        const bool larga = line.size() == cabecera.size() + 1 && line.back() == '1';
        if (line.substr(0, larga ? cabecera.size() : line.size()) != cabecera) break;
        if (larga && input.Next(line)) ++Numero;
        return;
    }
    throw Rechazo("El fichero no es de tipo CLIP");
}

}  // namespace EntryClipWindows
