// Planta and alzado continuity checks and their error listing.

#include "common/gm_continuity.h"

#include <cmath>
#include <optional>

#include "common/gm_clothoid.h"
#include "common/gm_plane.h"
#include "common/gm_vertical.h"
#include "common/string_helpers.h"

namespace GM {
namespace {

struct Hueco {
    double pk;
    double tamano;
};

void Listar(platform::Desktop& desktop, const char* cabecera, const std::string& nombre,
            const std::vector<Hueco>& huecos) {
    if (huecos.empty()) return;
    std::string texto = "\r";
    texto += cabecera;
    texto += nombre;
    texto += '\r';
    for (const Hueco& h : huecos) {
        texto += "\rPk : ";
        texto += Strings::FormatDouble(h.pk, "0.000", 2, 14);
        texto += "  Error :";
        texto += Strings::FormatDouble(h.tamano, "0.000", 2, 7);
        texto += " m";
    }
    desktop.MsgBox(texto, platform::mb::Critical, "Listado de Errores");
}

}  // namespace

std::optional<TPuntoEje> Fin_Elemento(const TPlanta& e, double radioSiguiente) {
    if (e.Radio == 0) return Punto_En_Recta(e.Longitud, e);
    if (e.Parametro == 0) return Punto_En_Curva(e.Longitud, e);
    double largo = e.Longitud;
    return Intentar_Punto_En_Clotoide(largo, std::fabs(radioSiguiente), e);
}

void Comprobar_Planta(platform::Desktop& desktop, const std::vector<TPlanta>& Planta, const std::string& Nombre) {
    std::vector<Hueco> huecos;
    const std::size_t n = UltimoIndice(Planta);
    for (std::size_t i = 1; i + 1 <= n; ++i) {
        TPlanta e = Planta[i];
        e.Acimut = ((kPi / 2) * e.Acimut) / 100;
        const std::optional<TPuntoEje> fin = Fin_Elemento(e, Planta[i + 1].Radio);
        if (!fin) continue;
        const double dy = fin->Y - Planta[i + 1].Y;
        const double dx = fin->X - Planta[i + 1].X;
        const double hueco = Finito(std::sqrt(dy * dy + dx * dx));
        if (hueco > 0.005) huecos.push_back({Planta[i].PK + Planta[i].Longitud, hueco});
    }
    Listar(desktop, "EJE EN PLANTA  ", Nombre, huecos);
}

void Comprobar_Alzado(platform::Desktop& desktop, const std::vector<TAlzado>& Alzado, const std::string& Nombre) {
    std::vector<Hueco> huecos;
    const std::size_t n = UltimoIndice(Alzado);
    for (std::size_t i = 1; i + 1 <= n; ++i) {
        const double cotaFinal = Cota_Elemento_Alzado(Alzado[i], Alzado[i].Longitud);
        const double hueco = Finito(std::fabs(cotaFinal - Alzado[i + 1].Z));
        if (hueco > 0.003) huecos.push_back({std::fabs(Alzado[i].Longitud) + Alzado[i].PK, hueco});
    }
    Listar(desktop, "EJE EN ALZADO  ", Nombre, huecos);
}

}  // namespace GM
