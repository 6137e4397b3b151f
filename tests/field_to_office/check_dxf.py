#!/usr/bin/env python3
"""Reads a DXF drawing with ezdxf, an independent DXF reader, and checks it.

Usage: check_dxf.py DRAWING EXPECTATIONS

EXPECTATIONS is a JSON file:
  "counts":    {"POINT": 4, "TEXT": 20, ...}   every entity type of the model space
  "layers":    ["0", "Codigo", ...]           the layers the entities use
  "points":    [[x, y, z], ...]                the POINT locations, in order
  "texts":     [[layer, text, x, y, z, height, colour], ...]   optional, in order
  "polylines": [{"layer": "1234_500", "closed": true, "vertices": [[x, y], ...]}]
Exits 0 when the drawing reads without audit errors and matches, 1 otherwise,
2 when ezdxf is missing.
"""
import json
import sys

try:
    import ezdxf
    from ezdxf import recover
except ImportError:
    print("ezdxf is not installed")
    sys.exit(2)

TOLERANCE = 1e-9


def close(a, b):
    return abs(float(a) - float(b)) <= TOLERANCE * max(1.0, abs(float(b)))


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def main():
    drawing, expectations_file = sys.argv[1], sys.argv[2]
    with open(expectations_file, encoding="utf-8") as f:
        expected = json.load(f)

    # The strict reader first: it must take the file as it is.
    try:
        doc = ezdxf.readfile(drawing)
    except Exception as error:  # noqa: BLE001 - any refusal is a failure of the drawing
        fail("ezdxf.readfile refused the drawing: %r" % error)
    auditor = doc.audit()
    if auditor.has_errors:
        fail("audit errors: %s" % [str(e.message) for e in auditor.errors])
    _, recovered = recover.readfile(drawing)
    if recovered.has_errors:
        fail("recover errors: %s" % [str(e.message) for e in recovered.errors])

    msp = doc.modelspace()
    counts = {}
    for entity in msp:
        counts[entity.dxftype()] = counts.get(entity.dxftype(), 0) + 1
    if counts != expected.get("counts", {}):
        fail("entity counts %s, expected %s" % (counts, expected.get("counts")))

    layers = sorted({entity.dxf.layer for entity in msp})
    if "layers" in expected and layers != sorted(expected["layers"]):
        fail("layers %s, expected %s" % (layers, sorted(expected["layers"])))

    if "points" in expected:
        points = [tuple(p.dxf.location) for p in msp.query("POINT")]
        if len(points) != len(expected["points"]):
            fail("%d points, expected %d" % (len(points), len(expected["points"])))
        for got, want in zip(points, expected["points"]):
            if not all(close(g, w) for g, w in zip(got, want)):
                fail("point %s, expected %s" % (got, want))

    if "texts" in expected:
        texts = list(msp.query("TEXT"))
        if len(texts) != len(expected["texts"]):
            fail("%d texts, expected %d" % (len(texts), len(expected["texts"])))
        for text, (layer, content, x, y, z, height, colour) in zip(texts, expected["texts"]):
            insert = text.dxf.insert
            got = (text.dxf.layer, text.dxf.text, insert[0], insert[1], insert[2], text.dxf.height, text.dxf.color)
            if (got[0] != layer or got[1] != content or not close(got[2], x) or not close(got[3], y)
                    or not close(got[4], z) or not close(got[5], height) or got[6] != colour):
                fail("text %s, expected %s" % (got, (layer, content, x, y, z, height, colour)))

    if "polylines" in expected:
        polylines = list(msp.query("POLYLINE"))
        if len(polylines) != len(expected["polylines"]):
            fail("%d polylines, expected %d" % (len(polylines), len(expected["polylines"])))
        for polyline, want in zip(polylines, expected["polylines"]):
            if polyline.dxf.layer != want["layer"]:
                fail("polyline layer %s, expected %s" % (polyline.dxf.layer, want["layer"]))
            if polyline.is_closed != want["closed"]:
                fail("polyline closed %s, expected %s" % (polyline.is_closed, want["closed"]))
            vertices = [tuple(v)[:2] for v in polyline.points()]
            if len(vertices) != len(want["vertices"]) or not all(
                    close(g[0], w[0]) and close(g[1], w[1]) for g, w in zip(vertices, want["vertices"])):
                fail("polyline vertices %s, expected %s" % (vertices, want["vertices"]))

    print("OK: %s" % counts)
    sys.exit(0)


if __name__ == "__main__":
    main()
