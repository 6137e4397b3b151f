// The three profile readers end to end into Clip files (the simplest layout), with
// input files written by hand word by word and record by record; the Istram boxes.

#include <gtest/gtest.h>

#include <cstdint>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/state.h"
#include "common/errors.h"
#include "field_to_office/ktw_profiles.h"
#include "field_to_office/prf_profiles.h"
#include "field_to_office/profile_converters.h"
#include "field_to_office/text_profiles.h"
#include "platform/scripted_desktop.h"
#include "support/files.h"

namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

class ProfileReaders : public ::testing::Test {
protected:
    ProfileRequest Request(const std::string& input, const std::string& filtro = "Perfiles Clip") {
        WriteBytes(dir_.File("in"), input);
        ProfileRequest r;
        r.entrada = dir_.File("in");
        r.salida = dir_.File("out");
        r.filtro = filtro;
        r.formatoCampo = 2;
        return r;
    }
    std::string KTW(const std::string& input, std::int16_t format = 2, const std::string& filtro = "Perfiles Clip") {
        ProfileRequest r = Request(input, filtro);
        r.formatoCampo = format;
        ConvertKTWPerfiles(r, state_, vertices_);
        return ReadBytes(dir_.File("out"));
    }

    TempDir dir_;
    State state_;
    std::int32_t vertices_ = 0;
};

TEST_F(ProfileReaders, KTWProfilesSortedWithTheirPoints) {
    const std::string file =
        // A point before the first profile belongs to none.
        "77...0+00050000 78...0+00001000 83...0+00050000 \r\n"
        "41....+00PERFIL 42...0+00200000 43...0+01000000 44...0+02000000 45...0+00050000 \r\n"
        "77...0+00200000 78...0+00001500 83...0+00100250 \r\n"
        " 78...0+00009000 83...0+00100250 \r\n"  // a line led by a blank is skipped
        "77...0+00200000 78...0-00002000 83...0+00100500 \r\n"
        "41....+00PERFIL 42...0+00100000 \r\n"
        "77...0+00100000 78...0+00003000 83...0+00099000 83...0+0009900\n";  // a cut word is not read
    EXPECT_EQ(KTW(file), "*TER\r\n100.000 ,  1  , 0, 0\r\n3.00 ,99.00\r\n"
                         "200.000 ,  2  , 0, 0\r\n-2.00 ,100.50\r\n1.50 ,100.25\r\n");
}

TEST_F(ProfileReaders, KTWEqualChainagesWideWordsAndDroppedPoints) {
    const std::string file =
        "41....+00PERFIL 42...0+00050000 46....+00000000 \r\n"
        "78...0+00001000 83...0+00010000 \r\n"
        "78...0+00002000 83...0+00000000 \r\n"  // no elevation: the point is dropped
        "*41....+0000000000PERFIL 42...0+0000000000050000 \r\n"
        "*78...0-0000000012345678 83...0+0000000000011000 \r\n"
        "78...0+00000000 83...0+00099000 \r\n";  // offset 0 before any chainage: no point
    EXPECT_EQ(KTW(file), "*TER\r\n50.000 ,  2  , 0, 0\r\n-12345.68 ,11.00\r\n1.00 ,10.00\r\n");
}

TEST_F(ProfileReaders, KTWSecondTakeBackLeavesTheEarlierProfile) {
    // The second elevation 0 takes back the point of the profile at 10, which is
    // then empty; the next point belongs to the profile at 20 alone.
    const std::string file =
        "41....+00PERFIL 42...0+00010000 \r\n"
        "77...0+00010000 78...0+00001000 83...0+00100000 \r\n"
        "41....+00PERFIL 42...0+00020000 \r\n"
        "77...0+00020000 78...0+00002000 83...0+00000000 \r\n"
        "83...0+00000000 \r\n"
        "77...0+00020000 78...0+00003000 83...0+00103000 \r\n";
    EXPECT_EQ(KTW(file), "*TER\r\n20.000 ,  1  , 0, 0\r\n3.00 ,103.00\r\n");
}

TEST_F(ProfileReaders, KTWFormat3CountsAtTheElevationAndNegatesOffsets) {
    const std::string file =
        "41....+00PERFIL 42...0+00010000 \r\n"
        "83...0+00005000 78...0+00002000 \r\n"
        "83...0+00000000 78...0+00007000 \r\n"  // dropped, and its offset touches no other point
        "83...0+00006000 78...0-00001000 \r\n";
    EXPECT_EQ(KTW(file, 3), "*TER\r\n10.000 ,  2  , 0, 0\r\n-2.00 ,5.00\r\n1.00 ,6.00\r\n");
}

