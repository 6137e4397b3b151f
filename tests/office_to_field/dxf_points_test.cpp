// The points of a DXF layer, from drawings written here pair by pair: group codes
// padded in several ways, CR LF and LF, values that look like coordinate codes,
// entities inside a block definition, layers in other letter cases and encodings.
// The expected words and records are worked out by hand from the coordinates.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "field_to_office/tarsel_binary_records.h"
#include "office_to_field/dxf_points.h"
#include "design_readers/fixed_window.h"
#include "platform/scripted_desktop.h"
#include "support/files.h"

namespace {

using office_to_field::AbRequest;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

using Pairs = std::vector<std::pair<std::string, std::string>>;

// Code lines as given (with their padding), one line end for all.
std::string Drawing(const Pairs& pairs, const std::string& eol = "\r\n") {
    std::string text;
    for (const auto& [code, value] : pairs) text += code + eol + value + eol;
    return text;
}


// A 3D drawing: a block holding a point, then the entities.
const Pairs kTresD = {
    {"  0", "SECTION"}, {"  2", "BLOCKS"}, {"  0", "BLOCK"}, {"  8", "0"}, {"  2", "HITO"},
    {"  0", "POINT"}, {"  8", "CAPA1"}, {" 10", "1.0"}, {" 20", "1.0"}, {" 30", "1.0"},
    {"  0", "ENDBLK"}, {"  0", "ENDSEC"},
    {"0", "SECTION"}, {"2", "ENTITIES"},
    // A colour of 10 stands where a coordinate code could be expected.
    {"0", "POINT"}, {"8", "capa1"}, {"62", "10"}, {"10", "5.0"}, {"20", "6.0"}, {"30", "7.0"},
    // A LINE gives its start point only.
    {"   0", "LINE"}, {"   8", "CAPA1"}, {"  10", "1.0"}, {"  20", "2.0"}, {"  30", "3.0"},
    {"  11", "9.0"}, {"  21", "9.0"}, {"  31", "9.0"},
    {"0", "INSERT"}, {"8", "Otra"}, {"10", "4.0"}, {"20", "4.0"}, {"30", "4.0"},
    {"0", "POINT"}, {"8", "Capa1"}, {"10", "0.0"}, {"20", "0.0"}, {"30", "0.0"},  // the origin
    // Two vertices, a count of 2 and an elevation of 12.5.
    {"0", "LWPOLYLINE"}, {"8", "Capa1"}, {"90", "2"}, {"38", "12.5"},
    {"10", "100.0"}, {"20", "-200.0"}, {"10", "101.0"}, {"20", "201.0"},
    {"0", "LWPOLYLINE"}, {"8", "Capa1"}, {"90", "1"}, {"10", "30.0"}, {"20", "20.0"},
    // A polyline at elevation 55.5: a vertex without a Z of its own takes it.
    {"0", "POLYLINE"}, {"8", "Capa1"}, {"66", "1"}, {"10", "0.0"}, {"20", "0.0"}, {"30", "55.5"},
    {"0", "VERTEX"}, {"8", "Capa1"}, {"10", "7.0"}, {"20", "8.0"},
    {"0", "VERTEX"}, {"8", "Capa1"}, {"10", "7.0"}, {"20", "9.0"}, {"30", "1.0"},
    {"0", "SEQEND"}, {"8", "Capa1"},
    {"0", "ENDSEC"}, {"0", "EOF"}};

class DxfPoints : public ::testing::Test {
protected:
    bool Run(bool bin, const std::string& drawing, const std::string& capa) {
        WriteBytes(in_, drawing);
        AbRequest request;
        request.InPath = in_;
        request.OutPath = out_;
        request.Layer = capa;
        state_.InFile = "DIBUJO.DXF";
        design_readers::FixedWindow window("DXF");
        Context ctx{desktop_, settings_, state_};
        return bin ? office_to_field::DXF_Bin(ctx, window, request) : office_to_field::DXF_KTW(ctx, window, request);
    }

