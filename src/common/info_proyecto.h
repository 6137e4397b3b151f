#pragma once
// The statistics of the current office-to-field run: the files, the chainage range
// and, for alignments, how many elements of each kind were written. One instance
// lives in State for the whole program run; each run clears only its own kind.

#include <cstdint>
#include <string>

struct TInfoProyecto {
    std::string Entrada;           // input file name shown in the summary
    std::string Salida;            // output file name shown in the summary
    std::string NombreTaludes;     // Corvana section file of the slope layer, or ""
    std::string NombreSubRasante;  // ... of the sub-grade layer, or ""
    std::string NombreRasante;     // ... of the finished-grade layer, or ""
    double PkInicialPlanta = 0;
    double PkFinalPlanta = 0;
    double PkInicialAlzado = 0;
    double PkFinalAlzado = 0;
    double PkInicialSeccion = 0;
    double PkFinalSeccion = 0;
    double PkInicialPeraltes = 0;
    double PkFinalPeraltes = 0;
    // Counters of elements written. 32-bit: an alignment of more than 32,767
    // elements of one kind must not show a negative count.
    std::int32_t Rectas = 0;
    std::int32_t Circulares = 0;
    std::int32_t Clotoides = 0;
    std::int32_t RasantesRectas = 0;
    std::int32_t AcuerdosVerticales = 0;
};
