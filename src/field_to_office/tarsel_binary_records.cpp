#include "field_to_office/tarsel_binary_records.h"

#include <algorithm>
#include <cstring>

#include "common/little_endian.h"

namespace {

// Copied in place: the text keeps its storage from record to record.
inline void Text(const unsigned char* bytes, std::size_t offset, std::string& text) {
    if (text.size() != kTextoBINBytes) text.resize(kTextoBINBytes);
    std::memcpy(text.data(), bytes + offset, kTextoBINBytes);
}

double Dbl(const unsigned char* bytes, std::size_t offset) { return LittleEndian::Double(bytes + offset); }

}  // namespace

double RadianesAGrados(double radianes) { return radianes * (200.0 / 3.14159265359); }

void DecodeDatoCampoBIN(const unsigned char* b, TDatoCampoBIN& r) {
    Text(b, 0, r.Estacion);
    r.XEstacion = Dbl(b, 10);
    r.YEstacion = Dbl(b, 18);
    r.ZEstacion = Dbl(b, 26);
    Text(b, 34, r.Punto);
    r.Hz = RadianesAGrados(Dbl(b, 44));
    r.ZenitRadianes = Dbl(b, 52);
    r.V = RadianesAGrados(r.ZenitRadianes);
    r.DistGeometrica = Dbl(b, 60);
    r.AlturaInstrumento = Dbl(b, 68);
    r.AlturaPrisma = Dbl(b, 76);
    r.ConstantePrisma = LittleEndian::Int32(b + 84);
    r.Ppm = LittleEndian::Int32(b + 88);
    Text(b, 92, r.Codigo1);
    Text(b, 102, r.Codigo2);
    Text(b, 112, r.Codigo3);
    Text(b, 122, r.Codigo4);
    Text(b, 132, r.Codigo5);
    r.X = Dbl(b, 142);
    r.Y = Dbl(b, 150);
    r.Z = Dbl(b, 158);
    // Worked out by the one writer that shows them, from its rounded values; a sine
    // per record here would be most of the decoding's time.
    r.DistHorizontal = 0;
    r.Desnivel = 0;
}

void DecodeDatoAnalisisBIN(const unsigned char* b, TDatoAnalisisBIN& r) {
    Text(b, 0, r.Nombre);
    r.Valor1 = Dbl(b, 10);
    r.Valor2 = Dbl(b, 18);
    r.X = Dbl(b, 26);
    r.Y = Dbl(b, 34);
    r.Z = Dbl(b, 42);
    Text(b, 50, r.Codigo);
}

void DecodePuntoBase(const unsigned char* b, TPuntoBase& r) {
    Text(b, 0, r.Nombre);
    r.X = Dbl(b, 10);
    r.Y = Dbl(b, 18);
    r.Z = Dbl(b, 26);
}

void AddSpacesToString(std::string& s) {
    const std::size_t n = std::min(s.size(), kTextoBINBytes);
    std::replace(s.begin(), s.begin() + static_cast<std::ptrdiff_t>(n), '\0', ' ');
}
