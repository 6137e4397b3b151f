#include "field_to_office/ba_file_types.h"

#include "common/string_helpers.h"

namespace {

// Enabled options from a list of file types.
std::array<bool, 5> Enabled(std::initializer_list<FileType> types) {
    std::array<bool, 5> enabled{};
    for (FileType type : types) {
        for (size_t i = 0; i < kFileTypes.size(); ++i) {
            if (kFileTypes[i] == type) enabled[i] = true;
        }
    }
    return enabled;
}

FileTypeRule Rule(std::initializer_list<FileType> enabled, FileType option, bool select = true) {
    return {Enabled(enabled), option, select};
}


// The filters that propose a points file where the field format has one.
bool PointFilter(std::string_view f) {
    return Strings::IsOneOf(f, {"Modelo Digital", "Istram Estandar", "Istram (EPSA)", "Elsamex", "Estandar", "DXF"});
}

FileTypeRule RuleFormat0(std::string_view f) {
    using T = FileType;
    if (PointFilter(f)) return {{true, true, true, true, true}, T::Points, true};
    if (f == "Perfiles Clip") return Rule({T::Profiles}, T::Profiles);
    if (f == "Topcal") return Rule({T::Observations, T::Profiles}, T::Points);
    if (Strings::IsOneOf(f, {"InRoads", "TCP"})) return Rule({}, T::Observations);
    if (f == "Vial") return Rule({}, T::Profiles, false);
    return Rule({T::Observations}, T::Observations);
}

FileTypeRule RuleFormat2(std::string_view f) {
    using T = FileType;
    if (PointFilter(f)) return {{true, true, true, true, true}, T::Points, true};
    if (f == "Perfiles Clip") return Rule({T::Observations, T::Profiles}, T::Profiles);
    if (f == "Topcal") return Rule({T::Observations, T::Profiles}, T::Points);
    if (Strings::IsOneOf(f, {"InRoads", "TCP"})) return Rule({T::Observations}, T::Observations);
    if (f == "Vial") return Rule({T::Profiles}, T::Profiles);
    return Rule({T::Observations}, T::Observations);
}

FileTypeRule RuleFormat3(std::string_view f) {
    using T = FileType;
    if (Strings::IsOneOf(f, {"Modelo Digital", "Elsamex"})) return Rule({}, T::Profiles);
    if (Strings::IsOneOf(f, {"Istram Estandar", "Istram (EPSA)", "Perfiles Clip"})) {
        return Rule({T::Observations, T::Profiles}, T::Profiles);
    }
    if (Strings::IsOneOf(f, {"Estandar", "TCP"})) return Rule({}, T::Profiles, false);
    if (Strings::IsOneOf(f, {"DXF", "Topcal", "Vial"})) return Rule({T::Profiles}, T::Profiles);
    if (f == "InRoads") return Rule({}, T::Observations, false);
    return Rule({T::Observations}, T::Observations);
}

const DialogDefaults kKtw{"ktw", "Fichero de datos KTW (*.KTW)|*.ktw"};

}  // namespace

std::optional<FileTypeRule> FileTypeRuleFor(std::int16_t formatoCampo, std::string_view filtro) {
    using T = FileType;
    switch (formatoCampo) {
    case 0: return RuleFormat0(filtro);
    case 1: return Rule({T::Observations}, T::Observations);
    case 2: return RuleFormat2(filtro);
    case 3: return RuleFormat3(filtro);
    case 4: return Rule({T::Observations, T::Analysis}, T::Observations);
    default: return std::nullopt;
    }
}

const char* FirstOptionCaption(std::string_view filtro) {
    return filtro == "Istram Estandar" ? "Fichero Observaciones" : "Fichero de Puntos";
}

std::optional<DialogDefaults> OpenDialogDefaults(std::int16_t formatoCampo, FileType type, std::string_view filtro) {
    const bool f0 = formatoCampo == 0;
    const bool f2 = formatoCampo == 2;
    switch (type) {
    case FileType::Points:
        if (f0) return DialogDefaults{"pto", "Fichero de puntos (*.PTO)|*.pto"};
        if (formatoCampo == 1 || f2) return kKtw;
        return std::nullopt;
    case FileType::Bases:
        if (f0) return DialogDefaults{"bas", "Fichero de bases (*.BAS)|*.bas"};
        if (f2) return kKtw;
        return std::nullopt;
    case FileType::Observations:
        if (f0) return DialogDefaults{"fic", "Fichero de alzado (*.FIC)|*.fic"};
        if (f2) {
            if (filtro == "Perfiles Clip") return DialogDefaults{"txt", "Fichero de datos TXT (*.TXT)|*.txt"};
            return kKtw;
        }
        return std::nullopt;
    case FileType::Analysis:
        if (f0) return DialogDefaults{"lib", "Fichero de sección (*.LIB)|*.lib"};
        if (f2) return kKtw;
        return std::nullopt;
    case FileType::Profiles:
        if (f0) return DialogDefaults{"PRF", "Fichero de perfiles (*.PRF)|*.PRF"};
        if (f2) return kKtw;
        return std::nullopt;
    case FileType::None: return std::nullopt;
    }
    return std::nullopt;
}

DialogDefaults SaveDialogDefaults(std::string_view filtro) {
    std::string ext = filtro == "DXF" ? "DXF" : "TXT";
    if (filtro == "Vial" || filtro == "Perfiles Clip") return {ext, "Fichero de perfiles(*.TER)|*.ter"};
    if (filtro == "DXF") return {ext, "Fichero DXF (*.DXF)|*.dxf"};
    if (filtro == "Calco") return {ext, "Fichero de perfiles(*.LEC)|*.lec"};
    if (filtro == "TCP") return {ext, "Fichero ASCII LEV(*.LEA)|*.lea"};
    if (filtro == "FieldWorks") return {ext, "Fichero ASCII FieldWorks(*.FWD)|*.fwd"};
    return {ext, "Fichero de texto (*.TXT)|*.txt|Todos los ficheros (*.*)|*.*"};
}
