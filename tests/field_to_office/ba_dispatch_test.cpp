// The dispatch table of the field-to-office window, cell by cell: every field
// format, every file type (and none), the fifteen standard filters and a user filter.

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "field_to_office/ba_dispatch.h"

namespace {

// Column order: the standard filters in list order, then one user filter ("Mi filtro", position 15).
const std::vector<std::string> kFilters = {"Estandar", "Istram Estandar", "Modelo Digital", "Perfiles Clip",
                                           "Elsamex",  "Istram (EPSA)",   "DXF",            "TCP",
                                           "Topcal",   "Brennsoft",       "InRoads",        "Vial",
                                           "SDR",      "Calco",           "FieldWorks",     "Mi filtro"};
constexpr int kNumStandard = 15;

// Short codes: WW is the warning that a user filter is needed; -- nothing to convert.
DispatchDecision Code(const std::string& code) {
    static const std::map<std::string, Converter> codes = {
        {"BP", Converter::B_A_Bases_Puntos}, {"BT", Converter::B_A_Taqui},       {"BI", Converter::B_A_Taqui_Istram},
        {"BA", Converter::B_A_Analysis},     {"KT", Converter::KTW_Tarsel_Taqui}, {"MP", Converter::Multi_Piste_Perfiles},
        {"BF", Converter::B_A_Perfiles},     {"KF", Converter::KTW_A_Perfiles},   {"BU", Converter::B_A_Taqui_User},
        {"KU", Converter::KTW_A_Taqui_User}, {"IS", Converter::KTW_A_Ispol},      {"--", Converter::None}};
    if (code == "WW") return {Converter::None, true};
    return {codes.at(code), false};
}

struct Row {
    int formato;
    FileType type;
    const char* cells;  // 16 codes, one per filter column
};

//                                   Est IstE MD  PC  Els EPSA DXF TCP Top Bren InR Vial SDR Calc FW  User
const Row kTable[] = {
    {0, FileType::Points,       "BP BP BP BP BP BP BP BP BP BP BP BP BP BP BP BP"},
    {0, FileType::Bases,        "BP BP BP BP BP BP BP BP BP BP BP BP BP BP BP BP"},
    {0, FileType::Observations, "BT BI BT MP BT BI BT BT BT BT BI -- BT BT BT BU"},
    {0, FileType::Analysis,     "BA BA BA BA BA BA BA BA BA BA BA BA BA BA BA BA"},
    {0, FileType::Profiles,     "BF BF BF BF BF BF BF BF BF BF BF BF BF BF BF BF"},
    {0, FileType::None,         "-- -- -- -- -- -- -- -- -- -- -- -- -- -- -- --"},

    {1, FileType::Points,       "WW WW WW WW WW WW KT WW KU KU WW WW WW WW WW KU"},
    {1, FileType::Bases,        "WW WW WW WW WW WW KT WW KU KU WW WW WW WW WW KU"},
    {1, FileType::Observations, "WW WW WW WW WW WW KT WW KU KU WW WW WW WW WW KU"},
    {1, FileType::Analysis,     "WW WW WW WW WW WW KT WW KU KU WW WW WW WW WW KU"},
    {1, FileType::Profiles,     "WW WW WW WW WW WW KT WW KU KU WW WW WW WW WW KU"},
    {1, FileType::None,         "WW WW WW WW WW WW KT WW KU KU WW WW WW WW WW KU"},

    {2, FileType::Points,       "KU IS KU KU KU KU KU KU KU KU KU KU KU KU KU KU"},
    {2, FileType::Bases,        "KU KU KU KU KU KU KU KU KU KU KU KU KU KU KU KU"},
    {2, FileType::Observations, "KT KT KT MP KT KT KT KT KT KT KT -- KT KT KT KU"},
    {2, FileType::Analysis,     "KT KT KT KT KT KT KT KT KT KT KT KT KT KT KT KT"},
    {2, FileType::Profiles,     "KT KF KT KF KT KF KF KT KF KT KT KF KT KT KT KT"},
    {2, FileType::None,         "-- -- -- -- -- -- -- -- -- -- -- -- -- -- -- --"},

    {3, FileType::Points,       "-- -- -- -- -- -- -- -- -- -- -- -- -- -- -- --"},
    {3, FileType::Bases,        "-- -- -- -- -- -- -- -- -- -- -- -- -- -- -- --"},
    {3, FileType::Observations, "KT KT KT MP KT KT KT KT KT KT KT -- KT KT KT KU"},
    {3, FileType::Analysis,     "-- -- -- -- -- -- -- -- -- -- -- -- -- -- -- --"},
    {3, FileType::Profiles,     "-- KF -- KF -- KF KF -- KF -- -- KF -- -- -- --"},
    {3, FileType::None,         "-- -- -- -- -- -- -- -- -- -- -- -- -- -- -- --"},

    {4, FileType::Points,       "-- -- -- -- -- -- -- -- -- -- -- -- -- -- -- --"},
    {4, FileType::Bases,        "-- -- -- -- -- -- -- -- -- -- -- -- -- -- -- --"},
    {4, FileType::Observations, "-- -- -- MP -- -- -- -- -- -- -- -- -- -- -- --"},
    {4, FileType::Analysis,     "-- -- -- -- -- -- -- -- -- -- -- -- -- -- -- --"},
    {4, FileType::Profiles,     "-- -- -- -- -- -- -- -- -- -- -- -- -- -- -- --"},
    {4, FileType::None,         "-- -- -- -- -- -- -- -- -- -- -- -- -- -- -- --"},
};

const char* TypeName(FileType type) {
    switch (type) {
    case FileType::Points: return "points";
    case FileType::Bases: return "bases";
    case FileType::Observations: return "observations";
    case FileType::Analysis: return "analysis";
    case FileType::Profiles: return "profiles";
    case FileType::None: return "none";
    }
    return "?";
}

TEST(BaDispatch, WholeTable) {
    for (const Row& row : kTable) {
        std::istringstream cells(row.cells);
        for (size_t column = 0; column < kFilters.size(); ++column) {
            std::string code;
            ASSERT_TRUE(cells >> code) << "row too short";
            const DispatchDecision got = DecideConversion(static_cast<std::int16_t>(row.formato), row.type,
                                                          kFilters[column], static_cast<int>(column), kNumStandard);
            EXPECT_EQ(got, Code(code)) << "formato " << row.formato << ", " << TypeName(row.type) << ", "
                                       << kFilters[column] << ": got " << ConverterName(got.converter)
                                       << (got.needsUserFilter ? " (warning)" : "");
        }
    }
}

// A user filter whose name is that of a standard filter is served by the name,
// as filters compare by name; the user-filter converters take it as a user filter.
TEST(BaDispatch, UserFilterNamesCompareAsText) {
    EXPECT_EQ(DecideConversion(1, FileType::Observations, "DXF", 20, 15), Code("KT"));
    EXPECT_EQ(DecideConversion(0, FileType::Observations, "Vial", 20, 15), Code("BU"));
    EXPECT_EQ(DecideConversion(2, FileType::Observations, "Vial", 20, 15), Code("KU"));
    EXPECT_EQ(DecideConversion(0, FileType::Observations, "Estandar", 20, 15), Code("BT"));
}

// With KTW input the first six places of the list are refused whatever they hold.
TEST(BaDispatch, KtwFirstSixPlacesAlwaysWarn) {
    for (int place = 0; place <= 5; ++place) {
        EXPECT_EQ(DecideConversion(1, FileType::Observations, "DXF", place, 15), Code("WW")) << place;
        EXPECT_EQ(DecideConversion(1, FileType::Observations, "Mi filtro", place, 3), Code("WW")) << place;
    }
    // Past the standard filters a user filter at place 6 is accepted.
    EXPECT_EQ(DecideConversion(1, FileType::Observations, "Mi filtro", 6, 6), Code("KU"));
}

TEST(BaDispatch, NoFilterSelectedOrUnknownFormat) {
    EXPECT_EQ(DecideConversion(0, FileType::Observations, "", -1, 0), Code("--"));
    EXPECT_EQ(DecideConversion(1, FileType::Observations, "", -1, 0), Code("WW"));
    EXPECT_EQ(DecideConversion(0, FileType::Points, "", -1, 0), Code("BP"));
    for (std::int16_t formato : {std::int16_t{5}, std::int16_t{-1}}) {
        for (FileType type : {FileType::Points, FileType::Observations, FileType::Profiles}) {
            EXPECT_EQ(DecideConversion(formato, type, "Estandar", 0, 15), Code("--"));
        }
    }
}

TEST(BaDispatch, ConverterNames) {
    EXPECT_STREQ(ConverterName(Converter::KTW_Tarsel_Taqui), "KTW_Tarsel_Taqui");
    EXPECT_STREQ(ConverterName(Converter::KTW_A_Ispol), "KTW_A_Ispol");
    EXPECT_STREQ(ConverterName(Converter::None), "None");
}

}  // namespace
