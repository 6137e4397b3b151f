#pragma once
// Observation files written through a user filter: binary .FIC records of
// "Tarsel v2.27 o anterior" and KTW files. The KTW converter also serves the points
// and bases files of "Tarsel v3.00 o posterior" (fixed layouts, or a DXF drawing)
// and the filters "Topcal" and "Brennsoft" of KTW data.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class ba_form;
struct State;

struct UserFilterRequest {
    std::string entrada;  // input file, as the user chose it
    std::string salida;   // output file, as the user chose it
    std::string filtro;   // the filter's name in the filter list
    // The stored definition of the selected user filter ("" for a standard one).
    std::string definicion;
    std::int16_t formatoCampo = 0;
    bool puntos = false;  // "Fichero de puntos"
    bool bases = false;   // "Fichero de bases"
    char decimalSeparator = '.';
};

// Asks for the comment line; nullopt when the user closed the dialog without it.
using PedirComentario = std::function<std::optional<std::string>()>;

// Each throws ConversionError (with a Spanish text) when it cannot be done; the old
// output is then left as it was. A KTW file in which no line is an observation is
// refused. contadorVertices is the window's polyline vertex counter (DXF).
void ConvertBinaryUser(const UserFilterRequest& request, const PedirComentario& comentario, const State& state,
                       std::int32_t& contadorVertices);
void ConvertKTWUser(const UserFilterRequest& request, const PedirComentario& comentario, const State& state,
                    std::int32_t& contadorVertices);

// The window's converters: the request from its controls and the state.
void B_A_Taqui_User(ba_form& form);
void KTW_A_Taqui_User(ba_form& form);
