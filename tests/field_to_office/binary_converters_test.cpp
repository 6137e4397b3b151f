// The binary converters over records built in the tests: names padded with NULs,
// blanks or both; values that are not finite numbers; the Istram sequence rules
// and the mended faults (blank and letter codes, the once-only name warning,
// analysis files by name).

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <limits>
#include <vector>

#include "app/state.h"
#include "common/errors.h"
#include "field_to_office/binary_bytes.h"
#include "field_to_office/binary_converters.h"
#include "support/files.h"

namespace {

using namespace binary_test;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

class BinaryConverters : public ::testing::Test {
protected:
    BinaryRequest Request(const std::string& input, const std::string& bytes, const std::string& filtro) {
        WriteBytes(dir.File(input), bytes);
        return {dir.File(input), dir.File("salida"), filtro, '.'};
    }
    std::string Output() { return ReadBytes(dir.File("salida")); }
    bool OutputExists() { return std::filesystem::exists(dir.File("salida")); }
    std::size_t FilesInFolder() {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir.Path()),
                                                      std::filesystem::directory_iterator()));
    }

    TempDir dir;
    State state;
    std::int32_t vertices = 0;
};

TEST_F(BinaryConverters, NamePaddingNeverMovesTheColumns) {
    // NULs, blanks and both: the coordinates start in column 15 every time.
    const std::string bytes = Point(Text("N1"), 1, 2, 3) + Point(Text("N2", ' '), 1, 2, 3) +
                              Point(std::string("N3  \0\0 \0\0\0", 10), 1, 2, 3);
    ConvertBinaryBasesPuntos(Request("p.pto", bytes, "Vial"), state, vertices);
    const std::string tail = std::string(12, ' ') + "1.000         2.000         3.000\r\n";
    EXPECT_EQ(Output(), "N1" + tail + "N2" + tail + "N3" + tail);
}

TEST_F(BinaryConverters, InputsWithoutACompleteRecordAreRefused) {
    // Empty, or one byte short of a record (.FIC 166, .LIB 60, .PTO 34 bytes): the
    // old output stays as it was.
    const auto istram = [](const BinaryRequest& r, const State&, std::int32_t&) {
        ConvertBinaryTaquiIstram(r, [](const std::string&) {});
    };
    const std::function<void(const BinaryRequest&, const State&, std::int32_t&)> converters[] = {
        ConvertBinaryTaqui, istram, ConvertBinaryAnalysis, ConvertBinaryBasesPuntos};
    const char* const inputs[] = {"o.fic", "o.fic", "a.LIB", "p.pto"};
    const std::size_t sizes[] = {165, 0, 59, 33};
    for (int i = 0; i < 4; ++i) {
        WriteBytes(dir.File("salida"), "anterior");
        const BinaryRequest request = Request(inputs[i], std::string(sizes[i], 'x'), i == 2 ? "DXF" : "InRoads");
        try {
            converters[i](request, state, vertices);
            ADD_FAILURE() << inputs[i] << " converted";
        } catch (const ConversionError& error) {
            EXPECT_STREQ(error.what(), "El fichero no contiene ningún registro que transformar.");
        }
        EXPECT_EQ(Output(), "anterior") << inputs[i];
    }
}

TEST_F(BinaryConverters, ValuesThatAreNotNumbersAreRefused) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    Observation good;
    Observation badHz = good;
    badHz.hz = nan;
    Observation badZ = good;
    badZ.z = -inf;
    struct Case {
        std::string bytes, filtro, message;
    };
    const std::vector<Case> cases = {
        {good.Bytes() + badHz.Bytes(), "Estandar", "El registro 2 tiene en el campo Hz un valor que no es un número finito."},
        {good.Bytes() + badZ.Bytes(), "DXF", "El registro 2 tiene en el campo Z un valor que no es un número finito."},
        {badZ.Bytes(), "Istram (EPSA)", "El registro 1 tiene en el campo Z un valor que no es un número finito."},
        {badZ.Bytes(), "Topcal", ""},  // Topcal writes no coordinates
    };
    for (const Case& c : cases) {
        const BinaryRequest request = Request("o.fic", c.bytes, c.filtro);
        try {
            if (c.filtro == "Istram (EPSA)") {
                ConvertBinaryTaquiIstram(request, [](const std::string&) {});
            } else {
                ConvertBinaryTaqui(request, state, vertices);
            }
            EXPECT_EQ(c.message, "") << c.filtro;
        } catch (const ConversionError& error) {
            EXPECT_EQ(error.what(), c.message) << c.filtro;
            // No half-written output, under its name or a temporary one.
            EXPECT_FALSE(OutputExists());
            EXPECT_EQ(FilesInFolder(), 1u);
        }
        std::filesystem::remove(dir.File("salida"));
    }
    EXPECT_THROW(ConvertBinaryBasesPuntos(Request("p.bas", Point(Text("B"), 0, inf, 0), "Estandar"), state, vertices),
                 ConversionError);
}

