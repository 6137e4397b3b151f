#include "design_readers/clip_planta_rtf.h"

#include <cmath>
#include <cstdint>

#include "common/gm_azimuths.h"
#include "common/string_helpers.h"
#include "design_readers/clip_text.h"
#include "design_readers/listing_lines.h"
#include "design_readers/text_rows.h"

namespace EntryClipWindows {
namespace {

struct Fila {
    double PK = 0, Longitud = 0, X = 0, Y = 0, Acimut = 0, Radio = 0, Parametro = 0;
    std::int64_t linea = 0;
};

bool EsArco(const Fila& f) { return f.Radio != 0 && f.Parametro == 0; }

}  // namespace

void LeerPlantaRTF(std::string_view texto, std::vector<TPlanta>& Planta) {
    std::vector<Fila> filas;
    TFields c;
    std::size_t pos = 0;
    bool fin = false;
    for (std::int64_t numero = 1;; ++numero) {
        const std::string_view linea = Lee_Linea_Texto(texto, pos, fin);
        if (fin) break;
        std::int32_t n = 0;
        Separa_Texto_RTF(linea, n, c);
        if (n <= 6) continue;
        for (std::int32_t k = 1; k <= n; ++k) c[k].Texto = Strings::RemoveCommas(c[k].Texto);
        // Titles and the heading row ("Estación") are not rows of the alignment.
        if (!design_readers::FilaConPK(c, n, 5)) continue;
        const auto valor = [&](std::int32_t k) { return design_readers::Numero(c[k].Texto, numero); };
        Fila f;
        f.PK = design_readers::NumeroPK(c[1].Texto, numero);
        f.Longitud = valor(2);
        f.X = valor(3);
        f.Y = valor(4);
        f.Acimut = valor(5);
        f.linea = numero;
        // "infinito" in the radius cell is no number: it reads as 0, a straight.
        if (n == 8 || n == 9 || n == 10) f.Radio = valor(6);
        if (n == 8 || n == 10) f.Parametro = valor(7);
        filas.push_back(f);
    }
    if (filas.empty()) return;

    auto anadir = [&Planta](TPlanta e) {
        if (e.Longitud == 0) return;
        e.N = static_cast<std::int32_t>(Planta.size());
        Planta.push_back(e);
    };
    for (std::size_t i = 0; i + 1 < filas.size(); ++i) {
        const Fila& f = filas[i];
        const Fila& s = filas[i + 1];
        // A row describes the element that ends at it.
        TPlanta e{0, f.PK, f.X, f.Y, f.Acimut, 0, 0, s.Longitud, s.linea};
        if (s.Parametro != 0) {
            e.Parametro = std::fabs(s.Parametro);
            e.Radio = GM::Radio_Clotoide(f.Acimut, s.Acimut, f.Radio, s.Radio, e.Parametro);
        } else {
            e.Radio = s.Radio;
        }
        anadir(e);
    }
    // The alignment ends at the last row's point: the closing element starts there.
    const Fila& u = filas.back();
    anadir({0, u.PK, u.X, u.Y, u.Acimut, EsArco(u) ? u.Radio : 0, 0, 0.01, u.linea});
}

}  // namespace EntryClipWindows
