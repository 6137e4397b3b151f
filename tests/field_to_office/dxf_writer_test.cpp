// The DXF writer: whole drawings byte for byte against drawings written by hand
// from the entity layouts.

#include "field_to_office/dxf_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "app/state.h"
#include "common/errors.h"
#include "field_to_office/ktw_tarsel_taqui.h"
#include "support/files.h"

namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;

std::string Data(const std::string& name) { return std::string(TARSEL_TEST_DATA) + "/field_to_office/data/" + name; }

TEST(DXFWriter, PointWithEveryLabelIn3D) {
    TempDir dir;
    State state;  // the first-run options: scale 1000, 3D, every layer on
    std::int32_t vertices = 0;
    DXFWriter dxf(dir.File("p.dxf"), state, vertices);
    dxf.WriteDXFPoint("P1        ", 100, 200, 50, "CODE      ");
    dxf.WriteDXFFooter();
    EXPECT_EQ(ReadBytes(dir.File("p.dxf")), ReadBytes(Data("dxf_point_3d.dxf")));
}

TEST(DXFWriter, In2DEveryHeightIsZeroButTheHeightLabel) {
    for (std::int16_t mode : {2, 0, 7}) {  // any mode but 3 and 4 draws in 2D
        TempDir dir;
        State state;
        state.DosTresD = mode;
        std::int32_t vertices = 0;
        DXFWriter dxf(dir.File("p.dxf"), state, vertices);
        dxf.WriteDXFPoint("P1        ", 100, 200, 50, "CODE      ");
        dxf.WriteDXFFooter();
        EXPECT_EQ(ReadBytes(dir.File("p.dxf")), ReadBytes(Data("dxf_point_2d.dxf"))) << mode;
    }
}

// The label texts of one point with the given decimals of layers 2 and 3.
std::string LabelTexts(std::int16_t decimals) {
    TempDir dir;
    State state;
    state.Layer1Activo = 0;
    state.Layer4Activo = 0;
    state.Layer2Decimales = decimals;
    state.Layer3Decimales = decimals;
    std::int32_t vertices = 0;
    DXFWriter dxf(dir.File("p.dxf"), state, vertices);
    dxf.WriteDXFPoint("P", 1234.5678, -0.25, 7, "");
    dxf.WriteDXFFooter();
    // The text is the line after each group code "1".
    const std::string bytes = ReadBytes(dir.File("p.dxf"));
    std::string texts;
    for (std::size_t pos = bytes.find("\r\n1\r\n"); pos != std::string::npos; pos = bytes.find("\r\n1\r\n", pos + 1)) {
        const std::size_t start = pos + 5;
        texts += bytes.substr(start, bytes.find("\r\n", start) - start) + "|";
    }
    return texts;
}

TEST(DXFWriter, LabelDecimals) {
    EXPECT_EQ(LabelTexts(3), "1234.568|-0.250|7.000|");
    EXPECT_EQ(LabelTexts(2), "1234.57|-0.25|7.00|");
    EXPECT_EQ(LabelTexts(1), "1234.6|-0.3|7.0|");
    EXPECT_EQ(LabelTexts(0), "1235|0|7|");
    EXPECT_EQ(LabelTexts(5), "1235|0|7|");
}

TEST(DXFWriter, TunnelProfileAsClosedPolyline) {
    TempDir dir;
    State state;
    state.DosTresD = 4;
    state.Escala = 500;
    state.Layer2Activo = state.Layer3Activo = state.Layer4Activo = 0;
    std::int32_t vertices = 20;
    const std::vector<double> distancias = {-2, 0, 2};
    const std::vector<double> cotas = {100, 103, 100.5};
    DXFWriter dxf(dir.File("t.dxf"), state, vertices);
    dxf.WriteDXFProfile(3, 1234.5, -2, 100, "", distancias, cotas);
    dxf.WriteDXFFooter();
    EXPECT_EQ(ReadBytes(dir.File("t.dxf")), ReadBytes(Data("dxf_tunnel.dxf")));
    EXPECT_EQ(vertices, 23);
}

TEST(DXFWriter, ProfileLayerNames) {
    struct Case {
        double pk;
        const char* layer;
    };
    const Case cases[] = {
        {1234.5, "1234_500"}, {100.1, "100_100"},   {1234.567, "1234_567"}, {0, "0_000"},
        {99.9996, "100_000"}, {-0.5, "-1_500"},     {12.0004, "12_000"},    {7.05, "7_050"},
    };
    for (const Case& c : cases) EXPECT_EQ(DXFWriter::ProfileLayer(c.pk), c.layer) << c.pk;
    EXPECT_THROW(DXFWriter::ProfileLayer(1e300), ConversionError);
}

TEST(DXFWriter, ProfileIn3DIsOnePointNamedByItsCount) {
    TempDir dir;
    State state;
    state.Layer2Activo = state.Layer3Activo = state.Layer4Activo = 0;
    std::int32_t vertices = 0;
    const std::vector<double> d = {1, 2};
    DXFWriter dxf(dir.File("t.dxf"), state, vertices);
    dxf.WriteDXFProfile(2, 10.5, 1, 20, "", d, d);
    dxf.WriteDXFFooter();
    const std::string bytes = ReadBytes(dir.File("t.dxf"));
    EXPECT_NE(bytes.find("POINT\r\n8\r\n0\r\n62\r\n7\r\n10\r\n10.500\r\n20\r\n1.000\r\n30\r\n20.000\r\n"),
              std::string::npos);
    EXPECT_NE(bytes.find("\r\n1\r\n 2 \r\n"), std::string::npos);
    EXPECT_EQ(vertices, 0);
}

