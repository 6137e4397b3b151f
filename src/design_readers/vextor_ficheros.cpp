#include "design_readers/vextor_ficheros.h"

#include <stdexcept>

#include "common/line_input.h"
#include "common/numbers.h"
#include "common/utf8_case.h"
#include "design_readers/listing_lines.h"
#include "platform/files.h"

namespace EntryVextor {
namespace {

struct Clase {
    const char* prefijo;
    const char* registro;
};

Clase ClaseDe(FicheroVextor tipo) {
    switch (tipo) {
    case FicheroVextor::ALN: return {"ALN", "HZALIGNM"};
    case FicheroVextor::PRF: return {"PRF", "0VALIGNM"};
    case FicheroVextor::CRS: return {"CRS", "TEMPLATE"};
    case FicheroVextor::STA: return {"STA", "ASSIGNMT"};
    }
    return {"", ""};
}

// Columns desde .. desde + ancho - 1 (from 1), or what there is of them.
std::string_view Mid(std::string_view texto, int desde, int ancho) {
    return design_readers::Columnas(texto, static_cast<std::size_t>(desde), static_cast<std::size_t>(ancho));
}

}  // namespace

bool Es_Fichero(Modulo& m, const std::string& path, FicheroVextor tipo) {
    const Clase clase = ClaseDe(tipo);
    const std::string nombre = Utf8::ToUpper(path);
    if (nombre.size() < 3 || nombre.compare(nombre.size() - 3, 3, "KTW") != 0) return false;
    const std::size_t barra = platform::LastFolderSeparator(nombre);
    if (barra != std::string::npos && nombre.compare(barra + 1, 3, clase.prefijo) != 0) return false;
    LineInput input(path);
    std::string_view linea;
    if (!input.Next(linea)) return false;
    m.Ktw16Vextor = !linea.empty() && linea[0] == '*';
    m.AnchoDatoVextor = m.Ktw16Vextor ? 16 : 8;
    return Mid(linea, m.Ktw16Vextor ? 41 : 24, 8) == clase.registro;
}

int PosPalabraKTW(const Modulo& m, int n) { return m.Ktw16Vextor ? (n - 1) * 24 + 2 : (n - 1) * 16 + 1; }

std::string_view LineaVextor::Trozo(int n, int desde, int ancho) const {
    return Mid(linea_, PosPalabraKTW(m_, n) + desde - 1, ancho);
}

double LineaVextor::Numero(int n) const {
    const std::string_view texto = Trozo(n, 7, m_.AnchoDatoVextor + 1);
    try {
        return Num::Val(texto);
    } catch (const std::overflow_error&) {
        ErrorEnLinea(Errors::kDesbordamiento, numero_,
                     "el número " + std::string(design_readers::Recortar(texto)) + " es demasiado grande.");
    }
}

std::string LineaVextor::Texto(int n) const { return std::string(Trozo(n, 8, m_.AnchoDatoVextor)); }

char LineaVextor::Unidad(int n) const {
    const std::string_view u = Trozo(n, 6, 1);
    return u.empty() ? ' ' : u[0];
}

double FactorUnidad(char unidad, std::int64_t numeroLinea) {
    switch (unidad) {
    case '0':
    case '1': return 1000;
    case '6':
    case '7': return 10000;
    case '8': return 100000;
    default:
        ErrorEnLinea(Errors::kDivisionPorCero, numeroLinea,
                     std::string("el dígito de unidades «") + unidad + "» no es 0, 1, 6, 7 ni 8: división por cero.");
    }
}

void LeerLineas(const Modulo& m, const std::string& path, const std::function<void(const LineaVextor&)>& leer) {
    LineInput input(path);
    std::string_view linea;
    std::int64_t numero = 0;
    while (input.Next(linea)) {
        if (++numero == 1 || design_readers::LineaVacia(linea)) continue;
        leer(LineaVextor(m, linea, numero));
    }
}

std::string_view TipoDe(std::string_view tipo) { return tipo.size() > 8 ? tipo.substr(tipo.size() - 8) : tipo; }

void ErrorEnLinea(int numero, std::int64_t numeroLinea, const std::string& texto) {
    throw Errors::ErrorVextor(numero, design_readers::EnLinea(numeroLinea, texto));
}

}  // namespace EntryVextor
