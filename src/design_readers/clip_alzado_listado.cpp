// The Clip alzado listing as printed: a printer file whose pages each begin with a
// form feed and a header that ends in a "====" ruler. Records of three lines:
//
//   A   n  PK  Z  grade%                 where a grade starts
//   B   (not read)
//   C   .. ..  PK  Z  grade%  ..  Kv     where the vertical curve starts that ends at
//                                        the next record's A
//
// The last record's C is the end of the alignment.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/chainage.h"
#include "common/line_input.h"
#include "common/numbers.h"
#include "design_readers/clip_alzado.h"
#include "design_readers/listing_lines.h"
#include "field_writers/rechazo.h"

namespace EntryClipWindows {
namespace {

constexpr const char* kFormato = "El fichero de entrada no tiene el formato adecuado";
constexpr char kEscape = '\x1b';

// The file's lines with one line of look-ahead, so that the end of the file is
// known before a line is used.
class Lineas {
public:
    explicit Lineas(const std::string& entrada) : input_(entrada) { Avanzar(); }
    bool Fin() const { return !hay_; }
    // The next line; empty at the end of the file.
    std::string Leer() {
        std::string linea;
        if (hay_) {
            linea = std::move(siguiente_);
            ++numero_;
            Avanzar();
        }
        return linea;
    }
    std::int64_t Numero() const { return numero_; }

private:
    void Avanzar() {
        std::string_view linea;
        hay_ = input_.Next(linea);
        siguiente_.assign(linea);
    }
    LineInput input_;
    std::string siguiente_;
    bool hay_ = false;
    std::int64_t numero_ = 0;
};

// Tokens at blanks, TABs, form feeds and commas, runs counting once.
std::vector<std::string_view> Tokens(std::string_view linea) {
    std::vector<std::string_view> t;
    const auto separador = [](char c) { return c == ' ' || c == '\t' || c == '\f' || c == ','; };
    std::size_t k = 0;
    while (k < linea.size()) {
        while (k < linea.size() && separador(linea[k])) ++k;
        const std::size_t inicio = k;
        while (k < linea.size() && !separador(linea[k])) ++k;
        if (k > inicio) t.push_back(linea.substr(inicio, k - inicio));
    }
    return t;
}

// A point of the listing: chainage, elevation, grade (m/m) and Kv.
struct Punto {
    double PK = 0, Z = 0, Pendiente = 0, Kv = 0;
    std::int64_t linea = 0;
};

// Tokens desde.. of a line as a point (Kv from token kv when the line has it). A line
// whose tokens are missing or are not numbers (an empty line, a title) has none.
std::optional<Punto> PuntoDe(std::string_view linea, std::int64_t numero, std::size_t desde, std::size_t kv) {
    const auto t = Tokens(linea);
    if (t.size() < desde + 2) return std::nullopt;
    if (!Strings::IsChainage(t[desde - 1]) || !Num::IsNumber(t[desde]) || !Num::IsNumber(t[desde + 1])) {
        return std::nullopt;
    }
    Punto p;
    p.PK = design_readers::NumeroPK(t[desde - 1], numero);
    p.Z = design_readers::Numero(t[desde], numero);
    p.Pendiente = design_readers::Numero(t[desde + 1], numero) / 100;
    if (kv != 0 && t.size() >= kv) p.Kv = design_readers::Numero(t[kv - 1], numero);
    p.linea = numero;
    return p;
}

// Passes over lines up to the ruler, the line whose first token begins with "==".
void HastaLaRegla(Lineas& lineas) {
    while (!lineas.Fin()) {
        const std::string linea = lineas.Leer();
        const auto t = Tokens(linea);
        if (!t.empty() && t[0].substr(0, 2) == "==") return;
    }
    throw Rechazo(kFormato);
}

}  // namespace

void LeerAlzadoListado(const std::string& entrada, std::vector<TAlzado>& Alzado) {
    Lineas lineas(entrada);
    HastaLaRegla(lineas);
    lineas.Leer();
    lineas.Leer();

    auto anadir = [&Alzado](const Punto& desde, double Kv, double longitud, std::int64_t linea) {
        Alzado.push_back(
            {static_cast<std::int32_t>(Alzado.size()), desde.PK, desde.Z, desde.Pendiente, Kv, longitud, linea});
    };
    std::optional<Punto> acuerdo;  // the last C read: the curve that the next A ends
    while (!lineas.Fin()) {
        const std::string A = lineas.Leer();
        const std::int64_t lineaA = lineas.Numero();
        lineas.Leer();
        std::string C = lineas.Leer();
        bool ultimo = false;
        if (design_readers::SaltoDePagina(C) || lineas.Fin()) {
            if (lineas.Fin()) {
                ultimo = true;
            } else {
                // The page broke inside the record: C is the second line of the next page's data.
                HastaLaRegla(lineas);
                lineas.Leer();
                C = lineas.Leer();
                if (design_readers::SaltoDePagina(C) && (lineas.Fin() || (C.size() > 1 && C[1] == kEscape))) break;
            }
        }
        const std::int64_t lineaC = lineas.Numero();
        const auto a = PuntoDe(A, lineaA, 2, 0);
        if (a && acuerdo) anadir(*acuerdo, acuerdo->Kv, a->PK - acuerdo->PK, acuerdo->linea);
        const auto c = PuntoDe(C, lineaC, 3, 7);
        if (c && a) anadir(*a, 0, c->PK - a->PK, lineaA);
        if (c) acuerdo = c;
        else if (a) acuerdo.reset();
        if (ultimo) break;
    }
    if (acuerdo) anadir(*acuerdo, 0, 0.001, acuerdo->linea);
}

}  // namespace EntryClipWindows
