#!/usr/bin/env python3
"""The terrain-model file a drawing must give, computed apart from the program.

  mdt_expected.py DRAWING LAYER OUT

Reads the 3D faces of LAYER (any letter case) from the model space of DRAWING with
ezdxf, then builds the .MDT step by step as the terrain model is defined: one point
per corner of the first three corners of each face, sorted by X, runs of equal X by
Y, runs of equal X and Y by Z, with the iterative quicksort of the sort routines;
equal positions merged; the triangles renumbered; the uses of every point sorted by
point with the same quicksort. Writes the file little-endian: the header, 32-byte
points, 16-byte triangles, 4-byte uses.
"""
import struct
import sys

from ezdxf import recover


def quicksort(a, first, last, key):
    """Ascending by key over a[first..last]: the middle element is the pivot, equal
    keys stop both scans, the smaller part goes on and the larger waits."""
    stack = [(first, last)]
    while stack:
        lo, hi = stack.pop()
        while lo < hi:
            mid = lo + (hi - lo) // 2
            a[lo], a[mid] = a[mid], a[lo]
            pivot = key(a[lo])
            i, j = lo + 1, hi
            while True:
                while i < j and key(a[i]) < pivot:
                    i += 1
                while j >= i and key(a[j]) > pivot:
                    j -= 1
                if i >= j:
                    break
                a[i], a[j] = a[j], a[i]
                i += 1
                j -= 1
            a[lo], a[j] = a[j], a[lo]
            if j - lo > hi - j:
                if j - 1 > lo:
                    stack.append((lo, j - 1))
                lo = j + 1
            else:
                if j + 1 < hi:
                    stack.append((j + 1, hi))
                hi = j - 1


def sort_runs(points, same, key):
    first, n = 1, len(points) - 1
    while first <= n:
        last = first
        while last < n and same(points[first], points[last + 1]):
            last += 1
        if last > first:
            quicksort(points, first, last, key)
        first = last + 1


def model(faces):
    # point: [num, x, y, z, nuevo]; triangle: [num, p1, p2, p3]; lists 1-based
    points, triangles = [None], [None]
    for face in faces:
        corners = []
        for x, y, z in face:
            points.append([len(points), x, y, z, 0])
            corners.append(len(points) - 1)
        triangles.append([len(triangles)] + corners)
    n = len(points) - 1
    quicksort(points, 1, n, lambda p: p[1])
    sort_runs(points, lambda a, b: a[1] == b[1], lambda p: p[2])
    sort_runs(points, lambda a, b: a[1] == b[1] and a[2] == b[2], lambda p: p[3])
    points[1][4] = 1
    for i in range(2, n + 1):
        same = points[i][1:4] == points[i - 1][1:4]
        points[i][4] = points[i - 1][4] if same else points[i - 1][4] + 1
    by_creation = sorted(points[1:], key=lambda p: p[0])
    for t in triangles[1:]:
        for k in (1, 2, 3):
            t[k] = by_creation[t[k] - 1][4]
    kept = [None]
    for i in range(1, n + 1):
        if i < n and points[i + 1][4] == points[i][4]:
            continue
        kept.append([points[i][4]] + points[i][1:4] + [0])
    points = kept
    uses = [None]
    for t in triangles[1:]:
        for k in (1, 2, 3):
            uses.append((t[k], t[0]))
    quicksort(uses, 1, len(uses) - 1, lambda u: u[0])
    for i in range(1, len(uses)):
        if i == 1 or uses[i][0] != uses[i - 1][0]:
            points[uses[i][0]][4] = i
    return points, triangles, uses


def write(path, points, triangles, uses):
    np_, nt, nl = len(points) - 1, len(triangles) - 1, len(uses) - 1
    out = struct.pack("<6i", np_, 25, nt, 25 + 32 * np_, nl, 25 + 32 * np_ + 16 * nt)
    for num, x, y, z, first in points[1:]:
        out += struct.pack("<2i3d", num, first, x, y, z)
    for t in triangles[1:]:
        out += struct.pack("<4i", *t)
    for _, t in uses[1:]:
        out += struct.pack("<i", t)
    with open(path, "wb") as f:
        f.write(out)


def main():
    drawing, layer, out = sys.argv[1], sys.argv[2], sys.argv[3]
    doc, _ = recover.readfile(drawing)
    faces = []
    for face in doc.modelspace().query("3DFACE"):
        if face.dxf.layer.lower() == layer.lower():
            faces.append([tuple(float(v) for v in face.dxf.get(name)) for name in ("vtx0", "vtx1", "vtx2")])
    write(out, *model(faces))


if __name__ == "__main__":
    main()
