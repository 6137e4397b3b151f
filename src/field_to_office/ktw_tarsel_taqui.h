#pragma once
// KTW observation files (and the KTW-word observation and analysis files of the
// later Tarsel instruments) to the standard office formats and to DXF.

#include <cstdint>
#include <functional>
#include <string>

class ba_form;
struct State;

struct KTWTaquiRequest {
    std::string entrada;  // input file, as the user chose it
    std::string salida;   // output file, as the user chose it
    std::string filtro;   // the filter's name in the filter list
    bool analisis = false;  // "Fichero de análisis"
    bool perfiles = false;  // "Fichero de perfiles"
    char decimalSeparator = '.';
};

// One conversion. Throws ConversionError (with a Spanish text) when it cannot be
// done, and when no line of the input is a KTW record; the output is then left as
// it was. The DXF options are read from the state;
// contadorVertices is the window's polyline vertex counter. For "FieldWorks",
// opcionFieldWorks asks whether coordinates are written too (the options dialog);
// without it, observations only.
void ConvertKTWTaqui(const KTWTaquiRequest& request, const State& state, std::int32_t& contadorVertices,
                     const std::function<bool()>& opcionFieldWorks = {});

// The window's converter: the request from its controls and the state.
void KTW_Tarsel_Taqui(ba_form& form);
