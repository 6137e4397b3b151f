// Merging the corners into points, renumbering, and the uses of every point.

#include "common/sort.h"
#include "design_readers/dxf_mdt.h"

namespace EntryDxf {

namespace {

std::int32_t Last(const auto& array) { return static_cast<std::int32_t>(array.size()) - 1; }

}  // namespace

void Ordenar_Renumerar(Puntos& puntos, Triangulos& triangulos, Incidencias& incidencias,
                       design_readers::ProgressLine& progress) {
    progress.Show("Ordenando Puntos");
    OrdenarPuntos(puntos);
    progress.Show("Renumerando Puntos");
    RenumerarPuntos(puntos);
    progress.Show("Renumerando Triángulos");
    RenumerarTriangulos(puntos, triangulos);
    TriangulosPorPunto(puntos, triangulos, incidencias);
}

void OrdenarPuntos(Puntos& puntos) {
    const std::int32_t np = Last(puntos);
    Sort::QuickSortPoints(puntos, 1, np, 2);
    // Then every run of equal X by Y, and every run of equal X and Y by Z, the run
    // that reaches the end of the list included.
    const auto sortRuns = [&](auto sameRun, std::int16_t key) {
        for (std::int32_t first = 1; first <= np;) {
            std::int32_t last = first;
            while (last < np && sameRun(puntos[static_cast<std::size_t>(first)], puntos[static_cast<std::size_t>(last) + 1])) ++last;
            if (last > first) Sort::QuickSortPoints(puntos, first, last, key);
            first = last + 1;
        }
    };
    sortRuns([](const TPuntoMDT& a, const TPuntoMDT& b) { return a.X == b.X; }, 3);
    sortRuns([](const TPuntoMDT& a, const TPuntoMDT& b) { return a.X == b.X && a.Y == b.Y; }, 4);
}

void RenumerarPuntos(Puntos& puntos) {
    if (puntos.size() < 2) return;
    puntos[1].Nuevo = 1;
    for (std::size_t i = 2; i < puntos.size(); ++i) {
        const TPuntoMDT& before = puntos[i - 1];
        const bool same = puntos[i].X == before.X && puntos[i].Y == before.Y && puntos[i].Z == before.Z;
        puntos[i].Nuevo = same ? before.Nuevo : before.Nuevo + 1;
    }
}

void RenumerarTriangulos(Puntos& puntos, Triangulos& triangulos) {
    // The new number of every creation number. The creation numbers are 1 .. NP, each
    // once, so this table is the copy of the points sorted by Num, reduced to the one
    // field read from it.
    std::vector<std::int32_t> nuevo(puntos.size(), 0);
    for (std::size_t i = 1; i < puntos.size(); ++i) nuevo.at(static_cast<std::size_t>(puntos[i].Num)) = puntos[i].Nuevo;
    for (std::size_t t = 1; t < triangulos.size(); ++t) {
        TTriangulo& triangulo = triangulos[t];
        for (std::int32_t* corner : {&triangulo.P1, &triangulo.P2, &triangulo.P3}) {
            *corner = nuevo.at(static_cast<std::size_t>(*corner));
        }
    }
    // Of each group of equal positions the last point stays, numbered by its group.
    std::size_t kept = 0;
    for (std::size_t i = 1; i < puntos.size(); ++i) {
        if (i + 1 < puntos.size() && puntos[i + 1].Nuevo == puntos[i].Nuevo) continue;
        TPuntoMDT punto = puntos[i];
        punto.Num = punto.Nuevo;
        puntos[++kept] = punto;
    }
    puntos.resize(kept + 1);
}

void TriangulosPorPunto(Puntos& puntos, const Triangulos& triangulos, Incidencias& incidencias) {
    incidencias.reserve(incidencias.size() + 3 * (triangulos.size() - 1));
    for (std::size_t t = 1; t < triangulos.size(); ++t) {
        const TTriangulo& triangulo = triangulos[t];
        for (const std::int32_t punto : {triangulo.P1, triangulo.P2, triangulo.P3}) {
            incidencias.push_back({punto, triangulo.Num});
        }
    }
    const std::int32_t nl = Last(incidencias);
    Sort::QuickSortPairs(incidencias, 1, nl, 1);
    for (std::int32_t i = 1; i <= nl; ++i) {
        const std::int32_t punto = incidencias[static_cast<std::size_t>(i)].Punto;
        if (i == 1 || punto != incidencias[static_cast<std::size_t>(i) - 1].Punto) {
            puntos.at(static_cast<std::size_t>(punto)).Nuevo = i;
        }
    }
}

}  // namespace EntryDxf
