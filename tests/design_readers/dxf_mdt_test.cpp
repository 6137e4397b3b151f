// The terrain model from hand-made drawings: the file's bytes for one face, the edge
// cases of merging and numbering, the ways writers lay drawings out, the refusals.

#include <gtest/gtest.h>

#include <cctype>
#include <charconv>
#include <filesystem>
#include <cmath>
#include <string>
#include <vector>

#include "common/errors.h"
#include "common/little_endian.h"
#include "design_readers/dxf_mdt.h"
#include "mdt_check.h"
#include "platform/scripted_desktop.h"
#include "support/files.h"

namespace {

using mdt_check::Face;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

std::string Number(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;  // reads back exactly
    return std::string(text, end);
}

// A 3DFACE with its groups in the usual order; corners beyond the third (a fourth
// corner) are written as groups 13, 23, 33.
std::string FaceText(const std::string& layer, const std::vector<double>& corners) {
    std::string text = "  0\n3DFACE\n  8\n" + layer + "\n";
    for (std::size_t k = 0; k < corners.size() / 3; ++k) {
        for (std::size_t axis = 0; axis < 3; ++axis) {
            text += " " + std::to_string(10 * (axis + 1) + k) + "\n" + Number(corners[3 * k + axis]) + "\n";
        }
    }
    return text;
}

std::string Drawing(const std::string& entities) {
    return "  0\nSECTION\n  2\nENTITIES\n" + entities + "  0\nENDSEC\n  0\nEOF\n";
}

struct Conversion {
    std::int32_t result = 0;
    std::string bytes;  // the output, or "" when none was written
    mdt_check::WindowDouble window;
    platform::ScriptedDesktop desktop;
};

// Converts the drawing text, typing the layer capa.
void Convert(Conversion& run, const TempDir& dir, const std::string& drawing, const std::string& capa) {
    WriteBytes(dir.File("in.dxf"), drawing);
    std::filesystem::remove(dir.File("out.mdt"));
    run.result = EntryDxf::DXF_MDT(dir.File("in.dxf"), dir.File("out.mdt"), capa, run.window, run.desktop);
    run.bytes = std::filesystem::exists(dir.File("out.mdt")) ? ReadBytes(dir.File("out.mdt")) : "";
}

std::string Longs(std::initializer_list<std::int32_t> values) {
    std::string bytes;
    char field[4];
    for (const std::int32_t v : values) bytes.append(field, LittleEndian::PutInt32(field, v));
    return bytes;
}

std::string Point(std::int32_t num, std::int32_t firstUse, double x, double y, double z) {
    std::string bytes = Longs({num, firstUse});
    char field[8];
    for (const double v : {x, y, z}) bytes.append(field, LittleEndian::PutDouble(field, v));
    return bytes;
}

// One face (10,20,1) (5,30,2) (7,1,3): ordered by X the points are the second, third
// and first corner, so the triangle reads 3 1 2 and every point is used once.
TEST(DxfMdt, OneFaceByteByByte) {
    TempDir dir;
    Conversion run;
    Convert(run, dir, Drawing(FaceText("MDT", {10, 20, 1, 5, 30, 2, 7, 1, 3})), "MDT");
    EXPECT_EQ(run.result, 1);
    const std::string expected = Longs({3, 25, 1, 121, 3, 137}) + Point(1, 1, 5, 30, 2) + Point(2, 2, 7, 1, 3) +
                                 Point(3, 3, 10, 20, 1) + Longs({1, 3, 1, 2}) + Longs({1, 1, 1});
    EXPECT_EQ(run.bytes.size(), 148u);
    EXPECT_EQ(run.bytes, expected);
    const std::vector<std::string> texts = {"Buscando Triangulos", "Triangulos :  1",        "Ordenando Puntos",
                                            "Renumerando Puntos",  "Renumerando Triángulos", "Escribiendo fichero"};
    EXPECT_EQ(run.window.texts, texts);
    EXPECT_TRUE(run.desktop.Transcript().empty());
}

TEST(DxfMdt, MergingAndNumbering) {
    const double nextAfterOne = std::nextafter(1.0, 2.0);
    struct Case {
        const char* what;
        std::vector<std::pair<std::string, std::vector<double>>> faces;  // layer, corners
        std::string capa;
        std::int32_t points;  // distinct positions of the faces read
    };
    const std::vector<Case> cases = {
        {"four corners: the fourth is no point", {{"MDT", {0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0}}}, "MDT", 3},
        {"two faces sharing an edge", {{"MDT", {0, 0, 0, 1, 0, 0, 1, 1, 0}}, {"MDT", {0, 0, 0, 1, 1, 0, 0, 1, 0}}}, "MDT", 4},
        {"corners differing in the last bit",
         {{"MDT", {1, 0, 0, 2, 0, 0, 0, 1, 0}}, {"MDT", {nextAfterOne, 0, 0, 2, 0, 0, 0, 1, 0}}}, "MDT", 4},
        {"one position named twice", {{"MDT", {0, 0, 0, 1, 0, 0, 0, 0, 0}}}, "MDT", 2},
        {"equal X at the end of the list",
         {{"MDT", {9, 5, 2, 9, 1, 0, 1, 1, 0}}, {"MDT", {9, 1, 0, 9, 5, 1, 9, 5, 2}}, {"MDT", {9, 5, 1, 9, 1, 0, 9, 5, 2}}},
         "MDT", 4},
        {"other layers skipped, the layer typed in lower case",
         {{"Graben", {0, 0, 0, 1, 0, 0, 1, 1, 0}}, {"Wald", {5, 5, 5, 6, 5, 5, 6, 6, 5}},
          {"Graben", {5, 5, 5, 7, 7, 7, 8, 8, 8}}, {"WALD", {5, 5, 5, 6, 6, 5, 5, 6, 5}}},
         "wald", 4},
    };
    TempDir dir;
    for (const Case& c : cases) {
        std::string entities;
        std::vector<Face> read;
        for (const auto& [layer, corners] : c.faces) {
            entities += FaceText(layer, corners);
            if (layer == "Graben") continue;
            Face f{};
            std::copy(corners.begin(), corners.begin() + 9, f.begin());
            read.push_back(f);
        }
        Conversion run;
        Convert(run, dir, Drawing(entities), c.capa);
        EXPECT_EQ(run.result, static_cast<std::int32_t>(read.size())) << c.what;
        const mdt_check::Model m = mdt_check::ExpectModelOf(run.bytes, read);
        EXPECT_EQ(m.header[0], c.points) << c.what;
    }
    // The point named twice holds that triangle twice among its uses.
    Conversion run;
    Convert(run, dir, Drawing(FaceText("MDT", {0, 0, 0, 1, 0, 0, 0, 0, 0})), "MDT");
    EXPECT_EQ(run.bytes.substr(24 + 64), Longs({1, 1, 2, 1}) + Longs({1, 1, 1}));
}

// The same two faces, written as different writers write them: each drawing must give
// the same model.
TEST(DxfMdt, DrawingsAsWritersLayThemOut) {
    const std::string a = FaceText("Terreno", {0, 0, 0, 4, 0, 1, 4, 3, 2});
    const std::string b = FaceText("Terreno", {4, 3, 2, 0, 3, 1, 0, 0, 0});
    const std::vector<Face> faces = {Face{0, 0, 0, 4, 0, 1, 4, 3, 2}, Face{4, 3, 2, 0, 3, 1, 0, 0, 0}};
    const std::string blockFace = "  0\nSECTION\n  2\nBLOCKS\n  0\nBLOCK\n" + FaceText("Terreno", {7, 7, 7, 8, 8, 8, 9, 9, 9}) +
                                  "  0\nENDBLK\n  0\nENDSEC\n";
    const std::string noGroup32 = "  0\n3DFACE\n  8\nTerreno\n 10\n1\n 20\n1\n 30\n1\n 11\n2\n 21\n2\n 31\n2\n 12\n3\n 22\n3\n";
    std::string crlf = Drawing(a + b);
    for (std::size_t at = crlf.find('\n'); at != std::string::npos; at = crlf.find('\n', at + 2)) crlf.insert(at, "\r");
    std::string unpadded = Drawing(a + b);
    for (std::size_t at; (at = unpadded.find("\n ")) != std::string::npos;) unpadded.erase(at + 1, 1);
    if (unpadded.front() == ' ') unpadded.erase(0, unpadded.find_first_not_of(' '));
    std::string fourColumns = Drawing(a + b);
    for (std::size_t at = fourColumns.find("\n 1"); at != std::string::npos; at = fourColumns.find("\n 1", at + 3)) {
        fourColumns.insert(at + 1, "  ");
    }
    const std::string bySection = "  0\n3DFACE\n  8\nTerreno\n 10\n0\n 11\n4\n 12\n4\n 20\n0\n 21\n0\n 22\n3\n 30\n0\n 31\n1\n 32\n2\n";
    const std::string text = "  0\nTEXT\n  8\nTerreno\n  1\nEOF\n";
    const struct {
        const char* what;
        std::string drawing;
    } cases[] = {
        {"codes padded by one blank", Drawing(a + b)},
        {"CR LF line ends", crlf},
        {"codes not padded", unpadded},
        {"codes in four columns", fourColumns},
        {"groups ordered by axis", Drawing(bySection + b)},
        {"a face inside a block is no face of the drawing", blockFace + Drawing(a + b)},
        {"a text EOF and a layer EOF", Drawing(text + FaceText("EOF", {1, 1, 1, 2, 2, 2, 3, 3, 3}) + a + b)},
        {"a face without its group 32 is discarded", Drawing(a + noGroup32 + "  0\nPOINT\n  8\nTerreno\n" + b)},
        {"nothing after the end of the drawing", Drawing(a + b + "  0\nEOF\n" + FaceText("Terreno", {5, 5, 5, 6, 6, 6, 7, 7, 7}))},
    };
    TempDir dir;
    for (const auto& c : cases) {
        Conversion run;
        Convert(run, dir, c.drawing, "TERRENO");
        EXPECT_EQ(run.result, 2) << c.what;
        const mdt_check::Model m = mdt_check::ExpectModelOf(run.bytes, faces);
        EXPECT_EQ(m.header[0], 4) << c.what;
    }
}

TEST(DxfMdt, RefusedDrawingsLeaveTheOldFile) {
    TempDir dir;
    const struct {
        const char* what;
        std::string drawing;
    } cases[] = {
        {"no face on the layer", Drawing(FaceText("Otra", {0, 0, 0, 1, 0, 0, 1, 1, 0}) + "  0\nLINE\n  8\nCapa1\n")},
        {"no entities", "  0\nSECTION\n  2\nHEADER\n  0\nENDSEC\n  0\nEOF\n"},
        {"not a DXF", "PUNTO 1 100.0 200.0 10.0\nPUNTO 2 101.0 200.0 10.0\n"},
        {"not a DXF after faces", Drawing(FaceText("Capa1", {0, 0, 0, 1, 0, 0, 1, 1, 0}) + "  0\nLINE\nCapa1\n")},
    };
    std::string upperPath = dir.File("Plano.dxf");
    for (char& ch : upperPath) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    for (const auto& c : cases) {
        WriteBytes(dir.File("old.mdt"), "old");
        WriteBytes(dir.File("Plano.dxf"), c.drawing);
        mdt_check::WindowDouble window;
        platform::ScriptedDesktop desktop;
        desktop.SetMousePointer(11);
        EXPECT_EQ(EntryDxf::DXF_MDT(dir.File("Plano.dxf"), dir.File("old.mdt"), "Capa1", window, desktop), 0) << c.what;
        ASSERT_EQ(desktop.Transcript().size(), 1u) << c.what;
        const platform::ShownEvent& box = desktop.Transcript()[0];
        EXPECT_EQ(box.text, "El fichero " + upperPath + " no contine entidades 3DCara en la capa Capa1") << c.what;
        EXPECT_EQ(box.style, 64);
        EXPECT_EQ(box.title, "Error");
        EXPECT_EQ(desktop.MousePointer(), platform::kDefaultPointer);
        EXPECT_EQ(ReadBytes(dir.File("old.mdt")), "old") << c.what;
    }
    mdt_check::WindowDouble window;
    platform::ScriptedDesktop desktop;
    EXPECT_THROW(EntryDxf::DXF_MDT(dir.File("none.dxf"), dir.File("old.mdt"), "Capa1", window, desktop), ConversionError);
}

TEST(DxfMdt, ProgressShowsTheFinalCountWithoutATextPerFace) {
    std::string entities;
    for (int i = 0; i < 20000; ++i) entities += FaceText("Capa1", {i * 1.0, 0, 0, i + 1.0, 0, 0, i + 0.5, 1, 0});
    TempDir dir;
    Conversion run;
    Convert(run, dir, Drawing(entities), "Capa1");
    EXPECT_EQ(run.result, 20000);
    std::vector<std::string> counts;
    for (const std::string& text : run.window.texts) {
        if (text.rfind("Triangulos : ", 0) == 0) counts.push_back(text);
    }
    ASSERT_FALSE(counts.empty());
    EXPECT_LT(counts.size(), 100u);
    EXPECT_EQ(counts.back(), "Triangulos :  20000");
    EXPECT_EQ(run.window.texts.size(), counts.size() + 5);
}

TEST(DxfMdt, TablePositionsMustFitALong) {
    // 25 + 32 NP + 16 NT <= 2^31 - 1 = 2147483647.
    EXPECT_TRUE(EntryDxf::CabeEnMDT(1, 134217724));   // 25 + 32 + 2147483584 = 2147483641
    EXPECT_FALSE(EntryDxf::CabeEnMDT(1, 134217725));  // 2147483657
    EXPECT_TRUE(EntryDxf::CabeEnMDT(67108863, 0));    // 25 + 2147483616
    EXPECT_FALSE(EntryDxf::CabeEnMDT(67108864, 0));   // 25 + 2147483648
}

}  // namespace
