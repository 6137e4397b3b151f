#include "field_writers/corvana_sections.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string_view>

#include "common/angle_units.h"
#include "common/gm_section.h"
#include "common/gm_vertical.h"
#include "common/numbers.h"

namespace field_writers {
namespace {

// Differences of elevation below this count as the same elevation of the axis.
constexpr double kCoincide = 0.002;
// The width of the short segments that carry a step at the axis or repeat a gradient.
constexpr double kTramoCorto = 0.001;
// The width written for a vertical step between two points of one offset.
constexpr double kTramoVertical = 0.0001;

void Tramo(std::string& linea, int k, double ancho, double pendiente) {
    const bool estrecho = ancho < 0.001;
    linea += ";D" + std::to_string(k) + "=";
    Num::AppendFormat(linea, ancho, estrecho ? "0.0000" : "0.000", '.');
    linea += ";P" + std::to_string(k) + "=";
    Num::AppendFormat(linea, pendiente, estrecho ? "0.000" : "0.0000", '.');
}

// One side; `lado` holds its points innermost first.
std::string Lado(const char* cabecera, double Pk, double Cota, double cotaEje, const std::vector<TPuntoSeccion>& lado) {
    std::string linea = cabecera;
    Num::AppendFormat(linea, Pk, "0.000", '.');
    linea += ";TPC=non";
    if (lado.empty()) return linea + ";D1=0;P1=0;N= 1";
    const bool coincide = std::fabs(Cota - cotaEje) < kCoincide;
    int k = 0;
    double pendiente = 0;
    if (!coincide) {
        pendiente = (cotaEje - Cota) / kTramoCorto * 100;
        Tramo(linea, ++k, kTramoCorto, pendiente);
    }
    // A width is never negative, also when the innermost point lies within the
    // short segment at the axis.
    const double ancho = std::max(0.0, std::fabs(lado[0].Desplazamiento) - (coincide ? 0 : kTramoCorto));
    pendiente = ancho == 0 ? 0 : (lado[0].Cota - cotaEje) / ancho * 100;
    Tramo(linea, ++k, ancho, pendiente);
    for (std::size_t i = 1; i < lado.size(); ++i) {
        double d = std::fabs(lado[i].Desplazamiento - lado[i - 1].Desplazamiento);
        if (d == 0) d = kTramoVertical;
        pendiente = (lado[i].Cota - lado[i - 1].Cota) / d * 100;
        Tramo(linea, ++k, d, pendiente);
    }
    if (lado.size() == 1) {
        linea += ";D" + std::to_string(k + 1) + "=0.001;P" + std::to_string(k + 1) + "=";
        Num::AppendFormat(linea, pendiente, "0.000", '.');
        ++k;
    }
    return linea + ";N= " + std::to_string(k);
}

// The elevation at the axis from the points of one side (innermost first), when
// no point lies on it: extended from the two innermost. A lone point tells nothing
// of the axis: the profile's own elevation is taken, so no step is invented there.
double Extrapolar(const std::vector<TPuntoSeccion>& lado, double Cota) {
    if (lado.size() == 1) return Cota;
    return GM::Interpolar(0, lado[0].Desplazamiento, lado[1].Desplazamiento, lado[0].Cota, lado[1].Cota);
}

// A work line cut at ";": its fields, its segment count (the number after "N=").
struct LineaCorvana {
    std::vector<std::string_view> campos;
    std::int32_t tramos = 0;
};

LineaCorvana Partir(std::string_view linea) {
    LineaCorvana l;
    std::size_t inicio = 0;
    while (true) {
        const std::size_t fin = linea.find(';', inicio);
        l.campos.push_back(linea.substr(inicio, fin == std::string_view::npos ? std::string_view::npos : fin - inicio));
        if (fin == std::string_view::npos) break;
        inicio = fin + 1;
    }
    const std::string_view ultimo = l.campos.back();
    if (ultimo.substr(0, 2) == "N=") l.tramos = static_cast<std::int32_t>(Num::Val(ultimo.substr(2)));
    return l;
}

// The segment fields (D and P) of two lines are the same.
bool MismosTramos(const LineaCorvana& a, const LineaCorvana& b) {
    if (a.campos.size() != b.campos.size()) return false;
    for (std::size_t k = 0; k < a.campos.size(); ++k) {
        const std::string_view c = a.campos[k];
        if ((c.starts_with("D") || c.starts_with("P")) && c.find('=') != std::string_view::npos &&
            !c.starts_with("PMDEV") && c != b.campos[k]) {
            return false;
        }
    }
    return true;
}

// The value text of the last gradient field of a line ("0" when it has none).
std::string_view UltimaPendiente(const LineaCorvana& l) {
    for (std::size_t k = l.campos.size(); k-- > 0;) {
        const std::string_view c = l.campos[k];
        if (c.size() > 1 && c[0] == 'P' && c[1] >= '0' && c[1] <= '9') return c.substr(c.find('=') + 1);
    }
    return "0";
}

}  // namespace

double MilimetroInferior(double cota) { return std::floor(cota * 1000 + 1e-6) / 1000; }

double CotaEjeCorvana(const std::vector<TAlzado>& Alzado, double Pk) {
    double cota = 0;
    GM::Cota_Rasante(Alzado, Pk, cota);
    return MilimetroInferior(cota);
}

void Write_Seccion_Corvana_TMP(std::vector<std::string>& lineas, std::int32_t NumPuntos, double Cota, double Pk,
                               std::vector<TPuntoSeccion> Puntos) {
    if (NumPuntos < 0 || static_cast<std::size_t>(NumPuntos) + 1 > std::max<std::size_t>(Puntos.size(), 1)) {
        throw std::out_of_range("Write_Seccion_Corvana_TMP: count beyond the list");
    }
    Puntos.resize(static_cast<std::size_t>(NumPuntos) + 1);
    std::stable_sort(Puntos.begin() + 1, Puntos.end(), [](const TPuntoSeccion& a, const TPuntoSeccion& b) {
        return a.Desplazamiento < b.Desplazamiento;
    });
    std::vector<TPuntoSeccion> izquierda;
    std::vector<TPuntoSeccion> derecha;
    const TPuntoSeccion* primeroEnEje = nullptr;
    const TPuntoSeccion* ultimoEnEje = nullptr;
    for (std::size_t i = 1; i < Puntos.size(); ++i) {
        const TPuntoSeccion& p = Puntos[i];
        if (p.Desplazamiento < 0) {
            izquierda.push_back(p);
        } else if (p.Desplazamiento > 0) {
            derecha.push_back(p);
        } else {
            if (primeroEnEje == nullptr) primeroEnEje = &p;
            ultimoEnEje = &p;
        }
    }
    std::reverse(izquierda.begin(), izquierda.end());  // innermost first
    double ejeIzquierda = 0;
    double ejeDerecha = 0;
    if (primeroEnEje != nullptr) {
        ejeIzquierda = primeroEnEje->Cota;
        ejeDerecha = ultimoEnEje->Cota;
    } else if (!izquierda.empty() && !derecha.empty()) {
        ejeIzquierda = ejeDerecha = GM::Interpolar(0, izquierda[0].Desplazamiento, derecha[0].Desplazamiento,
                                                   izquierda[0].Cota, derecha[0].Cota);
    } else if (!izquierda.empty()) {
        ejeIzquierda = ejeDerecha = Extrapolar(izquierda, Cota);
    } else if (!derecha.empty()) {
        ejeIzquierda = ejeDerecha = Extrapolar(derecha, Cota);
    }
    lineas.push_back(Lado("P;L=GAUCHE;PMDEV=", Pk, Cota, ejeIzquierda, izquierda));
    lineas.push_back(Lado("P;L=DROITE;PMDEV=", Pk, Cota, ejeDerecha, derecha));
}

void Calculate_Gradient_GPS(std::vector<std::string>& lineas, std::int32_t N, double Cota, double Pk,
                            const std::vector<TPuntoSeccion>& PuntosSeccion) {
    Write_Seccion_Corvana_TMP(lineas, N, Cota, Pk, PuntosSeccion);
}

void Write_Seccion_Corvana(platform::Desktop& desktop, const std::vector<std::string>& lineas, BufferedOutput& out) {
    std::int32_t maximo = 0;
    for (const std::string& linea : lineas) maximo = std::max(maximo, Partir(linea).tramos);
    if (maximo > kTramosMaximos) {
        desktop.MsgBox(
            "El número de tramos de la sección, supera el límite del programa Tarsel GPS, fijado en 15 tramos a la "
            "derecha y 15 tramos a la izquierda del eje",
            platform::mb::Critical | platform::mb::OKOnly, "Atención");
    }
    const std::size_t secciones = lineas.size() / 2;
    // Sections s and s + 1, cut at ";" once each: the pair slides along the file.
    std::array<LineaCorvana, 2> actual;
    std::array<LineaCorvana, 2> siguiente;
    const auto partir = [&](std::size_t s, std::array<LineaCorvana, 2>& par) {
        par[0] = Partir(lineas[2 * s]);
        par[1] = Partir(lineas[2 * s + 1]);
    };
    std::string texto;
    const auto escribir = [&](const std::array<LineaCorvana, 2>& par) {
        for (const LineaCorvana& l : par) {
            texto.clear();
            for (std::size_t k = 0; k + 1 < l.campos.size(); ++k) {
                texto += l.campos[k];
                texto += ';';
            }
            const std::string_view ultima = UltimaPendiente(l);
            for (std::int32_t k = l.tramos + 1; k <= maximo; ++k) {
                const std::string n = std::to_string(k);
                texto += "D" + n + "=0.001;P" + n + "=";
                texto += ultima;
                texto += ';';
            }
            texto += "N= " + std::to_string(maximo);
            out.WriteLine(texto);
        }
    };
    // Each section at most once, in order: the first, both sections around every
    // change, the last two.
    bool escribirActual = true;
    if (secciones > 0) partir(0, actual);
    for (std::size_t s = 0; s < secciones; ++s) {
        bool escribirSiguiente = s + 2 >= secciones;
        if (s + 1 < secciones) {
            partir(s + 1, siguiente);
            if (!MismosTramos(actual[0], siguiente[0]) || !MismosTramos(actual[1], siguiente[1])) {
                escribirActual = escribirSiguiente = true;
            }
        }
        if (escribirActual || s + 2 >= secciones) escribir(actual);
        std::swap(actual, siguiente);
        escribirActual = escribirSiguiente;
    }
}

}  // namespace field_writers
