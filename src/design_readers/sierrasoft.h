#pragma once
// The SierraSoft readers. An alignment file (.GDX, see sierrasoft_gdx.h) holds any
// number of axes; a planta, alzado or superelevation run writes one file per axis
// and kind into the folder the window asked for, named after the axis:
//
//   field format     planta      alzado      superelevation
//   0, 2             A1.PLA      A1.ALZ      A1.PER
//   3                A1.PTC      A1.LON      (none)
//   4                A1_PLA.KTW  A1_ALZ.KTW  A1.PER
//
// An existing file is replaced only when the user says so; otherwise the window's
// save dialog proposes it and the name chosen there is written (nothing when
// cancelled). An axis name that is no valid file name is said in a box and that
// axis skipped. Each file written ends with its own summary.
//
// The section file (.TXT) is TAB-separated: "#SEZ" lines open a section (field 4
// its chainage), "#COD" lines are passed over, other lines of two fields or more
// are points: offset, elevation. Each section's points are sorted by offset and
// cleared of repeats.

#include <cstdint>
#include <string>
#include <vector>

#include "app/context.h"
#include "common/records.h"
#include "design_readers/reader_shape.h"
#include "design_readers/section_shape.h"
#include "design_readers/window_services.h"

namespace design_readers {

// The output kinds of NombreFicheroSalida (the numbers of the run statistics).
inline constexpr int kSalidaPlanta = 1;
inline constexpr int kSalidaAlzado = 2;
inline constexpr int kSalidaSeccion = 3;
inline constexpr int kSalidaPeraltes = 4;

// The file of an axis and kind in a folder (which ends with its separator); "" when
// the field format has no such file.
std::string NombreFicheroSalida(std::int16_t formato, int tipo, const std::string& carpeta,
                                const std::string& eje);

// ficheros.salida (and nombreSalida) name the output folder. A failure stops the run
// (a refused row: a box naming the file and the line, ErrorFichero 1; others thrown
// to the window) and leaves the files of the axes before it written. False when the
// run was refused or cancelled (ErrorFichero 1).
bool SierraSoft_Planta_Alzado(Context& ctx, WindowServices& window, const Ficheros& ficheros);
// The superelevation: each axis's offset is asked in Form_Offset_Alzado; closing
// it ends the run before that axis.
bool SierraSoft_Peraltes(Context& ctx, WindowServices& window, const Ficheros& ficheros);

// The vertical alignment of one axis of an alignment file: the only one, or the one
// chosen in Form_Alzados. False when the user chose none (ErrorFichero 1), or after a
// box that names the file when it holds no axis or the axis no vertical alignment.
bool SierraSoft_ElegirEje(Context& ctx, const std::string& fichero, const std::string& nombreFichero,
                          std::vector<TAlzado>& Alzado);

// The parsing of a section file: every section with points, into block `bloque`.
void LeerSeccionesSierraSoft(const std::string& entrada, char bloque, const EscribirSeccion& escribir);

// Typical sections: block R, or the layer asked in Tarsel v3.00; in Corvana block S
// over the vertical alignment of an axis of the alignment file ficheros.alzado.
bool SierraSoft_Seccion_Tipo(Context& ctx, WindowServices& window, const FicherosSeccion& ficheros);

}  // namespace design_readers
