#include "field_to_office/user_filter.h"

#include <array>

#include "common/utf8_columns.h"

namespace {

constexpr std::array<const char*, kCamposFiltro> kNombres = {
    "Número de estación", "X estación",       "Y estación",     "Z estación",          "Número de punto",
    "Ángulo horizontal",  "Ángulo vertical",  "Dist. geométrica", "Altura instrumento", "Altura del prisma",
    "Constante prisma",   "ppm",              "Código 1",       "Código 2",            "Código 3",
    "Código 4",           "Código 5",         "Coordenada X",   "Coordenada Y",        "Coordenada Z",
    "Dist. Horizontal",   "Desnivel",         "Pk",             "Distancia al Eje",    "Distancia Sección Túnel",
    "Fecha",              "Hora",
};

// The order of the editor's list of available fields.
constexpr std::array<int, kCamposFiltro> kOrdenEditor = {4,  17, 18, 19, 0,  1,  2,  3,  5,  6,  7,  20, 21, 8,
                                                         9,  10, 11, 12, 13, 14, 15, 16, 22, 23, 24, 25, 26};

constexpr std::array<const char*, 15> kFiltrosEstandar = {
    "Estandar", "Istram Estandar", "Modelo Digital", "Perfiles Clip", "Elsamex",   "Istram (EPSA)", "DXF",
    "TCP",      "Topcal",          "Brennsoft",      "InRoads",       "Vial",      "SDR",           "Calco",
    "FieldWorks",
};

constexpr char kBlancoGuardado = 126;
constexpr char kComaGuardada = 127;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The first `count` characters of a UTF-8 text.
std::string_view FirstChars(std::string_view text, std::int32_t count) {
    return Utf8::Columns(text).Mid(1, count);
}

}  // namespace

const char* CreateModifiedList(int item) {
    return item >= 0 && item < kCamposFiltro ? kNombres[static_cast<std::size_t>(item)] : nullptr;
}

int CampoDeNombre(std::string_view name) {
    for (int i = 0; i < kCamposFiltro; ++i) {
        if (name == kNombres[static_cast<std::size_t>(i)]) return i;
    }
    return -1;
}

const std::vector<std::string>& NombresDisponibles() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        for (int item : kOrdenEditor) list.emplace_back(kNombres[static_cast<std::size_t>(item)]);
        return list;
    }();
    return names;
}

bool EsFiltroEstandar(std::string_view name) {
    for (const char* standard : kFiltrosEstandar) {
        if (name == standard) return true;
    }
    return false;
}

bool EspaciosValidos(std::string_view texto) {
    const std::string_view count = Utf8::TrimBlanks(texto);
    if (count.size() > 3) return false;
    for (char c : count) {
        if (!IsDigit(c)) return false;
    }
    return true;
}

std::string BuildDefinition(const OpcionesDefinicion& o) {
    std::string definicion;
    for (int campo : o.campos) {
        definicion += std::to_string(campo);
        definicion += ',';
    }
    switch (o.separador) {
        case Separador::Tabulador: definicion += "T000"; break;
        case Separador::PuntoYComa: definicion += "PC00"; break;
        case Separador::Coma: definicion += "C000"; break;
        case Separador::Justificado: definicion += "J000"; break;
        case Separador::Espacio: {
            const std::string_view count = FirstChars(Utf8::TrimBlanks(o.espacios), 3);
            definicion += 'E';
            definicion.append(3 - count.size(), '0');
            definicion += count;
            break;
        }
        case Separador::Otro: {
            std::string chars;
            std::int32_t n = 0;
            for (char c : FirstChars(o.otro, 3)) {
                if (c == ' ') c = kBlancoGuardado;
                if (c == ',') c = kComaGuardada;
                chars += c;
            }
            n = Utf8::CharCount(chars);
            definicion += 'O';
            definicion.append(static_cast<std::size_t>(3 - n), ' ');
            definicion += chars;
            break;
        }
    }
    definicion += o.encabezamiento ? '*' : '$';
    definicion += o.comentarios ? '!' : '&';
    return definicion;
}

bool DefinicionFiltro::Justificado() const {
    return letra != 'T' && letra != 'P' && letra != 'C' && letra != 'E' && letra != 'O';
}

int DefinicionFiltro::Espacios() const {
    int count = 0;
    for (char c : caracteres) {
        if (!IsDigit(c)) break;
        count = count * 10 + (c - '0');
    }
    return count;
}

std::string DefinicionFiltro::OtroTexto() const {
    std::string text;
    for (char c : caracteres) {
        if (c == kBlancoGuardado) {
            text += ' ';
        } else if (c == kComaGuardada) {
            text += ',';
        } else if (c != ' ') {
            text += c;
        }
    }
    return text;
}

std::string DefinicionFiltro::SeparadorTexto() const {
    switch (letra) {
        case 'T': return "   ";
        case 'P': return ";";
        case 'C': return ",";
        case 'E': return std::string(static_cast<std::size_t>(Espacios()), ' ');
        case 'O': return OtroTexto();
        default: return {};
    }
}

std::optional<DefinicionFiltro> DecodeDefinition(std::string_view definicion) {
    const Utf8::Columns chars(definicion);
    const std::int32_t length = chars.Count();
    // At least one field ("n,"), the code and the two flags.
    if (length < 8) return std::nullopt;
    const std::string_view letra = chars.At(length - 5);
    if (letra.size() != 1) return std::nullopt;

    DefinicionFiltro d;
    d.letra = letra[0];
    d.caracteres = chars.Mid(length - 4, 3);
    d.encabezamiento = chars.At(length - 1) == "*";
    d.comentarios = chars.At(length) == "!";

    // Numbers, each followed by ",", and nothing else.
    const std::string_view lista = chars.Mid(1, length - 6);
    if (lista.back() != ',') return std::nullopt;
    std::size_t start = 0;
    while (start < lista.size()) {
        const std::size_t comma = lista.find(',', start);
        const std::string_view numero = Utf8::TrimBlanks(lista.substr(start, comma - start));
        if (numero.empty() || numero.size() > 3) return std::nullopt;
        int campo = 0;
        for (char c : numero) {
            if (!IsDigit(c)) return std::nullopt;
            campo = campo * 10 + (c - '0');
        }
        if (campo >= kCamposFiltro) return std::nullopt;
        d.campos.push_back(campo);
        start = comma + 1;
    }
    return d;
}
