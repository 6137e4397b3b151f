#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "common/dxf_pairs.h"
#include "support/files.h"

namespace {

using testing_support::TempDir;
using testing_support::WriteBytes;

TEST(DxfGroupCode, NumbersWhateverThePadding) {
    const std::vector<std::pair<std::string, std::optional<std::int32_t>>> cases = {
        {"0", 0},          {"  8", 8},        {" 10 ", 10},       {"\t330", 330},  {"   1071", 1071},
        {"-1", -1},        {"", std::nullopt}, {"   ", std::nullopt}, {"EOF", std::nullopt}, {"1 0", std::nullopt},
        {"10.0", std::nullopt}, {"+5", std::nullopt}, {"99999999999", std::nullopt},
    };
    for (const auto& [line, code] : cases) EXPECT_EQ(Dxf::GroupCode(line), code) << "«" << line << "»";
}

struct Read {
    std::vector<std::string> entities;  // type, layer and the codes of its groups
    bool utf8 = false;
};

Read ReadAll(const std::string& path) {
    Dxf::EntityReader reader(path);
    Dxf::Entity entity;
    Read read;
    while (reader.Next(entity)) {
        std::string text = entity.Type() + "|" + entity.Layer() + "|";
        for (std::size_t i = 0; i < entity.Size(); ++i) {
            text.append(std::to_string(entity[i].code)).append("=").append(entity[i].value).append(";");
        }
        read.entities.push_back(text);
    }
    read.utf8 = reader.Utf8Text();
    return read;
}

// The header's version decides the text encoding; only the entities of the ENTITIES
// section come out; the pair 0 / EOF ends the drawing, a value "EOF" does not.
TEST(DxfEntityReader, EntitiesOfTheDrawingOnly) {
    TempDir dir;
    const std::string body =
        "  0\r\nSECTION\r\n  2\r\nHEADER\r\n  9\r\n$ACADVER\r\n  1\r\nVERSION\r\n  0\r\nENDSEC\r\n"
        "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n8\nA\n0\n3DFACE\n8\nA\n10\n1\n0\nENDBLK\n0\nENDSEC\n"
        "   0\nSECTION\n   2\nENTITIES\n   0\nTEXT\n   8\nEOF\n   1\nEOF\n"
        "0\n3DFACE\n8\n  Fl\xE4" "che \n 10 \n1.5\n0\nPOINT\n8\n0\n  0\nENDSEC\n"
        "  0\nSECTION\n  2\nOBJECTS\n  0\nDICTIONARY\n  0\nENDSEC\n  0\nEOF\n";
    const std::vector<std::string> cp1252 = {"TEXT|EOF|8=EOF;1=EOF;", "3DFACE|Fläche|8=  Fl\xE4" "che ;10=1.5;",
                                             "POINT|0|8=0;"};
    struct Case {
        std::string version;
        std::string layerByte;  // the ä as the version writes it
        bool utf8;
    };
    for (const Case& c : {Case{"AC1015", "\xE4", false}, Case{"AC1021", "\xC3\xA4", true}, Case{"AC1032", "\xC3\xA4", true}}) {
        std::string text = body;
        text.replace(text.find("VERSION"), 7, c.version);
        text.replace(text.find("Fl\xE4" "che \n 10"), 3, "Fl" + c.layerByte);
        WriteBytes(dir.File("a.dxf"), text);
        const Read read = ReadAll(dir.File("a.dxf"));
        EXPECT_EQ(read.utf8, c.utf8) << c.version;
        ASSERT_EQ(read.entities.size(), 3u) << c.version;
        EXPECT_EQ(read.entities[0], cp1252[0]);
        EXPECT_EQ(read.entities[1], "3DFACE|Fläche|8=  Fl" + c.layerByte + "che ;10=1.5;") << c.version;
        EXPECT_EQ(read.entities[2], cp1252[2]);
    }
}

TEST(DxfEntityReader, EndsOfTheDrawing) {
    TempDir dir;
    const std::string start = "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nL\n";
    struct Case {
        std::string tail;
        std::size_t entities;
        bool notDxf;
    };
    const Case cases[] = {
        {"0\nEOF\n0\nPOINT\n8\nL\n", 1, false},  // nothing after 0 / EOF
        {"0\neof\n0\nPOINT\n", 1, false},
        {"0\nPOINT\n8\nL\n", 2, false},  // no ENDSEC, no EOF: the end of the file
        {"0\nPOINT\n8\n", 2, false},      // a code without its value
        {"0\nPOINT\n\n", 2, false},       // a blank last line
        {"0\nPOINT\nLAYER\n", 0, true},   // a code line that is not a number
        {"0\nPOINT\n\n\n0\nEOF\n", 0, true},
    };
    for (const Case& c : cases) {
        WriteBytes(dir.File("e.dxf"), start + c.tail);
        if (c.notDxf) {
            EXPECT_THROW(ReadAll(dir.File("e.dxf")), Dxf::NotDxfError) << c.tail;
        } else {
            EXPECT_EQ(ReadAll(dir.File("e.dxf")).entities.size(), c.entities) << c.tail;
        }
    }
    // No ENTITIES section, and not a drawing at all.
    WriteBytes(dir.File("n.dxf"), "0\nSECTION\n2\nHEADER\n0\nENDSEC\n0\nEOF\n");
    EXPECT_TRUE(ReadAll(dir.File("n.dxf")).entities.empty());
    WriteBytes(dir.File("t.dxf"), "Punto 1 10.5 20.5\n");
    EXPECT_THROW(ReadAll(dir.File("t.dxf")), Dxf::NotDxfError);
}

}  // namespace
