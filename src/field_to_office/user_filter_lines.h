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

// Fields 0 to 21 of an observation record (the binary and the KTW record name their
// fields alike): texts as stored, code 2 a blank when it starts with "0", numbers in
// the Str form. False for fields 22 to 26, which each record has in its own way.
template <class Record>
bool ObservationFieldText(int item, const Record& d, std::string& text) {
    switch (item) {
        case 0: text = d.Estacion; break;
        case 1: AppendStr(text, d.XEstacion); break;
        case 2: AppendStr(text, d.YEstacion); break;
        case 3: AppendStr(text, d.ZEstacion); break;
        case 4: text = d.Punto; break;
        case 5: AppendStr(text, d.Hz); break;
        case 6: AppendStr(text, d.V); break;
        case 7: AppendStr(text, d.DistGeometrica); break;
        case 8: AppendStr(text, d.AlturaInstrumento); break;
        case 9: AppendStr(text, d.AlturaPrisma); break;
        case 10: AppendStr(text, d.ConstantePrisma); break;
        case 11: AppendStr(text, d.Ppm); break;
        case 12: text = d.Codigo1; break;
        case 13: text = !d.Codigo2.empty() && d.Codigo2[0] == '0' ? std::string(" ") : d.Codigo2; break;
        case 14: text = d.Codigo3; break;
        case 15: text = d.Codigo4; break;
        case 16: text = d.Codigo5; break;
        case 17: AppendStr(text, d.X); break;
        case 18: AppendStr(text, d.Y); break;
        case 19: AppendStr(text, d.Z); break;
        case 20: AppendStr(text, d.DistHorizontal); break;
        case 21: AppendStr(text, d.Desnivel); break;
        default: return false;
    }
    return true;
}
