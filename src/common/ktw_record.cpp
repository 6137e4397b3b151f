// Decoding a whole KTW line into the measurement record.

#include "common/ktw_record.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "common/ktw_word.h"
#include "common/numbers.h"
#include "common/utf8_columns.h"

namespace Strings {
namespace {

constexpr std::int32_t kTextLength = 16;

// Cut at 16 characters and padded with blanks to 16; assign and append stay within
// the field's own storage, so a record reused line after line allocates nothing.
void SetText(std::string& field, std::string_view text) {
    const Utf8::Columns columns(text);
    const std::int32_t kept = std::min<std::int32_t>(columns.Count(), kTextLength);
    field.assign(columns.Mid(1, kTextLength));
    field.append(static_cast<std::size_t>(kTextLength - kept), ' ');
}

// length / width rounded to the nearest whole number, halves to the even one, so a
// last word that lacks its closing blank still counts when more than half of it is
// there.
std::int32_t WordCount(std::int32_t length, std::int32_t width) {
    const std::int32_t whole = length / width;
    const std::int32_t rest = length % width;
    if (2 * rest > width) return whole + 1;
    if (2 * rest == width && whole % 2 == 1) return whole + 1;
    return whole;
}

int WordIndex(std::string_view word) {
    const std::string_view head = word.substr(0, 2);
    if (head.size() == 2 && head[0] >= '0' && head[0] <= '9' && head[1] >= '0' && head[1] <= '9') {
        return (head[0] - '0') * 10 + (head[1] - '0');
    }
    // Anything but two digits can only give an index the record has no field for;
    // it is still read the way Val reads it.
    return static_cast<int>(Num::RoundHalfEven(Num::Val(head)));
}

std::string* CodeField(TKTWRecord& r, int n) {
    switch (n) {
        case 1: return &r.Codigo1;
        case 2: return &r.Codigo2;
        case 3: return &r.Codigo3;
        case 4: return &r.Codigo4;
        case 5: return &r.Codigo5;
        case 6: return &r.Codigo6;
        case 7: return &r.Codigo7;
        case 8: return &r.Codigo8;
        case 9: return &r.Codigo9;
        default: return nullptr;
    }
}

std::string* TextField(TKTWRecord& r, int wi) {
    if (wi == 11) return &r.Punto;
    if (wi >= 41 && wi <= 49) return CodeField(r, wi - 40);
    if (wi >= 71 && wi <= 79) return CodeField(r, wi - 70);
    return nullptr;
}

double* NumberField(TKTWRecord& r, int wi) {
    switch (wi) {
        case 21: return &r.Hz;
        case 22: return &r.V;
        case 31: return &r.DistGeometrica;
        case 32: return &r.DistHorizontal;
        case 33: return &r.Desnivel;
        case 81: return &r.X;
        case 82: return &r.Y;
        case 83: return &r.Z;
        case 84: return &r.XEstacion;
        case 85: return &r.YEstacion;
        case 86: return &r.ZEstacion;
        case 87: return &r.AlturaPrisma;
        case 88: return &r.AlturaInstrumento;
        default: return nullptr;
    }
}

void StoreWord(TKTWRecord& r, std::string_view word, int wi, bool wide) {
    std::string* text = TextField(r, wi);
    double* number = text == nullptr ? NumberField(r, wi) : nullptr;
    if (text == nullptr && number == nullptr) return;

    const KTWValue value = KTWWordValue(word, wi, wide);
    if (text != nullptr) {
        // Every WI with a text field is a text word, so the value is a text.
        const auto* s = std::get_if<std::string_view>(&value);
        SetText(*text, s != nullptr ? *s : std::string_view{});
    } else {
        const auto* d = std::get_if<double>(&value);
        *number = d != nullptr ? *d : 0.0;
    }
    if (wi == 84) {
        r.HayEstacion = true;
        r.Estacion = r.Punto;
    } else if (wi == 87) {
        r.HayAlturaPrisma = true;
    } else if (wi == 88) {
        r.HayAlturaInstrumento = true;
    }
}

void DeriveDistances(TKTWRecord& r) {
    if (r.DistGeometrica == 0 && r.DistHorizontal != 0) {
        const double sinV = std::sin(r.V);
        r.DistGeometrica = (r.V != 0 && sinV != 0) ? r.DistHorizontal / sinV : r.DistHorizontal;
    } else if (r.DistGeometrica != 0 && r.DistHorizontal == 0) {
        r.DistHorizontal = std::sin(r.V) * r.DistGeometrica;
    }
    if (r.Desnivel == 0) r.Desnivel = std::cos(r.V) * r.DistGeometrica;
}

}  // namespace

void ClearKTWRecord(TKTWRecord& r) {
    r.HayEstacion = false;
    r.HayAlturaInstrumento = false;
    r.HayAlturaPrisma = false;
    for (std::string* s : {&r.Estacion, &r.Punto, &r.Codigo1, &r.Codigo2, &r.Codigo3, &r.Codigo4,
                           &r.Codigo5, &r.Codigo6, &r.Codigo7, &r.Codigo8, &r.Codigo9}) {
        s->assign(kTextLength, ' ');
    }
    r.XEstacion = r.YEstacion = r.ZEstacion = 0;
    r.Hz = r.V = r.DistGeometrica = r.AlturaInstrumento = r.AlturaPrisma = 0;
    r.X = r.Y = r.Z = r.Desnivel = r.DistHorizontal = 0;
}

void ParseKTWLine(std::string_view line, TKTWRecord& record) {
    ClearKTWRecord(record);
    if (line.empty() || line.front() == ' ') return;

    // Columns count characters (a name read as UTF-8 takes one column a letter).
    const Utf8::Columns columns(line);
    const bool wide = line.front() == '*';
    const std::int32_t width = wide ? KTWWideWidth : KTWNarrowWidth;
    const std::int32_t first = wide ? 2 : 1;
    const std::int32_t count = WordCount(columns.Count() - (first - 1), width);

    for (std::int32_t k = 0, start = first; k < count && start <= columns.Count();
         ++k, start += width) {
        const std::string_view word = columns.Mid(start, width);
        StoreWord(record, word, WordIndex(word), wide);
    }
    DeriveDistances(record);
}

}  // namespace Strings