    TempDir dir_;
    std::string in_ = dir_.File("dibujo.dxf");
    std::string out_ = dir_.File("salida");
    platform::ScriptedDesktop desktop_;
    platform::MemorySettingsStore settings_;
    State state_;
};

std::string Line3D(const char* n, const char* x, const char* y, const char* z) {
    return std::string("*11000") + n + "+000000000000000" + n + " 81..10" + x + " 82..10" + y + " 83..10" + z +
           " \r\n";
}

TEST_F(DxfPoints, KtwWordsOfEveryEntityKind) {
    ASSERT_TRUE(Run(false, Drawing(kTresD), "Capa1"));
    const std::string expected =
        Line3D("1", "+0000000000005000", "+0000000000006000", "+0000000000007000") +
        Line3D("2", "+0000000000001000", "+0000000000002000", "+0000000000003000") +
        // LWPOLYLINE vertices carry no Z word, even in a 3D drawing.
        "*110003+0000000000000003 81..10+0000000000100000 82..10-0000000000200000 \r\n"
        "*110004+0000000000000004 81..10+0000000000101000 82..10+0000000000201000 \r\n"
        "*110005+0000000000000005 81..10+0000000000030000 82..10+0000000000020000 \r\n" +
        Line3D("6", "+0000000000007000", "+0000000000008000", "+0000000000055500") +
        Line3D("7", "+0000000000007000", "+0000000000009000", "+0000000000001000");
    EXPECT_EQ(ReadBytes(out_), expected);
    EXPECT_EQ(state_.Dimensiones, "3");
    EXPECT_EQ(state_.AnchoPalabra, 16);
    EXPECT_TRUE(desktop_.Boxes().empty());
}

TEST_F(DxfPoints, PointRecordsTakeTheirOwnZOrTheirPolylines) {
    ASSERT_TRUE(Run(true, Drawing(kTresD, "\n"), "CAPA1"));
    const std::string bytes = ReadBytes(out_);
    ASSERT_EQ(bytes.size(), 7 * kPuntoBaseBytes);
    // The first record byte by byte: " 1" and eight blanks, then 5.0, 6.0, 7.0.
    EXPECT_EQ(bytes.substr(0, 34), std::string(" 1        ") + std::string("\0\0\0\0\0\0\x14\x40", 8) +
                                       std::string("\0\0\0\0\0\0\x18\x40", 8) +
                                       std::string("\0\0\0\0\0\0\x1c\x40", 8));
    struct Expected {
        const char* name;
        double x, y, z;
    } const expected[] = {{" 1        ", 5, 6, 7},       {" 2        ", 1, 2, 3},
                          {" 3        ", 100, -200, 12.5}, {" 4        ", 101, 201, 12.5},
                          {" 5        ", 30, 20, 0},       {" 6        ", 7, 8, 55.5},
                          {" 7        ", 7, 9, 1}};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        TPuntoBase p;
        DecodePuntoBase(reinterpret_cast<const unsigned char*>(bytes.data()) + i * kPuntoBaseBytes, p);
        EXPECT_EQ(p.Nombre, expected[i].name);
        EXPECT_EQ(p.X, expected[i].x) << i;
        EXPECT_EQ(p.Y, expected[i].y) << i;
        EXPECT_EQ(p.Z, expected[i].z) << i;
    }
}

