#include "field_writers/element_records.h"

#include "common/little_endian.h"

namespace field_writers {

std::array<char, kPlantaBytes> EncodePlanta(const TPlanta& e) {
    std::array<char, kPlantaBytes> r{};
    LittleEndian::PutInt32(&r[0], e.N);
    LittleEndian::PutDouble(&r[4], e.PK);
    LittleEndian::PutDouble(&r[12], e.X);
    LittleEndian::PutDouble(&r[20], e.Y);
    LittleEndian::PutDouble(&r[28], e.Acimut);
    LittleEndian::PutDouble(&r[36], e.Radio);
    LittleEndian::PutDouble(&r[44], e.Parametro);
    LittleEndian::PutDouble(&r[52], e.Longitud);
    return r;
}

std::array<char, kAlzadoBytes> EncodeAlzado(const TAlzado& e) {
    std::array<char, kAlzadoBytes> r{};
    LittleEndian::PutInt32(&r[0], e.N);
    LittleEndian::PutDouble(&r[4], e.PK);
    LittleEndian::PutDouble(&r[12], e.Z);
    LittleEndian::PutDouble(&r[20], e.Pendiente);
    LittleEndian::PutDouble(&r[28], e.Kv);
    LittleEndian::PutDouble(&r[36], e.Longitud);
    return r;
}

}  // namespace field_writers