TEST_F(BinaryConverters, IstramSequencesAndMendedCodes) {
    // Istram Estandar: the same code 1 with code 3 of value 1 counts 0, 1, 2; a new
    // code starts at 0. Codes 2 of blanks or letters are 0 and never stop the file.
    std::vector<Observation> points(4);
    const char* codigo2[] = {"7", "", "ABC", "645"};
    for (int i = 0; i < 4; ++i) {
        points[i].punto = Text("P" + std::to_string(i + 1), ' ');
        points[i].codigos[0] = Text(i < 3 ? "MURO" : "EJE");
        points[i].codigos[1] = Text(codigo2[i], ' ');
        points[i].codigos[2] = Text("1", ' ');
        points[i].x = i;
    }
    std::string bytes;
    for (const Observation& o : points) bytes += o.Bytes();
    const std::string coords = "        0.000        0.000";
    auto line = [&](const char* name, const char* sequence, const char* code, int x) {
        return std::string(name) + sequence + code + "        " + std::to_string(x) + ".000" + coords + "\r\n";
    };
    ConvertBinaryTaquiIstram(Request("o.fic", bytes, "Istram Estandar"), [](const std::string&) { FAIL(); });
    EXPECT_EQ(Output(), line("    P1", "     0", "    7", 0) + line("    P2", "     1", "    0", 1) +
                            line("    P3", "     2", "    0", 2) + line("    P4", "     0", "  645", 3));
    // Istram (EPSA): a code 2 of value 0 counts and becomes 68; 645 sets the count to 0.
    ConvertBinaryTaquiIstram(Request("o.fic", bytes, "Istram (EPSA)"), [](const std::string&) { FAIL(); });
    EXPECT_EQ(Output(), line("    P1", "     0", "    7", 0) + line("    P2", "     0", "   68", 1) +
                            line("    P3", "     0", "   68", 2) + line("    P4", "     0", "  645", 3));
}

TEST_F(BinaryConverters, TheSequenceDoesNotWrapAt32767) {
    Observation o;
    o.codigos[2] = Text("1");
    const std::string one = o.Bytes();
    std::string bytes;
    for (int i = 0; i < 32769; ++i) bytes += one;
    ConvertBinaryTaquiIstram(Request("o.fic", bytes, "Istram Estandar"), [](const std::string&) {});
    const std::string out = Output();
    // 32,769 lines of 58 bytes; the last counts 32768.
    ASSERT_EQ(out.size(), 32769u * 58u);
    EXPECT_EQ(out.substr(out.size() - 58, 17), "    P1 32768    0");
}

TEST_F(BinaryConverters, LongNamesAreCutWithOneWarning) {
    Observation o;
    o.punto = Text("LARGO01", ' ');
    Observation p = o;
    p.punto = Text("LARGO02");
    Observation q = o;
    q.punto = Text("CORTO", ' ');
    std::vector<std::string> warnings;
    ConvertBinaryTaquiIstram(Request("o.fic", o.Bytes() + p.Bytes() + q.Bytes(), "InRoads"),
                             [&](const std::string& text) { warnings.push_back(text); });
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0],
              "El punto : LARGO01 tiene más de 6 caracteres. El nombre del punto será cambiado a: LARGO0");
    // Code 3 is 0: the sequence stays at 0 (the InRoads rule of these files).
    const std::string rest = "     0    0        0.000        0.000        0.000\r\n";
    EXPECT_EQ(Output(), "LARGO0" + rest + "LARGO0" + rest + " CORTO" + rest);
}

TEST_F(BinaryConverters, AnalysisFilesAreKnownByTheirName) {
    const std::string record = Analysis(Text("A"), 1, 2, 3, 4, 5, Text("C"));
    EXPECT_THROW(ConvertBinaryAnalysis(Request("a.dat", record, "Estandar"), state, vertices), ConversionError);
    EXPECT_FALSE(OutputExists());
    ConvertBinaryAnalysis(Request("a.Lib", record, "Modelo Digital"), state, vertices);
    EXPECT_EQ(Output(), "A             3.000         4.000         5.000         C         \r\n");
}

TEST_F(BinaryConverters, TunnelProfilesDrawNoPoints) {
    state.DosTresD = 4;
    EXPECT_THROW(ConvertBinaryBasesPuntos(Request("p.pto", Point(Text("B"), 0, 0, 0), "DXF"), state, vertices),
                 ConversionError);
    EXPECT_FALSE(OutputExists());
}

}  // namespace
