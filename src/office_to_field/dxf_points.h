#pragma once
// The points of one layer of a DXF drawing, as the office-to-field window imports
// them (ab_form.DXF_KTW to KTW words, ab_form.DXF_Bin to .PTO records).
//
// Read from the ENTITIES section only, pair by pair (common/dxf_pairs.h). A POINT,
// INSERT, LINE or VERTEX gives one point, its first coordinates (a LINE its start);
// an LWPOLYLINE gives one point per vertex. The layer is compared without regard to
// letter case. A drawing is 3D when a group 30 stands in its ENTITIES section.

#include <cstdint>
#include <functional>
#include <string>

#include "app/context.h"
#include "design_readers/window_services.h"
#include "office_to_field/ab_converters.h"

namespace office_to_field {

struct DxfPoint {
    double X = 0;
    double Y = 0;
    // Its own group 30; for a vertex without one the elevation of its polyline
    // (group 38 of an LWPOLYLINE, the 30 of a POLYLINE); otherwise 0.
    double Z = 0;
    bool lwpolyline = false;  // an LWPOLYLINE vertex: 2D whatever the drawing
};

struct DxfDrawing {
    bool hasEntities = false;  // false: no ENTITIES section, the file is no DXF drawing
    bool tresD = false;
};

// First pass: whether the file is a drawing with entities and whether it is 3D.
// Throws Dxf::NotDxfError when a code line holds no number.
DxfDrawing ProbeDxfDrawing(const std::string& path);

// Second pass: every point of the layer, in the order of the drawing.
void ForEachDxfPoint(const std::string& path, const std::string& capa,
                     const std::function<void(const DxfPoint&)>& each);

bool DXF_KTW(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);
bool DXF_Bin(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);

}  // namespace office_to_field
