// The "*ALZ" vertex file: vertices of the grade line, each with the vertical curve
// that rounds it, turned into grades and curves.

#include <cmath>
#include <cstdint>
#include <string_view>

#include "common/file_precision.h"
#include "common/gm_base.h"
#include "common/line_input.h"
#include "common/splitters.h"
#include "design_readers/clip_alzado.h"
#include "design_readers/clip_text.h"
#include "design_readers/listing_lines.h"
#include "field_writers/rechazo.h"

namespace EntryClipWindows {
namespace {

using design_readers::EnLinea;

// A field such as "105.20C": its value, the unit of its last decimal and its last
// character, the code.
struct ValorCodigo {
    double valor = 0;
    double unidad = 1;
    char codigo = '\0';
};

ValorCodigo Partir(std::string_view campo, std::int64_t linea) {
    campo = design_readers::Recortar(campo);
    if (campo.empty()) return {};
    const std::string_view numero = campo.substr(0, campo.size() - 1);
    return {design_readers::Numero(numero, linea), Precision::UnidadDe(numero), campo.back()};
}

struct Vertice {
    std::int64_t linea = 0;
    double PK = 0;
    double unidadPK = 1;
    double Z = 0;
    double llegada = 0;  // grade of the segment that arrives at the vertex, m/m
    double unidadLlegada = 1;  // what that grade is known to: written, or found from the elevations
    ValorCodigo acuerdo;
    double Kv = 0;
    double Lc = 0;  // curve length; 0 when the vertex has no curve
};

// Half the curve that starts before a vertex: where the grade before it ends.
double MitadAcuerdo(const Vertice& v) { return v.Lc / 2; }

}  // namespace

void LeerAlzadoALZ(const std::string& entrada, std::vector<TAlzado>& Alzado) {
    std::vector<Vertice> v;
    {
        LineInput input(entrada);
        std::int64_t numero = 0;
        LeerCabecera(input, numero, "*ALZ");
        TFields campos;
        std::string_view linea;
        while (input.Next(linea)) {
            ++numero;
            if (LineaVacia(linea)) continue;
            std::int32_t n = 3;
            Strings::SplitString(linea, ",", n, campos, true);
            if (n < 3) continue;
            Vertice x;
            x.linea = numero;
            x.PK = design_readers::NumeroPK(campos[1].Texto, numero);
            x.unidadPK = Precision::UnidadDe(campos[1].Texto);
            const ValorCodigo vertice = Partir(campos[2].Texto, numero);
            x.acuerdo = Partir(campos[3].Texto, numero);
            const bool primero = v.empty();
            const double dPK = primero ? 0 : x.PK - v.back().PK;
            if (vertice.codigo == 'C') {
                x.Z = vertice.valor;
                // Two chainages that are one as written give no segment to take a grade from.
                const bool sinTramo = primero || Precision::Iguales(x.PK, x.unidadPK, v.back().PK, v.back().unidadPK);
                x.llegada = sinTramo ? 0 : GM::Dividir(x.Z - v.back().Z, dPK);
                x.unidadLlegada = Precision::UnidadPendiente(vertice.unidad, sinTramo ? 0 : dPK);
            } else if (vertice.codigo == 'P') {
                // A grade alone cannot place the first vertex: it starts at elevation 0.
                x.llegada = vertice.valor / 100;
                x.unidadLlegada = vertice.unidad / 100;
                x.Z = primero ? 0 : GM::Finito(v.back().Z + x.llegada * dPK);
            } else {
                throw Rechazo(EnLinea(numero, "el vértice no da su cota («C») ni su pendiente («P»)."));
            }
            v.push_back(x);
        }
    }
    if (v.size() < 2) return;
    v[0].llegada = v[1].llegada;
    v[0].unidadLlegada = v[1].unidadLlegada;

    // The first vertex has no grade change and the last no grade after it: neither
    // can hold a curve. Grades that are one at the precision of the file leave no
    // curve: the vertex is passed like one without a curve.
    for (std::size_t i = 1; i + 1 < v.size(); ++i) {
        Vertice& x = v[i];
        const Vertice& s = v[i + 1];
        if (x.acuerdo.valor == 0 || Precision::Iguales(x.llegada, x.unidadLlegada, s.llegada, s.unidadLlegada)) continue;
        const double delta = x.llegada - s.llegada;
        double kv = 0;
        switch (x.acuerdo.codigo) {
        case 'T': kv = GM::Dividir(2 * x.acuerdo.valor, delta); break;
        case 'F': kv = GM::Dividir(8 * x.acuerdo.valor, delta * delta); break;
        case 'R': kv = x.acuerdo.valor; break;
        default: break;
        }
        kv = std::fabs(kv);
        if (delta > 0) kv = -kv;
        const double lc = GM::Finito(std::fabs(delta * kv));
        if (kv == 0 || lc == 0) continue;
        x.Kv = kv;
        x.Lc = lc;
    }

    auto anadir = [&](double PK, double Z, double pendiente, double Kv, double longitud, std::int64_t linea) {
        if (longitud < 0) throw Rechazo(EnLinea(linea, "el acuerdo vertical se solapa con el tramo siguiente."));
        TAlzado e{static_cast<std::int32_t>(Alzado.size()), PK, Z, pendiente, Kv, longitud, linea};
        Alzado.push_back(e);
    };
    for (std::size_t i = 0; i + 1 < v.size(); ++i) {
        const Vertice& x = v[i];
        const Vertice& s = v[i + 1];
        const double inicioSiguiente = s.PK - MitadAcuerdo(s);
        if (x.Lc == 0) {
            anadir(x.PK, x.Z, s.llegada, 0, inicioSiguiente - x.PK, x.linea);
            continue;
        }
        const double mitad = MitadAcuerdo(x);
        anadir(x.PK - mitad, x.Z - mitad * x.llegada, x.llegada, x.Kv, x.Lc, x.linea);
        const double PKe = x.PK + mitad;
        if (std::fabs(PKe - inicioSiguiente) > 0.001) {
            anadir(PKe, x.Z + mitad * s.llegada, s.llegada, 0, inicioSiguiente - PKe, x.linea);
        }
    }
}

}  // namespace EntryClipWindows
