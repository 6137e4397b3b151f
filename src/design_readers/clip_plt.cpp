#include "design_readers/clip_plt.h"

#include <array>
#include <string_view>

#include "common/gm_azimuths.h"
#include "common/line_input.h"
#include "common/splitters.h"
#include "design_readers/clip_text.h"
#include "design_readers/listing_lines.h"

namespace EntryClipWindows {

namespace {

// One point of the file: PK, X, Y, Acimut, Radio, Parametro (missing fields read 0)
// and its line.
struct Punto {
    std::array<double, 6> v{};
    std::int64_t linea = 0;
};

Punto PointOf(std::string_view line, std::int64_t number, TFields& campos) {
    std::int32_t n = 6;
    Strings::SplitString(line, ",", n, campos, true);
    Punto p;
    p.linea = number;
    // The chainage is written as kilometres + metres ("2+695.425").
    if (n >= 1) p.v[0] = design_readers::NumeroPK(campos[1].Texto, number);
    for (std::int32_t k = 2; k <= n; ++k) p.v[k - 1] = design_readers::Numero(campos[k].Texto, number);
    return p;
}

}  // namespace

void LeerPlantaPLT(const std::string& entrada, std::vector<TPlanta>& Planta) {
    LineInput input(entrada);
    std::int64_t number = 0;
    LeerCabecera(input, number, "*PLT");

    std::vector<Punto> points;
    TFields campos;
    std::string_view line;
    while (input.Next(line)) {
        ++number;
        if (!LineaVacia(line)) points.push_back(PointOf(line, number, campos));
    }
    if (points.empty()) return;

    // Point i starts the element that ends at point i + 1, whose line gives its kind.
    std::vector<TPlanta> elements(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        const auto& p = points[i].v;
        TPlanta& e = elements[i];
        e.PK = p[0];
        e.X = p[1];
        e.Y = p[2];
        e.Acimut = p[3];
        if (i + 1 < points.size()) {
            // The next line ends the element: its chainage gives the length.
            const Punto& fin = points[i + 1];
            e.Radio = fin.v[4];
            e.Parametro = fin.v[5];
            e.Longitud = fin.v[0] - p[0];
            e.Linea = fin.linea;
        } else {
            e.Radio = p[4];
            e.Parametro = 0;
            e.Longitud = 0.01;
            e.Linea = points[i].linea;
        }
    }
    // A clothoid stores its radius from the azimuths at its ends and the radii on
    // either side; the closing element always follows it, so a next element exists.
    for (std::size_t i = 0; i + 1 < elements.size(); ++i) {
        if (elements[i].Parametro == 0) continue;
        const double before = i == 0 ? 0.0 : points[i].v[4];
        elements[i].Radio = GM::Radio_Clotoide(elements[i].Acimut, elements[i + 1].Acimut, before,
                                               points[i + 1].v[4], elements[i].Parametro);
    }
    for (TPlanta& e : elements) {
        if (e.Longitud == 0) continue;
        e.N = static_cast<std::int32_t>(Planta.size());
        Planta.push_back(e);
    }
}

}  // namespace EntryClipWindows
