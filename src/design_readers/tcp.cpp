#include "design_readers/tcp.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "common/file_precision.h"
#include "common/gm_azimuths.h"
#include "common/gm_section.h"
#include "common/line_input.h"
#include "common/numbers.h"
#include "design_readers/text_rows.h"
#include "field_writers/rechazo.h"

namespace design_readers {
namespace {

// Calls fila for every data line: not empty, not a "*" comment, at least
// `minimo` fields, the first `numericos` of them numbers.
template <class Fila>
void DatosTCP(const std::string& entrada, std::int32_t minimo, std::int32_t maximo, std::int32_t numericos,
              Fila fila) {
    LineInput input(entrada);
    TFields campos;
    std::string_view linea;
    std::int64_t numero = 0;
    while (input.Next(linea)) {
        ++numero;
        if (LineaVacia(linea)) continue;
        const std::int32_t n = Partir(linea, campos, maximo);
        if (n < minimo || campos[1].Texto == "*" || !CamposNumericos(campos, n, 1, numericos)) continue;
        fila(campos, numero);
    }
}

struct Vertice {
    double PK = 0, Z = 0, K = 0, L = 0;  // L: the whole curve length
    std::int64_t linea = 0;
    double unidadZ = 1;  // the last decimal the elevation is written with
};

// A layer of a section and how many of its points lie left of the axis and right of
// it (offset 0 counts right).
struct Capa {
    field_writers::TBloqueSeccion& bloque;
    std::int32_t izquierda = 0;
    std::int32_t derecha = 0;

