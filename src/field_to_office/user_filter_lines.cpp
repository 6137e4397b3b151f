#include "field_to_office/user_filter_lines.h"

#include "common/cp1252.h"
#include "common/errors.h"
#include "common/numbers.h"

namespace {

constexpr std::size_t kAnchoTexto = 20;
constexpr std::size_t kAnchoColumna = 21;

}  // namespace

UserLayout UserLayout::From(const DefinicionFiltro& definicion) {
    UserLayout layout;
    layout.campos = definicion.campos;
    layout.justificado = definicion.Justificado();
    if (!layout.justificado) layout.separador = Cp1252::FromUtf8(definicion.SeparadorTexto());
    layout.encabezamiento = definicion.encabezamiento;
    layout.comentarios = definicion.comentarios;
    return layout;
}

UserLayout UserLayout::Fijo(bool bases) {
    UserLayout layout;
    layout.campos = bases ? std::vector<int>{4, 1, 2, 3, 12} : std::vector<int>{4, 17, 18, 19, 12};
    return layout;
}

bool UserLayout::TieneEstacion() const {
    for (int campo : campos) {
        if (campo >= 1 && campo <= 3) return true;
    }
    return false;
}

DefinicionFiltro RequireDefinition(const std::string& definicion, const std::string& filtro) {
    if (definicion.empty()) {
        throw ConversionError("El filtro de usuario " + filtro + " no tiene ninguna definición guardada.");
    }
    auto decoded = DecodeDefinition(definicion);
    if (!decoded) {
        throw ConversionError("La definición guardada del filtro de usuario " + filtro +
                              " está incompleta o dañada. Bórrelo y créelo de nuevo.");
    }
    return std::move(*decoded);
}

void WritePreamble(const UserLayout& layout, const std::optional<std::string>& comentario, BufferedOutput& out) {
    if (layout.comentarios && comentario) {
        out.WriteLine(Cp1252::FromUtf8(*comentario));
        out.WriteLine({});
    }
    if (!layout.encabezamiento) return;
    std::string header;
    for (int campo : layout.campos) {
        const std::string name = Cp1252::FromUtf8(CreateModifiedList(campo));
        header += ' ';
        if (layout.justificado) {
            if (name.size() < kAnchoTexto) header.append(kAnchoTexto - name.size(), ' ');
            header += name;
        } else {
            header += name;
            header += layout.separador;
        }
    }
    out.WriteLine(header);
    out.WriteLine({});
}

void UserLineBuilder::Append(bool first) {
    std::string_view text(text_);
    text = text.substr(0, kAnchoTexto);
    const std::size_t start = text.find_first_not_of(' ');
    text = start == std::string_view::npos ? std::string_view{} : text.substr(start, text.find_last_not_of(' ') - start + 1);
    if (layout_.justificado) {
        line_.append(kAnchoColumna - text.size(), ' ');
    } else if (!first) {
        line_ += layout_.separador;
    }
    line_ += text;
}

double RoundToMask(double value, std::string_view mask) {
    char buffer[Num::kPlainFormatBytes];
    const std::size_t n = Num::FormatPlain(value, mask, '.', buffer);
    if (n == 0) return Num::Val(Num::Format(value, mask, '.'));
    return Num::Val(std::string_view(buffer, n));
}

void AppendStr(std::string& text, double value) { text += Num::Str(value); }
