#!/usr/bin/env python3
"""Writes and reads 3D faces with ezdxf, an independent DXF library.

  dxf_faces.py write VERSION DRAWING   a terrain of 3D faces on layer "Terreno Ñandú"
                                       (with faces on another layer, a block holding a
                                       face, and a text "EOF"), in a DXF version of
                                       ezdxf ("R12", "R2000", "R2007", "R2018", ...)
  dxf_faces.py faces DRAWING LAYER OUT the first three corners of every 3DFACE of the
                                       model space on LAYER (any letter case), one
                                       face a line: x1 y1 z1 x2 y2 z2 x3 y3 z3, each
                                       number written so that it reads back exactly
"""
import sys

import ezdxf
from ezdxf import recover


def write(version, drawing):
    doc = ezdxf.new(version)
    msp = doc.modelspace()
    layer = "Terreno Ñandú"
    doc.layers.add(layer)
    doc.layers.add("Otra")
    block = doc.blocks.new(name="ARBOL")
    block.add_3dface([(0, 0, 0), (1, 0, 0), (0, 1, 0)], dxfattribs={"layer": layer})
    msp.add_blockref("ARBOL", (5, 5))
    msp.add_text("EOF", dxfattribs={"layer": layer})

    size = 6

    def vertex(i, j):
        return (412345.0 + 2.5 * i + 0.001 * j, 4567890.0 + 2.5 * j + 1.0 / 3.0, 100.0 + ((i * 7 + j * 3) % 11) / 7.0)

    for i in range(size):
        for j in range(size):
            a, b, c, d = vertex(i, j), vertex(i + 1, j), vertex(i + 1, j + 1), vertex(i, j + 1)
            msp.add_3dface([a, b, c], dxfattribs={"layer": layer})
            msp.add_3dface([a, c, d, d], dxfattribs={"layer": layer})
            if (i + j) % 5 == 0:
                msp.add_3dface([a, b, d], dxfattribs={"layer": "Otra"})
    doc.saveas(drawing)


def faces(drawing, layer, out):
    doc, auditor = recover.readfile(drawing)
    with open(out, "w", encoding="ascii") as f:
        for face in doc.modelspace().query("3DFACE"):
            if face.dxf.layer.lower() != layer.lower():
                continue
            corners = [face.dxf.vtx0, face.dxf.vtx1, face.dxf.vtx2]
            f.write(" ".join(repr(float(v)) for corner in corners for v in corner) + "\n")


if __name__ == "__main__":
    if sys.argv[1] == "write":
        write(sys.argv[2], sys.argv[3])
    else:
        faces(sys.argv[2], sys.argv[3], sys.argv[4])