TEST_F(ProfileReaders, KTWProfileBeyondSixteenBitCounts) {
    std::string file = "41....+00PERFIL 42...0+00001000 \r\n";
    const std::string point = "77...0+00001000 78...0+00001000 83...0+00002000 \r\n";
    for (int i = 0; i < 40000; ++i) file += point;
    const std::string out = KTW(file);
    EXPECT_EQ(out.substr(0, 30), "*TER\r\n1.000 ,  40000  , 0, 0\r\n");
    EXPECT_EQ(out.size(), 30 + 40000 * std::string("1.00 ,2.00\r\n").size());
}

TEST_F(ProfileReaders, KTWFilesWithoutProfiles) {
    // No KTW word at all (an empty file, a text of another kind): refused, and the
    // old output stays.
    state_.DosTresD = 4;
    for (const char* input : {"", "Listado de perfiles\r\nPK 100.000 cota 50.000 eje 1 izquierda 2\r\n"}) {
        SCOPED_TRACE(input);
        WriteBytes(dir_.File("out"), "anterior");
        ProfileRequest r = Request(input, "DXF");
        try {
            ConvertKTWPerfiles(r, state_, vertices_);
            ADD_FAILURE() << "converted";
        } catch (const ConversionError& error) {
            EXPECT_STREQ(error.what(), "El fichero no contiene datos KTW.");
        }
        EXPECT_EQ(ReadBytes(dir_.File("out")), "anterior");
    }
    EXPECT_EQ(vertices_, 20);
    // A profile without points writes nothing, but the old output is replaced.
    EXPECT_EQ(KTW("41....+00PERFIL 42...0+00001000 \r\n", 2, "Vial"), "");
}


TEST_F(ProfileReaders, TextListsMeasureFromTheAxis) {
    ProfileRequest r = Request(
        "DPK200 3 4 21\r\n"
        "E100 1000 2000 50\r\n"
        "DPK100 1003 2004 51\r\n"
        "\r\n"
        "IPK100 997 1996 49\r\n"
        "Dpk200 6 8 22\r\n"
        "D200 1 1 1\r\n"          // no PK: not a point
        "IPK200 1 1\r\n"          // only two numbers: skipped
        "E200 0 0 20 extra\r\n"   // the axis after its points
        "DPK300 5 5 5\r\n"        // no axis line at 300
        "IPK100 1000 2000.5 48\r\n");  // back to 100: joins the profile at 100
    const std::vector<double> withoutAxis = ConvertTextPerfiles(r, state_, vertices_);
    EXPECT_EQ(ReadBytes(dir_.File("out")),
              "*TER\r\n"
              "100.000 ,  4  , 0, 0\r\n-5.00 ,49.00\r\n-0.50 ,48.00\r\n0.00 ,50.00\r\n5.00 ,51.00\r\n"
              "200.000 ,  3  , 0, 0\r\n0.00 ,20.00\r\n5.00 ,21.00\r\n10.00 ,22.00\r\n");
    EXPECT_EQ(withoutAxis, std::vector<double>{300});
    r = Request("E1e999 1 2 3\r\n");
    EXPECT_THROW(ConvertTextPerfiles(r, state_, vertices_), ConversionError);
}

// A .PRF group: the marker, the header and the points, little-endian.
void PutDouble(std::string& out, double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, 8);
    for (int i = 0; i < 8; ++i) out.push_back(static_cast<char>(bits >> (8 * i)));
}
std::string Group(double pk, double x, double y, double azimutRad) {
    std::string g = "**";
    for (double v : {pk, x, y, azimutRad}) PutDouble(g, v);
    g.append(4, '\0');  // Entero
    PutDouble(g, 0);
    PutDouble(g, 0);
    return g;
}
std::string Point(const std::string& name, double x, double y, double cota, double distancia) {
    std::string p = name;
    p.resize(10, '\0');
    for (double v : {x, y, cota, distancia}) PutDouble(p, v);
    return p;
}

TEST_F(ProfileReaders, PRFWithoutAPointRecordIsRefused) {
    // A header and a point record cut one byte short: the old output stays.
    WriteBytes(dir_.File("out"), "anterior");
    ProfileRequest r = Request(Group(10, 0, 0, 0) + std::string(41, 'x'), "Estandar");
    EXPECT_THROW(ConvertPRFPerfiles(r, state_, vertices_, [](const std::string&) {}), ConversionError);
    EXPECT_EQ(ReadBytes(dir_.File("out")), "anterior");
}

