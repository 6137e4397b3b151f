// Writing the .MDT file.

#include <limits>

#include "common/buffered_output.h"
#include "common/errors.h"
#include "common/little_endian.h"
#include "design_readers/dxf_mdt.h"

namespace EntryDxf {

namespace {

constexpr std::int64_t kHeaderBytes = 24;
constexpr std::int64_t kPointBytes = 32;
constexpr std::int64_t kTriangleBytes = 16;

std::int32_t Count(std::size_t size) { return static_cast<std::int32_t>(size) - 1; }

}  // namespace

bool CabeEnMDT(std::int64_t np, std::int64_t nt) {
    // The incidence table starts last; its count, 3 NT, is smaller than its position.
    return np >= 0 && nt >= 0 &&
           kHeaderBytes + 1 + kPointBytes * np + kTriangleBytes * nt <= std::numeric_limits<std::int32_t>::max();
}

void WriteMDTFile(const std::string& FicheroSalida, const Puntos& puntos, const Triangulos& triangulos,
                  const Incidencias& incidencias) {
    const std::int32_t np = Count(puntos.size());
    const std::int32_t nt = Count(triangulos.size());
    const std::int32_t nl = Count(incidencias.size());
    if (!CabeEnMDT(np, nt)) throw ConversionError("El modelo no cabe en un fichero MDT: " + FicheroSalida);

    BufferedOutput out(FicheroSalida);
    char record[kPointBytes];
    char* at = record;
    const std::int32_t puntosEn = kHeaderBytes + 1;
    const std::int32_t triangulosEn = puntosEn + static_cast<std::int32_t>(kPointBytes) * np;
    const std::int32_t incidenciasEn = triangulosEn + static_cast<std::int32_t>(kTriangleBytes) * nt;
    for (const std::int32_t field : {np, puntosEn, nt, triangulosEn, nl, incidenciasEn}) at = LittleEndian::PutInt32(at, field);
    out.Write(std::string_view(record, kHeaderBytes));

    for (std::size_t i = 1; i < puntos.size(); ++i) {
        const TPuntoMDT& punto = puntos[i];
        at = LittleEndian::PutInt32(record, punto.Num);
        at = LittleEndian::PutInt32(at, punto.Nuevo);  // the index of its first use
        at = LittleEndian::PutDouble(at, punto.X);
        at = LittleEndian::PutDouble(at, punto.Y);
        LittleEndian::PutDouble(at, punto.Z);
        out.Write(std::string_view(record, kPointBytes));
    }
    for (std::size_t t = 1; t < triangulos.size(); ++t) {
        const TTriangulo& triangulo = triangulos[t];
        at = record;
        for (const std::int32_t field : {triangulo.Num, triangulo.P1, triangulo.P2, triangulo.P3}) {
            at = LittleEndian::PutInt32(at, field);
        }
        out.Write(std::string_view(record, kTriangleBytes));
    }
    for (std::size_t i = 1; i < incidencias.size(); ++i) {
        LittleEndian::PutInt32(record, incidencias[i].Triangulo);
        out.Write(std::string_view(record, 4));
    }
    out.Commit();
}

}  // namespace EntryDxf
