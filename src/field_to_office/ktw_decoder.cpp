#include "field_to_office/ktw_decoder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "common/eight_digits.h"
#include "common/numbers.h"

// Most of the work of converting a KTW file is reading its words, eight million of
// them in a file of a million lines: a word is read through fixed offsets, eight
// characters at a time, with one test for the usual case (a sign and digits alone)
// and the general reading only for the rest.

namespace {

constexpr std::size_t kNarrowWidth = 16;
constexpr std::size_t kWideWidth = 24;

using EightDigits::NotDigits;

std::uint64_t Load8(const char* p) { return EightDigits::Load(p); }

// N (8 or 16) characters, when all are digits, as sixteen digit characters in the
// words of Num::FixedPoint (eight "0"s before eight characters) and as a whole number.
template <std::size_t N>
[[gnu::always_inline]] inline bool DataDigits(const char* p, std::uint64_t& high, std::uint64_t& low, std::uint64_t& number) {
    static_assert(N == 8 || N == 16);
    if constexpr (N == 8) {
        high = Num::FixedPoint::kZeros;
        low = Load8(p);
        if (NotDigits(low) != 0) return false;
        number = EightDigits::Value(low);
    } else {
        high = Load8(p);
        low = Load8(p + 8);
        if ((NotDigits(high) | NotDigits(low)) != 0) return false;
        number = EightDigits::Value(high) * 100000000ULL + EightDigits::Value(low);
    }
    return true;
}


// The data (N characters) without its leading zeros; data of zeros alone gives "0".
template <std::size_t N>
std::string_view DataText(const char* p) {
    std::size_t zeros = N - 1;
    const std::uint64_t head = Load8(p) ^ 0x3030303030303030ULL;
    if (head != 0) {
        zeros = static_cast<std::size_t>(std::countr_zero(head)) / 8;
    } else if constexpr (N == 16) {
        const std::uint64_t tail = Load8(p + 8) ^ 0x3030303030303030ULL;
        if (tail != 0) zeros = 8 + static_cast<std::size_t>(std::countr_zero(tail)) / 8;
    }
    return {p + zeros, N - zeros};
}

// The digits as a whole number; false when a character is not a digit. At most
// 18 digits, so that the number stays exact.
bool WholeDigits(std::string_view digits, std::int64_t& number) {
    number = 0;
    if (digits.size() > 18) return false;
    for (char c : digits) {
        if (c < '0' || c > '9') return false;
        number = number * 10 + (c - '0');
    }
    return true;
}

// Angles are written in gon as digits: the whole part, then four decimals, then
// one digit that is not used. The sign and the unit digit do not take part.
// `units`: the ten-thousandths when the data is digits alone.
template <std::size_t N>
[[gnu::always_inline]] inline double DataAngle(const char* p, Num::FixedPoint& units) {
    std::uint64_t high = 0;
    std::uint64_t low = 0;
    std::uint64_t digits = 0;
    if (DataDigits<N>(p, high, low, digits)) [[likely]] {
        // The digits without the last: one character further on, a "0" first.
        units = {high << 8 | 0x30, low << 8 | high >> 56, 4, false};
        // One correctly rounded division: the same double as reading "whole.dddd".
        return static_cast<double>(static_cast<std::int64_t>(digits / 10)) / 10000.0;
    }
    units = {};
    const std::string_view data(p, N);
    constexpr std::size_t wholeDigits = N - 5;
    std::int64_t tenThousandths = 0;
    if (WholeDigits(data.substr(0, wholeDigits + 4), tenThousandths)) {
        return static_cast<double>(tenThousandths) / 10000.0;
    }
    std::array<char, 24> text{};
    std::size_t n = 0;
    for (char c : data.substr(0, wholeDigits)) text[n++] = c;
    text[n++] = '.';
    for (char c : data.substr(wholeDigits, 4)) text[n++] = c;
    return Num::Val(std::string_view(text.data(), n));
}

// The sign (at p) and the N data characters after it read as one decimal number.
// `units`, when given: the number of units of `places` decimals it stands for, when
// the data is digits alone.
template <std::size_t N>
[[gnu::always_inline]] inline double SignedValue(const char* p, Num::FixedPoint* units = nullptr, std::int32_t places = -1) {
    std::uint64_t high = 0;
    std::uint64_t low = 0;
    std::uint64_t number = 0;
    const char sign = p[0];
    if ((sign == '+' || sign == '-') && DataDigits<N>(p + 1, high, low, number)) [[likely]] {
        if (units != nullptr) *units = {high, low, places, sign == '-'};
        // Digits alone: converting the whole number rounds as reading its text does.
        if (number == 0) return 0.0;
        const auto value = static_cast<double>(static_cast<std::int64_t>(number));
        return sign == '-' ? -value : value;
    }
    if (units != nullptr) *units = {};
    return Num::Val(std::string_view(p, N + 1));
}

// Whether the sign (at p) and the N data characters after it are a sign and digits alone.
template <std::size_t N>
bool PlainSignedValue(const char* p) {
    if (p[0] != '+' && p[0] != '-') return false;
    if constexpr (N == 8) return NotDigits(Load8(p + 1)) == 0;
    return (NotDigits(Load8(p + 1)) | NotDigits(Load8(p + 9))) == 0;
}

// Divisor and Format mask of a length word's unit digit, by the digit "0" to "9".
// Feet are not converted: "1" and "7" read like "0" and "6"; the other digits
// have no unit (divisor 0).
struct Unit {
    std::int32_t divisor;
    std::int32_t places;  // of the divisor
    std::string_view mask;
};
constexpr std::array<Unit, 10> kUnits = {{{1000, 3, "0.000"},
                                          {1000, 3, "0.000"},
                                          {0, -1, {}},
                                          {0, -1, {}},
                                          {0, -1, {}},
                                          {0, -1, {}},
                                          {10000, 4, "0.0000"},
                                          {10000, 4, "0.0000"},
                                          {100000, 5, "0.00000"},
                                          {0, -1, {}}}};

// Sets divisor and mask from a length word's unit digit. An unknown digit keeps
// what an earlier word set; before any known digit it means millimetres, so that
// the value is defined.
void TakeUnit(char digit, KTWDecoderState& state) {
    // The digit of the word before, usually: it has set what it sets.
    const int code = static_cast<unsigned char>(digit);
    if (code == state.DigitoUnidad) return;
    state.DigitoUnidad = code;
    const auto index = static_cast<unsigned char>(digit - '0');
    const Unit* unit = index < kUnits.size() && kUnits[index].divisor != 0 ? &kUnits[index] : nullptr;
    if (unit == nullptr) {
        if (state.DivisorUnidad != 0) return;
        unit = &kUnits[0];
    }
    if (state.DivisorUnidad == unit->divisor) return;  // the same unit as the word before
    state.DivisorUnidad = unit->divisor;
    state.DecimalesUnidad = unit->places;
    state.MascaraUnidad = unit->mask;
}

// The user-filter mask from a word's unit digit; an unknown digit keeps it.
void TakeUserMask(char digit, KTWDecoderState& state) {
    const auto index = static_cast<unsigned char>(digit - '0');
    if (index < kUnits.size() && kUnits[index].divisor != 0) state.MascaraUsuario = kUnits[index].mask;
}

// Words 76 to 78: -1 means "no value"; otherwise thousandths.
double ThousandthsOrNone(double value) { return value == -1.0 ? 0.0 : value / 1000.0; }

void ResetLineFields(TDatoCampo& d, KTWDecoderState::EnUnidades& units) {
    if (d.Punto.size() == kLongitudNombre) {
        std::memset(d.Punto.data(), ' ', kLongitudNombre);
    } else {
        d.Punto.assign(kLongitudNombre, ' ');
    }
    d.Hz = d.V = d.DistGeometrica = 0;
    d.AlturaInstrumento = d.AlturaPrisma = 0;
    d.ConstantePrisma = d.Ppm = 0;
    d.X = d.Y = d.Z = 0;
    d.Desnivel = d.DistHorizontal = 0;
    // The zeros above, known.
    // Each from the constant: copied from one another, the compiler would read back
    // what it has just stored.
    constexpr Num::FixedPoint zero{Num::FixedPoint::kZeros, Num::FixedPoint::kZeros, 0, false};
    units.Hz = zero;
    units.V = zero;
    units.DistGeometrica = zero;
    units.AlturaInstrumento = zero;
    units.AlturaPrisma = zero;
}

// One whole word at w with N (8 or 16) data characters: the word index at w, the
// unit digit at w + 5, the sign at w + 6, the data from w + 7.
template <std::size_t N>
void DecodeWord(const char* w, KTWDecoderState& state) {
    const char w0 = w[0];
    const char w1 = w[1];
    if (w0 < '0' || w0 > '9' || w1 < '0' || w1 > '9') return;
    const int wi = (w0 - '0') * 10 + (w1 - '0');
    const char* data = w + 7;
    TDatoCampo& d = state.DatoCampo;
    // Length and coordinate words are read in the unit of their digit; chainage
    // and offsets always in thousandths.
    double* metres = nullptr;
    double* thousandths = nullptr;
    Num::FixedPoint* units = nullptr;

    switch (wi) {
        case 11:
            SetFixedText(d.Punto, DataText<N>(data), kLongitudNombre);
            return;
        case 41:
            SetFixedText(d.Codigo1, DataText<N>(data), kLongitudCodigo);
            state.LineaCodigo = true;
            return;
        case 42:
            SetFixedText(d.Codigo2, DataText<N>(data), kLongitudCodigo);
            return;
        case 43:
            SetFixedText(d.Codigo3, DataText<N>(data), kLongitudCodigo);
            return;
        case 44:
            SetFixedText(d.Codigo4, DataText<N>(data), kLongitudCodigo);
            return;
        case 45:
            SetFixedText(d.Codigo5, DataText<N>(data), kLongitudCodigo);
            return;
        case 71:
            state.Observacion.assign(DataText<N>(data));
            return;
        case 58:
        case 59:
            // The prism constant and ppm: only their unit digit counts.
            TakeUserMask(w[5], state);
            return;
        case 21:
            d.Hz = DataAngle<N>(data, state.Unidades.Hz);
            return;
        case 22:
            d.V = DataAngle<N>(data, state.Unidades.V);
            return;
        case 31:
            metres = &d.DistGeometrica;
            units = &state.Unidades.DistGeometrica;
            break;
        case 32: metres = &d.DistHorizontal; break;
        case 33: metres = &d.Desnivel; break;
        case 76: thousandths = &state.DistanciaTunel; break;
        case 77: thousandths = &state.Pk; break;
        case 78: thousandths = &state.DistanciaEje; break;
        case 81: metres = &d.X; break;
        case 82: metres = &d.Y; break;
        case 83: metres = &d.Z; break;
        case 84: metres = &d.XEstacion; break;
        case 85: metres = &d.YEstacion; break;
        case 86: metres = &d.ZEstacion; break;
        case 87:
            metres = &d.AlturaPrisma;
            units = &state.Unidades.AlturaPrisma;
            break;
        case 88:
            metres = &d.AlturaInstrumento;
            units = &state.Unidades.AlturaInstrumento;
            break;
        default: return;  // 46, 51, 72-75 and the rest carry nothing this reader keeps
    }
    if (wi >= 76 && wi <= 86) TakeUserMask(w[5], state);  // not 31 to 33, 87, 88
    TakeUnit(w[5], state);
    if (!state.Valores.test(static_cast<std::size_t>(wi)) && PlainSignedValue<N>(w + 6)) {
        // Not written by this conversion: a number of digits alone cannot fail.
    } else if (thousandths != nullptr) {
        *thousandths = ThousandthsOrNone(SignedValue<N>(w + 6));
        return;
    } else {
        *metres = SignedValue<N>(w + 6, units, state.DecimalesUnidad) / state.DivisorUnidad;
    }
    if (wi == 84) {
        d.Estacion = d.Punto;
        state.NuevaEstacion = true;
    }
}

// The whole words of Width columns from `first` on.
template <std::size_t Width>
void DecodeWords(const char* first, std::size_t words, KTWDecoderState& state) {
    for (std::size_t i = 0; i < words; ++i) DecodeWord<Width - 8>(first + i * Width, state);
}

}  // namespace

