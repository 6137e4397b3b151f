#pragma once
// The sections a section parser hands to its writer, collected for comparison: each
// point with the layer it went to, its offset, elevation and code; and the run of a
// section reader in a test.

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "app/register_forms.h"
#include "design_readers/section_shape.h"
#include "support/reader_run.h"

namespace testing_support {

struct PuntoLeido {
    char capa;
    double desplazamiento;
    double cota;
    std::string codigo = "xxxxxxxx";
    bool operator==(const PuntoLeido&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const PuntoLeido& p) {
    return os << p.capa << '(' << p.desplazamiento << ", " << p.cota << ", \"" << p.codigo << "\")";
}

struct SeccionLeida {
    double pk;
    std::vector<PuntoLeido> puntos;  // by layer T, C, S, R, each in list order
    bool operator==(const SeccionLeida&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const SeccionLeida& s) {
    os << "pk " << s.pk << ':';
    for (const auto& p : s.puntos) os << ' ' << p;
    return os;
}

// Runs a parser (given the writer callback) and returns what it wrote.
inline std::vector<SeccionLeida> Secciones(
    const std::function<void(const design_readers::EscribirSeccion&)>& leer) {
    std::vector<SeccionLeida> r;
    leer([&r](double Pk, field_writers::TSeccion& s) {
        SeccionLeida l{Pk, {}};
        for (const auto& b : s.Bloques) {
            for (std::int32_t k = 1; k <= b.NumPuntos; ++k) {
                const TPuntoSeccion& p = b.Puntos[static_cast<std::size_t>(k)];
                l.puntos.push_back({b.Codigo, p.Desplazamiento, p.Cota, p.Codigo});
            }
        }
        r.push_back(l);
    });
    return r;
}

// A section reader's run: the dialogs registered, a section job in the window, the
// section file sec.txt, the output EJE.SCT and the alzado file eje.alz in the work folder.
class SeccionRun : public ReaderRun {
protected:
    SeccionRun() {
        app::RegisterForms(ctx);
        window.seccionTipo = true;
        f.entrada = dir.File("sec.txt");
        f.salida = dir.File("EJE.SCT");
        f.nombreEntrada = "SEC.TXT";
        f.nombreSalida = "EJE.SCT";
        f.alzado = dir.File("eje.alz");
        f.nombreAlzado = "EJE.ALZ";
    }

    // A Corvana run: its output EJE.PRO.
    void Corvana() {
        state.FormatoCampo = 3;
        f.salida = dir.File("EJE.PRO");
        f.nombreSalida = "EJE.PRO";
    }

    design_readers::FicherosSeccion f;
};

}  // namespace testing_support
