// KTW observations to the standard office formats: whole files, byte for byte,
// against expectations written from the line layouts.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/state.h"
#include "common/errors.h"
#include "field_to_office/ktw_tarsel_taqui.h"
#include "support/files.h"

namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

std::string Data(const std::string& name) { return std::string(TARSEL_TEST_DATA) + "/field_to_office/data/" + name; }

struct FilterCase {
    const char* filtro;
    const char* input;
    bool analisis;
    bool perfiles;
    char sep;
    const char* expected;  // a file under data/, or "" for an empty output
};

class OfficeFilters : public ::testing::TestWithParam<FilterCase> {};

TEST_P(OfficeFilters, WritesTheLayout) {
    const FilterCase& c = GetParam();
    TempDir dir;
    State state;
    std::int32_t vertices = 0;
    KTWTaquiRequest request;
    request.entrada = Data(c.input);
    request.salida = dir.File("Salida.txt");
    request.filtro = c.filtro;
    request.analisis = c.analisis;
    request.perfiles = c.perfiles;
    request.decimalSeparator = c.sep;
    ConvertKTWTaqui(request, state, vertices);
    const std::string expected = *c.expected ? ReadBytes(Data(c.expected)) : std::string();
    EXPECT_EQ(ReadBytes(request.salida), expected);
    // Nothing but the output is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), std::filesystem::directory_iterator()), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, OfficeFilters,
    ::testing::Values(
        FilterCase{"Estandar", "ktw_obs.ktw", false, false, '.', "obs_estandar_point.txt"},
        FilterCase{"Estandar", "ktw_obs.ktw", false, false, ',', "obs_estandar_comma.txt"},
        FilterCase{"Modelo Digital", "ktw_obs.ktw", false, false, '.', "obs_modelo_digital.txt"},
        FilterCase{"Modelo Digital", "ktw_obs.ktw", false, false, ',', "obs_modelo_digital.txt"},
        FilterCase{"Modelo Digital", "ktw_obs.ktw", false, true, '.', "obs_modelo_digital_perfiles.txt"},
        FilterCase{"Modelo Digital", "ktw_obs.ktw", true, false, '.', "obs_modelo_digital.txt"},
        FilterCase{"Brennsoft", "ktw_obs.ktw", false, false, '.', "obs_brennsoft_point.txt"},
        FilterCase{"Brennsoft", "ktw_obs.ktw", false, false, ',', "obs_brennsoft_comma.txt"},
        FilterCase{"Topcal", "ktw_obs.ktw", false, false, '.', "obs_topcal_point.txt"},
        FilterCase{"Topcal", "ktw_obs.ktw", false, false, ',', "obs_topcal_comma.txt"},
        FilterCase{"TCP", "ktw_obs.ktw", false, false, '.', "obs_tcp_point.txt"},
        FilterCase{"TCP", "ktw_obs.ktw", false, false, ',', "obs_tcp_comma.txt"},
        FilterCase{"Istram Estandar", "ktw_obs.ktw", false, false, '.', "obs_istram.txt"},
        FilterCase{"Istram Estandar", "ktw_obs.ktw", false, false, ',', "obs_istram.txt"},
        FilterCase{"Istram (EPSA)", "ktw_obs.ktw", false, false, ',', "obs_istram.txt"},
        FilterCase{"InRoads", "ktw_obs.ktw", false, false, ',', "obs_inroads.txt"},
        FilterCase{"Elsamex", "ktw_obs.ktw", false, false, '.', ""},
        FilterCase{"Vial", "ktw_obs.ktw", false, false, '.', ""},
        FilterCase{"Estandar", "ktw_analysis.ktw", true, false, '.', "analysis_general.txt"},
        FilterCase{"Estandar", "ktw_analysis.ktw", true, false, ',', "analysis_general.txt"},
        FilterCase{"Elsamex", "ktw_analysis.ktw", true, false, '.', "analysis_general.txt"},
        FilterCase{"Brennsoft", "ktw_analysis.ktw", true, false, ',', "analysis_brennsoft_comma.txt"},
        FilterCase{"Modelo Digital", "ktw_analysis.ktw", true, false, ',', "analysis_modelo_digital.txt"}));

