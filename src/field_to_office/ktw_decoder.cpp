#include "field_to_office/ktw_decoder.h"

#include <array>
#include <cstddef>
#include <cstdint>

#include "common/numbers.h"

namespace {

constexpr std::size_t kNarrowWidth = 16;
constexpr std::size_t kWideWidth = 24;

// The data without its leading zeros; data of zeros alone gives "0".
std::string_view DataText(std::string_view data) {
    std::size_t first = data.find_first_not_of('0');
    if (first == std::string_view::npos) return data.empty() ? data : data.substr(data.size() - 1);
    return data.substr(first);
}

// Eight characters as a number when all are digits: the eight digit values are
// checked and combined in one 64-bit word (bytes in file order, the first the
// most significant), which is most of the work of reading a KTW file.
bool EightDigits(const char* p, std::uint64_t& number) {
    // The first character in the lowest byte, whatever the machine's byte order
    // (a little-endian machine makes this one load).
    const auto byte = [p](int i) { return static_cast<std::uint64_t>(static_cast<unsigned char>(p[i])); };
    std::uint64_t x = byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24 | byte(4) << 32 | byte(5) << 40 |
                      byte(6) << 48 | byte(7) << 56;
    // Every byte 0x30-0x39: high nibble 3, and adding 6 keeps it below 0x40.
    const std::uint64_t high = x & 0xF0F0F0F0F0F0F0F0ULL;
    const std::uint64_t carried = ((x + 0x0606060606060606ULL) & 0xF0F0F0F0F0F0F0F0ULL) >> 4;
    if ((high | carried) != 0x3333333333333333ULL) return false;
    x -= 0x3030303030303030ULL;
    x = x * 10 + (x >> 8);  // pairs of digits
    x = (((x & 0x000000FF000000FFULL) * (100 + (1000000ULL << 32))) +
         (((x >> 16) & 0x000000FF000000FFULL) * (1 + (10000ULL << 32)))) >>
        32;
    number = x;
    return true;
}

// The digits as a whole number; false when a character is not a digit. At most
// 18 digits, so that the number stays exact.
bool WholeDigits(std::string_view digits, std::int64_t& number) {
    std::uint64_t high = 0;
    std::uint64_t low = 0;
    if (digits.size() == 8 && EightDigits(digits.data(), low)) {
        number = static_cast<std::int64_t>(low);
        return true;
    }
    if (digits.size() == 16 && EightDigits(digits.data(), high) && EightDigits(digits.data() + 8, low)) {
        number = static_cast<std::int64_t>(high * 100000000ULL + low);
        return true;
    }
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
double DataAngle(std::string_view data) {
    const std::size_t wholeDigits = data.size() - 5;
    std::int64_t digits = 0;
    if (WholeDigits(data, digits)) {
        // One correctly rounded division: the same double as reading "whole.dddd".
        return static_cast<double>(digits / 10) / 10000.0;
    }
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

// The sign and the data read as one decimal number.
double SignedValue(std::string_view signedData) {
    std::int64_t number = 0;
    const char sign = signedData[0];
    if ((sign == '+' || sign == '-') && WholeDigits(signedData.substr(1), number)) {
        // Digits alone: converting the whole number rounds as reading its text does.
        if (number == 0) return 0.0;
        const auto value = static_cast<double>(number);
        return sign == '-' ? -value : value;
    }
    return Num::Val(signedData);
}

void SetUnit(KTWDecoderState& state, std::int32_t divisor, const char* mask) {
    if (state.DivisorUnidad == divisor) return;  // the same unit as the word before
    state.DivisorUnidad = divisor;
    state.MascaraUnidad = mask;
}

// Sets divisor and mask from a length word's unit digit. Feet are not converted:
// "1" and "7" read like "0" and "6". An unknown digit keeps what an earlier word
// set; before any known digit it means millimetres, so that the value is defined.
void TakeUnit(char digit, KTWDecoderState& state) {
    switch (digit) {
        case '0':
        case '1':
            SetUnit(state, 1000, "0.000");
            break;
        case '6':
        case '7':
            SetUnit(state, 10000, "0.0000");
            break;
        case '8':
            SetUnit(state, 100000, "0.00000");
            break;
        default:
            if (state.DivisorUnidad == 0) SetUnit(state, 1000, "0.000");
            break;
    }
}

// Words 76 to 78: -1 means "no value"; otherwise thousandths.
double ThousandthsOrNone(double value) { return value == -1.0 ? 0.0 : value / 1000.0; }

void ResetLineFields(TDatoCampo& d) {
    d.Punto.assign(kLongitudNombre, ' ');
    d.Hz = d.V = d.DistGeometrica = 0;
    d.AlturaInstrumento = d.AlturaPrisma = 0;
    d.ConstantePrisma = d.Ppm = 0;
    d.X = d.Y = d.Z = 0;
    d.Desnivel = d.DistHorizontal = 0;
}

void DecodeWord(std::string_view word, std::size_t dataLength, KTWDecoderState& state) {
    const char w0 = word[0];
    const char w1 = word[1];
    if (w0 < '0' || w0 > '9' || w1 < '0' || w1 > '9') return;
    const int wi = (w0 - '0') * 10 + (w1 - '0');
    const char unit = word[5];
    const std::string_view data = word.substr(7, dataLength);
    const std::string_view signedData = word.substr(6, dataLength + 1);
    TDatoCampo& d = state.DatoCampo;

    switch (wi) {
        case 11:
            SetFixedText(d.Punto, DataText(data), kLongitudNombre);
            return;
        case 41:
            SetFixedText(d.Codigo1, DataText(data), kLongitudCodigo);
            state.LineaCodigo = true;
            return;
        case 42:
            SetFixedText(d.Codigo2, DataText(data), kLongitudCodigo);
            return;
        case 43:
            SetFixedText(d.Codigo3, DataText(data), kLongitudCodigo);
            return;
        case 44:
            SetFixedText(d.Codigo4, DataText(data), kLongitudCodigo);
            return;
        case 45:
            SetFixedText(d.Codigo5, DataText(data), kLongitudCodigo);
            return;
        case 71:
            state.Observacion.assign(DataText(data));
            return;
        case 21:
            d.Hz = DataAngle(data);
            return;
        case 22:
            d.V = DataAngle(data);
            return;
        case 31: case 32: case 33:
        case 76: case 77: case 78:
        case 81: case 82: case 83: case 84: case 85: case 86: case 87: case 88:
            break;
        default:
            return;  // 46, 51, 72-75 and the rest carry nothing this reader keeps
    }

    TakeUnit(unit, state);
    const double value = SignedValue(signedData);
    const double metres = value / state.DivisorUnidad;
    switch (wi) {
        case 31: d.DistGeometrica = metres; break;
        case 32: d.DistHorizontal = metres; break;
        case 33: d.Desnivel = metres; break;
        case 76: state.DistanciaTunel = ThousandthsOrNone(value); break;
        case 77: state.Pk = ThousandthsOrNone(value); break;
        case 78: state.DistanciaEje = ThousandthsOrNone(value); break;
        case 81: d.X = metres; break;
        case 82: d.Y = metres; break;
        case 83: d.Z = metres; break;
        case 84:
            d.XEstacion = metres;
            d.Estacion = d.Punto;
            state.NuevaEstacion = true;
            break;
        case 85: d.YEstacion = metres; break;
        case 86: d.ZEstacion = metres; break;
        case 87: d.AlturaPrisma = metres; break;
        case 88: d.AlturaInstrumento = metres; break;
        default: break;
    }
}

}  // namespace

void StartKTWConversion(KTWDecoderState& state) {
    TDatoCampo& d = state.DatoCampo;
    d = TDatoCampo{};
    SetFixedText(d.Codigo1, "0", kLongitudCodigo);
    SetFixedText(d.Codigo2, "0", kLongitudCodigo);
    SetFixedText(d.Codigo3, "0", kLongitudCodigo);
    state.DivisorUnidad = 0;
    state.MascaraUnidad.clear();
    state.Pk = state.DistanciaEje = state.DistanciaTunel = 0;
    state.NuevaEstacion = false;
    state.LineaCodigo = false;
    state.Observacion.clear();
}

bool DecodeKTWLine(std::string_view line, KTWDecoderState& state) {
    ResetLineFields(state.DatoCampo);
    if (line.empty() || line[0] == ' ') return false;

    std::size_t width = kNarrowWidth;
    std::size_t start = 0;
    std::size_t words = line.size() / kNarrowWidth;
    if (line[0] == '*') {
        width = kWideWidth;
        start = 1;
        words = (line.size() - 1) / kWideWidth;
    }
    const std::size_t dataLength = width - 8;
    for (std::size_t i = 0; i < words; ++i) {
        DecodeWord(line.substr(start + i * width, width), dataLength, state);
    }

    const bool write = !IsBlankText(state.DatoCampo.Punto) && !state.LineaCodigo;
    state.LineaCodigo = false;
    return write;
}
