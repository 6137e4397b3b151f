#pragma once
// Keeping the statistics of an office-to-field run (TInfoProyecto) and showing them
// in the summary box at its end. Kinds: 1 planta, 2 alzado, 3 sección tipo,
// 4 peraltes.

#include <cstdint>
#include <string>

#include "common/info_proyecto.h"
#include "common/records.h"
#include "platform/desktop.h"

namespace Info_Proyect {

inline constexpr int kPlanta = 1;
inline constexpr int kAlzado = 2;
inline constexpr int kSeccionTipo = 3;
inline constexpr int kPeraltes = 4;

// Clears the chainages and counters of one kind; the file names stay.
void Inicializa_Info(int Tipo, TInfoProyecto& Info);

// Element i (from 1) written: the first sets the start of the range, each one the
// end and counts itself by its kind.
void Info_Planta(std::int64_t i, const TPlanta& e, TInfoProyecto& Info);
void Info_Alzado(std::int64_t i, const TAlzado& e, TInfoProyecto& Info);
// Row i of a superelevation table at chainage pk.
void Info_Peraltes(std::int64_t i, double pk, TInfoProyecto& Info);

}  // namespace Info_Proyect

namespace field_writers {

// The summary box of kind Tipo after a completed run; nothing when Error is not 0
// or Tipo is not 1 to 4. Chainages use the user's decimal separator. A `nota` that
// is not empty ends an alzado summary after an empty line.
void Muestra_Resumen(platform::Desktop& desktop, int Error, int Tipo, int Formato, const TInfoProyecto& Info,
                     const std::string& nota = {});

}  // namespace field_writers
