#pragma once
// Which converter of the field-to-office window serves a request: a pure decision
// over the field format, the file type, the filter and its place in the list, so
// that the whole table can be checked without a window.

#include <cstdint>
#include <string_view>

// The converters the window can run. Each is an entry point of its own, installed
// in the window's converter table (see converters.h).
enum class Converter {
    B_A_Bases_Puntos,
    B_A_Taqui,
    B_A_Taqui_Istram,
    B_A_Analysis,
    KTW_Tarsel_Taqui,
    Multi_Piste_Perfiles,
    B_A_Perfiles,
    KTW_A_Perfiles,
    B_A_Taqui_User,
    KTW_A_Taqui_User,
    KTW_A_Ispol,
    None /*nothing to convert*/
};

// Its name, for messages and test transcripts.
const char* ConverterName(Converter converter);

// The file types of the window, one option each; None when no option is selected.
enum class FileType { None, Points, Bases, Observations, Analysis, Profiles };

struct DispatchDecision {
    Converter converter = Converter::None;
    // KTW data asked for with a standard filter that only a user filter can serve:
    // refused with the warning that a user filter is needed.
    bool needsUserFilter = false;

    bool operator==(const DispatchDecision&) const = default;
};

// The decision for one request. `listIndex` is the 0-based place of the filter in
// the filter list, whose first `numFiltrosEstandar` entries are the standard filters.
// Filter names compare exactly. A combination that would write nothing (no file
// type, a format and type without a converter, or a user-filter converter given a
// standard filter it has no definition for) yields Converter::None.
DispatchDecision DecideConversion(std::int16_t formatoCampo, FileType type, std::string_view filtro, int listIndex,
                                  int numFiltrosEstandar);
