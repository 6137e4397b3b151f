#include "office_to_field/ab_kinds.h"

#include "common/string_helpers.h"

namespace office_to_field {

namespace {

Switch OnIf(bool on) { return on ? Switch::On : Switch::Off; }

}  // namespace

bool IsClip(std::string_view p) { return Strings::IsOneOf(p, {"Clip", "Clip Ferrocarril", "Clip Windows"}); }
bool IsTcp(std::string_view p) { return Strings::IsOneOf(p, {"TCP", "TCP V4"}); }
bool IsCartomap(std::string_view p) { return Strings::IsOneOf(p, {"Cartomap V3.xx", "Cartomap V4.xx"}); }

const char* KindName(Kind kind) {
    switch (kind) {
    case Kind::None: return "None";
    case Kind::Puntos: return "Puntos";
    case Kind::Bases: return "Bases";
    case Kind::Planta: return "Planta";
    case Kind::Alzado: return "Alzado";
    case Kind::SeccionExcavacion: return "SeccionExcavacion";
    case Kind::SeccionTipo: return "SeccionTipo";
    case Kind::Taludes: return "Taludes";
    case Kind::Peraltes: return "Peraltes";
    case Kind::MDT: return "MDT";
    }
    return "None";
}

ProgramRule ProgramRuleFor(std::string_view p, std::int16_t fmt) {
    ProgramRule rule;
    auto& e = rule.enable;
    const bool f3 = fmt == 3;
    const bool f02 = fmt == 0 || fmt == 2;
    const bool f23 = fmt == 2 || fmt == 3;
    // Typical sections are written for formats 0, 2 and 3 only: Tunelix has no
    // section file, so no program offers the kind in format 4.
    const Switch tipoOn = OnIf(fmt != 4);
    // In Corvana the first choice is the planta, elsewhere the points.
    const auto plantaOrPuntos = [&] { rule.option = f3 ? Kind::Planta : Kind::Puntos; };
    const auto plantaInCorvana = [&] { rule.option = f3 ? Kind::Planta : Kind::None; };

    if (p == "Istram") {
        plantaInCorvana();
        e = {f3 ? Switch::Unchanged : Switch::On, Switch::Unchanged, Switch::On, Switch::On, Switch::Off, Switch::Off,
             Switch::Off};
    } else if (p == "Estandar") {
        plantaOrPuntos();
        const Switch pb = f3 ? Switch::Unchanged : Switch::On;
        e = {pb, pb, Switch::On, Switch::On, OnIf(!f3), tipoOn, Switch::Off};
    } else if (p == "DXF") {
        rule.option = Kind::Puntos;
        rule.select = !f3;
        e = {Switch::Unchanged, Switch::Unchanged, Switch::Off, Switch::Off, Switch::Off, Switch::Off, Switch::Off};
        rule.showMdt = true;
        rule.showLayer = true;
    } else if (Strings::IsOneOf(p, {"Modelo Digital", "InRoads"})) {
        plantaOrPuntos();
        e = {Switch::Unchanged, Switch::Unchanged, Switch::On, Switch::On, OnIf(!f3), tipoOn, Switch::Off};
    } else if (IsClip(p)) {
        rule.option = fmt == 1 || fmt == 3 || fmt == 4 ? Kind::Planta : Kind::None;
        e = {OnIf(f02), OnIf(f02), Switch::On, Switch::On, OnIf(f02), OnIf(f23), Switch::Off};
    } else if (p == "Ispol") {
        plantaInCorvana();
        e = {f3 ? Switch::Unchanged : Switch::On, Switch::Unchanged, Switch::On, Switch::On, Switch::Off, OnIf(f23),
             Switch::Off};
    } else if (IsTcp(p)) {
        plantaOrPuntos();
        e = {Switch::Off, Switch::Off, Switch::On, Switch::On, Switch::Off, OnIf(f23), Switch::Off};
    } else if (IsCartomap(p)) {
        plantaOrPuntos();
        e = {Switch::On, Switch::On, Switch::On, Switch::On, Switch::Unchanged, OnIf(f23), Switch::Off};
    } else if (p == "SDR") {
        plantaOrPuntos();
        e = {Switch::On, Switch::On, Switch::On, Switch::On, Switch::Unchanged, OnIf(fmt == 2), Switch::Off};
    } else if (p == "Trazado") {
        rule.option = Kind::Planta;
        e = {Switch::Off, Switch::Off, Switch::On, Switch::On, Switch::Off, Switch::Off, Switch::Off};
    } else if (Strings::IsOneOf(p, {"SierraSoft", "Vextor"})) {
        rule.option = Kind::Planta;
        e = {Switch::Off, Switch::Off, Switch::On, Switch::On, Switch::Off, tipoOn, Switch::Off};
        rule.showPeraltes = p == "SierraSoft";
    }
    return rule;
}

std::string InputFilter(std::string_view p, Kind kind) {
    if (p == "Vextor") {
        if (kind == Kind::Planta) return "Fichero Planta (aln*.KTW)|aln*.KTW";
        if (kind == Kind::Alzado) return "Fichero Alzado (prf*.KTW)|prf*.KTW";
        if (kind == Kind::SeccionTipo) return "Fichero Sección Tipo (crs*.KTW)|crs*.KTW";
    } else if (p == "Clip Windows") {
        if (kind == Kind::Planta) return "Fichero Planta (*.RTF)|*.RTF";
        if (kind == Kind::Alzado) return "Fichero Alzado (*.RTF)|*.RTF";
        if (kind == Kind::SeccionTipo) return "Fichero Sección Tipo (*.RTF)|*.RTF";
    } else if (p == "SierraSoft") {
        if (kind == Kind::Planta || kind == Kind::Alzado) return "Fichero Planta o Alzado(*.GDX)|*.GDX";
        if (kind == Kind::SeccionTipo) return "Fichero Sección Tipo (*.TXT)|*.TXT";
    }
    return "Todos los archivos|*.*";
}

std::optional<SaveDefaults> SaveDialogDefaults(Kind kind, std::int16_t fmt) {
    switch (kind) {
    case Kind::Puntos:
        if (fmt == 0) return SaveDefaults{"pto", "Fichero de puntos (*.PTO)|*.pto"};
        if (fmt == 1 || fmt == 2) return SaveDefaults{"ktw", "Fichero de puntos (*.KTW)|*.ktw"};
        break;
    case Kind::Bases:
        if (fmt == 0) return SaveDefaults{"bas", "Fichero de bases (*.BAS)|*.bas"};
        if (fmt == 2) return SaveDefaults{"ktw", "Fichero de bases (*.KTW)|*.ktw"};
        break;
    case Kind::Planta:
        if (fmt == 0 || fmt == 2) return SaveDefaults{"pla", "Fichero de planta (*.PLA)|*.pla"};
        if (fmt == 3) return SaveDefaults{"ptc", "Fichero de planta (*.PTC)|*.ptc"};
        if (fmt == 4) return SaveDefaults{"ktw", "Fichero de planta (*.KTW)|*.ktw"};
        break;
    case Kind::Alzado:
        if (fmt == 0 || fmt == 2) return SaveDefaults{"alz", "Fichero de alzado (*.ALZ)|*.alz"};
        if (fmt == 3) return SaveDefaults{"lon", "Fichero de alzado (*.LON)|*.lon"};
        // The Tunelix alzado is offered under the planta's description.
        if (fmt == 4) return SaveDefaults{"ktw", "Fichero de planta (*.KTW)|*.ktw"};
        break;
    case Kind::SeccionExcavacion:
        if (fmt == 0) return SaveDefaults{"sec", "Fichero de sección (*.SEC)|*.sec"};
        if (fmt == 2) return SaveDefaults{"ktw", "Fichero de sección (*.KTW)|*.ktw"};
        break;
    case Kind::SeccionTipo:
        if (fmt == 0 || fmt == 2) return SaveDefaults{"sct", "Fichero de sección (*.SCT)|*.sct"};
        if (fmt == 3) return SaveDefaults{"pro", "Fichero de sección (*.PRO)|*.pro"};
        break;
    case Kind::MDT: return SaveDefaults{"MDT", "Fichero de Modelo Digital (*.MDT)|*.mdt"};
    case Kind::None:
    case Kind::Taludes:
    case Kind::Peraltes: break;
    }
    return std::nullopt;
}

bool OutputIsFolder(std::string_view p, Kind kind) {
    return p == "SierraSoft" && (kind == Kind::Planta || kind == Kind::Alzado || kind == Kind::Peraltes);
}

std::string RequiredExtension(Kind kind, std::string_view p, std::int16_t fmt) {
    const auto pick = [fmt](std::array<const char*, 5> byFormat) -> std::string {
        return fmt >= 0 && fmt <= 4 ? byFormat[static_cast<std::size_t>(fmt)] : "";
    };
    switch (kind) {
    case Kind::Puntos: return pick({"PTO", "KTW", "KTW", "", ""});
    case Kind::Bases: return pick({"BAS", "KTW", "", "", ""});
    case Kind::Planta: return p == "SierraSoft" ? "" : pick({"PLA", "", "PLA", "PTC", ""});
    case Kind::Alzado: return p == "SierraSoft" ? "" : pick({"ALZ", "", "ALZ", "LON", ""});
    case Kind::SeccionExcavacion: return pick({"SEC", "KTW", "", "", ""});
    case Kind::SeccionTipo: return pick({"SCT", "", "SCT", "PRO", ""});
    case Kind::None:
    case Kind::Taludes:
    case Kind::Peraltes:
    case Kind::MDT: return "";
    }
    return "";
}

}  // namespace office_to_field
