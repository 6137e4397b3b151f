// The dispatch table of the office-to-field window, cell by cell: every field
// format, every kind (and none), every program of the source list and a text that
// names none of them.

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "office_to_field/ab_dispatch.h"

using office_to_field::AbConverter;
using office_to_field::AbDecision;
using office_to_field::DecideAbConversion;
using office_to_field::Kind;
using office_to_field::SectionQuestions;

namespace {

const std::vector<std::string> kPrograms = {
    "Estandar", "Istram",         "DXF",            "Modelo Digital", "Clip", "Clip Ferrocarril",
    "Clip Windows", "Ispol",      "InRoads",        "TCP",            "TCP V4", "Cartomap V3.xx",
    "Cartomap V4.xx", "SDR",      "Trazado",        "SierraSoft",     "Vextor", "Otro programa"};

// A cell: two letters for the converter, then flags: f the KTW options forced to
// 16 digits 3D, h the Tunelix header, s the .STD index, v the Vextor questions,
// a the alzado question.
AbDecision Cell(const std::string& cell) {
    static const std::map<std::string, AbConverter> codes = {
        {"PB", AbConverter::A_B_Puntos_Bases_Estandar}, {"SE", AbConverter::A_B_Seccion_Estandar},
        {"KT", AbConverter::ASCII_KTW},                 {"DB", AbConverter::DXF_Bin},
        {"DK", AbConverter::DXF_KTW},                   {"DM", AbConverter::DXF_MDT},
        {"EP", AbConverter::Estandar_Planta},           {"IP", AbConverter::Istram_Planta},
        {"NP", AbConverter::InRoads_Planta},            {"CP", AbConverter::Cartomap_Planta},
        {"TP", AbConverter::TCP_Planta},                {"ZP", AbConverter::Trazado_Planta},
        {"SD", AbConverter::SDR_Planta_Alzado},         {"SS", AbConverter::SierraSoft_Planta_Alzado},
        {"VP", AbConverter::Vextor_Planta},             {"WP", AbConverter::ClipWin_Planta},
        {"EA", AbConverter::Estandar_Alzado},           {"IA", AbConverter::Istram_Alzado},
        {"NA", AbConverter::InRoads_Alzado},            {"CA", AbConverter::Cartomap_Alzado},
        {"TA", AbConverter::TCP_Alzado},                {"ZA", AbConverter::Trazado_Alzado},
        {"VA", AbConverter::Vextor_Alzado},             {"WA", AbConverter::ClipWin_Alzado},
        {"ET", AbConverter::Estandar_Seccion_Tipo},     {"PT", AbConverter::Ispol_Seccion_Tipo},
        {"NT", AbConverter::InRoads_Seccion_Tipo},      {"MT", AbConverter::ModeloDigital_Seccion_Tipo},
        {"TT", AbConverter::TCP_Seccion_Tipo},          {"CT", AbConverter::Cartomap_Seccion_Tipo},
        {"RT", AbConverter::SDR_Seccion_Tipo},          {"ST", AbConverter::SierraSoft_Seccion_Tipo},
        {"VT", AbConverter::Vextor_Seccion_Tipo},       {"WT", AbConverter::ClipWin_Seccion_Tipo},
        {"SR", AbConverter::SierraSoft_Peraltes},       {"--", AbConverter::None}};
    AbDecision d;
    d.converter = codes.at(cell.substr(0, 2));
    for (char flag : cell.substr(2)) {
        if (flag == 'f') d.forceKtw16 = true;
        if (flag == 'h') d.tunelixHeader = true;
        if (flag == 's') d.stdIndex = true;
        if (flag == 'v') d.questions = SectionQuestions::Vextor;
        if (flag == 'a') d.questions = SectionQuestions::Alzado;
    }
    return d;
}

struct Row {
    int formato;
    Kind kind;
    const char* cells;  // one per program column
};

// clang-format off
//                                         Est   Ist  DXF  MD    Clip  ClipF ClipW Ispol InR   TCP   TCP4  Ca3   Ca4   SDR  Traz Sierra Vext Otro
const Row kTable[] = {
    {0, Kind::Puntos,            "PB    PB   DB   PB    PB    PB    PB    PB    PB    PB    PB    PB    PB    PB   PB   PB    PB    PB"},
    {0, Kind::Bases,             "PB    PB   DB   PB    PB    PB    PB    PB    PB    PB    PB    PB    PB    PB   PB   PB    PB    PB"},
    {0, Kind::Planta,            "EP    IP   EP   EP    WP    WP    WP    IP    NP    TP    TP    CP    CP    SD   ZP   SS    VP    EP"},
    {0, Kind::Alzado,            "EA    IA   EA   EA    WA    WA    WA    IA    NA    TA    TA    CA    CA    SD   ZA   SS    VA    EA"},
    {0, Kind::SeccionExcavacion, "SE    SE   SE   SE    SE    SE    SE    SE    SE    SE    SE    SE    SE    SE   SE   SE    SE    SE"},
    {0, Kind::SeccionTipo,       "ETs   --   --   MTs   WTs   WTs   WTs   PTs   NTs   TTs   TTs   CTs   CTs   RTs  --   STs   VTsv  --"},
    {0, Kind::Taludes,           "--    --   --   --    --    --    --    --    --    --    --    --    --    --   --   --    --    --"},
    {0, Kind::Peraltes,          "--    --   --   --    --    --    --    --    --    --    --    --    --    --   --   SR    --    --"},
    {0, Kind::MDT,               "DM    DM   DM   DM    DM    DM    DM    DM    DM    DM    DM    DM    DM    DM   DM   DM    DM    DM"},
    {0, Kind::None,              "--    --   --   --    --    --    --    --    --    --    --    --    --    --   --   --    --    --"},

    {1, Kind::Puntos,            "KT    KT   KT   KT    KT    KT    KT    KT    KT    KT    KT    KT    KT    KT   KT   KT    KT    KT"},
    {1, Kind::Bases,             "KT    KT   KT   KT    KT    KT    KT    KT    KT    KT    KT    KT    KT    KT   KT   KT    KT    KT"},
    {1, Kind::Planta,            "KT    KT   KT   KT    KT    KT    KT    KT    KT    KT    KT    KT    KT    KT   KT   KT    KT    KT"},
    {1, Kind::Alzado,            "KT    KT   KT   KT    KT    KT    KT    KT    KT    KT    KT    KT    KT    KT   KT   KT    KT    KT"},
    {1, Kind::SeccionExcavacion, "KT    KT   KT   KT    KT    KT    KT    KT    KT    KT    KT    KT    KT    KT   KT   KT    KT    KT"},
    {1, Kind::SeccionTipo,       "KT    KT   KT   KT    KT    KT    KT    KT    KT    KT    KT    KT    KT    KT   KT   KT    KT    KT"},
    {1, Kind::Taludes,           "KT    KT   KT   KT    KT    KT    KT    KT    KT    KT    KT    KT    KT    KT   KT   KT    KT    KT"},
    {1, Kind::Peraltes,          "KT    KT   KT   KT    KT    KT    KT    KT    KT    KT    KT    KT    KT    KT   KT   KT    KT    KT"},
    {1, Kind::MDT,               "KT    KT   KT   KT    KT    KT    KT    KT    KT    KT    KT    KT    KT    KT   KT   KT    KT    KT"},
    {1, Kind::None,              "--    --   --   --    --    --    --    --    --    --    --    --    --    --   --   --    --    --"},

    {2, Kind::Puntos,            "KTf   KTf  DK   KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf  KTf  KTf   KTf   KTf"},
    {2, Kind::Bases,             "KTf   KTf  DK   KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf  KTf  KTf   KTf   KTf"},
    {2, Kind::Planta,            "EP    IP   EP   EP    WP    WP    WP    IP    NP    TP    TP    CP    CP    SD   ZP   SS    VP    EP"},
    {2, Kind::Alzado,            "EA    IA   EA   EA    WA    WA    WA    IA    NA    TA    TA    CA    CA    SD   ZA   SS    VA    EA"},
    {2, Kind::SeccionExcavacion, "KTf   KTf  KTf  KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf  KTf  KTf   KTf   KTf"},
    {2, Kind::SeccionTipo,       "ETs   --   --   MTs   WTs   WTs   WTs   PTs   NTs   TTs   TTs   CTs   CTs   RTs  --   STs   VTsv  --"},
    {2, Kind::Taludes,           "--    --   --   --    --    --    --    --    --    --    --    --    --    --   --   --    --    --"},
    {2, Kind::Peraltes,          "--    --   --   --    --    --    --    --    --    --    --    --    --    --   --   SR    --    --"},
    {2, Kind::MDT,               "DM    DM   DM   DM    DM    DM    DM    DM    DM    DM    DM    DM    DM    DM   DM   DM    DM    DM"},
    {2, Kind::None,              "--    --   --   --    --    --    --    --    --    --    --    --    --    --   --   --    --    --"},

    {3, Kind::Puntos,            "KTf   KTf  DK   KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf  KTf  KTf   KTf   KTf"},
    {3, Kind::Bases,             "KTf   KTf  DK   KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf  KTf  KTf   KTf   KTf"},
    {3, Kind::Planta,            "EP    IP   EP   EP    WP    WP    WP    IP    NP    TP    TP    CP    CP    SD   ZP   SS    VP    EP"},
    {3, Kind::Alzado,            "EA    IA   EA   EA    WA    WA    WA    IA    NA    TA    TA    CA    CA    SD   ZA   SS    VA    EA"},
    {3, Kind::SeccionExcavacion, "KTf   KTf  KTf  KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf  KTf  KTf   KTf   KTf"},
    {3, Kind::SeccionTipo,       "ETa   --   --   MTa   WTa   WTa   WTa   PTa   NTa   TTa   TTa   CTa   CTa   RT   --   STa   VTv   --"},
    {3, Kind::Taludes,           "--    --   --   --    --    --    --    --    --    --    --    --    --    --   --   --    --    --"},
    {3, Kind::Peraltes,          "--    --   --   --    --    --    --    --    --    --    --    --    --    --   --   SR    --    --"},
    {3, Kind::MDT,               "DM    DM   DM   DM    DM    DM    DM    DM    DM    DM    DM    DM    DM    DM   DM   DM    DM    DM"},
    {3, Kind::None,              "--    --   --   --    --    --    --    --    --    --    --    --    --    --   --   --    --    --"},

    {4, Kind::Puntos,            "KTf   KTf  DK   KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf  KTf  KTf   KTf   KTf"},
    {4, Kind::Bases,             "KTf   KTf  DK   KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf  KTf  KTf   KTf   KTf"},
    {4, Kind::Planta,            "EPh   IPh  EPh  EPh   WPh   WPh   WPh   IPh   NPh   TPh   TPh   CPh   CPh   SDh  ZPh  SS    VPh   EPh"},
    {4, Kind::Alzado,            "EAh   IAh  EAh  EAh   WAh   WAh   WAh   IAh   NAh   TAh   TAh   CAh   CAh   SDh  ZAh  SS    VAh   EAh"},
    {4, Kind::SeccionExcavacion, "KTf   KTf  KTf  KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf   KTf  KTf  KTf   KTf   KTf"},
    {4, Kind::SeccionTipo,       "--    --   --   --    --    --    --    --    --    --    --    --    --    --   --   --    --    --"},
    {4, Kind::Taludes,           "--    --   --   --    --    --    --    --    --    --    --    --    --    --   --   --    --    --"},
    {4, Kind::Peraltes,          "--    --   --   --    --    --    --    --    --    --    --    --    --    --   --   SR    --    --"},
    {4, Kind::MDT,               "DM    DM   DM   DM    DM    DM    DM    DM    DM    DM    DM    DM    DM    DM   DM   DM    DM    DM"},
    {4, Kind::None,              "--    --   --   --    --    --    --    --    --    --    --    --    --    --   --   --    --    --"},
};
// clang-format on

TEST(AbDispatch, WholeTable) {
    for (const Row& row : kTable) {
        std::istringstream cells(row.cells);
        for (const std::string& programa : kPrograms) {
            std::string cell;
            ASSERT_TRUE(cells >> cell) << "row too short";
            const AbDecision got = DecideAbConversion(row.kind, programa, static_cast<std::int16_t>(row.formato));
            const AbDecision want = Cell(cell);
            EXPECT_EQ(got, want) << "formato " << row.formato << ", " << office_to_field::KindName(row.kind) << ", "
                                 << programa << ": got " << AbConverterName(got.converter) << " f" << got.forceKtw16
                                 << " h" << got.tunelixHeader << " s" << got.stdIndex << " q"
                                 << static_cast<int>(got.questions) << ", want " << cell;
        }
        std::string extra;
        EXPECT_FALSE(cells >> extra) << "row too long";
    }
}

// Programs compare letter for letter: a variant spelled otherwise is another text.
TEST(AbDispatch, ProgramsCompareExactly) {
    EXPECT_EQ(DecideAbConversion(Kind::Puntos, "dxf", 0).converter, AbConverter::A_B_Puntos_Bases_Estandar);
    EXPECT_EQ(DecideAbConversion(Kind::Planta, "Istram ", 0).converter, AbConverter::Estandar_Planta);
    EXPECT_EQ(DecideAbConversion(Kind::SeccionTipo, "vextor", 2).converter, AbConverter::None);
    // A field format outside the five runs nothing.
    EXPECT_EQ(DecideAbConversion(Kind::Puntos, "Estandar", 5).converter, AbConverter::None);
    EXPECT_EQ(DecideAbConversion(Kind::Puntos, "Estandar", -1).converter, AbConverter::None);
}

}  // namespace
