// The scan of the 3D faces.

#include <array>
#include <limits>
#include <stdexcept>

#include "common/dxf_pairs.h"
#include "common/errors.h"
#include "common/numbers.h"
#include "common/utf8_case.h"
#include "design_readers/dxf_mdt.h"

namespace EntryDxf {

namespace {

// The values of groups 10, 20, 30 (first corner), 11, 21, 31 and 12, 22, 32 of a face,
// the last one of each code; false when one of them is missing. The fourth corner
// (13, 23, 33) is not part of the triangle.
bool Corners(const Dxf::Entity& face, std::array<std::string_view, 9>& values) {
    std::array<bool, 9> found{};
    for (std::size_t i = 0; i < face.Size(); ++i) {
        const std::int32_t code = face[i].code;
        if (code < 10 || code > 32 || code % 10 > 2) continue;
        const auto slot = static_cast<std::size_t>(code % 10 * 3 + code / 10 - 1);
        values[slot] = face[i].value;
        found[slot] = true;
    }
    for (const bool got : found) {
        if (!got) return false;
    }
    return true;
}

}  // namespace

bool LeerCaras3D(const std::string& FicheroDXF, const std::string& Capa, Puntos& puntos, Triangulos& triangulos,
                 design_readers::ProgressLine& progress) {
    Dxf::EntityReader reader(FicheroDXF);
    Dxf::Entity face;
    std::array<std::string_view, 9> values;
    try {
        while (reader.Next(face)) {
            if (face.Type() != "3DFACE" || !Utf8::EqualIgnoringCase(face.Layer(), Capa)) continue;
            // A face without all of its groups would leave corners no triangle uses.
            if (!Corners(face, values)) continue;
            if (puntos.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max() - 3)) {
                throw ConversionError("El fichero " + FicheroDXF + " tiene demasiadas caras 3D para un modelo MDT");
            }
            TTriangulo triangulo;
            triangulo.Num = static_cast<std::int32_t>(triangulos.size());
            std::int32_t* const corners[3] = {&triangulo.P1, &triangulo.P2, &triangulo.P3};
            for (std::size_t k = 0; k < 3; ++k) {
                TPuntoMDT punto;
                punto.Num = static_cast<std::int32_t>(puntos.size());
                try {
                    punto.X = Num::Val(values[k * 3]);
                    punto.Y = Num::Val(values[k * 3 + 1]);
                    punto.Z = Num::Val(values[k * 3 + 2]);
                } catch (const std::overflow_error&) {
                    throw ConversionError("El fichero " + FicheroDXF +
                                          " tiene una coordenada fuera de rango en la cara 3D que termina en la línea " +
                                          std::to_string(reader.LineNumber()));
                }
                *corners[k] = punto.Num;
                puntos.push_back(punto);
            }
            triangulos.push_back(triangulo);
            // The clock is read once every few hundred faces.
            if (triangulo.Num % 256 == 0 && progress.Due()) progress.Show("Triangulos : " + Num::Str(triangulo.Num));
        }
    } catch (const Dxf::NotDxfError&) {
        puntos.resize(1);
        triangulos.resize(1);
        return false;
    }
    if (triangulos.size() < 2) return false;
    progress.Show("Triangulos : " + Num::Str(static_cast<double>(triangulos.size() - 1)));
    return true;
}

}  // namespace EntryDxf
