#include "office_to_field/dxf_points.h"

#include <optional>
#include <stdexcept>
#include <string_view>

#include "common/dxf_pairs.h"
#include "common/errors.h"
#include "common/numbers.h"
#include "common/utf8_case.h"

namespace office_to_field {

namespace {

bool IsType(const Dxf::Entity& entity, std::string_view type) {
    return Utf8::EqualIgnoringCase(entity.Type(), type);
}

// The first value of a group code in the entity.
std::optional<double> First(const Dxf::Entity& entity, std::int32_t code) {
    for (std::size_t i = 0; i < entity.Size(); ++i) {
        if (entity[i].code == code) return Num::Val(entity[i].value);
    }
    return std::nullopt;
}

// The points of one entity of the layer. polylineZ: the elevation of the POLYLINE
// whose vertices follow, until its SEQEND.
void EntityPoints(const Dxf::Entity& entity, const std::string& capa, std::optional<double>& polylineZ,
                  const std::function<void(const DxfPoint&)>& each) {
    const bool vertex = IsType(entity, "VERTEX");
    if (IsType(entity, "POLYLINE")) {
        polylineZ = First(entity, 30);
        return;
    }
    if (!vertex) polylineZ.reset();
    if (!Utf8::EqualIgnoringCase(entity.Layer(), capa)) return;
    DxfPoint point;
    if (IsType(entity, "LWPOLYLINE")) {
        point.lwpolyline = true;
        point.Z = First(entity, 38).value_or(0.0);
        bool xRead = false;
        for (std::size_t i = 0; i < entity.Size(); ++i) {
            if (entity[i].code == 10) {
                point.X = Num::Val(entity[i].value);
                xRead = true;
            } else if (entity[i].code == 20 && xRead) {
                point.Y = Num::Val(entity[i].value);
                xRead = false;
                each(point);
            }
        }
        return;
    }
    if (!vertex && !IsType(entity, "POINT") && !IsType(entity, "INSERT") && !IsType(entity, "LINE")) return;
    const std::optional<double> x = First(entity, 10);
    const std::optional<double> y = First(entity, 20);
    if (!x || !y) return;
    point.X = *x;
    point.Y = *y;
    point.Z = First(entity, 30).value_or(vertex ? polylineZ.value_or(0.0) : 0.0);
    each(point);
}

}  // namespace

DxfDrawing ProbeDxfDrawing(const std::string& path) {
    Dxf::EntityReader reader(path);
    Dxf::Entity entity;
    DxfDrawing drawing;
    // The first group 30 settles it: the rest of a 3D drawing is read only once.
    while (!drawing.tresD && reader.Next(entity)) {
        for (std::size_t i = 0; i < entity.Size(); ++i) {
            if (entity[i].code == 30) {
                drawing.tresD = true;
                break;
            }
        }
    }
    drawing.hasEntities = reader.FoundEntities();
    return drawing;
}

void ForEachDxfPoint(const std::string& path, const std::string& capa,
                     const std::function<void(const DxfPoint&)>& each) {
    Dxf::EntityReader reader(path);
    Dxf::Entity entity;
    std::optional<double> polylineZ;
    while (reader.Next(entity)) {
        try {
            EntityPoints(entity, capa, polylineZ, each);
        } catch (const std::overflow_error&) {
            throw ConversionError("Línea " + std::to_string(reader.LineNumber()) +
                                  ": una coordenada es demasiado grande.");
        }
    }
}

}  // namespace office_to_field
