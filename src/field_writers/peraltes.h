#pragma once
// The superelevation file of the Tarsel instruments (.PER), and two helpers of the
// readers that manage several output files.
//
//   bytes 1-4   Long 44117, the file tag
//   bytes 5-12  Double, transversal offset of the vertical-alignment axis
//   from 13     24 bytes a chainage: PK, Izquierda, Derecha (Doubles)

#include <cstdint>
#include <string>
#include <vector>

#include "common/info_proyecto.h"
#include "platform/desktop.h"

namespace field_writers {

inline constexpr std::int32_t kEtiquetaPeraltes = 44117;

struct TPeralte {
    double PK = 0;
    double Izquierda = 0;  // superelevation of the left side
    double Derecha = 0;    // of the right side
};

// Writes rows 1 .. size() - 1 of Peraltes (element 0 unused) into a new file that
// replaces FicheroSalida once complete, and keeps the run's chainage range.
void Write_Peraltes(const std::string& FicheroSalida, double offset, const std::vector<TPeralte>& Peraltes,
                    TInfoProyecto& Info);

// The size of a file in bytes; 0 when it does not exist.
double Tamano_Fichero(const std::string& path);

// Before an output file is written: true when it must not be written (the user
// kept the existing file, or it cannot be replaced, which a box has said); false
// when it did not exist or the user agreed to replace it (the writer replaces it once
// the new file is complete). The boxes show the file as
// `nombre`, the form the run's summary gives it.
bool Comprueba_Sobrescribir(platform::Desktop& desktop, const std::string& path, const std::string& nombre);

}  // namespace field_writers
