#include <gtest/gtest.h>

#include "common/gm_section.h"

namespace {

using Pair = std::pair<double, double>;

std::vector<TPuntoSeccion> Section(const std::vector<Pair>& points) {
    std::vector<TPuntoSeccion> list(1);
    for (auto [offset, height] : points) {
        TPuntoSeccion p;
        p.Desplazamiento = offset;
        p.Cota = height;
        list.push_back(p);
    }
    return list;
}

std::vector<Pair> Points(const std::vector<TPuntoSeccion>& list) {
    std::vector<Pair> out;
    for (size_t i = 1; i < list.size(); ++i) out.emplace_back(list[i].Desplazamiento, list[i].Cota);
    return out;
}

TEST(OrdenarPuntosSeccion, SortsByOffsetAndDropsOnlyRepeatsOfTheLastKept) {
    struct Case {
        std::vector<Pair> in;
        std::vector<Pair> out;
    } cases[] = {
        // The exchange gives (-2,5) (-2,5) (-2,6) (1,3): the second (-2,5) repeats the last kept.
        {{{-2, 5}, {1, 3}, {-2, 5}, {-2, 6}}, {{-2, 5}, {-2, 6}, {1, 3}}},
        // The exchange gives (-2,5) (-2,6) (-2,5) (1,3): the repeat is not next to its twin.
        {{{1, 3}, {-2, 5}, {-2, 6}, {-2, 5}}, {{-2, 5}, {-2, 6}, {-2, 5}, {1, 3}}},
        {{{3, 1}, {2, 1}, {1, 1}}, {{1, 1}, {2, 1}, {3, 1}}},
        {{}, {}},
    };
    for (const auto& c : cases) {
        auto list = Section(c.in);
        std::int32_t count = static_cast<std::int32_t>(c.in.size());
        GM::Ordenar_Puntos_Seccion(count, list);
        EXPECT_EQ(Points(list), c.out);
        EXPECT_EQ(count, static_cast<std::int32_t>(c.out.size()));
        EXPECT_EQ(list.size(), c.out.size() + 1) << "bounds 0..count";
    }
}

TEST(OrdenarPuntosSeccion, CountBeyondTheListIsRefused) {
    auto list = Section({{1, 1}});
    std::int32_t count = 3;
    EXPECT_THROW(GM::Ordenar_Puntos_Seccion(count, list), std::out_of_range);
}

TEST(InsertarRegistro, PositionsBelowInsideAndPastTheEnd) {
    TPuntoSeccion reg;
    reg.Desplazamiento = 9;
    auto list = Section({{1, 0}, {2, 0}, {3, 0}});
    EXPECT_FALSE(GM::Insertar_Registro(0, reg, list));
    EXPECT_EQ(list.size(), 4u);

    EXPECT_TRUE(GM::Insertar_Registro(1, reg, list));
    EXPECT_EQ(Points(list), (std::vector<Pair>{{9, 0}, {1, 0}, {2, 0}, {3, 0}}));

    EXPECT_TRUE(GM::Insertar_Registro(4 + 5, reg, list));
    EXPECT_EQ(list.size(), 6u);
    EXPECT_EQ(list[5].Desplazamiento, 9);
    EXPECT_EQ(list[0].Codigo, "xxxxxxxx") << "element 0 is never touched";
}

}  // namespace
