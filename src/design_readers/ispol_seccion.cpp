#include "design_readers/ispol_seccion.h"

#include <string_view>

#include "common/cp1252.h"
#include "common/field.h"
#include "common/line_input.h"
#include "common/numbers.h"
#include "common/splitters.h"
#include "design_readers/istram.h"
#include "design_readers/listing_lines.h"

namespace design_readers {
namespace {

constexpr std::string_view kCabecera = " pk:";
constexpr char kCapas[] = {'T', 'C', 'S', 'R'};
constexpr std::int32_t kMaximoCampos = 100;

bool EsCabecera(std::string_view linea) { return linea.substr(0, kCabecera.size()) == kCabecera; }

double PkDeCabecera(std::string_view linea, std::int64_t numero) { return Numero(Columnas(linea, 5, 13), numero); }

// The line as the splitters see it: TABs and form feeds stand where they are as
// blanks, so the columns of the printed page stay, and the text in characters.
std::string Texto(std::string_view linea) {
    std::string texto(linea);
    for (char& c : texto) {
        if (c == '\t' || c == '\f') c = ' ';
    }
    return Cp1252::IsAscii(texto) ? texto : Cp1252::ToUtf8(texto);
}

// The words of the heading line, with their columns (Fin the column after each).
void Palabras(std::string_view linea, TFields& palabras) {
    std::int32_t n = kMaximoCampos;
    Strings::SplitString(Texto(linea), " ", n, palabras, true);
}

bool Par(const TField& a, const TField& b) {
    return Num::IsNumber(a.Texto) && Num::IsNumber(b.Texto);
}

// The pair (a, b) stands under heading word k (1 to 4).
bool Debajo(const TFields& palabras, std::size_t k, const TField& a, const TField& b) {
    return k < palabras.size() && a.Fin >= palabras[k].Inicio && b.Inicio <= palabras[k].Fin;
}

void LineaDeDatos(std::string_view linea, std::int64_t numero, const TFields& palabras, TFields& campos,
                  field_writers::TSeccion& seccion) {
    std::int32_t n = kMaximoCampos;
    Strings::SplitString(Texto(linea), " ", n, campos, true);
    Strings::SplitNegativeFields(n, campos);
    if (n < 2) return;
    const auto anadir = [&](char capa, const TField& a, const TField& b) {
        AnadirPunto(seccion.Bloque(capa), Numero(a.Texto, numero), Numero(b.Texto, numero), numero);
    };
    bool enRasante = false;
    if (Par(campos[1], campos[2])) {
        for (std::size_t k = 1; k <= 4; ++k) {
            if (Debajo(palabras, k, campos[1], campos[2])) anadir(kCapas[k - 1], campos[1], campos[2]);
        }
        enRasante = Debajo(palabras, 4, campos[1], campos[2]);
    }
    // The rasante column may stand beside another layer's on the same line.
    if (!enRasante && n > 4 && Par(campos[4], campos[5]) && Debajo(palabras, 4, campos[4], campos[5])) {
        anadir('R', campos[4], campos[5]);
    }
}

std::int64_t Puntos(const field_writers::TSeccion& seccion) {
    std::int64_t n = 0;
    for (const auto& b : seccion.Bloques) n += b.NumPuntos;
    return n;
}

}  // namespace

void LeerSeccionesIspol(const std::string& entrada, const EscribirSeccion& escribir) {
    enum class Estado { BuscarCabecera, Encabezado, Datos, TrasSalto };
    LineInput input(entrada);
    field_writers::TSeccion seccion;
    TFields palabras(1);
    TFields campos;
    double Pk = 0;
    Estado estado = Estado::BuscarCabecera;
    int trasCabecera = 0;  // lines read after the header
    const auto cerrar = [&] {
        // A header without a point line gives no section.
        if (Puntos(seccion) > 0) escribir(Pk, seccion);
        seccion.Vaciar();
    };
    const auto abrir = [&](std::string_view linea, std::int64_t numero) {
        cerrar();
        Pk = PkDeCabecera(linea, numero);
        palabras.assign(1, TField{});
        trasCabecera = 0;
        estado = Estado::Encabezado;
    };
    std::string_view linea;
    std::int64_t numero = 0;
    while (input.Next(linea)) {
        ++numero;
        switch (estado) {
        case Estado::BuscarCabecera:
            if (EsCabecera(linea)) abrir(linea, numero);
            break;
        case Estado::Encabezado:
            // The four lines under the header are where the listing puts them, empty or not.
            ++trasCabecera;
            if (trasCabecera == 2) Palabras(linea, palabras);
            if (trasCabecera == 4) estado = Estado::Datos;
            break;
        case Estado::Datos:
            if (EsCabecera(linea)) {
                abrir(linea, numero);
            } else if (SaltoDePagina(linea)) {
                LineaDeDatos(linea, numero, palabras, campos, seccion);
                estado = Estado::TrasSalto;
            } else if (!LineaVacia(linea)) {
                LineaDeDatos(linea, numero, palabras, campos, seccion);
            }
            break;
        case Estado::TrasSalto:
            // The page header: up to a "*" line, which ends the section, or a header.
            if (EsCabecera(linea)) {
                if (PkDeCabecera(linea, numero) == Pk) {
                    estado = Estado::Datos;
                } else {
                    abrir(linea, numero);
                }
            } else if (const std::string_view texto = Recortar(linea); !texto.empty() && texto[0] == '*') {
                cerrar();
                estado = Estado::BuscarCabecera;
            }
            break;
        }
    }
    cerrar();
}

bool Ispol_Seccion_Tipo(Context& ctx, WindowServices& window, const FicherosSeccion& ficheros) {
    char bloque = 'R';
    return Leer_Seccion(ctx, window, ficheros, CapaSeccion::Todas, bloque, LeerSeccionesIspol, Istram_Alzado);
}

}  // namespace design_readers
