#include "field_to_office/ba_dispatch.h"

#include "common/string_helpers.h"

namespace {

// The table for the binary and the later field formats (all but KTW input).
Converter ByFileType(std::int16_t formatoCampo, FileType type, std::string_view filtro) {
    const bool f0 = formatoCampo == 0;
    const bool f2 = formatoCampo == 2;
    const bool f23 = formatoCampo == 2 || formatoCampo == 3;
    switch (type) {
    case FileType::Points:
    case FileType::Bases:
        if (f0) return Converter::B_A_Bases_Puntos;
        if (f2) {
            return type == FileType::Points && filtro == "Istram Estandar" ? Converter::KTW_A_Ispol
                                                                            : Converter::KTW_A_Taqui_User;
        }
        return Converter::None;
    case FileType::Observations:
        if (filtro == "Perfiles Clip") {
            return f0 || f23 || formatoCampo == 4 ? Converter::Multi_Piste_Perfiles : Converter::None;
        }
        if (Strings::IsOneOf(filtro, {"Estandar", "Modelo Digital", "Elsamex", "DXF", "Topcal", "Brennsoft", "TCP", "SDR", "Calco",
                           "FieldWorks"})) {
            if (f0) return Converter::B_A_Taqui;
            return f23 ? Converter::KTW_Tarsel_Taqui : Converter::None;
        }
        if (Strings::IsOneOf(filtro, {"Istram Estandar", "Istram (EPSA)", "InRoads"})) {
            if (f0) return Converter::B_A_Taqui_Istram;
            return f23 ? Converter::KTW_Tarsel_Taqui : Converter::None;
        }
        if (f0) return Converter::B_A_Taqui_User;
        return f23 ? Converter::KTW_A_Taqui_User : Converter::None;
    case FileType::Analysis:
        if (f0) return Converter::B_A_Analysis;
        return f2 ? Converter::KTW_Tarsel_Taqui : Converter::None;
    case FileType::Profiles:
        if (f0) return Converter::B_A_Perfiles;
        if (Strings::IsOneOf(filtro, {"Perfiles Clip", "Istram Estandar", "Istram (EPSA)", "Topcal", "Vial", "DXF"})) {
            return f23 ? Converter::KTW_A_Perfiles : Converter::None;
        }
        return f2 ? Converter::KTW_Tarsel_Taqui : Converter::None;
    case FileType::None:
        return Converter::None;
    }
    return Converter::None;
}

// The user-filter converters lay out their lines from the definition stored for a
// user filter. A standard filter has none, so they would write nothing, except
// where the KTW converter has a layout of its own: "Topcal" and "Brennsoft", and
// the points and bases files of format 2.
bool UserConverterHasLayout(Converter converter, std::int16_t formatoCampo, FileType type, std::string_view filtro,
                            bool userFilter) {
    if (userFilter) return true;
    if (converter != Converter::KTW_A_Taqui_User) return false;
    if (filtro == "Topcal" || filtro == "Brennsoft") return true;
    return formatoCampo == 2 && (type == FileType::Points || type == FileType::Bases);
}

}  // namespace

const char* ConverterName(Converter converter) {
    switch (converter) {
    case Converter::B_A_Bases_Puntos: return "B_A_Bases_Puntos";
    case Converter::B_A_Taqui: return "B_A_Taqui";
    case Converter::B_A_Taqui_Istram: return "B_A_Taqui_Istram";
    case Converter::B_A_Analysis: return "B_A_Analysis";
    case Converter::KTW_Tarsel_Taqui: return "KTW_Tarsel_Taqui";
    case Converter::Multi_Piste_Perfiles: return "Multi_Piste_Perfiles";
    case Converter::B_A_Perfiles: return "B_A_Perfiles";
    case Converter::KTW_A_Perfiles: return "KTW_A_Perfiles";
    case Converter::B_A_Taqui_User: return "B_A_Taqui_User";
    case Converter::KTW_A_Taqui_User: return "KTW_A_Taqui_User";
    case Converter::KTW_A_Ispol: return "KTW_A_Ispol";
    case Converter::None: return "None";
    }
    return "None";
}

DispatchDecision DecideConversion(std::int16_t formatoCampo, FileType type, std::string_view filtro, int listIndex,
                                  int numFiltrosEstandar) {
    const bool userFilter = listIndex >= 0 && listIndex >= numFiltrosEstandar;
    Converter converter = Converter::None;
    if (formatoCampo == 1) {
        // KTW input, whatever the file type: the first six filters need a user filter.
        if (listIndex >= 0 && listIndex <= 5) return {Converter::None, true};
        converter = filtro == "DXF" ? Converter::KTW_Tarsel_Taqui : Converter::KTW_A_Taqui_User;
    } else {
        converter = ByFileType(formatoCampo, type, filtro);
    }
    if ((converter == Converter::KTW_A_Taqui_User || converter == Converter::B_A_Taqui_User) &&
        !UserConverterHasLayout(converter, formatoCampo, type, filtro, userFilter)) {
        return {Converter::None, formatoCampo == 1};
    }
    return {converter, false};
}
