#include "design_readers/cartomap.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

#include "common/chainage.h"
#include "common/gm_azimuths.h"
#include "common/line_input.h"
#include "common/numeric_checks.h"
#include "design_readers/text_rows.h"
#include "field_writers/rechazo.h"

namespace design_readers {
namespace {

constexpr const char* kNoEsCartomap = "El fichero no es de tipo CARTOMAP";

double Pk(const TFields& campos, std::size_t k) {
    std::string texto = campos[k].Texto;
    return Strings::PKStringToDouble(texto);
}

// A field of the first data line: a number as these files write them, a chainage in
// km+m or a decimal comma in a column that is not read included.
bool Numerico(const std::string& texto) { return Strings::IsNumericField(texto) || Strings::IsChainage(texto); }

bool PrimeraFila(const TFields& campos, std::int32_t n, std::int32_t clave) {
    if (n < clave) return false;
    for (std::int32_t k = 1; k <= clave; ++k) {
        if (!Numerico(campos[static_cast<std::size_t>(k)].Texto)) return false;
    }
    return true;
}

// Walks the data lines of a Cartomap file: those from the first line whose `clave`
// leading fields are numbers on, each with its fields (at most `maximo`). Later lines
// are data however their numbers are written; only one whose first field is no
// number (a title, a repeated header) is passed over.
template <class Fila>
void DatosCartomap(const std::string& entrada, std::int32_t clave, std::int32_t maximo, Fila fila) {
    LineInput input(entrada);
    TFields campos;
    std::string_view linea;
    std::int64_t numero = 0;
    bool encontrado = false;
    while (input.Next(linea)) {
        ++numero;
        if (LineaVacia(linea)) continue;
        const std::int32_t n = Partir(linea, campos, maximo);
        if (!encontrado) {
            if (!PrimeraFila(campos, n, clave)) continue;
            encontrado = true;
        } else if (n < 1 || !Numerico(campos[1].Texto)) {
            continue;
        }
        fila(campos, n, numero);
    }
    if (!encontrado) throw Rechazo(kNoEsCartomap);
}

// The end elevation element a predicts at its end for grade g and parameter kv.
double Desviacion(const TAlzado& a, double g, double kv, double zFin) {
    const double L = a.Longitud;
    const double z = kv == 0 ? a.Z + g * L : a.Z + g * L / 2 + (g + L / kv) * L / 2;
    return std::fabs(z - zFin);
}

// Completes element k - 1 once element k, read on line `numero`, is known: its
// length, the best of three grade and Kv candidates (a tie keeps the earlier one) and
// its grade. An element that does not move on along the axis has no grade to give.
void Completar(std::vector<TAlzado>& Alzado, std::size_t k, std::int64_t numero) {
    TAlzado& a = Alzado[k - 1];
    const TAlzado& b = Alzado[k];
    a.Longitud = b.PK - a.PK;
    if (a.Longitud <= 0) throw Rechazo(Linea(numero) + ": el P.K. no avanza respecto al de la línea anterior.");
    const std::array<std::array<double, 2>, 3> candidatos = {
        {{a.Pendiente, a.Kv}, {a.Pendiente, b.Kv}, {b.Pendiente, 0.0}}};
    double kv = a.Kv;
    double mejor = Desviacion(a, candidatos[0][0], candidatos[0][1], b.Z);
    for (std::size_t c = 1; c < candidatos.size(); ++c) {
        const double d = Desviacion(a, candidatos[c][0], candidatos[c][1], b.Z);
        if (d < mejor) {
            mejor = d;
            kv = candidatos[c][1];
        }
    }
    a.Kv = kv;
    if (kv == 0) {
        a.Pendiente = (b.Z - a.Z) / a.Longitud;
    } else if (k >= 3) {
        const TAlzado& p = Alzado[k - 2];
        a.Pendiente = p.Kv != 0 ? p.Pendiente + p.Longitud / p.Kv : p.Pendiente;
    }
}

// One planta line as read, before the azimuth layout and the clothoid radii.
struct FilaPlanta {
    TPlanta elemento;
    std::int32_t campos = 0;
};

FilaPlanta LeerFilaPlanta(const TFields& c, std::int32_t n, std::int64_t numero) {
    FilaPlanta f;
    TPlanta& e = f.elemento;
    f.campos = n;
    auto campo = [&](std::int32_t k) { return k <= n ? Numero(c[static_cast<std::size_t>(k)].Texto, numero) : 0.0; };
    e.PK = Pk(c, 1);
    e.X = campo(2);
    e.Y = campo(3);
    e.Acimut = campo(5);
    e.Longitud = campo(6);
    e.Linea = numero;
    const std::string palabra = n >= 7 ? c[7].Texto : std::string();
    if (palabra == "Recta" || n == 7) {
        // a straight
    } else if (palabra == "Curva" || n == 8) {
        e.Radio = campo(8);
    } else if (palabra == "Clotoide" || n == 9) {
        e.Radio = std::fabs(campo(8));
        e.Parametro = campo(9);
    }
    return f;
}

bool Recta(const TPlanta& e) { return e.Radio == 0 && e.Parametro == 0; }

}  // namespace

void LeerAlzadoCartomap(const std::string& entrada, std::vector<TAlzado>& Alzado) {
    DatosCartomap(entrada, 5, 6, [&](const TFields& c, std::int32_t n, std::int64_t numero) {
        if (n < 5) return;  // too short for an element
        TAlzado e;
        e.N = static_cast<std::int32_t>(Alzado.size());
        e.PK = Pk(c, 1);
        e.Z = Numero(c[3].Texto, numero);
        e.Pendiente = Numero(c[5].Texto, numero) / 100;
        e.Kv = n >= 6 ? Numero(c[6].Texto, numero) : 0;
        Alzado.push_back(e);
        if (Alzado.size() >= 3) Completar(Alzado, Alzado.size() - 1, numero);
    });
    if (Alzado.size() < 3) throw Rechazo(kNoEsCartomap);  // one line only: no element to end it
    Alzado.back().Longitud = 0.01;
}

void LeerPlantaCartomap(const std::string& entrada, bool version4, std::vector<TPlanta>& Planta) {
    std::vector<TPlanta> filas(1);  // the elements as listed, then the end point
    std::optional<FilaPlanta> ultima;  // the data line read last: the end point when no other follows
    DatosCartomap(entrada, 6, 9, [&](const TFields& c, std::int32_t n, std::int64_t numero) {
        if (ultima && ultima->campos > 5) {
            ultima->elemento.N = static_cast<std::int32_t>(filas.size());
            filas.push_back(ultima->elemento);
        }
        ultima = LeerFilaPlanta(c, n, numero);
    });
    // The first data line is the last one: no element, only an end point.
    if (filas.size() < 2) throw Rechazo(kNoEsCartomap);
    TPlanta fin = ultima->elemento;
    fin.N = static_cast<std::int32_t>(filas.size());
    fin.Radio = 0;
    fin.Parametro = 0;
    fin.Longitud = 0.01;
    filas.push_back(fin);

    const std::size_t n = filas.size() - 1;
    for (std::size_t i = 1; i <= n; ++i) {
        TPlanta e = filas[i];
        double siguiente = filas[i].Acimut;
        if (i < n) {
            siguiente = filas[i + 1].Acimut;
            if (version4 && Recta(filas[i]) && Recta(filas[i + 1])) {
                e.Acimut = filas[i + 1].Acimut;
                siguiente = filas[i + 2 <= n ? i + 2 : i].Acimut;
            }
            if (e.Parametro != 0) {
                // A clothoid into an arc of its own radius starts from a straight.
                double radio = filas[i].Radio;
                if (filas[i + 1].Parametro == 0 && std::fabs(filas[i + 1].Radio) == std::fabs(radio)) radio = 0;
                e.Radio = GM::Radio_Clotoide(e.Acimut, siguiente, radio, filas[i + 1].Radio, filas[i].Parametro);
            }
        }
        Planta.push_back(e);
    }
}

void LeerSeccionesCartomap(const std::string& entrada, char bloque, const EscribirSeccion& escribir) {
    field_writers::TSeccion seccion;
    field_writers::TBloqueSeccion& puntos = seccion.Bloque(bloque);
    double PkSeccion = 0;
    const auto cerrar = [&] {
        if (puntos.NumPuntos > 0) escribir(PkSeccion, seccion);
        seccion.Vaciar();
    };
    DatosCartomap(entrada, 6, 7, [&](const TFields& campos, std::int32_t n, std::int64_t numero) {
        if (n != 1 && n != 6 && n != 7) return;  // no line of a section
        if (n != 6) {
            cerrar();
            PkSeccion = Pk(campos, 1);
            if (n == 1) return;
        }
        const std::size_t k = n == 7 ? 4 : 3;
        const double desplazamiento = Numero(campos[k].Texto, numero);
        // Points go from left to right: one that does not lie right of the last is dropped.
        if (puntos.NumPuntos > 0 && desplazamiento <= puntos.Puntos[static_cast<std::size_t>(puntos.NumPuntos)].Desplazamiento) {
            return;
        }
        AnadirPunto(puntos, desplazamiento, Numero(campos[k + 2].Texto, numero), numero);
    });
    // The last section, also when it begins on the last line.
    cerrar();
}

bool Cartomap_Seccion_Tipo(Context& ctx, WindowServices& window, const FicherosSeccion& ficheros) {
    char bloque = 'R';
    return Leer_Seccion(
        ctx, window, ficheros, CapaSeccion::DialogoORecordada, bloque,
        [&bloque](const std::string& entrada, const EscribirSeccion& escribir) {
            LeerSeccionesCartomap(entrada, bloque, escribir);
        },
        Cartomap_Alzado);
}

bool Cartomap_Alzado(Context& ctx, WindowServices& window, const Ficheros& ficheros, std::vector<TAlzado>& Alzado) {
    return Leer_Alzado(ctx, window, ficheros, LeerAlzadoCartomap, Alzado);
}

bool Cartomap_Planta(Context& ctx, WindowServices& window, const Ficheros& ficheros) {
    const bool version4 = window.Programa() == "Cartomap V4.xx";
    return Leer_Planta(ctx, ficheros, [version4](const std::string& entrada, std::vector<TPlanta>& Planta) {
        LeerPlantaCartomap(entrada, version4, Planta);
    });
}

}  // namespace design_readers
