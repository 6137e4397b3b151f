// The Clip, Topcal, Vial and Istram profile blocks byte for byte, and the order of
// a tunnel section's points. Expected blocks are worked out by hand from the layouts.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "app/state.h"
#include "common/buffered_output.h"
#include "field_to_office/profile_clip_writer.h"
#include "field_to_office/profile_istram_writer.h"
#include "field_to_office/profile_tunnel.h"
#include "field_to_office/profile_vial_writer.h"
#include "support/files.h"

namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;

PerfilMedido Profile(double pk, const std::vector<std::pair<double, double>>& points) {
    PerfilMedido p;
    p.CabeceraPerfil.Pk = pk;
    for (const auto& [d, c] : points) p.Add(d, c);
    return p;
}

// The bytes a writer appends for the profiles, one after the other.
template <class Fn>
std::string Written(Fn write) {
    TempDir dir;
    BufferedOutput out(dir.File("out.txt"));
    write(out);
    out.Commit();
    return ReadBytes(dir.File("out.txt"));
}

std::string Clip(ClipProfileWriter::Header header, const PerfilMedido& p) {
    ClipProfileWriter writer(header);
    return Written([&](BufferedOutput& out) { writer.B_A_Perfiles_Clip(p, out); });
}

TEST(ClipProfile, BlocksFromLeftToRight) {
    EXPECT_EQ(Clip(ClipProfileWriter::Header::Clip,
                   Profile(1234.56, {{0, 101.41}, {-2, 101.35}, {3, 101.3}, {-5, 101.2}})),
              "1234.000 ,  4  , 0, 0\r\n-5.00 ,101.20\r\n-2.00 ,101.35\r\n0.00 ,101.41\r\n3.00 ,101.30\r\n");
    // Equal offsets keep their stored order; zero goes first on the right.
    EXPECT_EQ(Clip(ClipProfileWriter::Header::Clip,
                   Profile(-0.5, {{-2, 1}, {3, 2}, {-5, 3}, {0, 4}, {1, 5}, {1, 6}})),
              "-1.000 ,  6  , 0, 0\r\n-5.00 ,3.00\r\n-2.00 ,1.00\r\n0.00 ,4.00\r\n1.00 ,5.00\r\n1.00 ,6.00\r\n"
              "3.00 ,2.00\r\n");
    EXPECT_EQ(Clip(ClipProfileWriter::Header::Topcal, Profile(99.999, {{1234567.891, -0.004}})),
              "P99.000\r\n1234567.89 ,0.00\r\n");
    EXPECT_EQ(Clip(ClipProfileWriter::Header::None, Profile(5, {{1, 2}})), "1.00 ,2.00\r\n");
    EXPECT_EQ(Clip(ClipProfileWriter::Header::Clip, Profile(5, {})), "");
    // The stored order is left as it was.
    const PerfilMedido p = Profile(1, {{3, 1}, {-1, 2}});
    Clip(ClipProfileWriter::Header::Clip, p);
    EXPECT_EQ(p.DistanciasPerfil, (std::vector<double>{3, -1}));
}

std::string Vial(const PerfilMedido& p) {
    VialProfileWriter writer;
    return Written([&](BufferedOutput& out) { writer.B_A_Perfiles_Vial(p, out); });
}

TEST(VialProfile, AxisPointBetweenTheSides) {
    // A = 101.3 - (101.3 - 101.4) * 3 / (3 - (-2)) = 101.36
    EXPECT_EQ(Vial(Profile(1234.6, {{3, 101.3}, {-5, 101.2}, {-2, 101.4}})),
              "1234,101.360,4\r\n-5.0000,101.200\r\n-2.0000,101.400\r\n0,101.360\r\n3.0000,101.300\r\n");
    // Right points only: the point at 0 gives the axis and is written twice.
    EXPECT_EQ(Vial(Profile(-0.5, {{2, 7}, {0, 5}})), "-1,5.000,3\r\n0,5.000\r\n0.0000,5.000\r\n2.0000,7.000\r\n");
    EXPECT_EQ(Vial(Profile(0, {})), "");
}

