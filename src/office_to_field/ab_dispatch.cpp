#include "office_to_field/ab_dispatch.h"

#include "common/string_helpers.h"

namespace office_to_field {

namespace {

bool IsIstram(std::string_view p) { return Strings::IsOneOf(p, {"Istram", "Ispol"}); }

AbConverter PlantaConverter(std::string_view p) {
    if (IsIstram(p)) return AbConverter::Istram_Planta;
    if (IsClip(p)) return AbConverter::ClipWin_Planta;
    if (p == "InRoads") return AbConverter::InRoads_Planta;
    if (IsCartomap(p)) return AbConverter::Cartomap_Planta;
    if (IsTcp(p)) return AbConverter::TCP_Planta;
    if (p == "Trazado") return AbConverter::Trazado_Planta;
    if (p == "SDR") return AbConverter::SDR_Planta_Alzado;
    if (p == "SierraSoft") return AbConverter::SierraSoft_Planta_Alzado;
    if (p == "Vextor") return AbConverter::Vextor_Planta;
    return AbConverter::Estandar_Planta;
}

AbConverter AlzadoConverter(std::string_view p) {
    if (IsIstram(p)) return AbConverter::Istram_Alzado;
    if (IsClip(p)) return AbConverter::ClipWin_Alzado;
    if (p == "InRoads") return AbConverter::InRoads_Alzado;
    if (IsTcp(p)) return AbConverter::TCP_Alzado;
    if (IsCartomap(p)) return AbConverter::Cartomap_Alzado;
    if (p == "Trazado") return AbConverter::Trazado_Alzado;
    // The SDR road file holds planta and alzado together: its one reader writes both.
    if (p == "SDR") return AbConverter::SDR_Planta_Alzado;
    if (p == "SierraSoft") return AbConverter::SierraSoft_Planta_Alzado;
    if (p == "Vextor") return AbConverter::Vextor_Alzado;
    return AbConverter::Estandar_Alzado;
}

AbConverter SeccionTipoConverter(std::string_view p) {
    if (p == "Ispol") return AbConverter::Ispol_Seccion_Tipo;
    if (IsClip(p)) return AbConverter::ClipWin_Seccion_Tipo;
    if (p == "InRoads") return AbConverter::InRoads_Seccion_Tipo;
    if (p == "Modelo Digital") return AbConverter::ModeloDigital_Seccion_Tipo;
    if (IsTcp(p)) return AbConverter::TCP_Seccion_Tipo;
    if (IsCartomap(p)) return AbConverter::Cartomap_Seccion_Tipo;
    if (p == "SDR") return AbConverter::SDR_Seccion_Tipo;
    if (p == "Vextor") return AbConverter::Vextor_Seccion_Tipo;
    if (p == "SierraSoft") return AbConverter::SierraSoft_Seccion_Tipo;
    if (p == "Estandar") return AbConverter::Estandar_Seccion_Tipo;
    return AbConverter::None;
}

// Programs whose Corvana sections need the alzado file picked first.
bool CorvanaSectionNeedsAlzado(std::string_view p) {
    return Strings::IsOneOf(p, {"Estandar", "InRoads", "TCP", "TCP V4", "Clip", "Clip Ferrocarril", "Clip Windows", "Ispol",
                     "Modelo Digital", "Cartomap V3.xx", "Cartomap V4.xx", "SierraSoft"});
}

}  // namespace

const char* AbConverterName(AbConverter converter) {
    switch (converter) {
    case AbConverter::A_B_Puntos_Bases_Estandar: return "A_B_Puntos_Bases_Estandar";
    case AbConverter::A_B_Seccion_Estandar: return "A_B_Seccion_Estandar";
    case AbConverter::ASCII_KTW: return "ASCII_KTW";
    case AbConverter::DXF_Bin: return "DXF_Bin";
    case AbConverter::DXF_KTW: return "DXF_KTW";
    case AbConverter::DXF_MDT: return "DXF_MDT";
    case AbConverter::Estandar_Planta: return "Estandar_Planta";
    case AbConverter::Istram_Planta: return "Istram_Planta";
    case AbConverter::InRoads_Planta: return "InRoads_Planta";
    case AbConverter::Cartomap_Planta: return "Cartomap_Planta";
    case AbConverter::TCP_Planta: return "TCP_Planta";
    case AbConverter::Trazado_Planta: return "Trazado_Planta";
    case AbConverter::SDR_Planta_Alzado: return "SDR_Planta_Alzado";
    case AbConverter::SierraSoft_Planta_Alzado: return "SierraSoft_Planta_Alzado";
    case AbConverter::Vextor_Planta: return "Vextor_Planta";
    case AbConverter::ClipWin_Planta: return "ClipWin_Planta";
    case AbConverter::Estandar_Alzado: return "Estandar_Alzado";
    case AbConverter::Istram_Alzado: return "Istram_Alzado";
    case AbConverter::InRoads_Alzado: return "InRoads_Alzado";
    case AbConverter::Cartomap_Alzado: return "Cartomap_Alzado";
    case AbConverter::TCP_Alzado: return "TCP_Alzado";
    case AbConverter::Trazado_Alzado: return "Trazado_Alzado";
    case AbConverter::Vextor_Alzado: return "Vextor_Alzado";
    case AbConverter::ClipWin_Alzado: return "ClipWin_Alzado";
    case AbConverter::Estandar_Seccion_Tipo: return "Estandar_Seccion_Tipo";
    case AbConverter::Ispol_Seccion_Tipo: return "Ispol_Seccion_Tipo";
    case AbConverter::InRoads_Seccion_Tipo: return "InRoads_Seccion_Tipo";
    case AbConverter::ModeloDigital_Seccion_Tipo: return "ModeloDigital_Seccion_Tipo";
    case AbConverter::TCP_Seccion_Tipo: return "TCP_Seccion_Tipo";
    case AbConverter::Cartomap_Seccion_Tipo: return "Cartomap_Seccion_Tipo";
    case AbConverter::SDR_Seccion_Tipo: return "SDR_Seccion_Tipo";
    case AbConverter::SierraSoft_Seccion_Tipo: return "SierraSoft_Seccion_Tipo";
    case AbConverter::Vextor_Seccion_Tipo: return "Vextor_Seccion_Tipo";
    case AbConverter::ClipWin_Seccion_Tipo: return "ClipWin_Seccion_Tipo";
    case AbConverter::SierraSoft_Peraltes: return "SierraSoft_Peraltes";
    case AbConverter::None: return "None";
    }
    return "None";
}

AbDecision DecideAbConversion(Kind kind, std::string_view p, std::int16_t fmt) {
    AbDecision d;
    if (kind == Kind::None || fmt < 0 || fmt > 4) return d;
    if (fmt == 1) {
        d.converter = AbConverter::ASCII_KTW;
        return d;
    }
    switch (kind) {
    case Kind::Puntos:
    case Kind::Bases:
        if (p == "DXF") {
            d.converter = fmt == 0 ? AbConverter::DXF_Bin : AbConverter::DXF_KTW;
        } else if (fmt == 0) {
            d.converter = AbConverter::A_B_Puntos_Bases_Estandar;
        } else {
            d.converter = AbConverter::ASCII_KTW;
            d.forceKtw16 = true;
        }
        break;
    case Kind::SeccionExcavacion:
        if (fmt == 0) {
            d.converter = AbConverter::A_B_Seccion_Estandar;
        } else {
            d.converter = AbConverter::ASCII_KTW;
            d.forceKtw16 = true;
        }
        break;
    case Kind::Planta:
    case Kind::Alzado:
        d.converter = kind == Kind::Planta ? PlantaConverter(p) : AlzadoConverter(p);
        // A SierraSoft output is a folder of per-axis files: there is no one file to head.
        d.tunelixHeader = fmt == 4 && p != "SierraSoft";
        break;
    case Kind::SeccionTipo:
        // Tunelix has no section file.
        if (fmt == 4) break;
        d.converter = SeccionTipoConverter(p);
        if (d.converter == AbConverter::None) break;
        d.stdIndex = fmt != 3;
        if (p == "Vextor") {
            d.questions = SectionQuestions::Vextor;
        } else if (fmt == 3 && CorvanaSectionNeedsAlzado(p)) {
            d.questions = SectionQuestions::Alzado;
        }
        break;
    case Kind::Peraltes:
        if (p == "SierraSoft") d.converter = AbConverter::SierraSoft_Peraltes;
        break;
    case Kind::MDT: d.converter = AbConverter::DXF_MDT; break;
    case Kind::Taludes:
    case Kind::None: break;
    }
    return d;
}

}  // namespace office_to_field
