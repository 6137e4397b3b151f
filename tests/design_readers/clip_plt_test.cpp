#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/errors.h"
#include "design_readers/clip_plt.h"
#include "support/files.h"

namespace {

struct Expected {
    double PK, X, Y, Acimut, Radio, Parametro, Longitud;
};

class ClipPlt : public ::testing::Test {
protected:
    std::vector<TPlanta> Read(const std::string& bytes) {
        testing_support::WriteBytes(file_, bytes);
        std::vector<TPlanta> planta(1);
        EntryClipWindows::LeerPlantaPLT(file_, planta);
        return planta;
    }
    void Expect(const std::vector<TPlanta>& planta, const std::vector<Expected>& expected) {
        ASSERT_EQ(planta.size(), expected.size() + 1);
        for (std::size_t k = 0; k < expected.size(); ++k) {
            const TPlanta& e = planta[k + 1];
            const Expected& x = expected[k];
            EXPECT_EQ(e.N, static_cast<std::int32_t>(k + 1));
            EXPECT_DOUBLE_EQ(e.PK, x.PK) << k;
            EXPECT_DOUBLE_EQ(e.X, x.X) << k;
            EXPECT_DOUBLE_EQ(e.Y, x.Y) << k;
            EXPECT_DOUBLE_EQ(e.Acimut, x.Acimut) << k;
            EXPECT_NEAR(e.Radio, x.Radio, 1e-9) << k;
            EXPECT_DOUBLE_EQ(e.Parametro, x.Parametro) << k;
            EXPECT_NEAR(e.Longitud, x.Longitud, 1e-9) << k;
        }
    }
    testing_support::TempDir dir_;
    std::string file_ = dir_.File("eje.plt");
};

// A straight, an arc ending at the last point, the closing element; blank lines
// before the header and after the last point change nothing.
TEST_F(ClipPlt, PointsBecomeTheElementsBetweenThem) {
    Expect(Read("\r\n*PLT1\r\nEje 1\r\n"
                "0.000,1000.000,2000.000,100.0000,0,0\r\n"
                "100.000,1100.000,2000.000,100.0000,0,0\r\n\r\n"
                "150.000,1150.000,2010.000,110.0000,-500,0\r\n   \r\n\r\n"),
           {{0, 1000, 2000, 100, 0, 0, 100}, {100, 1100, 2000, 100, -500, 0, 50}, {150, 1150, 2010, 110, -500, 0, 0.01}});
}

// A clothoid from a straight into a radius of 500 (A = sqrt(500 x 100)) stores the
// marker of a spiral up, positive as the azimuth grows; a repeated point vanishes.
TEST_F(ClipPlt, ClothoidAndRepeatedPoint) {
    Expect(Read("*PLT\n0,0,0,100,0,0\n100,100,0,100,0,0\n100,100,0,100,0,0\n"
                "200,199.75,4.99,106.3662,500,223.607\n"),
           {{0, 0, 0, 100, 0, 0, 100}, {100, 100, 0, 100, 0.001, 223.607, 100}, {200, 199.75, 4.99, 106.3662, 500, 0, 0.01}});
}

// Chainages written as kilometres + metres are read as such, not as their leading number.
TEST_F(ClipPlt, ChainagesInKilometresAndMetres) {
    Expect(Read("*PLT\r\n0+000.000,1000.000,2000.000,100.0000,0,0\r\n1+100.000,2100.000,2000.000,100.0000,0,0\r\n"),
           {{0, 1000, 2000, 100, 0, 0, 1100}, {1100, 2100, 2000, 100, 0, 0, 0.01}});
}

TEST_F(ClipPlt, OneLineGivesOnlyTheClosingElement) {
    Expect(Read("*PLT\r\n12.5,1,2,3,0,0"), {{12.5, 1, 2, 3, 0, 0, 0.01}});
}

TEST_F(ClipPlt, HeaderMustBeExact) {
    for (const char* bytes : {"*PLT \r\n0,0,0,0,0,0\r\n", "0,0,0,0,0,0\r\n", "*plt\r\n", "", "\r\n \r\n"})
        EXPECT_THROW(Read(bytes), ConversionError) << bytes;
}

}  // namespace
