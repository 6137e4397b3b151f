#include "office_to_field/ab_records.h"

#include <algorithm>
#include <cstring>

#include "common/little_endian.h"
#include "common/small_copy.h"

namespace office_to_field {

void EncodePuntoBase(const TPuntoBase& r, char* b) {
    const std::size_t n = std::min(r.Nombre.size(), kTextoBINBytes);
    std::memset(b, ' ', kTextoBINBytes);
    CopySmall(b, r.Nombre.data(), n);
    LittleEndian::PutDouble(b + 10, r.X);
    LittleEndian::PutDouble(b + 18, r.Y);
    LittleEndian::PutDouble(b + 26, r.Z);
}

void EncodeSeccionExcavacion(const TSeccionExcavacion& r, char* b) {
    LittleEndian::PutInt32(b, r.Numero);
    LittleEndian::PutDouble(b + 4, r.Valor2);
    LittleEndian::PutDouble(b + 12, r.Valor3);
}

}  // namespace office_to_field
