#pragma once
// What every design reader does around its parsing, written once: clear the
// statistics of its kind, read the whole input into a 1-based element array, hand
// the elements in order to the writer, commit the output, run the continuity check,
// store the names and show the summary. A reader is then only its parsing: a
// function that fills the array from the input file.
//
// Outcomes: true after a completed run (summary shown). A parsing or writing step
// that throws Rechazo is refused here: a box says why, ErrorFichero becomes 1,
// nothing is written, and the result is false. So is an element of negative length,
// from any reader: the box names its line (TPlanta::Linea, TAlzado::Linea), or the
// element when the reader left the line 0. Any other failure propagates to the
// caller, which names the file and the cause; the old output stays as it was.

#include <functional>
#include <string>
#include <vector>

#include "app/context.h"
#include "common/records.h"
#include "design_readers/window_services.h"

namespace design_readers {

// The files of one request.
struct Ficheros {
    std::string entrada;        // the input, opened under the name the user chose
    std::string salida;         // the output, likewise
    std::string nombreEntrada;  // the names the summary shows (InFile, OutFile)
    std::string nombreSalida;
    std::string cabecera;       // the Tunelix header line, written first; "" for none
};

// The titles of the planta and alzado boxes.
inline constexpr const char* kTituloPlanta = "Transformación fichero de Planta";
inline constexpr const char* kTituloAlzado = "Transformación fichero de Alzado";

// The parsing of a reader: fills elements 1 .. n of the array (element 0 is there
// already) from the input file.
template <class Elemento>
using Parser = std::function<void(const std::string& entrada, std::vector<Elemento>& elementos)>;

// Refuses the input: a box titled `titulo` names the file and says why,
// ErrorFichero becomes 1. Returns false.
bool Rechazar(Context& ctx, const Ficheros& ficheros, const char* titulo, const std::string& motivo);

// The end of a planta or alzado run whose output is committed: the continuity
// check, the names in the statistics and the summary.
// `eje` names the axis in the continuity listing; `nota`, when not empty, ends the
// summary.
void Resumen_Planta(Context& ctx, const Ficheros& ficheros, const std::vector<TPlanta>& Planta,
                    const std::string& eje = {});
void Resumen_Alzado(Context& ctx, const Ficheros& ficheros, const std::vector<TAlzado>& Alzado,
                    const std::string& eje = {}, const std::string& nota = {});

// The planta shape. `eje` names the axis in the continuity listing.
bool Leer_Planta(Context& ctx, const Ficheros& ficheros, const Parser<TPlanta>& leer, const std::string& eje = {});

// The alzado shape. Alzado receives the elements (1 .. n). In a typical-section job
// (the window's "Sección tipo") the reader only fills the array: nothing is written
// or checked and no summary is shown. True when a profile was read (and, outside a
// section job, written).
bool Leer_Alzado(Context& ctx, WindowServices& window, const Ficheros& ficheros, const Parser<TAlzado>& leer,
                 std::vector<TAlzado>& Alzado, const std::string& eje = {});

}  // namespace design_readers
