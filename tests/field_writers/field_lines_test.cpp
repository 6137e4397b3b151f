// Corvana and Tunelix alignment lines, written out by hand from their layouts.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/info_proyecto.h"
#include "field_writers/corvana_lines.h"
#include "field_writers/tunelix_lines.h"
#include "field_writers/write_files.h"
#include "support/files.h"

namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;

TPlanta Clotoide(double radio) { return {1, 0, 0, 0, 0, radio, 100, 10}; }
TPlanta Siguiente(double radio) { return {2, 10, 0, 0, 0, radio, 0, 10}; }

TEST(CorvanaPlanta, TheSignsOfRadiusAndParameter) {
    const std::string head = "A;AO= 0.000;L= 10.000;X= 0.000;Y= 0.000;G= 0.0000;";
    struct Row {
        double R, Rn;
        const char* tail;
    };
    const Row rows[] = {
        {0.001, 50, "R= -0.000;A= -100.000"},   {-0.001, 50, "R= 0.000;A= 100.000"},
        {0, 50, "R= 0.000;A= 100.000"},         {-50, 0, "R= 50.000;A= -100.000"},
        {-50, -0.001, "R= 50.000;A= -100.000"}, {-50, -80, "R= 50.000;A= -100.000"},
        {-50, -30, "R= 50.000;A= 100.000"},     {-50, 50, "R= 50.000;A= 100.000"},
        {50, 0.001, "R= -50.000;A= 100.000"},   {50, 30, "R= -50.000;A= -100.000"},
        {50, 80, "R= -50.000;A= 100.000"},      {50, -50, "R= -50.000;A= 100.000"},
    };
    for (const Row& row : rows) {
        const std::vector<TPlanta> planta = {{}, Clotoide(row.R), Siguiente(row.Rn)};
        std::string line;
        field_writers::AppendPlantaCorvana(line, 1, planta);
        EXPECT_EQ(line, head + row.tail) << row.R << " " << row.Rn;
    }
    // After the last element a straight follows.
    const std::vector<TPlanta> last = {{}, Clotoide(50)};
    std::string line;
    field_writers::AppendPlantaCorvana(line, 1, last);
    EXPECT_EQ(line, head + "R= -50.000;A= 100.000");
}

TEST(CorvanaPlanta, StraightsAndArcs) {
    const std::vector<TPlanta> planta = {{},
                                         {1, 1250, 1000, 2000, 99.5, 0, 0, 80},
                                         {2, 1330, 1000.25, 2080, 99.5, 100, 0, 20.5},
                                         {3, 1350.5, 1, 2, 3, -0.001, 0, 1}};
    std::string lines;
    for (std::size_t i = 1; i <= 3; ++i) {
        field_writers::AppendPlantaCorvana(lines, i, planta);
        lines += "|";
    }
    EXPECT_EQ(lines,
              "D;AO= 1250.000;L= 80.000;X= 1000.000;Y= 2000.000;G= 99.5000|"
              "C;AO= 1330.000;L= 20.500;X= 1000.250;Y= 2080.000;G= 99.5000;R= -100.000|"
              "D;AO= 1350.500;L= 1.000;X= 1.000;Y= 2.000;G= 3.0000|");
}

TEST(CorvanaAlzado, GradeAndParabola) {
    std::string line;
    field_writers::AppendAlzadoCorvana(line, {1, 100, 50, 0.02, 2000, 80});
    EXPECT_EQ(line, "P:S=100.000;SL= 80.000;Z= 50.000;P= 2.0000;RP= 2000.000;SJ=60.000;ZJ=49.600");
    line.clear();
    field_writers::AppendAlzadoCorvana(line, {2, 0, 10, -0.015, 0, 100});
    EXPECT_EQ(line, "D:S=0.000;SL= 100.000;Z= 10.000;P= -1.5000");
}

// One Tunelix word: WI, sign, sixteen digits of thousandths, one blank.
std::string W(const char* wi, const char* signedDigits) { return std::string(wi) + signedDigits + " "; }
std::string K(const char* paddedKeyword) { return std::string("*71....+") + paddedKeyword + " "; }

TEST(TunelixPlanta, EachElementByItsEnd) {
    TempDir dir;
    TInfoProyecto info;
    const std::vector<TPlanta> planta = {{},
                                         {1, 0, 1000, 2000, 100, 0, 0, 50},
                                         {2, 50, 1050, 2000, 100, -200, 0, 40},
                                         {3, 90, 1090, 1996, 113, -200, -100, 50},
                                         {4, 140, 1140, 1990, 110, 0, 0, 0.005}};
    const std::string path = dir.File("eje.ktw");
    field_writers::WriteFiles writer(path, 4, info, "cabecera");
    for (std::size_t i = 1; i <= 4; ++i) writer.Write_Planta(i, planta);
    writer.Commit();
    const std::string expected =
        "cabecera\r\n" + K("000000BEGINPOINT") + W("81..10", "+0000000001000000") +
        W("82..10", "+0000000002000000") + W("84..10", "+0000000000000000") + W("85..10", "+0000000000000000") +
        "\r\n" + K("00000000STRAIGHT") + W("81..10", "+0000000001050000") + W("82..10", "+0000000002000000") +
        W("84..10", "+0000000000050000") + W("85..10", "+0000000000000000") + "\r\n" + K("0000000000CIRCLE") +
        W("81..10", "+0000000001090000") + W("82..10", "+0000000001996000") + W("84..10", "+0000000000090000") +
        W("85..10", "-0000000000200000") + "\r\n" + K("00000000CLOTHOUT") + W("81..10", "+0000000001140000") +
        W("82..10", "+0000000001990000") + W("84..10", "+0000000000140000") + W("85..10", "+0000000000000000") +
        W("86..10", "+0000000000100000") + "\r\n";
    // The closing element of 5 mm gives no line of its own.
    EXPECT_EQ(ReadBytes(path), expected);
}

