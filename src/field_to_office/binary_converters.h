#pragma once
// The converters of the binary field files of "Tarsel v2.27 o anterior" to the
// office formats and to DXF: observations (.FIC), analysis (.LIB), points and
// bases (.PTO, .BAS).

#include <cstdint>
#include <functional>
#include <string>

class ba_form;
struct State;

struct BinaryRequest {
    std::string entrada;  // input file, as the user chose it
    std::string salida;   // output file, as the user chose it
    std::string filtro;   // the filter's name in the filter list
    char decimalSeparator = '.';
};

// A warning that does not stop the conversion, shown to the user.
using Aviso = std::function<void(const std::string& text)>;

// Each conversion throws ConversionError (with a Spanish text) when it cannot be
// done; the output then does not exist. The DXF options are read from the state;
// contadorVertices is the window's polyline vertex counter.
void ConvertBinaryTaqui(const BinaryRequest& request, const State& state, std::int32_t& contadorVertices);
// "Istram Estandar", "Istram (EPSA)" and "InRoads"; a name cut to six characters is
// told once per conversion through `aviso`.
void ConvertBinaryTaquiIstram(const BinaryRequest& request, const Aviso& aviso);
// Refused (ConversionError) when the input's name does not end in "LIB".
void ConvertBinaryAnalysis(const BinaryRequest& request, const State& state, std::int32_t& contadorVertices);
void ConvertBinaryBasesPuntos(const BinaryRequest& request, const State& state, std::int32_t& contadorVertices);

// The window's converters: the request from its controls and the state.
void B_A_Taqui(ba_form& form);
void B_A_Taqui_Istram(ba_form& form);
void B_A_Analysis(ba_form& form);
void B_A_Bases_Puntos(ba_form& form);
