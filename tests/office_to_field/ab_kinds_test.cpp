// What each program makes of the kinds, over every program and field format, and
// the dialogs' filters, proposed extensions and the required output extensions.

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "office_to_field/ab_kinds.h"

using office_to_field::Kind;
using office_to_field::ProgramRule;
using office_to_field::SaveDefaults;
using office_to_field::Switch;

namespace {

const std::vector<Kind> kAllKinds = {Kind::None,     Kind::Puntos,  Kind::Bases,    Kind::Planta, Kind::Alzado,
                                     Kind::SeccionExcavacion, Kind::SeccionTipo, Kind::Taludes, Kind::Peraltes,
                                     Kind::MDT};

const std::vector<std::string> kPrograms = {
    "Estandar", "Istram", "DXF", "Modelo Digital", "Clip", "Clip Ferrocarril", "Clip Windows", "Ispol", "InRoads",
    "TCP", "TCP V4", "Cartomap V3.xx", "Cartomap V4.xx", "SDR", "Trazado", "SierraSoft", "Vextor", "Otro"};

// A cell "EEEEEEE/S/X": the enabled state of Puntos, Bases, Planta, Alzado, Sección
// de excavación, Sección tipo and Taludes (u unchanged, + on, - off); the selection
// (. none, P Puntos selected, L Planta selected, p Puntos cleared); what is shown
// (M "MDT Caras3D", Y the layer frame, R "Peraltes"; . nothing).
ProgramRule Cell(const std::string& cell) {
    ProgramRule rule;
    for (std::size_t i = 0; i < 7; ++i) {
        rule.enable[i] = cell[i] == 'u' ? Switch::Unchanged : cell[i] == '+' ? Switch::On : Switch::Off;
    }
    switch (cell[8]) {
    case 'P': rule.option = Kind::Puntos; break;
    case 'L': rule.option = Kind::Planta; break;
    case 'p':
        rule.option = Kind::Puntos;
        rule.select = false;
        break;
    default: break;
    }
    for (char shown : cell.substr(10)) {
        if (shown == 'M') rule.showMdt = true;
        if (shown == 'Y') rule.showLayer = true;
        if (shown == 'R') rule.showPeraltes = true;
    }
    return rule;
}

// clang-format off
//                                  format 0      format 1      format 2      format 3      format 4
const std::map<std::string, std::string> kRules = {
    {"Istram",           "+u++---/./.  +u++---/./.  +u++---/./.  uu++---/L/.  +u++---/./."},
    {"Estandar",         "++++++-/P/.  ++++++-/P/.  ++++++-/P/.  uu++-+-/L/.  +++++--/P/."},
    {"DXF",              "uu-----/P/MY uu-----/P/MY uu-----/P/MY uu-----/p/MY uu-----/P/MY"},
    {"Modelo Digital",   "uu++++-/P/.  uu++++-/P/.  uu++++-/P/.  uu++-+-/L/.  uu+++--/P/."},
    {"InRoads",          "uu++++-/P/.  uu++++-/P/.  uu++++-/P/.  uu++-+-/L/.  uu+++--/P/."},
    {"Clip",             "+++++--/./.  --++---/L/.  ++++++-/./.  --++-+-/L/.  --++---/L/."},
    {"Clip Ferrocarril", "+++++--/./.  --++---/L/.  ++++++-/./.  --++-+-/L/.  --++---/L/."},
    {"Clip Windows",     "+++++--/./.  --++---/L/.  ++++++-/./.  --++-+-/L/.  --++---/L/."},
    {"Ispol",            "+u++---/./.  +u++---/./.  +u++-+-/./.  uu++-+-/L/.  +u++---/./."},
    {"TCP",              "--++---/P/.  --++---/P/.  --++-+-/P/.  --++-+-/L/.  --++---/P/."},
    {"TCP V4",           "--++---/P/.  --++---/P/.  --++-+-/P/.  --++-+-/L/.  --++---/P/."},
    {"Cartomap V3.xx",   "++++u--/P/.  ++++u--/P/.  ++++u+-/P/.  ++++u+-/L/.  ++++u--/P/."},
    {"Cartomap V4.xx",   "++++u--/P/.  ++++u--/P/.  ++++u+-/P/.  ++++u+-/L/.  ++++u--/P/."},
    {"SDR",              "++++u--/P/.  ++++u--/P/.  ++++u+-/P/.  ++++u--/L/.  ++++u--/P/."},
    {"Trazado",          "--++---/L/.  --++---/L/.  --++---/L/.  --++---/L/.  --++---/L/."},
    {"SierraSoft",       "--++-+-/L/R  --++-+-/L/R  --++-+-/L/R  --++-+-/L/R  --++---/L/R"},
    {"Vextor",           "--++-+-/L/.  --++-+-/L/.  --++-+-/L/.  --++-+-/L/.  --++---/L/."},
    {"Otro",             "uuuuuuu/./.  uuuuuuu/./.  uuuuuuu/./.  uuuuuuu/./.  uuuuuuu/./."},
};
// clang-format on

TEST(AbKinds, ProgramRulesOverEveryFormat) {
    for (const std::string& programa : kPrograms) {
        std::istringstream cells(kRules.at(programa));
        for (std::int16_t formato = 0; formato <= 4; ++formato) {
            std::string cell;
            ASSERT_TRUE(cells >> cell) << programa;
            EXPECT_EQ(office_to_field::ProgramRuleFor(programa, formato), Cell(cell))
                << programa << ", formato " << formato << ", want " << cell;
        }
    }
}

TEST(AbKinds, InputFilters) {
    const std::map<std::pair<std::string, Kind>, std::string> special = {
        {{"Vextor", Kind::Planta}, "Fichero Planta (aln*.KTW)|aln*.KTW"},
        {{"Vextor", Kind::Alzado}, "Fichero Alzado (prf*.KTW)|prf*.KTW"},
        {{"Vextor", Kind::SeccionTipo}, "Fichero Sección Tipo (crs*.KTW)|crs*.KTW"},
        {{"Clip Windows", Kind::Planta}, "Fichero Planta (*.RTF)|*.RTF"},
        {{"Clip Windows", Kind::Alzado}, "Fichero Alzado (*.RTF)|*.RTF"},
        {{"Clip Windows", Kind::SeccionTipo}, "Fichero Sección Tipo (*.RTF)|*.RTF"},
        {{"SierraSoft", Kind::Planta}, "Fichero Planta o Alzado(*.GDX)|*.GDX"},
        {{"SierraSoft", Kind::Alzado}, "Fichero Planta o Alzado(*.GDX)|*.GDX"},
        {{"SierraSoft", Kind::SeccionTipo}, "Fichero Sección Tipo (*.TXT)|*.TXT"},
    };
    for (const std::string& programa : kPrograms) {
        for (Kind kind : kAllKinds) {
            const auto found = special.find({programa, kind});
            const std::string want = found != special.end() ? found->second : "Todos los archivos|*.*";
            EXPECT_EQ(office_to_field::InputFilter(programa, kind), want) << programa << ", " << KindName(kind);
        }
    }
}

TEST(AbKinds, SaveDialogDefaults) {
    const SaveDefaults pto{"pto", "Fichero de puntos (*.PTO)|*.pto"};
    const SaveDefaults ktwPuntos{"ktw", "Fichero de puntos (*.KTW)|*.ktw"};
    const SaveDefaults bas{"bas", "Fichero de bases (*.BAS)|*.bas"};
    const SaveDefaults ktwBases{"ktw", "Fichero de bases (*.KTW)|*.ktw"};
    const SaveDefaults pla{"pla", "Fichero de planta (*.PLA)|*.pla"};
    const SaveDefaults ptc{"ptc", "Fichero de planta (*.PTC)|*.ptc"};
    const SaveDefaults ktwPlanta{"ktw", "Fichero de planta (*.KTW)|*.ktw"};
    const SaveDefaults alz{"alz", "Fichero de alzado (*.ALZ)|*.alz"};
    const SaveDefaults lon{"lon", "Fichero de alzado (*.LON)|*.lon"};
    const SaveDefaults sec{"sec", "Fichero de sección (*.SEC)|*.sec"};
    const SaveDefaults ktwSec{"ktw", "Fichero de sección (*.KTW)|*.ktw"};
    const SaveDefaults sct{"sct", "Fichero de sección (*.SCT)|*.sct"};
    const SaveDefaults pro{"pro", "Fichero de sección (*.PRO)|*.pro"};
    const SaveDefaults mdt{"MDT", "Fichero de Modelo Digital (*.MDT)|*.mdt"};
    using Cells = std::vector<std::optional<SaveDefaults>>;  // formats 0 to 4
    const auto none = std::nullopt;
    const std::map<Kind, Cells> table = {
        {Kind::None, {none, none, none, none, none}},
        {Kind::Puntos, {pto, ktwPuntos, ktwPuntos, none, none}},
        {Kind::Bases, {bas, none, ktwBases, none, none}},
        // The Tunelix alzado is offered under the planta's description.
        {Kind::Planta, {pla, none, pla, ptc, ktwPlanta}},
        {Kind::Alzado, {alz, none, alz, lon, ktwPlanta}},
        {Kind::SeccionExcavacion, {sec, none, ktwSec, none, none}},
        {Kind::SeccionTipo, {sct, none, sct, pro, none}},
        {Kind::Taludes, {none, none, none, none, none}},
        {Kind::Peraltes, {none, none, none, none, none}},
        {Kind::MDT, {mdt, mdt, mdt, mdt, mdt}},
    };
    for (const auto& [kind, cells] : table) {
        for (std::int16_t formato = 0; formato <= 4; ++formato) {
            EXPECT_EQ(office_to_field::SaveDialogDefaults(kind, formato), cells[static_cast<std::size_t>(formato)])
                << KindName(kind) << ", formato " << formato;
        }
    }
}

TEST(AbKinds, RequiredExtensionsAndFolders) {
    // Formats 0 to 4; "-" is not tested.
    const std::map<Kind, std::string> table = {
        {Kind::None, "- - - - -"},         {Kind::Puntos, "PTO KTW KTW - -"},    {Kind::Bases, "BAS KTW - - -"},
        {Kind::Planta, "PLA - PLA PTC -"}, {Kind::Alzado, "ALZ - ALZ LON -"},    {Kind::SeccionExcavacion, "SEC KTW - - -"},
        {Kind::SeccionTipo, "SCT - SCT PRO -"}, {Kind::Taludes, "- - - - -"}, {Kind::Peraltes, "- - - - -"},
        {Kind::MDT, "- - - - -"},
    };
    for (const auto& [kind, row] : table) {
        std::istringstream cells(row);
        for (std::int16_t formato = 0; formato <= 4; ++formato) {
            std::string cell;
            ASSERT_TRUE(cells >> cell);
            const std::string want = cell == "-" ? "" : cell;
            for (const std::string& programa : kPrograms) {
                const bool folder = programa == "SierraSoft" && (kind == Kind::Planta || kind == Kind::Alzado);
                EXPECT_EQ(office_to_field::RequiredExtension(kind, programa, formato), folder ? "" : want)
                    << KindName(kind) << ", " << programa << ", formato " << formato;
            }
        }
    }
    for (const std::string& programa : kPrograms) {
        for (Kind kind : kAllKinds) {
            const bool folder = programa == "SierraSoft" &&
                                (kind == Kind::Planta || kind == Kind::Alzado || kind == Kind::Peraltes);
            EXPECT_EQ(office_to_field::OutputIsFolder(programa, kind), folder) << programa << ", " << KindName(kind);
        }
    }
}

}  // namespace