TEST_F(DxfPoints, TwoDimensionalDrawingsAndConstants) {
    // A group 30 inside the block only: the drawing is 2D.
    const Pairs drawing = {{"0", "SECTION"}, {"2", "BLOCKS"}, {"0", "POINT"}, {"8", "A"}, {"10", "1"},
                           {"20", "1"},      {"30", "1"},     {"0", "ENDSEC"}, {"0", "SECTION"},
                           {"2", "ENTITIES"}, {"0", "POINT"}, {"8", "A"},     {"10", "4462694.952"},
                           {"20", "300000.0004"}, {"0", "POINT"}, {"8", "A"}, {"10", "4400000.0"},
                           {"20", "300000"}, {"0", "ENDSEC"}, {"0", "EOF"}};
    state_.ConstanteX = 4400000;
    state_.ConstanteY = 300000;
    ASSERT_TRUE(Run(false, Drawing(drawing), "a"));
    // The second point is the origin once the constants are subtracted.
    EXPECT_EQ(ReadBytes(out_), "*110001+0000000000000001 81..10+0000000062694952 82..10+0000000000000000 \r\n");
    EXPECT_EQ(state_.Dimensiones, "2");
    ASSERT_TRUE(Run(true, Drawing(drawing), "A"));
    const std::string bytes = ReadBytes(out_);
    ASSERT_EQ(bytes.size(), 2 * kPuntoBaseBytes);
    TPuntoBase p;
    DecodePuntoBase(reinterpret_cast<const unsigned char*>(bytes.data()) + kPuntoBaseBytes, p);
    EXPECT_EQ(p.X, 4400000.0);
    EXPECT_EQ(p.Z, 0.0);
}

TEST_F(DxfPoints, LayerNamesAreDecodedByVersion) {
    // "Cañería" in UTF-8 from AC1021 on, in Windows-1252 before.
    for (const auto& [version, layer] : {std::pair<std::string, std::string>{"AC1021", "Ca\xC3\xB1" "er\xC3\xAD" "a"},
                                         std::pair<std::string, std::string>{"AC1015", "Ca\xF1" "er\xED" "a"}}) {
        const Pairs drawing = {{"0", "SECTION"}, {"2", "HEADER"}, {"9", "$ACADVER"}, {"1", version},
                               {"0", "ENDSEC"}, {"0", "SECTION"}, {"2", "ENTITIES"}, {"0", "INSERT"},
                               {"8", layer},    {"2", "HITO"},    {"10", "1.5"},     {"20", "2.5"},
                               {"0", "ENDSEC"}, {"0", "EOF"}};
        ASSERT_TRUE(Run(false, Drawing(drawing), "CAÑERÍA")) << version;
        EXPECT_EQ(ReadBytes(out_), "*110001+0000000000000001 81..10+0000000000001500 82..10+0000000000002500 \r\n");
    }
}

TEST_F(DxfPoints, RefusedDrawingsKeepTheOldOutput) {
    struct Box {
        std::string text;
        int style;
        std::string title;
    };
    struct Case {
        std::string drawing;
        std::string capa;
        Box box;
    } const cases[] = {
        {"hola\r\nmundo\r\n", "Capa1", {"El fichero de entrada no es un fichero DXF", 0, "Tarsel"}},
        {Drawing({{"0", "SECTION"}, {"2", "HEADER"}, {"0", "ENDSEC"}, {"0", "EOF"}}), "Capa1",
         {"El fichero de entrada no es un fichero DXF", 0, "Tarsel"}},
        {Drawing(kTresD), "Otra capa",
         {"El fichero DIBUJO.DXF no contine entidades compatibles en la capa Otra capa", 64, "Error"}},
        {Drawing({{"0", "SECTION"}, {"2", "ENTITIES"}, {"0", "ENDSEC"}, {"0", "EOF"}}), "Capa1",
         {"El fichero DIBUJO.DXF no contine entidades compatibles en la capa Capa1", 64, "Error"}},
    };
    for (const bool bin : {false, true}) {
        for (const Case& c : cases) {
            WriteBytes(out_, "salida anterior");
            desktop_.ClearTranscript();
            state_.ErrorFichero = 1;
            EXPECT_FALSE(Run(bin, c.drawing, c.capa)) << c.box.text;
            EXPECT_EQ(ReadBytes(out_), "salida anterior");
            EXPECT_EQ(state_.ErrorFichero, c.box.style == 0 ? 0 : 1);
            const std::vector<platform::ShownEvent> boxes = desktop_.Boxes();
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0].text, c.box.text);
            EXPECT_EQ(boxes[0].style, c.box.style);
            EXPECT_EQ(boxes[0].title, c.box.title);
        }
    }
}

}  // namespace
