// The two DXF point imports: the same scan, written as KTW words (DXF_KTW) or as
// 34-byte point records (DXF_Bin). A refused drawing leaves the old output as it was.

#include <string>

#include "common/buffered_output.h"
#include "common/dxf_pairs.h"
#include "common/numbers.h"
#include "common/records.h"
#include "office_to_field/ab_records.h"
#include "office_to_field/dxf_points.h"
#include "office_to_field/ktw_point_words.h"

namespace office_to_field {

namespace {

constexpr std::int32_t kWidth = 16;

// The run of one import: the drawing is probed first (is it one, is it 3D), then its
// points are handed to `write`, which tells whether it wrote the point.
template <typename Write>
bool ImportDxfPoints(Context& ctx, const AbRequest& request, BufferedOutput& out, Write write) {
    State& state = ctx.state;
    state.Dimensiones = "2";
    state.AnchoPalabra = kWidth;
    std::int64_t count = 0;
    try {
        const DxfDrawing drawing = ProbeDxfDrawing(request.InPath);
        if (!drawing.hasEntities) throw Dxf::NotDxfError("");
        if (drawing.tresD) state.Dimensiones = "3";
        ForEachDxfPoint(request.InPath, request.Layer, [&](const DxfPoint& point) {
            if (write(point, drawing.tresD, count + 1)) ++count;
        });
    } catch (const Dxf::NotDxfError&) {
        ctx.desktop.SetMousePointer(platform::kDefaultPointer);
        ctx.desktop.MsgBox("El fichero de entrada no es un fichero DXF", 0);
        // Already said: the next request keeps its own end box.
        state.ErrorFichero = 0;
        return false;
    }
    if (count == 0) {
        ctx.desktop.SetMousePointer(platform::kDefaultPointer);
        ctx.desktop.MsgBox("El fichero " + state.InFile + " no contine entidades compatibles en la capa " + request.Layer,
                           64, "Error");
        return false;
    }
    out.Commit();
    return true;
}

}  // namespace

bool DXF_KTW(Context& ctx, design_readers::WindowServices&, const AbRequest& request) {
    BufferedOutput out(request.OutPath);
    const double constanteX = ctx.state.ConstanteX;
    const double constanteY = ctx.state.ConstanteY;
    std::string line;
    return ImportDxfPoints(ctx, request, out, [&](const DxfPoint& point, bool tresD, std::int64_t number) {
        const std::string x = ab_form_ktw::CoordinateWord(point.X - constanteX, 'X', kWidth);
        const std::string y = ab_form_ktw::CoordinateWord(point.Y - constanteY, 'Y', kWidth);
        const bool withZ = tresD && !point.lwpolyline;
        const std::string z = withZ ? ab_form_ktw::CoordinateWord(point.Z, 'Z', kWidth) : std::string();
        // A point at the origin (to the millimetre, constants subtracted) is no point.
        if (ab_form_ktw::IsZeroWord(x) && ab_form_ktw::IsZeroWord(y) && (!withZ || ab_form_ktw::IsZeroWord(z))) {
            return false;
        }
        line = "*";
        line += ab_form_ktw::PointNumberWord(std::to_string(number), number, kWidth);
        line += x;
        line += y;
        line += z;
        out.WriteLine(line);
        return true;
    });
}

bool DXF_Bin(Context& ctx, design_readers::WindowServices&, const AbRequest& request) {
    BufferedOutput out(request.OutPath);
    TPuntoBase record;
    char bytes[kPuntoBaseBytes];
    return ImportDxfPoints(ctx, request, out, [&](const DxfPoint& point, bool tresD, std::int64_t number) {
        const bool withZ = tresD && !point.lwpolyline;
        if (point.X == 0 && point.Y == 0 && (!withZ || point.Z == 0)) return false;
        record.Nombre = Num::Str(static_cast<double>(number));
        record.X = point.X;
        record.Y = point.Y;
        record.Z = point.Z;
        EncodePuntoBase(record, bytes);
        out.Write(std::string_view(bytes, kPuntoBaseBytes));
        return true;
    });
}

}  // namespace office_to_field
