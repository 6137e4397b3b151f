#pragma once
// The lines of a user-filter output: the comment line, the line of field names
// and one data line per observation, laid out by a definition (user_filter.h) or by
// one of the fixed layouts of points and bases files.

#include <optional>
#include <string>
#include <vector>

#include "common/buffered_output.h"
#include "field_to_office/user_filter.h"

struct UserLayout {
    std::vector<int> campos;
    bool justificado = true;
    std::string separador;  // Windows-1252 bytes between two columns
    bool encabezamiento = false;
    bool comentarios = false;

    static UserLayout From(const DefinicionFiltro& definicion);
    // Point name, X, Y, Z and code 1 of a points file; the station's coordinates in
    // place of the point's for a bases file. Right-justified, no header, no comment.
    static UserLayout Fijo(bool bases);

    // Whether station X, Y or Z is among the columns.
    bool TieneEstacion() const;
};

// The definition stored for a user filter, taken apart; refused (ConversionError
// naming the filter) when there is none or it cannot be read, before anything is
// opened or written.
DefinicionFiltro RequireDefinition(const std::string& definicion, const std::string& filtro);

// Writes the comment (when the layout asks for one and the user gave it) and the
// header, each followed by an empty line.
void WritePreamble(const UserLayout& layout, const std::optional<std::string>& comentario, BufferedOutput& out);

// Builds data lines. textOf(item, text) puts the text of field `item` into `text`.
class UserLineBuilder {
public:
    explicit UserLineBuilder(const UserLayout& layout) : layout_(layout) {}

    template <class TextOf>
    void Write(TextOf&& textOf, BufferedOutput& out) {
        line_.clear();
        bool first = true;
        for (int item : layout_.campos) {
            text_.clear();
            textOf(item, text_);
            Append(first);
            first = false;
        }
        out.WriteLine(line_);
    }

private:
    // Appends text_, cut to 20 characters and trimmed, as the next column.
    void Append(bool first);

    const UserLayout& layout_;
    std::string line_;
    std::string text_;
};

// Value rounded to the decimals of a mask ("0.000"), halves away from zero as
// Format rounds them.
double RoundToMask(double value, std::string_view mask);

// The Str form of a number, appended.
void AppendStr(std::string& text, double value);
