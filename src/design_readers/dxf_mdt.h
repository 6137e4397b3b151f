#pragma once
// The terrain model for the field instruments (.MDT) from the 3D faces drawn on one
// layer of a DXF drawing: scan the faces, merge coincident corners into points,
// renumber points and triangles, list for every point the triangles that use it, and
// write the file.
//
// The .MDT file, little-endian, no padding (NP points, NT triangles, NL = 3 NT uses):
//   six Longs: NP, 25, NT, 25 + 32 NP, NL, 25 + 32 NP + 16 NT (the 1-based byte
//   positions of the three tables);
//   NP points of 32 bytes: Num (= its index), index of its first use, X, Y, Z;
//   NT triangles of 16 bytes: Num, P1, P2, P3;
//   NL Longs: the triangle of each use, grouped by point.
//
// Arrays are 1-based: element 0 exists and is never used.

#include <cstdint>
#include <string>
#include <vector>

#include "common/records.h"
#include "design_readers/progress_line.h"
#include "design_readers/window_services.h"
#include "platform/desktop.h"

namespace EntryDxf {

using Puntos = std::vector<TPuntoMDT>;
using Triangulos = std::vector<TTriangulo>;
using Incidencias = std::vector<TIncidencia>;

// The whole run, with its progress texts in the window's help line. Returns the
// number of triangles written; 0 when the layer holds no face or the model cannot be
// written (the box has then been shown, nothing was written). Throws ConversionError
// when the drawing cannot be read or the file cannot be written.
std::int32_t DXF_MDT(const std::string& FicheroDXF, const std::string& FicheroSalida, const std::string& Capa,
                     design_readers::WindowServices& window, platform::Desktop& desktop);

// The scan: one triangle of the first three corners of every 3DFACE of the ENTITIES
// section on the layer Capa (letter case aside), three new points each. True when at
// least one was read; false too when the file is not a DXF drawing.
bool LeerCaras3D(const std::string& FicheroDXF, const std::string& Capa, Puntos& puntos, Triangulos& triangulos,
                 design_readers::ProgressLine& progress);

// The four stages below, each after its progress text.
void Ordenar_Renumerar(Puntos& puntos, Triangulos& triangulos, Incidencias& incidencias,
                       design_readers::ProgressLine& progress);
// Ascending by X, then Y, then Z, with the shared quicksort.
void OrdenarPuntos(Puntos& puntos);
// Nuevo: the new number of every point, equal positions sharing one.
void RenumerarPuntos(Puntos& puntos);
// Triangles to the new numbers; one point kept per new number, Num := Nuevo.
void RenumerarTriangulos(Puntos& puntos, Triangulos& triangulos);
// The uses of the points, grouped by point; Nuevo := the index of a point's first use.
void TriangulosPorPunto(Puntos& puntos, const Triangulos& triangulos, Incidencias& incidencias);

// Whether every table position of a model of np points and nt triangles fits a Long.
bool CabeEnMDT(std::int64_t np, std::int64_t nt);
void WriteMDTFile(const std::string& FicheroSalida, const Puntos& puntos, const Triangulos& triangulos,
                  const Incidencias& incidencias);

}  // namespace EntryDxf
