#pragma once
// The measured cross-section profile that every profile reader collects and every
// profile writer writes: the offsets and elevations of its points in reading order
// and the header of the profile.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A header or a point of a Tarsel profile file, and the header of the profile being
// collected. Azimut is in grads once read.
struct RegistroPerfil {
    char Marca = 0;
    std::string Nombre;  // 10 characters for a point
    double Pk = 0;
    double X = 0;
    double Y = 0;
    double Azimut = 0;
    std::int32_t Entero = 0;
    double Distancia = 0;
    double Cota = 0;
};

// One profile in memory. Offsets are signed: negative to the left of the axis. The
// points stay in reading order; the writers that need another order work on copies,
// except the tunnel drawing, which reorders them in place.
struct PerfilMedido {
    std::vector<double> DistanciasPerfil;
    std::vector<double> CotasPerfil;
    RegistroPerfil CabeceraPerfil;

    std::size_t NoPuntos() const { return DistanciasPerfil.size(); }
    void Clear() {
        DistanciasPerfil.clear();
        CotasPerfil.clear();
    }
    void Add(double distancia, double cota) {
        DistanciasPerfil.push_back(distancia);
        CotasPerfil.push_back(cota);
    }
};

// One profile found by the KTW and text-list readers: its chainage, axis point and
// direction, and the range of its points in the reader's point tables (1-based;
// Primero = 0 when it has none).
struct PerfilLeido {
    double Pk = 0;
    double X = 0;
    double Y = 0;
    double Azimut = 0;
    double Z = 0;
    std::int32_t Indicador = 0;
    std::int64_t Primero = 0;
    std::int64_t Ultimo = 0;
};

// The points of every profile of a file in reading order (index 0 unused, so that
// the indexes of PerfilLeido address them directly).
struct PuntosLeidos {
    std::vector<double> DistanciasLeidas = std::vector<double>(1);
    std::vector<double> CotasLeidas = std::vector<double>(1);
};

// An (offset, elevation) pair of a writer's working lists.
struct PuntoPerfil {
    double Distancia;
    double Cota;
};

// The height of the straight line through two points where it meets the axis
// (offset 0); the first point's elevation when both have one offset.
inline double LineAtAxis(const PuntoPerfil& a, const PuntoPerfil& b) {
    if (a.Distancia == b.Distancia) return a.Cota;
    return (a.Cota * b.Distancia - b.Cota * a.Distancia) / (b.Distancia - a.Distancia);
}

// The height at the axis between a point on its left and one on its right.
inline double BetweenSides(const PuntoPerfil& left, const PuntoPerfil& right) {
    return right.Cota - (right.Cota - left.Cota) * right.Distancia / (right.Distancia - left.Distancia);
}

// The points in stored order split by side: offset < 0 to the left, the rest
// (offset 0 included) to the right.
inline void SplitSides(const PerfilMedido& perfil, std::vector<PuntoPerfil>& left, std::vector<PuntoPerfil>& right) {
    left.clear();
    right.clear();
    for (std::size_t i = 0; i < perfil.NoPuntos(); ++i) {
        const PuntoPerfil p{perfil.DistanciasPerfil[i], perfil.CotasPerfil[i]};
        (p.Distancia < 0 ? left : right).push_back(p);
    }
}