TEST(VialProfile, AxisElevationCases) {
    using V = std::vector<PuntoPerfil>;
    EXPECT_DOUBLE_EQ(VialProfileWriter::AxisElevation(V{{-4, 10}, {-2, 11}}, V{}), 12);
    EXPECT_DOUBLE_EQ(VialProfileWriter::AxisElevation(V{{-9, 1}, {-2, 10}, {-2, 11}}, V{}), 10);
    EXPECT_DOUBLE_EQ(VialProfileWriter::AxisElevation(V{{-3, 4}}, V{}), 4);
    EXPECT_DOUBLE_EQ(VialProfileWriter::AxisElevation(V{}, V{{1, 4}, {3, 6}}), 3);
    EXPECT_DOUBLE_EQ(VialProfileWriter::AxisElevation(V{}, V{{1, 4}}), 4);
}

std::string Istram(const PerfilMedido& p, std::int16_t tipo = 26, char separator = '.') {
    IstramProfileWriter writer(tipo, 1, separator);
    return Written([&](BufferedOutput& out) { writer.B_A_Perfiles_Istram(p, out); });
}

TEST(IstramProfile, WorkedExample) {
    PerfilMedido p = Profile(1234.56, {{2, 100.9}, {-3, 100.6}, {6, 100.2}, {0.5, 101.0}, {4.5, 100.7}});
    p.CabeceraPerfil.X = 452310.125;
    p.CabeceraPerfil.Y = 4473802.5;
    p.CabeceraPerfil.Azimut = 87.123456;
    // A = 101.0 - (101.0 - 100.6) * 0.5 / 3.5 = 100.942857...
    EXPECT_EQ(Istram(p),
              " 4 1 452310.125 4473802.500 1234.560 87.123456 0 0 0\r\n"
              "   1 1 26 5 2\r\n"
              "     0.0000 100.9429 0.5000 101.0000 2.0000 100.9000 4.5000 100.7000 \r\n"
              "     6.0000 100.2000\r\n"
              "     0.0000 100.9429 3.0000 100.6000\r\n"
              " \r\n");
    // With a decimal comma every number carries it.
    EXPECT_EQ(Istram(Profile(1.5, {{-2, 10}}), 26, ','),
              " 4 1 0,000 0,000 1,500 0,000000 0 0 0\r\n   1 1 26 1 2\r\n     0,0000 10,0000\r\n"
              "     0,0000 10,0000 2,0000 10,0000\r\n \r\n");
}

TEST(IstramProfile, SidesAndAxis) {
    // Three right points and the axis fill one line; the left side is the axis alone.
    EXPECT_EQ(Istram(Profile(0, {{1, 1}, {2, 2}, {3, 3}}), -1),
              " 4 1 0.000 0.000 0.000 0.000000 0 0 0\r\n   1 1 -1 4 1\r\n"
              "     0.0000 0.0000 1.0000 1.0000 2.0000 2.0000 3.0000 3.0000 \r\n     0.0000 0.0000\r\n \r\n");
    EXPECT_EQ(Istram(Profile(0, {})), " 4 1 0.000 0.000 0.000 0.000000 0 0 0\r\n   1 1 26 1 1\r\n");
    using V = std::vector<PuntoPerfil>;
    EXPECT_DOUBLE_EQ(IstramProfileWriter::AxisElevation(V{{-2, 10}, {-4, 9}}, V{}), 11);
    EXPECT_DOUBLE_EQ(IstramProfileWriter::AxisElevation(V{{-2, 10}}, V{{0, 7}}), 7);
}

TEST(TunnelProfile, PointsOrderedRoundTheSection) {
    TempDir dir;
    State state;
    state.DosTresD = 4;
    std::int32_t vertices = 20;
    DXFWriter dxf(dir.File("t.dxf"), state, vertices);
    // A ring measured from the crown; the centre: mean offset 0, height 10 + 1.5.
    PerfilMedido p = Profile(7, {{0, 15}, {3, 11.5}, {2, 8}, {-2, 8}, {-3, 11.5}, {0, 11.5}});
    TunnelProfileWriter writer;
    writer.B_A_Perfiles_DXF(p, 7, CentroTunel{10, 1.5}, dxf);
    // Lower left, left, crown, the centre itself (angle pi, after the crown's exact
    // pi by the exchange order), right, lower right.
    EXPECT_EQ(p.DistanciasPerfil, (std::vector<double>{-2, -3, 0, 0, 3, 2}));
    EXPECT_EQ(p.CotasPerfil, (std::vector<double>{8, 11.5, 15, 11.5, 11.5, 8}));
    EXPECT_EQ(vertices, 26);
}

}  // namespace
