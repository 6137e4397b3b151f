#!/usr/bin/env python3
"""Writes and reads layer points with ezdxf, an independent DXF library.

  dxf_points.py write VERSION DRAWING   points on layer "Puntos Ñandú" (POINT, INSERT,
                                        LINE, 3D POLYLINE vertices, one point at the
                                        origin, a block holding a point, a text "10",
                                        points on another layer), from R2000 on also an
                                        LWPOLYLINE at elevation 7.25 on layer "Lindes"
  dxf_points.py points DRAWING LAYER OUT the points of LAYER (any letter case) of the
                                        model space, one a line: x y z, each number
                                        written so that it reads back exactly; points
                                        at the origin are left out
"""
import sys

import ezdxf
from ezdxf import recover


def write(version, drawing):
    doc = ezdxf.new(version)
    msp = doc.modelspace()
    layer = "Puntos Ñandú"
    doc.layers.add(layer)
    doc.layers.add("Otra")
    block = doc.blocks.new(name="HITO")
    block.add_point((1, 1, 1), dxfattribs={"layer": layer})
    for i in range(12):
        msp.add_point((412345.678 + i * 1.25, 4567890.125 - i / 3.0, 100.0 + i * 0.5), dxfattribs={"layer": layer})
        msp.add_point((i, i, i), dxfattribs={"layer": "Otra"})
    msp.add_point((0, 0, 0), dxfattribs={"layer": layer})
    msp.add_text("10", dxfattribs={"layer": layer, "color": 10})
    msp.add_blockref("HITO", (412400.5, 4567900.75, 12.0), dxfattribs={"layer": layer})
    msp.add_line((412410.0, 4567910.0, 20.0), (412420.0, 4567920.0, 30.0), dxfattribs={"layer": layer})
    msp.add_polyline3d([(412430.0, 4567930.0, 31.0), (412431.0, 4567931.0, 32.0)], dxfattribs={"layer": layer})
    if version != "R12":
        msp.add_lwpolyline([(412440.0, 4567940.0), (412441.0, 4567941.0), (412442.0, 4567942.0)],
                           dxfattribs={"layer": "Lindes", "elevation": 7.25})
    doc.saveas(drawing)


def points(drawing, layer, out):
    doc, auditor = recover.readfile(drawing)
    found = []
    for e in doc.modelspace():
        kind = e.dxftype()
        if kind == "POLYLINE":
            found += [tuple(v.dxf.location) for v in e.vertices if v.dxf.layer.lower() == layer.lower()]
            continue
        if e.dxf.layer.lower() != layer.lower():
            continue
        if kind == "POINT":
            found.append(tuple(e.dxf.location))
        elif kind == "INSERT":
            found.append(tuple(e.dxf.insert))
        elif kind == "LINE":
            found.append(tuple(e.dxf.start))
        elif kind == "LWPOLYLINE":
            found += [(x, y, e.dxf.elevation) for x, y in e.get_points("xy")]
    with open(out, "w", encoding="ascii") as f:
        for p in found:
            if p[0] == 0 and p[1] == 0 and p[2] == 0:
                continue
            f.write(" ".join(repr(float(v)) for v in p) + "\n")


if __name__ == "__main__":
    if sys.argv[1] == "write":
        write(sys.argv[2], sys.argv[3])
    else:
        points(sys.argv[2], sys.argv[3], sys.argv[4])
