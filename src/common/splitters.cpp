#include "common/splitters.h"

#include <string>
#include <vector>

#include "common/utf8_columns.h"

namespace {

// The column-limited split of Separar_Campos_Blanco and Separar_Campos. The line is
// cut at the last column examined first: past that column every rule below sees the
// end of the line, so the results inside the limit are unchanged, and a line longer
// than the limit whose columns at the limit are separators cannot keep the scan going.
void SplitLimited(std::string_view line, std::string_view sep, std::int32_t lastColumn,
                  std::int32_t& N, TFields& campos) {
    const Utf8::Columns all(line);
    const std::string_view cut = all.Mid(1, lastColumn);
    const Utf8::Columns cols(cut);
    const std::int32_t stopColumn = lastColumn + 1;
    // A separator of other than one character equals no single character.
    const bool canMatch = Utf8::CharCount(sep) == 1;
    auto isSep = [&](std::int32_t column) {
        return canMatch && column <= cols.Count() && cols.At(column) == sep;
    };

    campos.assign(1, TField{});
    std::int32_t i = 0;
    for (;;) {
        ++i;
        while (isSep(i)) ++i;
        const std::int32_t start = i;
        // Past the end of the line no character is a separator, so the piece that runs
        // to the end reaches the stop column; skip straight there.
        if (i > cols.Count()) {
            i = stopColumn;
        } else {
            while (!isSep(i) && i != stopColumn) ++i;
        }
        --i;
        const std::int32_t end = i;
        campos.push_back(TField{std::string(cols.Mid(start, static_cast<std::int64_t>(end) - start + 1)),
                                start, end});
        if (i == lastColumn) break;
    }
    N = static_cast<std::int32_t>(campos.size() - 1);
}

}  // namespace

namespace GM {

void Separar_Campos_Blanco(std::string_view Linea, std::int32_t& N, TFields& Campos) {
    SplitLimited(Linea, " ", 254, N, Campos);
}

void Separar_Campos(std::string_view Linea, std::string_view Sep, std::int32_t& N, TFields& Campos) {
    SplitLimited(Linea, Sep, 799, N, Campos);
}

}  // namespace GM

namespace Strings {

void SplitString(std::string_view Texto, std::string_view Sep, std::int32_t& N, TFields& Campos,
                 bool SaltarVacios) {
    const Utf8::Columns cols(Texto);
    const std::int32_t endColumn = cols.Count() + 1;
    Campos.assign(1, TField{});
    std::int32_t count = 0;
    std::int32_t start = 1;
    for (;;) {
        std::int32_t pos = endColumn;
        if (!Sep.empty()) {
            const std::size_t found = Texto.find(Sep, cols.ByteOf(start));
            if (found != std::string_view::npos) pos = cols.ColumnOfByte(found);
        }
        if (count < N) {
            if (pos - start >= 1) {
                ++count;
                Campos.push_back(TField{std::string(cols.Mid(start, pos - start)), start, pos});
            } else if (!SaltarVacios) {
                ++count;
                Campos.push_back(TField{std::string(), start, pos});
            }
        }
        if (pos == endColumn) break;
        start = pos + 1;
    }
    N = count;
}

void SplitNegativeFields(std::int32_t& N, TFields& Campos) {
    if (Campos.size() < 2) return;
    TFields result;
    result.reserve(Campos.size() + 4);
    result.push_back(TField{});
    bool anySplit = false;
    // Every piece that was there on entry is looked at, the last ones included.
    for (std::size_t k = 1; k < Campos.size(); ++k) {
        const TField& f = Campos[k];
        const Utf8::Columns cols(f.Texto);
        std::vector<std::int32_t> cuts;  // columns of the text at which a later part starts
        for (std::int32_t p = 2; p <= cols.Count(); ++p)
            if (cols.At(p) == "-") cuts.push_back(p);
        if (cuts.empty()) {
            result.push_back(f);
            continue;
        }
        anySplit = true;
        std::int32_t from = 1;
        cuts.push_back(cols.Count() + 1);
        for (std::int32_t to : cuts) {
            // to is the column after this part's last character
            result.push_back(TField{std::string(cols.Mid(from, to - from)), f.Inicio + (from - 1),
                                    f.Inicio + (to - 2)});
            from = to;
        }
    }
    if (!anySplit) return;
    Campos = std::move(result);
    N = static_cast<std::int32_t>(Campos.size() - 1);
}

}  // namespace Strings

namespace ab_form_services {

void LeeTira(std::string_view Linea, std::int32_t& N, TFields& Campos) {
    GM::Separar_Campos_Blanco(Linea, N, Campos);
}

void LeeTira_Cartomap(std::string_view Linea, std::int32_t& N, TFields& Campos) {
    const Utf8::Columns cols(Linea);
    auto isSep = [&](std::int32_t column) {
        const std::string_view c = cols.At(column);
        return c == " " || c == "\t";
    };
    Campos.assign(1, TField{});
    std::int32_t i = 1;
    while (i <= cols.Count()) {
        while (i <= cols.Count() && isSep(i)) ++i;
        if (i > cols.Count()) break;
        const std::int32_t start = i;
        while (i <= cols.Count() && !isSep(i)) ++i;
        Campos.push_back(TField{std::string(cols.Mid(start, i - start)), start, i - 1});
    }
    N = static_cast<std::int32_t>(Campos.size() - 1);
}

}  // namespace ab_form_services
