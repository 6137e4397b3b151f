#pragma once
// The process-wide variables the windows and converters share, under their own
// names. One object, made by main.cpp or by a test, handed to everyone by reference.

#include <cstdint>
#include <string>

#include "common/field.h"

struct State {
    // The files of the current conversion (upper-cased copies of the chosen names).
    std::string InFile;
    std::string OutFile;
    std::string OutFile2;
    std::string AlzadoFile;
    std::string AsignacionFile;

    // 0 "Tarsel v2.27 o anterior", 1 KTW, 2 "Tarsel v3.00 o posterior", 3 Corvana, 4 Tunelix.
    std::int16_t FormatoCampo = 0;
    // 0 "Campo => Oficina", 1 "Oficina => Campo".
    std::int16_t Transformacion = 0;
    // Set to 1 by a reader that rejected its input and already said so.
    std::int16_t ErrorFichero = 0;
    // Filter-editor mode.
    std::int16_t ModoFiltro = 0;

    // Pieces of the line being read, used from element 1.
    TFields Campos = TFields(1);
    TFields Campos2 = TFields(1);

    // Field-to-office window.
    std::int16_t NumFiltrosEstandar = 0;
    std::int16_t NumFiltrosUsuario = 0;
    std::int16_t CancelarDXF = 0;
};
