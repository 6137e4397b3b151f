#pragma once
// The Vextor readers (module EntryVextor): the horizontal alignment of an aln file,
// the vertical alignment of a prf file, and the typical sections built from the
// templates of a crs file, the stations of a sta file and the profile.
//
// Each procedure ends, on any failure inside it, in its own handler: the numbered box
// of vextor_errors.h, ErrorFichero 1, result false. A request runs its procedures in
// order and stops at the first that returns false.

#include <string>
#include <vector>

#include "app/context.h"
#include "design_readers/reader_shape.h"
#include "design_readers/section_shape.h"
#include "design_readers/vextor_ficheros.h"
#include "design_readers/window_services.h"
#include "field_writers/section_writer.h"

namespace EntryVextor {

// The value of pi the azimuths are turned into gon with.
inline constexpr double kPiVextor = 3.14159265359;

// The handler of a Vextor procedure, called inside its catch block: the numbered box
// with the texts of `textos` (-1: those of the error raised), ErrorFichero 1; false.
bool Manejar(Context& ctx, const Modulo& m, int textos, const std::string& valor, const std::string& anadido = {});

// Check (1101), lines, geometry: PlantaVextor filled. Throws ErrorVextor.
void LeerPlantaVextor(Modulo& m, const std::string& path);
// Check (1201), lines (1203 for a vertical curve), geometry: AlzadoVextor filled.
void LeerAlzadoVextor(Modulo& m, const std::string& path);

// Lengths, azimuths in gon, clothoid parameters and stored radii from consecutive
// points; the last element 0.01 m long on the azimuth of the one before it.
void Calcula_Planta_Vextor(Modulo& m);
// Lengths and start grades from consecutive elevations; the last element likewise.
void Calcula_Alzado_Vextor(Modulo& m);

// The planta: read, written, checked for continuity, summarised.
bool Vextor_Planta(Context& ctx, Modulo& m, const design_readers::Ficheros& ficheros);
// The alzado; in a typical-section job only AlzadoVextor is kept (nothing written).
bool Vextor_Alzado(Context& ctx, design_readers::WindowServices& window, Modulo& m,
                   const design_readers::Ficheros& ficheros);

// The assignments of the sta file (path as chosen, nombre as the boxes show it).
bool Vextor_Asignacion(Context& ctx, Modulo& m, const std::string& path, const std::string& nombre);
// The templates of the crs file, then the generation.
bool Vextor_Seccion_Tipo(Context& ctx, Modulo& m, const design_readers::FicherosSeccion& ficheros);
// One section per assignment whose template has points, on the profile's elevation.
bool Genera_Secciones_Vextor(Context& ctx, Modulo& m, const design_readers::FicherosSeccion& ficheros);
// Writes the section of one station's template copies (1-based) at the profile
// elevation z; false when there is no copy (nothing written).
bool Vextor_Write_Seccion(field_writers::SeccionWriter& writer, const State& state,
                          const std::vector<TPlantillaVextor>& copias, double z);

// A whole typical-section request: the profile of ficheros.alzado, the assignments
// of `asignacion`, then the templates of ficheros.entrada; stops at the first failure.
bool Secciones_Vextor(Context& ctx, design_readers::WindowServices& window, Modulo& m,
                      const design_readers::FicherosSeccion& ficheros, const std::string& asignacion,
                      const std::string& nombreAsignacion);

}  // namespace EntryVextor