TEST_F(ProfileReaders, PRFGroupsSortedMergedAndPrinted) {
    const std::string file = Group(20, 1, 2, 0) + Point("P1", 10, 20, 5.5, -1.25) +
                             Group(10, 3, 4, 0) +  // no points: skipped
                             Group(10, 5, 6, 0) + Point("Q1", 12, 22, 7, 3) + Group(20, 7, 8, 0) +
                             Point("P2", 13, 23, 8, 4) + std::string(30, 'x');  // a cut record is no point
    ProfileRequest r = Request(file, "Estandar");
    r.decimalSeparator = ',';
    ConvertPRFPerfiles(r, state_, vertices_, [](const std::string&) { FAIL(); });
    EXPECT_EQ(ReadBytes(dir_.File("out")),
              "10,000 5,000 6,000\r\n"
              "Q1         3,000 12,000 22,000 7,000\r\n"
              "20,000 1,000 2,000\r\n"
              "P1         -1,250 10,000 20,000 5,500\r\n"
              "P2         4,000 13,000 23,000 8,000\r\n");
}

TEST_F(ProfileReaders, PRFMarkersOnlyWhereARecordCouldBegin) {
    // "**" in a name at a record's start opens a group there; "**" one byte later does not.
    bool truncated = true;
    const auto groups = ScanPRF(Group(1, 0, 0, 0) + Point("X**", 0, 0, 0, 0) + Point("**", 0, 0, 0, 0), truncated);
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0].Inicio, 2u);
    EXPECT_EQ(groups[0].Fin, 96u);
    EXPECT_EQ(groups[1].Inicio, 98u);
    EXPECT_FALSE(truncated);
}

TEST_F(ProfileReaders, PRFPointLinesOfModeloDigitalAndElsamex) {
    const std::string file = Group(12.25, 0, 0, 0) + Point("P1", 1.5, 2, 3.125, -4);
    ProfileRequest r = Request(file, "Modelo Digital");
    ConvertPRFPerfiles(r, state_, vertices_, [](const std::string&) { FAIL(); });
    EXPECT_EQ(ReadBytes(dir_.File("out")), "P1         1.500 2.000 3.125\r\n");
    r = Request(file, "Elsamex");
    ConvertPRFPerfiles(r, state_, vertices_, [](const std::string&) { FAIL(); });
    EXPECT_EQ(ReadBytes(dir_.File("out")), "----\r\n12.250\r\n-4.000\r\n3.125\r\n1.500\r\n2.000\r\n");
}

TEST_F(ProfileReaders, PRFToClipUnderTheLastHeader) {
    const std::string file = Group(7.9, 0, 0, 0) + Point("A", 0, 0, 3, 1) + Group(7.9, 0, 0, 0) +
                             Point("B", 0, 0, 4, -1) + Point("C", 0, 0, 5, 0);
    ProfileRequest r = Request(file);
    ConvertPRFPerfiles(r, state_, vertices_, [](const std::string&) { FAIL(); });
    EXPECT_EQ(ReadBytes(dir_.File("out")), "*TER\r\n7.000 ,  3  , 0, 0\r\n-1.00 ,4.00\r\n0.00 ,5.00\r\n1.00 ,3.00\r\n");
}

TEST_F(ProfileReaders, PRFTooManyGroupsSaysHowManyAreConverted) {
    std::string file;
    for (std::size_t i = 0; i <= kMaxGruposPRF; ++i) file += Group(1, 0, 0, 0);
    bool truncated = false;
    EXPECT_EQ(ScanPRF(file, truncated).size(), kMaxGruposPRF);
    EXPECT_TRUE(truncated);
    EXPECT_EQ(DemasiadosPerfiles(32767),
              "Demasiado perfiles en el fichero de datos.\r\n\r\nSe traducirán los primeros  32767 perfiles.");
}

TEST_F(ProfileReaders, PRFValuesThatAreNotNumbersStop) {
    ProfileRequest r = Request(Group(1, 0, 0, 0) + Point("A", 0, 0, std::nan(""), 1));
    EXPECT_THROW(ConvertPRFPerfiles(r, state_, vertices_, [](const std::string&) {}), ConversionError);
    EXPECT_FALSE(std::filesystem::exists(dir_.File("out")));
}

}  // namespace

namespace {

TEST(IstramBoxes, PromptsAnswersAndRange) {
    platform::ScriptedDesktop desktop;
    desktop.AnswerInput("12abc");
    desktop.AnswerInput("letras");
    const auto p = AskIstramParametros(desktop);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->tipoLin, 12);
    EXPECT_EQ(p->nDeEje, 0);
    const auto& t = desktop.Transcript();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].text, "Introduzca el tipo de línea");
    EXPECT_EQ(t[0].title, "Perfiles Istram");
    EXPECT_EQ(t[1].text, "Introduzca el número de eje");
    desktop.AnswerInput("40000");
    EXPECT_THROW(AskIstramParametros(desktop), ConversionError);
    desktop.AnswerInput(std::nullopt);
    EXPECT_FALSE(AskIstramParametros(desktop));
    EXPECT_EQ(desktop.Boxes().back().text, "No ha introducido el tipo de línea");
}

}  // namespace
