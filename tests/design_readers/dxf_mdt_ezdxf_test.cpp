// Terrain models of drawings written by other programs: the two real drawings, and
// drawings that ezdxf writes in several DXF versions. ezdxf, an independent reader,
// says which faces each layer holds; the model read back must be theirs.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "design_readers/dxf_mdt.h"
#include "mdt_check.h"
#include "platform/scripted_desktop.h"
#include "support/files.h"
#include "support/python.h"

namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;

class DxfMdtEzdxf : public ::testing::Test {
protected:
    void SetUp() override {
        python_ = testing_support::PythonWithEzdxf();
        if (python_.empty()) GTEST_SKIP() << "python3 with ezdxf is not available";
    }

    // Converts the layer (typed as given) and checks the model against ezdxf's faces.
    void Check(const std::string& drawing, const std::string& capa, std::int32_t faces) {
        mdt_check::WindowDouble window;
        platform::ScriptedDesktop desktop;
        const std::string out = dir_.File("out.mdt");
        EXPECT_EQ(EntryDxf::DXF_MDT(drawing, out, capa, window, desktop), faces) << drawing << " " << capa;
        const std::vector<mdt_check::Face> expected = mdt_check::EzdxfFaces(python_, drawing, capa);
        EXPECT_EQ(expected.size(), static_cast<std::size_t>(faces)) << "ezdxf";
        mdt_check::ExpectModelOf(ReadBytes(out), expected);
        // Byte for byte, the order of every point's uses included, as the model is
        // built apart from the program.
        const std::string oracle = dir_.File("oracle.mdt");
        const auto run = testing_support::RunPython(python_, "design_readers/mdt_expected.py", {drawing, capa, oracle});
        ASSERT_EQ(run.status, 0) << run.command;
        EXPECT_TRUE(ReadBytes(out) == ReadBytes(oracle)) << drawing << " " << capa;
    }

    std::string python_;
    TempDir dir_;
};

TEST_F(DxfMdtEzdxf, RealDrawings) {
    const std::string folder = std::string(TARSEL_REALDATA) + "/dxf/";
    if (!std::filesystem::exists(folder)) GTEST_SKIP() << "no real files in " << folder;
    Check(folder + "IfcTerrain_BadMuskau_DGM.dxf", "Wald", 420);
    Check(folder + "IfcTerrain_BadMuskau_DGM.dxf", "GRABEN", 248);
    Check(folder + "subsurface_shafts_small.dxf", "baron schakt", 343);
}

TEST_F(DxfMdtEzdxf, VersionsOfTheFormat) {
    for (const char* version : {"R12", "R2000", "R2004", "R2007", "R2013", "R2018"}) {
        const std::string drawing = dir_.File(std::string("terreno_") + version + ".dxf");
        const auto run = testing_support::RunPython(python_, "design_readers/dxf_faces.py", {"write", version, drawing});
        ASSERT_EQ(run.status, 0) << run.command;
        Check(drawing, "TERRENO ñandú", 72);  // 6 x 6 cells of two faces
    }
}

}  // namespace
