#!/usr/bin/env python3
"""Writes the binary field files the scenarios of this folder convert, byte by
byte: little-endian doubles and 32-bit integers, 10-byte texts padded with NULs,
blanks or both. Run it from this folder: python3 make_inputs.py"""
import struct

NUL = b"\0"


def text(value, pad=NUL):
    return value + pad * (10 - len(value))


def observation(estacion, station, punto, hz, v, dist, ai, ap, codes, xyz):
    record = text(*estacion) + struct.pack("<3d", *station) + text(*punto)
    record += struct.pack("<5d", hz, v, dist, ai, ap) + struct.pack("<2i", 0, 0)
    record += b"".join(text(*c) for c in codes) + struct.pack("<3d", *xyz)
    assert len(record) == 166
    return record


def analysis(nombre, v1, v2, xyz, codigo):
    record = text(*nombre) + struct.pack("<5d", v1, v2, *xyz) + text(*codigo)
    assert len(record) == 60
    return record


def point(nombre, xyz):
    record = text(*nombre) + struct.pack("<3d", *xyz)
    assert len(record) == 34
    return record


station = (1000.0, 2000.0, 100.0)
fic = observation((b"E1",), station, (b"P7",), 3.14159265359, 1.5707963267949, 25.5, 1.55, 1.3,
                  [(b"BORDE",), (b"5", b" "), (b"1",), (b"",), (b"",)], (1010.1234, 2020.5, 101.5))
fic += observation((b"E1", b" "), station, (b"PUNTO12", b" "), 0.5, 1.6, 12.3456, 0.0, 2.0,
                   [(b"BORDE",), (b"", b" "), (b"1", b" "), (b"", b" "), (b"", b" ")], (-5.25, 0.0004, 1234567.891))
fic += observation((b"E2",), station, (b"",), 0.0, 0.0, 0.0, 0.0, 0.0,
                   [(b"",), (b"ABC",), (b"1", b" "), (b"",), (b"",)], (1.0, 2.0, 3.0))
fic += b"\x55" * 100  # a trailing part of a record
open("obs.fic", "wb").write(fic)

lib = analysis((b"A1",), 1.25, -0.5, (500.1, 600.2, 70.3), (b"TALUD",))
lib += analysis((b"LARGO", b" "), 0.0, 10.0, (1.0, 2.0, 3.0), (b"", b" "))
lib += b"\x01" * 59
open("analisis.lib", "wb").write(lib)

pto = point((b"BASE1",), (100.0, 200.0, 50.5)) + point((b"B2", b" "), (-1.5, 0.0, 12345.6789)) + b"\x02" * 33
open("puntos.pto", "wb").write(pto)
open("bases.bas", "wb").write(pto)