    void Insertar(std::int32_t posicion, TPuntoSeccion punto) {
        GM::Insertar_Registro(posicion, punto, bloque.Puntos);
        ++bloque.NumPuntos;
    }
    const TPuntoSeccion& Primero() const { return bloque.Puntos[1]; }
    const TPuntoSeccion& Ultimo() const { return bloque.Puntos[static_cast<std::size_t>(bloque.NumPuntos)]; }
};

// Closes each outer layer across the gap the inner one leaves: T runs over C's outer
// points (R's where C has none on that side), and C over R's.
void Unir(Capa& T, Capa& C, const Capa& R) {
    if (R.izquierda > 0) {
        if (C.izquierda > 0) {
            C.Insertar(C.izquierda + 1, R.Primero());
            ++C.izquierda;
        } else if (T.izquierda > 0) {
            T.Insertar(T.izquierda + 1, R.Primero());
            ++T.izquierda;
        }
    }
    if (R.derecha > 0) {
        if (C.derecha > 0) {
            C.Insertar(C.izquierda + 1, R.Ultimo());
            ++C.derecha;
        } else if (T.derecha > 0) {
            T.Insertar(T.izquierda + 1, R.Ultimo());
            ++T.derecha;
        }
    }
    if (C.izquierda > 0 && T.izquierda > 0) {
        T.Insertar(T.izquierda + 1, C.Primero());
        ++T.izquierda;
    }
    if (C.derecha > 0 && T.derecha > 0) T.Insertar(T.izquierda + 1, C.Ultimo());
}

// The layer of a point code in each layout; none for a code outside the ranges.
char CapaDeCodigo(double codigo, bool version4) {
    if (codigo >= 0 && codigo <= (version4 ? 40 : 20)) return 'R';
    if (codigo >= (version4 ? 41 : 21) && codigo <= (version4 ? 60 : 59)) return 'C';
    if (codigo >= (version4 ? 61 : 60) && codigo <= 99) return 'T';
    return 0;
}

}  // namespace

void LeerSeccionesTCP(const std::string& entrada, bool version4, char bloqueRasante, const EscribirSeccion& escribir) {
    field_writers::TSeccion seccion;
    Capa T{seccion.Bloque('T')}, C{seccion.Bloque('C')}, R{seccion.Bloque('R')};
    double PkSeccion = 0;
    bool abierta = false;
    const auto cerrar = [&] {
        if (T.bloque.NumPuntos + C.bloque.NumPuntos + R.bloque.NumPuntos > 0) {
            Unir(T, C, R);
            if (bloqueRasante == 'S') {
                field_writers::TBloqueSeccion& S = seccion.Bloque('S');
                std::swap(S.Puntos, R.bloque.Puntos);
                std::swap(S.NumPuntos, R.bloque.NumPuntos);
            }
            escribir(PkSeccion, seccion);
        }
        seccion.Vaciar();
        for (Capa* capa : {&T, &C, &R}) capa->izquierda = capa->derecha = 0;
    };
    DatosTCP(entrada, 4, 4, 4, [&](const TFields& c, std::int64_t numero) {
        const double pk = Numero(c[1].Texto, numero);
        if (abierta && pk != PkSeccion) cerrar();
        PkSeccion = pk;
        abierta = true;
        const double codigo = Numero(c[4].Texto, numero);
        const char letra = CapaDeCodigo(codigo, version4);
        if (letra == 0) return;
        Capa& capa = letra == 'T' ? T : letra == 'C' ? C : R;
        const double desplazamiento = Numero(c[2].Texto, numero);
        AnadirPunto(capa.bloque, desplazamiento, Numero(c[3].Texto, numero), numero, Num::StrTrim(codigo));
        ++(desplazamiento < 0 ? capa.izquierda : capa.derecha);
    });
    cerrar();
}

void LeerAlzadoTCP(const std::string& entrada, std::vector<TAlzado>& Alzado) {
    std::vector<Vertice> v(1);
    DatosTCP(entrada, 5, 5, 4, [&](const TFields& c, std::int64_t numero) {
        v.push_back({Numero(c[1].Texto, numero), Numero(c[2].Texto, numero), Numero(c[3].Texto, numero),
                     2 * Numero(c[4].Texto, numero), numero, Precision::UnidadDe(c[2].Texto)});
    });
    const std::size_t n = v.size() - 1;
    double finPK = 0, finZ = 0, gAnterior = 0;
    double unidadAnterior = 1;  // what gAnterior is known to
    std::int32_t insertados = 0;
    for (std::size_t i = 1; i < n; ++i) {
        const Vertice& a = v[i];
        const Vertice& b = v[i + 1];
        if (b.PK == a.PK) throw Rechazo(Linea(b.linea) + ": el vértice repite el P.K. del anterior.");
        const double g = (b.Z - a.Z) / (b.PK - a.PK);
        const double unidadG = Precision::UnidadPendiente(std::max(a.unidadZ, b.unidadZ), b.PK - a.PK);
        TAlzado e;
        e.N = static_cast<std::int32_t>(i) + insertados;
        e.Linea = a.K == 0 ? b.linea : a.linea;  // the vertex that ends a grade, that holds a curve
        if (a.K == 0) {
            e.PK = a.PK;
            e.Z = a.Z;
            e.Pendiente = g;
            if (b.K == 0) {  // to the next vertex
                e.Longitud = b.PK - a.PK;
                finPK = b.PK;
                finZ = b.Z;
            } else {  // to the start of the next curve
                e.Longitud = b.PK - a.PK - b.L / 2;
                if (e.Longitud < 0) {
                    throw Rechazo(Linea(b.linea) + ": el acuerdo vertical empieza antes del vértice anterior.");
                }
                finPK = a.PK + e.Longitud;
                finZ = a.Z + g * e.Longitud;
            }
            Alzado.push_back(e);
        } else {
            if (a.L == 0) throw Rechazo(Linea(a.linea) + ": el acuerdo vertical tiene longitud nula.");
            double entrante = gAnterior;
            double unidadEntrante = unidadAnterior;
            double objetivo = b.PK - b.L / 2;
            // A curve on the first vertex has no tangent coming in: a grade made up from
            // the origin or from nothing would shape the whole curve.
            if (i == 1 || (b.K == 0 && a.PK == finPK)) {
                throw Rechazo(Linea(a.linea) + ": no se conoce la pendiente de entrada al acuerdo.");
            }
            if (b.K == 0) {
                entrante = (a.Z - finZ) / (a.PK - finPK);
                unidadEntrante = Precision::UnidadPendiente(a.unidadZ, a.PK - finPK);
                objetivo = b.PK;
            }
            e.PK = a.PK - a.L / 2;
            e.Longitud = a.L;
            e.Pendiente = entrante;
            e.Z = a.Z - a.L / 2 * entrante;
            // The grade falls (a crest) when it falls as the file writes the grades:
            // equal grades make a sag.
            const bool cae = entrante > g && !Precision::Iguales(entrante, unidadEntrante, g, unidadG);
            e.Kv = cae ? -std::fabs(a.K) : std::fabs(a.K);
            finPK = e.PK + a.L;
            finZ = a.Z + a.L / 2 * g;
            Alzado.push_back(e);
            if (std::fabs(finPK - objetivo) > 0.001) {
                TAlzado r;
                r.N = e.N + 1;
                r.Linea = a.linea;
                r.PK = finPK;
                r.Z = finZ;
                r.Pendiente = g;
                r.Longitud = objetivo - finPK;
                if (r.Longitud < 0) {
                    throw Rechazo(Linea(a.linea) + ": el acuerdo vertical se solapa con el tramo siguiente.");
                }
                finPK += r.Longitud;
                finZ += g * r.Longitud;
                ++insertados;
                Alzado.push_back(r);
            }
        }
        gAnterior = g;
        unidadAnterior = unidadG;
    }
}

void LeerPlantaTCP(const std::string& entrada, std::int16_t formatoCampo, std::vector<TPlanta>& Planta) {
    struct Fila {
        TPlanta e;
        std::int64_t linea = 0;
    };
    Fila previa, actual;
    double radioAntes = 0;  // the radius of the line before the previous one, as read
    std::int32_t lineas = 0;
    DatosTCP(entrada, 6, 6, 6, [&](const TFields& c, std::int64_t numero) {
        actual.linea = numero;
        actual.e = TPlanta{};
        actual.e.PK = Numero(c[1].Texto, numero);
        actual.e.X = Numero(c[2].Texto, numero);
        actual.e.Y = Numero(c[3].Texto, numero);
        actual.e.Acimut = Numero(c[4].Texto, numero);
        actual.e.Parametro = std::fabs(Numero(c[5].Texto, numero));
        actual.e.Radio = Numero(c[6].Texto, numero);
        ++lineas;
        if (lineas >= 2) {
            TPlanta e = previa.e;
            e.N = lineas - 1;
            e.Longitud = actual.e.PK - previa.e.PK;
            e.Linea = numero;
            if (e.Longitud == 0) throw Rechazo(Linea(numero) + ": el elemento tiene longitud nula.");
            if (e.Parametro != 0) {
                e.Radio = GM::Radio_Clotoide(previa.e.Acimut, actual.e.Acimut, radioAntes, previa.e.Radio, e.Parametro);
            }
            Planta.push_back(e);
            radioAntes = previa.e.Radio;
        }
        previa = actual;
    });
    if (lineas >= 1 && formatoCampo == 2) {
        TPlanta fin = previa.e;
        fin.N = lineas;
        fin.Radio = 0;
        fin.Parametro = 0;
        fin.Longitud = 0.01;
        Planta.push_back(fin);
    }
}

bool TCP_Alzado(Context& ctx, WindowServices& window, const Ficheros& ficheros, std::vector<TAlzado>& Alzado) {
    return Leer_Alzado(ctx, window, ficheros, LeerAlzadoTCP, Alzado);
}

bool TCP_Seccion_Tipo(Context& ctx, WindowServices& window, const FicherosSeccion& ficheros) {
    const bool version4 = window.Programa() == "TCP V4";
    char bloque = 'R';
    return Leer_Seccion(
        ctx, window, ficheros, CapaSeccion::SinTaludes, bloque,
        [version4, &bloque](const std::string& entrada, const EscribirSeccion& escribir) {
            LeerSeccionesTCP(entrada, version4, bloque, escribir);
        },
        TCP_Alzado);
}

bool TCP_Planta(Context& ctx, const Ficheros& ficheros) {
    const std::int16_t formato = ctx.state.FormatoCampo;
    return Leer_Planta(ctx, ficheros, [formato](const std::string& entrada, std::vector<TPlanta>& Planta) {
        LeerPlantaTCP(entrada, formato, Planta);
    });
}

}  // namespace design_readers
