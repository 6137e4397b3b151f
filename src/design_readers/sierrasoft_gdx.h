#pragma once
// The SierraSoft keyword file (.GDX), read axis by axis. Keywords are compared in
// upper case and trimmed of blanks and TABs.
//
//   HEADER                              the header; SEPARATOR "x" gives the separator
//     SEPARATOR ";"                     of the data rows: the word less its first and
//   END HEADER                          last character, when longer than two (else ","),
//                                       a quoted word taken to the last quote of the line
//                                       so that it may be a TAB or a blank
//   AXIS
//     NAME "A1"                         the name: between the first and last quote
//     START STATION 1000                the start chainage; the rows follow
//     HORIZONTAL_ALIGNMENT              rows: type, X, Y, azimuth (gon), length,
//     END HORIZONTAL_ALIGNMENT                radius, clothoid parameter
//     VERTICAL_ALIGNMENT                rows: type (2 parabola), chainage, elevation,
//     END VERTICAL_ALIGNMENT                  parabola parameter
//     SUPERELEVATION_LEFT / _RIGHT      rows: station from the start, value
//     END SUPERELEVATION_LEFT / _RIGHT
//   END AXIS
//
// Axis lines are split at blanks and TABs, rows at the separator; rows too short for
// their block, or whose fields are not numbers (a column header), are skipped.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/field.h"
#include "common/line_input.h"
#include "common/records.h"
#include "field_writers/peraltes.h"

namespace design_readers {

// What one axis gives.
struct EjeSierraSoft {
    std::string nombre;  // UTF-8
    double inicio = 0;   // start chainage
    std::vector<TPlanta> planta = std::vector<TPlanta>(1);
    std::vector<TAlzado> alzado = std::vector<TAlzado>(1);
    std::vector<field_writers::TPeralte> peraltes = std::vector<field_writers::TPeralte>(1);
};

// What a run reads of the axis body: both alignments, the vertical one only, or the
// superelevation.
enum class LecturaEje { Alineaciones, Alzado, Peraltes };

class LectorSierraSoft {
public:
    // Opens the file and reads its header (SierraSoft_LeeHeader). Throws
    // ConversionError when the file cannot be read.
    explicit LectorSierraSoft(const std::string& entrada);

    const std::string& Separador() const { return separador_; }

    // SierraSoft_LeeEje: the next axis that has a start line, with its name and start
    // chainage; an axis closed before its start line is passed over. False at the end
    // of the file.
    bool LeeEje(EjeSierraSoft& eje);

    // The body of the axis just found, up to its END AXIS or the end of the file
    // (SierraSoft_LeeAlineaciones, SierraSoft_LeePeraltes). Throws Rechazo naming the
    // line for a vertical vertex that does not advance the chainage and for a planta
    // element without length.
    void LeeCuerpo(LecturaEje que, EjeSierraSoft& eje);

private:
    // The next line that is not empty; false at the end of the file.
    bool Siguiente(std::string_view& linea);
    void FilaPlanta(EjeSierraSoft& eje);
    void FilaAlzado(EjeSierraSoft& eje);

    LineInput input_;
    std::int64_t numero_ = 0;  // the line being read
    std::string separador_ = ",";
    bool separadorBlanco_ = false;  // blanks, TABs or form feeds only
    TFields campos_ = TFields(1);
};

// SierraSoft_ListaEjes: the names of every axis that has a start line, in file order.
std::vector<std::string> SierraSoft_ListaEjes(const std::string& fichero);

}  // namespace design_readers
