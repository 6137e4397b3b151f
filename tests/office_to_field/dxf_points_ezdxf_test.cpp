// Points of DXF layers written by other programs: the real drawings, and drawings
// that ezdxf writes in several versions. ezdxf, an independent reader, says which
// points each layer holds; the .PTO records read back must be those.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "field_to_office/tarsel_binary_records.h"
#include "office_to_field/dxf_points.h"
#include "design_readers/fixed_window.h"
#include "platform/scripted_desktop.h"
#include "support/files.h"
#include "support/python.h"

namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;


struct Point {
    double x, y, z;
};

class DxfPointsEzdxf : public ::testing::Test {
protected:
    void SetUp() override {
        python_ = testing_support::PythonWithEzdxf();
        if (python_.empty()) GTEST_SKIP() << "python3 with ezdxf is not available";
    }

    std::vector<Point> EzdxfPoints(const std::string& drawing, const std::string& capa) {
        const std::string out = dir_.File("puntos.txt");
        const auto run = testing_support::RunPython(python_, "office_to_field/dxf_points.py", {"points", drawing, capa, out});
        EXPECT_EQ(run.status, 0) << run.command;
        std::vector<Point> points;
        std::ifstream in(out);
        Point p;
        while (in >> p.x >> p.y >> p.z) points.push_back(p);
        return points;
    }

    // Imports the layer (typed as given) to point records and checks them against ezdxf.
    void Check(const std::string& drawing, const std::string& capa, std::size_t count) {
        const std::vector<Point> expected = EzdxfPoints(drawing, capa);
        EXPECT_EQ(expected.size(), count) << "ezdxf " << drawing << " " << capa;
        office_to_field::AbRequest request;
        request.InPath = drawing;
        request.OutPath = dir_.File("salida.pto");
        request.Layer = capa;
        design_readers::FixedWindow window("DXF");
        Context ctx{desktop_, settings_, state_};
        ASSERT_EQ(office_to_field::DXF_Bin(ctx, window, request), count > 0) << drawing << " " << capa;
        if (count == 0) return;
        const std::string bytes = ReadBytes(request.OutPath);
        ASSERT_EQ(bytes.size(), expected.size() * kPuntoBaseBytes) << drawing << " " << capa;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            TPuntoBase p;
            DecodePuntoBase(reinterpret_cast<const unsigned char*>(bytes.data()) + i * kPuntoBaseBytes, p);
            EXPECT_NEAR(p.X, expected[i].x, 1e-9) << i;
            EXPECT_NEAR(p.Y, expected[i].y, 1e-9) << i;
            EXPECT_NEAR(p.Z, expected[i].z, 1e-9) << i;
        }
    }

    std::string python_;
    TempDir dir_;
    platform::ScriptedDesktop desktop_;
    platform::MemorySettingsStore settings_;
    State state_;
};

TEST_F(DxfPointsEzdxf, RealDrawings) {
    const std::string folder = std::string(TARSEL_REALDATA) + "/dxf/";
    if (!std::filesystem::exists(folder)) GTEST_SKIP() << "no real files in " << folder;
    // INSERT point labels, and LINEs on a layer whose name holds blanks.
    Check(folder + "IfcTerrain_BadMuskau_DGM.dxf", "htw_punkte_vegetation", 120);
    Check(folder + "IfcTerrain_BadMuskau_DGM.dxf", "HTW_TEXTE_SACHDATEN_ID _ Punktnummer", 81);
    // Group codes in four columns, no header, nothing but 3D faces.
    Check(folder + "subsurface_shafts_small.dxf", "Baron schakt", 0);
}

TEST_F(DxfPointsEzdxf, VersionsOfTheFormat) {
    for (const char* version : {"R12", "R2000", "R2018"}) {
        const std::string drawing = dir_.File(std::string("puntos_") + version + ".dxf");
        const auto run = testing_support::RunPython(python_, "office_to_field/dxf_points.py", {"write", version, drawing});
        ASSERT_EQ(run.status, 0) << run.command;
        // 12 points, the insert, the line's start and two polyline vertices.
        Check(drawing, "PUNTOS ÑANDÚ", 16);
        Check(drawing, "lindes", std::string(version) == "R12" ? 0 : 3);
    }
}

}  // namespace