TEST(DXFWriter, RefusalsLeaveNoDrawing) {
    // A profile that claims more points than it has, and points in the
    // tunnel-profile mode (there is no profile to draw).
    TempDir dir;
    State state;
    state.DosTresD = 4;
    std::int32_t vertices = 0;
    const std::vector<double> d = {1, 2};
    {
        DXFWriter dxf(dir.File("a.dxf"), state, vertices);
        EXPECT_THROW(dxf.WriteDXFProfile(3, 10, 0, 0, "", d, d), ConversionError);
        EXPECT_THROW(dxf.WriteDXFProfile(0, 10, 0, 0, "", d, d), ConversionError);
        EXPECT_THROW(dxf.WriteDXFPoint("P1", 1, 2, 3, ""), ConversionError);
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST(DXFWriter, VertexHandlesGoOnAcrossDrawingsAndNeverWrap) {
    TempDir dir;
    State state;
    state.DosTresD = 4;
    const std::vector<double> d = {1, 2};
    std::int32_t vertices = 0;
    {
        DXFWriter dxf(dir.File("a.dxf"), state, vertices);
        dxf.WriteDXFProfile(2, 10, 0, 0, "", d, d);
        dxf.WriteDXFFooter();
    }
    {
        DXFWriter dxf(dir.File("b.dxf"), state, vertices);
        dxf.WriteDXFProfile(2, 11, 0, 0, "", d, d);
        dxf.WriteDXFFooter();
    }
    EXPECT_EQ(vertices, 4);
    EXPECT_NE(ReadBytes(dir.File("b.dxf")).find("  5\r\n3\r\n"), std::string::npos);
    vertices = 2147483646;
    DXFWriter dxf(dir.File("c.dxf"), state, vertices);
    EXPECT_THROW(dxf.WriteDXFProfile(2, 11, 0, 0, "", d, d), ConversionError);
}

TEST(DXFWriter, LongNumbersAndLayerNamesAreWrittenWhole) {
    // A layer name longer than the output's whole buffer, one longer than the
    // blocks short pieces are copied in, and coordinates too large for the plain
    // number road.
    TempDir dir;
    State state;
    state.Layer1Nombre = std::string(300000, 'L');
    state.Layer4Nombre = std::string(100, 'M');
    std::int32_t vertices = 0;
    DXFWriter dxf(dir.File("p.dxf"), state, vertices);
    dxf.WriteDXFPoint("P1", 1e13, 0.5, 7, "C");
    dxf.WriteDXFFooter();
    const std::string bytes = ReadBytes(dir.File("p.dxf"));
    const std::string point = "0\r\nPOINT\r\n8\r\n0\r\n62\r\n7\r\n10\r\n10000000000000.000\r\n20\r\n0.500\r\n30\r\n7.000\r\n";
    // Labels 2 m (x) and 6 m (code, below) from the point at scale 1000, height 1.3.
    const std::string name = "0\r\nTEXT\r\n8\r\n" + std::string(300000, 'L') +
                             "\r\n50\r\n0.0\r\n51\r\n0.0\r\n62\r\n 1 \r\n10\r\n10000000000002.000\r\n20\r\n0.500\r\n"
                             "30\r\n7.000\r\n40\r\n1.3\r\n1\r\nP1\r\n";
    const std::string code = "0\r\nTEXT\r\n8\r\n" + std::string(100, 'M') +
                             "\r\n50\r\n0.0\r\n51\r\n0.0\r\n62\r\n 4 \r\n10\r\n10000000000002.000\r\n20\r\n-5.500\r\n"
                             "30\r\n7.000\r\n40\r\n1.3\r\n1\r\nC\r\n";
    const std::size_t atPoint = bytes.find(point);
    ASSERT_NE(atPoint, std::string::npos);
    EXPECT_EQ(bytes.compare(atPoint + point.size(), name.size(), name), 0);
    const std::string end = code + " 0\r\nENDSEC\r\n0\r\nEOF\r\n";
    ASSERT_GT(bytes.size(), end.size());
    EXPECT_EQ(bytes.substr(bytes.size() - end.size()), end);
}

TEST(DXFWriter, LayerNamesAreWrittenInTheFileCodePage) {
    TempDir dir;
    State state;
    state.Layer4Nombre = "Código";
    std::int32_t vertices = 0;
    DXFWriter dxf(dir.File("p.dxf"), state, vertices);
    dxf.WriteDXFPoint("P1", 0, 0, 0, "");
    dxf.WriteDXFFooter();
    EXPECT_NE(ReadBytes(dir.File("p.dxf")).find("\r\n8\r\nC\xF3" "digo\r\n"), std::string::npos);
}

TEST(DXFWriter, ObservationDrawingIgnoresTheDecimalComma) {
    TempDir dir;
    State state;
    std::int32_t vertices = 0;
    for (char sep : {'.', ','}) {
        KTWTaquiRequest request{Data("ktw_obs.ktw"), dir.File(std::string("obs") + sep + ".dxf"), "DXF", false, false,
                                sep};
        ConvertKTWTaqui(request, state, vertices);
    }
    const std::string point = ReadBytes(dir.File("obs..dxf"));
    EXPECT_EQ(ReadBytes(dir.File("obs,.dxf")), point);
    EXPECT_EQ(point.find(','), std::string::npos);
    // The station is drawn at its own coordinates, under its name.
    EXPECT_NE(point.find("POINT\r\n8\r\n0\r\n62\r\n7\r\n10\r\n1000.000\r\n20\r\n2000.500\r\n30\r\n100.250\r\n"),
              std::string::npos);
}

}  // namespace
