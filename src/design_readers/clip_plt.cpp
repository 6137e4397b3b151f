#include "design_readers/clip_plt.h"

#include <array>
#include <stdexcept>
#include <string_view>

#include "common/errors.h"
#include "common/gm_azimuths.h"
#include "common/line_input.h"
#include "common/numbers.h"
#include "common/splitters.h"
#include "design_readers/clip_text.h"

namespace EntryClipWindows {

namespace {

// PK, X, Y, Acimut, Radio, Parametro; missing fields read 0.
std::array<double, 6> PointOf(std::string_view line, std::int64_t number, TFields& campos) {
    std::int32_t n = 6;
    Strings::SplitString(line, ",", n, campos, true);
    std::array<double, 6> v{};
    for (std::int32_t k = 1; k <= n; ++k) {
        try {
            v[k - 1] = Num::Val(campos[k].Texto);
        } catch (const std::overflow_error&) {
            throw ConversionError("Línea " + std::to_string(number) + ": el número " + campos[k].Texto +
                                  " es demasiado grande.");
        }
    }
    return v;
}

}  // namespace

void LeerPlantaPLT(const std::string& entrada, std::vector<TPlanta>& Planta) {
    LineInput input(entrada);
    std::int64_t number = 0;
    LeerCabecera(input, number, "*PLT");

    std::vector<std::array<double, 6>> points;
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
        const auto& p = points[i];
        TPlanta& e = elements[i];
        e.PK = p[0];
        e.X = p[1];
        e.Y = p[2];
        e.Acimut = p[3];
        if (i + 1 < points.size()) {
            e.Radio = points[i + 1][4];
            e.Parametro = points[i + 1][5];
            e.Longitud = points[i + 1][0] - p[0];
        } else {
            e.Radio = p[4];
            e.Parametro = 0;
            e.Longitud = 0.01;
        }
    }
    // A clothoid stores its radius from the azimuths at its ends and the radii on
    // either side; the closing element always follows it, so a next element exists.
    for (std::size_t i = 0; i + 1 < elements.size(); ++i) {
        if (elements[i].Parametro == 0) continue;
        const double before = i == 0 ? 0.0 : points[i][4];
        elements[i].Radio = GM::Radio_Clotoide(elements[i].Acimut, elements[i + 1].Acimut, before,
                                               points[i + 1][4], elements[i].Parametro);
    }
    for (TPlanta& e : elements) {
        if (e.Longitud == 0) continue;
        e.N = static_cast<std::int32_t>(Planta.size());
        Planta.push_back(e);
    }
}

}  // namespace EntryClipWindows
