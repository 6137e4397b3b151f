// The Clip alzado listing saved as RTF: after two title lines, one record of three
// table rows a vertex. L0 holds where the curve starts (cell 3 PK, 4 elevation,
// 5 the grade that arrives, 7 Kv; cell 2 the start of the alignment in the first
// record), L1 where it ends (cell 3 PK, 4 elevation; cells 4 and 5 the start
// elevation and grade in the first record). L2 is not read.

#include <array>
#include <cstdint>

#include "common/string_helpers.h"
#include "design_readers/clip_alzado.h"
#include "design_readers/clip_text.h"
#include "design_readers/listing_lines.h"

namespace EntryClipWindows {
namespace {

// Cells 1..7 of a row, thousands commas removed; a missing cell reads as empty (0).
struct Fila {
    std::array<std::string, 8> celda;
    std::int64_t linea = 0;
    double Valor(std::size_t k) const { return design_readers::Numero(celda[k], linea); }
    double PK(std::size_t k) const { return design_readers::NumeroPK(celda[k], linea); }
};

void Cortar(std::string_view texto, std::int64_t linea, TFields& campos, Fila& fila) {
    std::int32_t n = 0;
    Separa_Texto_RTF(texto, n, campos);
    fila.linea = linea;
    for (std::size_t k = 1; k <= 7; ++k)
        fila.celda[k] = static_cast<std::int32_t>(k) <= n ? Strings::RemoveCommas(campos[k].Texto) : std::string();
}

}  // namespace

void LeerAlzadoRTF(std::string_view texto, std::vector<TAlzado>& Alzado) {
    std::size_t pos = 0;
    bool fin = false;
    std::int64_t numero = 0;
    auto siguiente = [&]() {
        const std::string_view linea = Lee_Linea_Texto(texto, pos, fin);
        if (!fin) ++numero;
        return linea;
    };
    siguiente();
    siguiente();

    const std::size_t primero = Alzado.size();
    // Each element names the first line of its record in a box.
    auto anadir = [&](double PK, double Z, double pendiente, double Kv, double longitud) {
        Alzado.push_back({static_cast<std::int32_t>(Alzado.size()), PK, Z, pendiente, Kv, longitud, numero - 2});
    };
    TFields campos;
    Fila L0, L1;
    double zFinal = 0;  // elevation at the end of the last curve
    while (!fin) {
        const std::string_view a = siguiente();
        if (fin) break;
        Cortar(a, numero, campos, L0);
        const std::string_view b = siguiente();
        if (fin) break;
        Cortar(b, numero, campos, L1);
        siguiente();
        if (fin) break;  // a record cut short by the end is not read

        if (Alzado.size() == primero) {
            anadir(L0.PK(2), L1.Valor(4), L1.Valor(5) / 100, 0, 0);
            continue;
        }
        const double pk = L0.PK(3);
        const double pendiente = L0.Valor(5) / 100;
        const double kv = L0.Valor(7);
        const TAlzado anterior = Alzado.back();
        const double finAnterior = anterior.PK + anterior.Longitud;
        if (kv == 0) {
            // A grade ends at this record's point, which starts the next one; after a
            // curve the grade from the curve's end reaches it.
            if (anterior.Kv == 0) {
                Alzado.back().Longitud = pk - anterior.PK;
                anadir(pk, L0.Valor(4), pendiente, 0, 0);
            } else {
                anadir(finAnterior, zFinal, pendiente, 0, pk - finAnterior);
            }
            continue;
        }
        if (anterior.Kv != 0) anadir(finAnterior, zFinal, pendiente, 0, 0);
        Alzado.back().Longitud = pk - Alzado.back().PK;
        anadir(pk, L0.Valor(4), pendiente, kv, L1.PK(3) - pk);
        zFinal = L1.Valor(4);
    }
}

}  // namespace EntryClipWindows