// Runs a conversion of the given lines (CR LF added) and returns the output.
std::string Convert(const std::string& filtro, const std::string& lines, char sep = '.') {
    TempDir dir;
    WriteBytes(dir.File("in.ktw"), lines);
    State state;
    std::int32_t vertices = 0;
    KTWTaquiRequest request{dir.File("in.ktw"), dir.File("out.txt"), filtro, false, false, sep};
    ConvertKTWTaqui(request, state, vertices);
    return ReadBytes(dir.File("out.txt"));
}

std::string W(const char* wi, char unit, char sign, const std::string& data) {
    return std::string(wi) + "..." + unit + sign + data + " ";
}
std::string Name(const std::string& name) { return W("11", '0', '+', std::string(8 - name.size(), '0') + name); }
std::string Code(const char* wi, const std::string& code) {
    return W(wi, '0', '+', std::string(8 - code.size(), '0') + code);
}

TEST(OfficeFilterLines, TcpEdgePrefixesAndCodes) {
    const std::string out = Convert("TCP", Code("41", "gu") + "\r\n" + Name("P1") + "\r\n" + Code("41", "CGC") +
                                               "\r\n" + Name("P2") + "\r\n" + Code("41", "0") + "\r\n" + Name("P3") +
                                               "\r\n" + Code("41", "MURO") + "\r\n" + Name("P4") + "\r\n");
    EXPECT_EQ(out,
              "E P1 0.0000 0.0000 0.000 0.000 gu \r\n"
              "E P2 0.0000 0.0000 0.000 0.000 CGC \r\n"
              "P P3 0.0000 0.0000 0.000 0.000 \r\n"
              "P P4 0.0000 0.0000 0.000 0.000 MURO \r\n");
}

TEST(OfficeFilterLines, IstramNamesAndRellenoCodes) {
    const std::string out = Convert("Istram Estandar", Code("41", "RELLENO") + "\r\n" + Name("ABCDEFG") + "\r\n" +
                                                           Code("41", "Relleno") + "\r\n" + Name("XY") + "\r\n");
    const std::string zeros = "        0.000        0.000        0.000";
    EXPECT_EQ(out, "ABCDEFG" + zeros + " 0 \r\n" + "    XY" + zeros + "\r\n");
}

TEST(OfficeFilterLines, IstramEpsaSequence) {
    // Same code: the sequence counts up unless code 2 is 68 (also for 0) or 645.
    const std::string c2 = Code("42", "7");
    const std::string out = Convert("Istram (EPSA)", Code("41", "BORDE") + "\r\n" + Name("A") + c2 + "\r\n" +
                                                         Name("B") + c2 + "\r\n" + Name("C") + c2 + "\r\n" + Name("D") +
                                                         Code("42", "645") + "\r\n" + Name("E") + c2 + "\r\n");
    const std::string zeros = "        0.000        0.000        0.000";
    EXPECT_EQ(out, "     A" + zeros + " 0 \r\n" + "     B" + zeros + " 1 \r\n" + "     C" + zeros + " 2 \r\n" +
                       "     D" + zeros + " 0 \r\n" + "     E" + zeros + " 1 \r\n");
}

TEST(OfficeFilterLines, IstramSequenceDoesNotWrapAt32767) {
    std::string lines = Code("41", "EJE") + Code("43", "1") + "\r\n";
    const int points = 40000;
    for (int i = 0; i < points; ++i) lines += Name("P") + "\r\n";
    const std::string out = Convert("Istram Estandar", lines);
    const std::string zeros = "        0.000        0.000        0.000";
    const std::string last = "     P" + zeros + " 39999 \r\n";
    ASSERT_GE(out.size(), last.size());
    EXPECT_EQ(out.substr(out.size() - last.size()), last);
}

TEST(OfficeFilterLines, NoMaskBeforeTheFirstLengthWord) {
    EXPECT_EQ(Convert("Estandar", Name("P1") + W("21", '2', '+', "10050000") + "\r\n", ','),
              "P1            100,5000      0,0000        0             0             0\r\n");
}

TEST(OfficeFilterLines, EstandarTakesTheUnitOfWordsItDoesNotWrite) {
    // The X word is not written, but its digit "6" (tenths of millimetres) sets the
    // unit that the distance's unknown digit "2" keeps.
    const std::string sp8(8, ' ');
    EXPECT_EQ(Convert("Estandar", Name("P1") + W("81", '6', '+', "00012345") + W("31", '2', '+', "00012345") + "\r\n"),
              "P1" + std::string(12, ' ') + "0.0000" + sp8 + "0.0000" + sp8 + "1.2345" + sp8 + "0.0000" + sp8 +
                  "0.0000\r\n");
}

