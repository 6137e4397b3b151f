#include "field_to_office/text_profiles.h"

#include <cmath>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

#include "common/errors.h"
#include "common/field.h"
#include "common/line_input.h"
#include "common/numbers.h"
#include "common/splitters.h"

namespace {

// One accepted line of the list.
struct ListLine {
    double X, Y, Z;
    std::int32_t Indicador;  // -1 left, 1 right, 0 axis
    std::size_t Perfil;      // its profile, 0-based in creation order
};

struct ListProfile {
    PerfilLeido Leido;
    bool TieneEje = false;
    std::size_t Lineas = 0;
};

// The kind and chainage of a line from its first piece; false for any other line.
bool Kind(std::string_view first, std::int32_t& indicador, double& pk) {
    if (first.empty()) return false;
    if (first.front() == 'E') {
        indicador = 0;
        pk = Num::Val(first.substr(1));
        return true;
    }
    if (first.front() != 'D' && first.front() != 'I') return false;
    for (std::size_t i = 0; i + 1 < first.size(); ++i) {
        if ((first[i] == 'P' || first[i] == 'p') && (first[i + 1] == 'K' || first[i + 1] == 'k')) {
            indicador = first.front() == 'D' ? 1 : -1;
            pk = Num::Val(first.substr(i + 2));
            return true;
        }
    }
    return false;
}

}  // namespace

std::vector<double> ConvertTextPerfiles(const ProfileRequest& request, const State& state,
                                        std::int32_t& contadorVertices) {
    LineInput input(request.entrada);
    ProfileOutput output(request, state, contadorVertices);

    std::vector<ListLine> lines;
    std::vector<ListProfile> profiles;
    // The last profile created at each chainage.
    std::map<double, std::size_t> byChainage;
    bool newGroup = true;
    TFields campos(1);
    std::string_view text;
    std::int64_t lineNumber = 0;
    while (input.Next(text)) {
        ++lineNumber;
        try {
            std::int32_t n = 0;
            GM::Separar_Campos_Blanco(text, n, campos);
            std::int32_t indicador = 0;
            double pk = 0;
            if (n < 1 || !Kind(campos[1].Texto, indicador, pk)) continue;
            // A line needs its three coordinates.
            if (n < 4 || !Num::IsNumber(campos[2].Texto) || !Num::IsNumber(campos[3].Texto) ||
                !Num::IsNumber(campos[4].Texto)) {
                continue;
            }
            lines.push_back({Num::Val(campos[2].Texto), Num::Val(campos[3].Texto), Num::Val(campos[4].Texto),
                             indicador, 0});
            ListLine& line = lines.back();

            // Axis lines before the first side point open a profile each; after that a
            // line joins the profile of its chainage, or opens one.
            auto found = byChainage.find(pk);
            if (newGroup || found == byChainage.end()) {
                line.Perfil = profiles.size();
                profiles.emplace_back();
                profiles.back().Leido.Pk = pk;
                byChainage[pk] = line.Perfil;
                if (indicador != 0) newGroup = false;
            } else {
                line.Perfil = found->second;
            }
            ListProfile& p = profiles[line.Perfil];
            if (indicador == 0) {
                p.Leido.X = line.X;
                p.Leido.Y = line.Y;
                p.Leido.Z = line.Z;
                p.TieneEje = true;
            }
            ++p.Lineas;
        } catch (const std::overflow_error&) {
            throw ConversionError("Número fuera de rango en la línea " + std::to_string(lineNumber) + ".");
        }
    }

    // Not one axis or side point: the old output stays.
    if (lines.empty()) throw ConversionError(kSinRegistros);

    // Profiles of one chainage share the axis point of the first of them that has one.
    std::map<double, std::size_t> axes;
    for (std::size_t i = 0; i < profiles.size(); ++i) {
        if (profiles[i].TieneEje) axes.emplace(profiles[i].Leido.Pk, i);
    }
    std::vector<double> withoutAxis;
    for (ListProfile& p : profiles) {
        if (p.TieneEje) continue;
        auto axis = axes.find(p.Leido.Pk);
        if (axis == axes.end()) {
            withoutAxis.push_back(p.Leido.Pk);
            continue;
        }
        const PerfilLeido& from = profiles[axis->second].Leido;
        p.Leido.X = from.X;
        p.Leido.Y = from.Y;
        p.Leido.Z = from.Z;
        p.TieneEje = true;
    }

    // The points, profile by profile in creation order, each profile's lines in list
    // order; a profile without an axis keeps no point.
    std::vector<std::int64_t> next(profiles.size(), 0);
    std::int64_t count = 0;
    for (std::size_t i = 0; i < profiles.size(); ++i) {
        PerfilLeido& leido = profiles[i].Leido;
        if (!profiles[i].TieneEje || profiles[i].Lineas == 0) continue;
        leido.Primero = count + 1;
        count += static_cast<std::int64_t>(profiles[i].Lineas);
        leido.Ultimo = count;
        next[i] = leido.Primero;
    }
    PuntosLeidos puntos;
    puntos.DistanciasLeidas.resize(static_cast<std::size_t>(count) + 1);
    puntos.CotasLeidas.resize(static_cast<std::size_t>(count) + 1);
    for (const ListLine& line : lines) {
        const ListProfile& p = profiles[line.Perfil];
        if (!p.TieneEje) continue;
        const auto at = static_cast<std::size_t>(next[line.Perfil]++);
        double offset = 0;
        if (line.Indicador != 0) {
            const double dx = line.X - p.Leido.X;
            const double dy = line.Y - p.Leido.Y;
            offset = std::sqrt(dx * dx + dy * dy) * line.Indicador;
        }
        puntos.DistanciasLeidas[at] = offset;
        puntos.CotasLeidas[at] = line.Z;
    }

    std::vector<PerfilLeido> sorted;
    sorted.reserve(profiles.size());
    for (const ListProfile& p : profiles) sorted.push_back(p.Leido);
    SortByChainage(sorted);
    WriteProfileRuns(sorted, puntos, output);
    output.Finish();
    return withoutAxis;
}
