#include "design_readers/vextor.h"

#include <cmath>
#include <string_view>

#include "common/gm_azimuths.h"
#include "common/gm_base.h"
#include "common/gm_plane.h"

namespace EntryVextor {
namespace {

using Errors::ErrorVextor;

// The length of element i up to the next; two elements at one chainage would divide
// by zero in every formula that uses it.
double Longitud(double pk, double pkSiguiente, std::int64_t linea) {
    const double l = pkSiguiente - pk;
    if (l == 0) {
        ErrorEnLinea(Errors::kDivisionPorCero, linea,
                     "el elemento no tiene longitud (el siguiente empieza en su mismo P.K.): división por cero.");
    }
    return l;
}

void Empezar(Modulo& m) { m.Lineas.assign(1, 0); }

}  // namespace

bool Manejar(Context& ctx, const Modulo& m, int textos, const std::string& valor, const std::string& anadido) {
    const ErrorVextor error = Errors::ErrorActual();
    Errors::MostrarError(ctx.desktop, m.MensajesError, error, textos < 0 ? error.Numero : textos, valor, anadido);
    ctx.state.ErrorFichero = 1;
    return false;
}

void LeerPlantaVextor(Modulo& m, const std::string& path) {
    m.PlantaVextor.assign(1, TPlantaVextor{});
    Empezar(m);
    if (!Es_Fichero_ALN(m, path)) throw ErrorVextor(Errors::kPlantaNoValida);
    LeerLineas(m, path, [&m](const LineaVextor& l) {
        TPlantaVextor e;
        m.UnidadVextor = l.Unidad(6);
        e.N = static_cast<std::int32_t>(m.PlantaVextor.size());
        e.PK = l.Numero(1);
        e.Tipo = l.Texto(2);
        e.Radio = l.Numero(3);
        e.Texto = l.Texto(4);
        const std::string_view tipo = TipoDe(e.Tipo);
        const bool ovoide = tipo == "CURVEOUT" || tipo == "0CURVEIN";
        if (ovoide) {
            e.Parametro = l.Numero(5);
            e.X = l.Numero(6);
            e.Y = l.Numero(7);
        } else {
            e.X = l.Numero(5);
            e.Y = l.Numero(6);
        }
        // Unidades_ALN
        const double f = FactorUnidad(m.UnidadVextor, l.NumeroLinea());
        e.PK /= f;
        e.Radio /= f;
        e.X /= f;
        e.Y /= f;
        if (ovoide) e.Parametro /= f;
        m.PlantaVextor.push_back(std::move(e));
        m.Lineas.push_back(l.NumeroLinea());
    });
    Calcula_Planta_Vextor(m);
}

void Calcula_Planta_Vextor(Modulo& m) {
    std::vector<TPlantaVextor>& p = m.PlantaVextor;
    const std::size_t n = p.size() - 1;
    for (std::size_t i = 1; i < n; ++i) {
        TPlantaVextor& e = p[i];
        const GM::TPuntoXY P1{e.X, e.Y};
        const GM::TPuntoXY P2{p[i + 1].X, p[i + 1].Y};
        e.Longitud = Longitud(e.PK, p[i + 1].PK, m.Lineas[i]);
        const std::string_view tipo = TipoDe(e.Tipo);
        try {
            if (tipo == "STRAIGHT") {
                e.Acimut = GM::Calcular_Azimut(P1, P2);
                e.Radio = 0;
                e.Parametro = 0;
            } else if (tipo == "000CURVE") {
                e.Acimut = GM::Azimut_Tangente_Arco(P1, P2, e.Radio);
            } else if (tipo == "00SPIRIN") {
                // Word 3 of a spiral holds its signed parameter.
                e.Parametro = e.Radio;
                e.Radio = e.Parametro < 0 ? -0.001 : 0.001;
                e.Acimut = GM::Azimut_Tangente_Clotoide_Entrada(P1, P2, e.Parametro, e.Longitud);
                e.Parametro = std::fabs(e.Parametro);
            } else if (tipo == "0SPIROUT") {
                e.Parametro = e.Radio;
                e.Radio = GM::Dividir(e.Parametro * e.Parametro, e.Longitud);
                if (e.Parametro < 0) e.Radio = -e.Radio;
                e.Acimut = GM::Azimut_Tangente_Clotoide_Salida(P2, P1, e.Parametro, e.Longitud);
                e.Parametro = std::fabs(e.Parametro);
            } else if (tipo == "0CURVEIN" || tipo == "CURVEOUT") {
                // Word 5 held the radius at the end of the egg.
                const double R1 = e.Radio;
                const double R2 = e.Parametro;
                e.Parametro = GM::Parametro_Ovoide(R1, R2, e.Longitud);
                e.Acimut = GM::Azimut_Tangente_Ovoide(P1, P2, e.Parametro, R1, R2);
            }
        } catch (const GM::ArithmeticError& fallo) {
            ErrorEnLinea(Errors::NumeroDe(fallo), m.Lineas[i], fallo.what());
        }
        e.Acimut = e.Acimut * 200 / kPiVextor;
    }
    if (n >= 1) {
        p[n].Longitud = 0.01;
        p[n].Acimut = n > 1 ? p[n - 1].Acimut : 0;
    }
}

void LeerAlzadoVextor(Modulo& m, const std::string& path) {
    m.AlzadoVextor.assign(1, TAlzadoVextor{});
    Empezar(m);
    if (!Es_Fichero_PRF(m, path)) throw ErrorVextor(Errors::kAlzadoNoValido);
    LeerLineas(m, path, [&m](const LineaVextor& l) {
        TAlzadoVextor e;
        m.UnidadVextor = l.Unidad(6);
        e.N = static_cast<std::int32_t>(m.AlzadoVextor.size());
        e.PK = l.Numero(1);
        e.Tipo = l.Texto(2);
        e.Z = l.Numero(4);
        const std::string_view tipo = TipoDe(e.Tipo);
        if (tipo == "000CURVE") throw ErrorVextor(Errors::kAlzadoConCurva);
        if (tipo == "PARABOLA") e.Kv = l.Numero(3);
        // Unidades_PRF
        const double f = FactorUnidad(m.UnidadVextor, l.NumeroLinea());
        e.PK /= f;
        e.Z /= f;
        e.Kv /= f;
        m.AlzadoVextor.push_back(std::move(e));
        m.Lineas.push_back(l.NumeroLinea());
    });
    Calcula_Alzado_Vextor(m);
}

void Calcula_Alzado_Vextor(Modulo& m) {
    std::vector<TAlzadoVextor>& a = m.AlzadoVextor;
    const std::size_t n = a.size() - 1;
    for (std::size_t i = 1; i < n; ++i) {
        TAlzadoVextor& e = a[i];
        e.Longitud = Longitud(e.PK, a[i + 1].PK, m.Lineas[i]);
        const std::string_view tipo = TipoDe(e.Tipo);
        try {
            if (tipo == "STRAIGHT") {
                e.Pendiente = GM::Dividir(a[i + 1].Z - e.Z, e.Longitud);
            } else if (tipo == "PARABOLA") {
                // The grade at the start of the parabola that joins the two elevations.
                e.Pendiente = GM::Dividir(a[i + 1].Z - e.Z, e.Longitud) - GM::Dividir(e.Longitud, 2 * e.Kv);
            }
        } catch (const GM::ArithmeticError& fallo) {
            ErrorEnLinea(Errors::NumeroDe(fallo), m.Lineas[i],
                         std::string(fallo.what()) + (e.Kv == 0 && tipo == "PARABOLA" ? " (Kv 0)." : "."));
        }
    }
    if (n >= 1) {
        a[n].Longitud = 0.01;
        a[n].Pendiente = n > 1 ? a[n - 1].Pendiente : 0;
    }
}

bool Vextor_Planta(Context& ctx, Modulo& m, const design_readers::Ficheros& ficheros) {
    m.NombreFichero = ficheros.nombreEntrada;
    try {
        return design_readers::Leer_Planta(ctx, ficheros, [&m](const std::string& entrada, std::vector<TPlanta>& Planta) {
            LeerPlantaVextor(m, entrada);
            for (std::size_t i = 1; i < m.PlantaVextor.size(); ++i) {
                const TPlantaVextor& e = m.PlantaVextor[i];
                Planta.push_back({e.N, e.PK, e.X, e.Y, e.Acimut, e.Radio, e.Parametro, e.Longitud, m.Lineas[i]});
            }
        });
    } catch (...) {
        return Manejar(ctx, m, -1, m.NombreFichero);
    }
}

bool Vextor_Alzado(Context& ctx, design_readers::WindowServices& window, Modulo& m,
                   const design_readers::Ficheros& ficheros) {
    m.NombreFichero = ficheros.nombreEntrada;
    std::vector<TAlzado> alzado;
    try {
        return design_readers::Leer_Alzado(
            ctx, window, ficheros,
            [&m](const std::string& entrada, std::vector<TAlzado>& Alzado) {
                LeerAlzadoVextor(m, entrada);
                for (std::size_t i = 1; i < m.AlzadoVextor.size(); ++i) {
                    const TAlzadoVextor& e = m.AlzadoVextor[i];
                    Alzado.push_back({e.N, e.PK, e.Z, e.Pendiente, e.Kv, e.Longitud, m.Lineas[i]});
                }
            },
            alzado);
    } catch (...) {
        m.AlzadoVextor.assign(1, TAlzadoVextor{});
        return Manejar(ctx, m, -1, m.NombreFichero);
    }
}

}  // namespace EntryVextor