void StartKTWConversion(KTWDecoderState& state) {
    TDatoCampo& d = state.DatoCampo;
    d = TDatoCampo{};
    SetFixedText(d.Codigo1, "0", kLongitudCodigo);
    SetFixedText(d.Codigo2, "0", kLongitudCodigo);
    SetFixedText(d.Codigo3, "0", kLongitudCodigo);
    state.DivisorUnidad = 0;
    state.DecimalesUnidad = -1;
    state.DigitoUnidad = -1;
    state.MascaraUnidad = {};
    state.MascaraUsuario = {};
    state.Pk = state.DistanciaEje = state.DistanciaTunel = 0;
    state.NuevaEstacion = false;
    state.LineaCodigo = false;
    state.Observacion.clear();
}

bool DecodeKTWLine(std::string_view line, KTWDecoderState& state) {
    ResetLineFields(state.DatoCampo, state.Unidades);
    if (line.empty() || line[0] == ' ') return false;

    if (line[0] == '*') {
        DecodeWords<kWideWidth>(line.data() + 1, (line.size() - 1) / kWideWidth, state);
    } else {
        DecodeWords<kNarrowWidth>(line.data(), line.size() / kNarrowWidth, state);
    }

    const bool write = !IsBlankText(state.DatoCampo.Punto) && !state.LineaCodigo;
    state.LineaCodigo = false;
    return write;
}
