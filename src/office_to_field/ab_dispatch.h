#pragma once
// Which converter of the office-to-field window serves a request, and what the
// request prepares for it: a pure decision over the kind of data, the program
// (the text of Combo1, compared letter for letter) and the field format, so that
// the whole table can be checked without a window.

#include <cstdint>
#include <string_view>

#include "office_to_field/ab_kinds.h"

namespace office_to_field {

// Every converter the window can run. Each is installed in the window's converter
// table (ab_converters.h); one not installed yet is answered as not available.
enum class AbConverter {
    A_B_Puntos_Bases_Estandar,
    A_B_Seccion_Estandar,
    ASCII_KTW,
    DXF_Bin,
    DXF_KTW,
    DXF_MDT,
    Estandar_Planta,
    Istram_Planta,
    InRoads_Planta,
    Cartomap_Planta,
    TCP_Planta,
    Trazado_Planta,
    SDR_Planta_Alzado,
    SierraSoft_Planta_Alzado,
    Vextor_Planta,
    ClipWin_Planta,
    Estandar_Alzado,
    Istram_Alzado,
    InRoads_Alzado,
    Cartomap_Alzado,
    TCP_Alzado,
    Trazado_Alzado,
    Vextor_Alzado,
    ClipWin_Alzado,
    Estandar_Seccion_Tipo,
    Ispol_Seccion_Tipo,
    InRoads_Seccion_Tipo,
    ModeloDigital_Seccion_Tipo,
    TCP_Seccion_Tipo,
    Cartomap_Seccion_Tipo,
    SDR_Seccion_Tipo,
    SierraSoft_Seccion_Tipo,
    // The Vextor sequence: the alzado of AlzadoFile, the assignment file, the sections.
    Vextor_Seccion_Tipo,
    ClipWin_Seccion_Tipo,
    SierraSoft_Peraltes,
    None /*nothing to convert*/
};

const char* AbConverterName(AbConverter converter);

// Questions asked before a typical-section request.
enum class SectionQuestions {
    None,
    // "Vextor": confirm and pick the alzado file, then the assignment file; a Cancel ends the request.
    Vextor,
    // Corvana: the section lines carry the axis elevation, so the alzado file is picked.
    Alzado,
};

struct AbDecision {
    AbConverter converter = AbConverter::None;
    // The KTW word options are set to the 16-digit 3D layout with no constant.
    bool forceKtw16 = false;
    // The output starts with the Tunelix header line.
    bool tunelixHeader = false;
    // A typical-section index file (.STD) is written beside the output.
    bool stdIndex = false;
    SectionQuestions questions = SectionQuestions::None;

    bool operator==(const AbDecision&) const = default;
};

AbDecision DecideAbConversion(Kind kind, std::string_view programa, std::int16_t formatoCampo);

}  // namespace office_to_field