TEST(OfficeFilterLines, CodePagePointNamesKeepTheirColumns) {
    // "Ñ" and "º" are one byte each in the file and one column each in the line
    // (the two bytes would also read as one UTF-8 character).
    const std::string name = "\xD1\xBA";
    const std::string out = Convert("Estandar", Name(name) + W("31", '0', '+', "00001000") + "\r\n");
    const std::string sp8(8, ' ');
    EXPECT_EQ(out, name + std::string(12, ' ') + "0.0000" + sp8 + "0.0000" + sp8 + "1.000" + sp8 + " 0.000" + sp8 +
                       " 0.000\r\n");
}

// A file in which no line is a KTW record writes nothing, whatever the filter.
TEST(OfficeFilterLines, NoKtwDataIsRefused) {
    const std::string inputs[] = {
        "",
        std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x01", 20),
        "Listado de puntos\r\nP1 100.000 200.000 50.000\r\n",
        // KTW words, but none names a point: nothing to write.
        W("41", '0', '+', "0000MURO") + "\r\n",
    };
    for (const char* filtro : {"Estandar", "DXF", "SDR", "Calco", "FieldWorks"}) {
        for (const std::string& input : inputs) {
            TempDir dir;
            WriteBytes(dir.File("in.ktw"), input);
            WriteBytes(dir.File("out.txt"), "anterior");
            State state;
            std::int32_t vertices = 0;
            KTWTaquiRequest request{dir.File("in.ktw"), dir.File("out.txt"), filtro, false, false, '.'};
            try {
                ConvertKTWTaqui(request, state, vertices);
                ADD_FAILURE() << filtro << ": converted " << input;
            } catch (const ConversionError& error) {
                EXPECT_STREQ(error.what(), "El fichero no contiene datos KTW.");
            }
            EXPECT_EQ(ReadBytes(dir.File("out.txt")), "anterior");
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), std::filesystem::directory_iterator()), 2);
        }
    }
}

TEST(OfficeFilterLines, AFailedConversionLeavesNoOutput) {
    TempDir dir;
    // A number beyond every double's range on the second line.
    WriteBytes(dir.File("in.ktw"), Name("P1") + "\r\n" + Name("P2") + W("81", '0', '+', "1E999999") + "\r\n");
    State state;
    std::int32_t vertices = 0;
    KTWTaquiRequest request{dir.File("in.ktw"), dir.File("out.txt"), "Estandar", false, false, '.'};
    EXPECT_THROW(ConvertKTWTaqui(request, state, vertices), ConversionError);
    // Only the input is left: neither the output nor a temporary file.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), std::filesystem::directory_iterator()), 1);
    // A missing input is refused before anything is created.
    request.entrada = dir.File("missing.ktw");
    EXPECT_THROW(ConvertKTWTaqui(request, state, vertices), ConversionError);
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.txt")));
}

TEST(OfficeFilterLines, EachConversionStartsAfresh) {
    // The station heights of one file are not those of the file converted before.
    TempDir dir;
    WriteBytes(dir.File("a.ktw"), Name("ST1") + W("84", '0', '+', "00001000") + W("85", '0', '+', "00002000") +
                                      W("86", '0', '+', "00003000") + "\r\n");
    WriteBytes(dir.File("b.ktw"), Name("ST2") + W("84", '0', '+', "00005000") + "\r\n");
    State state;
    std::int32_t vertices = 0;
    const std::string sp11(11, ' ');
    KTWTaquiRequest first{dir.File("a.ktw"), dir.File("a.txt"), "Modelo Digital", false, false, '.'};
    ConvertKTWTaqui(first, state, vertices);
    EXPECT_EQ(ReadBytes(dir.File("a.txt")),
              "ST1" + sp11 + " 1 " + sp11 + " 2 " + sp11 + " 3 " + sp11 + "0" + std::string(16, ' ') + "\r\n");
    KTWTaquiRequest second{dir.File("b.ktw"), dir.File("b.txt"), "Modelo Digital", false, false, '.'};
    ConvertKTWTaqui(second, state, vertices);
    EXPECT_EQ(ReadBytes(dir.File("b.txt")),
              "ST2" + sp11 + " 5 " + sp11 + " 0 " + sp11 + " 0 " + sp11 + "0" + std::string(16, ' ') + "\r\n");
}

}  // namespace