TEST(TunelixPlanta, TheLastElementEndsWhereItsGeometryEnds) {
    TempDir dir;
    TInfoProyecto info;
    // Azimuth 100 gon points east: 30 m along it from (1050, 2000).
    const std::vector<TPlanta> planta = {{}, {1, 20, 1050, 2000, 100, 0, 0, 30}};
    const std::string path = dir.File("eje.ktw");
    field_writers::WriteFiles writer(path, 4, info);
    writer.Write_Planta(1, planta);
    writer.Commit();
    EXPECT_EQ(ReadBytes(path),
              K("000000BEGINPOINT") + W("81..10", "+0000000001050000") + W("82..10", "+0000000002000000") +
                  W("84..10", "+0000000000020000") + W("85..10", "+0000000000000000") + "\r\n" +
                  K("00000000STRAIGHT") + W("81..10", "+0000000001080000") + W("82..10", "+0000000002000000") +
                  W("84..10", "+0000000000050000") + W("85..10", "+0000000000000000") + "\r\n");
}

TEST(TunelixPlanta, ClothoidKeywordsAndTheRadiusAtTheEnd) {
    struct Row {
        double R, Rn;
        const char* keyword;
        const char* radiusEnd;
    };
    const Row rows[] = {
        {0.001, 300, "000000000CLOTHIN", "+0000000000300000"},
        {-0.001, -300, "000000000CLOTHIN", "-0000000000300000"},
        {0, 300, "000000000CLOTHIN", "+0000000000300000"},  // radius 0: from a straight as well
        {300, 0, "00000000CLOTHOUT", "+0000000000000000"},
        {300, -0.001, "00000000CLOTHOUT", "+0000000000000000"},
        {300, 100, "00CLOTHEGGBIGGER", "+0000000000100000"},
        {300, 500, "0CLOTHEGGSMALLER", "+0000000000500000"},
        {-300, -300, "0CLOTHEGGSMALLER", "-0000000000300000"},
    };
    for (const Row& row : rows) {
        std::string line;
        const TPlanta e = {2, 10, 1, 2, 3, row.R, 120, 40};
        field_writers::AppendPlantaTunelix(line, 2, 5, 6, row.Rn, e);
        EXPECT_EQ(line, K(row.keyword) + W("81..10", "+0000000000005000") + W("82..10", "+0000000000006000") +
                            W("84..10", "+0000000000050000") + W("85..10", row.radiusEnd) +
                            W("86..10", "+0000000000120000") + "\r\n")
            << row.R << " " << row.Rn;
    }
}

TEST(TunelixPlanta, ThousandthsAreRoundedAndTheMarkerIsNoRadius) {
    std::string line;
    const TPlanta e = {1, -0.0004, 1.001, 2.0006, 3, 0.001, 0, 4};
    field_writers::AppendPlantaTunelix(line, 1, 0, 0, 0, e, true);
    EXPECT_EQ(line, K("000000BEGINPOINT") + W("81..10", "+0000000000001001") + W("82..10", "+0000000000002001") +
                        W("84..10", "+0000000000000000") + W("85..10", "+0000000000000000") + "\r\n");
}

TEST(TunelixAlzado, VerticesAndTheEndOfALastParabola) {
    TempDir dir;
    TInfoProyecto info;
    const std::vector<TAlzado> alzado = {{}, {1, 0, 10, -0.015, 0, 100}, {2, 100, 8.5, 0.02, 2000, 80}};
    const std::string path = dir.File("eje.ktw");
    field_writers::WriteFiles writer(path, 4, info);
    writer.Write_Alzado(1, alzado);
    writer.Write_Alzado(2, alzado);
    writer.Commit();
    // The parabola: its tangents meet at 140 (8.5 + 0.02 * 40 = 9.3); it ends at 180,
    // 8.5 + 1.6 + 80^2 / 4000 = 11.7.
    EXPECT_EQ(ReadBytes(path),
              K("000000000000LINE") + W("83..10", "+0000000000010000") + W("84..10", "+0000000000000000") +
                  W("85..10", "+0000000000000000") + "\r\n" + K("000000000000LINE") +
                  W("83..10", "+0000000000008500") + W("84..10", "+0000000000100000") +
                  W("85..10", "+0000000000000000") + "\r\n" + K("000000000PARABOL") +
                  W("83..10", "+0000000000009300") + W("84..10", "+0000000000140000") +
                  W("85..10", "+0000000002000000") + "\r\n" + K("000000000000LINE") +
                  W("83..10", "+0000000000011700") + W("84..10", "+0000000000180000") +
                  W("85..10", "+0000000000000000") + "\r\n");

    // A profile that starts with a curve starts one metre back on its tangent.
    std::string line;
    field_writers::AppendAlzadoTunelix(line, 1, {1, 100, 50, 0.02, 2000, 80}, false);
    EXPECT_EQ(line, K("000000000000LINE") + W("83..10", "+0000000000049980") + W("84..10", "+0000000000099000") +
                        W("85..10", "+0000000002000000") + "\r\n" + K("000000000PARABOL") +
                        W("83..10", "+0000000000050800") + W("84..10", "+0000000000140000") +
                        W("85..10", "+0000000002000000") + "\r\n");
}

}  // namespace
