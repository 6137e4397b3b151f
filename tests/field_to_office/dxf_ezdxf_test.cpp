// Every kind of drawing the DXF writer makes must load in an independent DXF
// reader: ezdxf reads each one here, audits it and checks what it holds.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/state.h"
#include "field_to_office/binary_bytes.h"
#include "field_to_office/binary_converters.h"
#include "field_to_office/dxf_writer.h"
#include "field_to_office/ktw_profiles.h"
#include "field_to_office/ktw_tarsel_taqui.h"
#include "field_to_office/user_filter_converters.h"
#include "support/files.h"
#include "support/python.h"

namespace {

using testing_support::TempDir;
using testing_support::WriteBytes;

std::string Data(const std::string& name) { return std::string(TARSEL_TEST_DATA) + "/field_to_office/data/" + name; }

class EzdxfReads : public ::testing::Test {
protected:
    void SetUp() override {
        python_ = testing_support::PythonWithEzdxf();
        if (python_.empty()) GTEST_SKIP() << "python3 with ezdxf is not available";
    }

    // Runs the checker on a drawing with the given JSON expectations.
    void Check(const std::string& drawing, const std::string& expectations) {
        const std::string file = drawing + ".json";
        WriteBytes(file, expectations);
        const auto run = testing_support::RunPython(python_, "field_to_office/check_dxf.py", {drawing, file});
        EXPECT_EQ(run.status, 0) << run.command;
    }

    std::string Convert(const std::string& name, const State& state) {
        std::int32_t vertices = 0;
        KTWTaquiRequest request{Data("ktw_obs.ktw"), dir_.File(name), "DXF", false, false, ','};
        ConvertKTWTaqui(request, state, vertices);
        return dir_.File(name);
    }

    std::string python_;
    TempDir dir_;
};

// The four points of ktw_obs.ktw as the drawing holds them (three decimals):
// the station ST01, then P1, P2, P3.
const char* const kPoints3D =
    R"("points": [[1000, 2000.5, 100.25], [1000.123, 2000.456, -1.234], [1000.123, 2000.568, 100.5], [5, 10, 0.123]])";

TEST_F(EzdxfReads, ObservationPointsIn3DWithEveryLabel) {
    State state;
    const std::string drawing = Convert("obs3d.dxf", state);
    // Five labels a point.
    Check(drawing, std::string(R"({"counts": {"POINT": 4, "TEXT": 20},
        "layers": ["0", "No_Punto", "Coords_XY", "Coord_Z", "Codigo"], )") +
                       kPoints3D + "}");
}

TEST_F(EzdxfReads, ObservationPointsIn2DWithoutLabels) {
    State state;
    state.DosTresD = 2;
    state.Layer1Activo = state.Layer2Activo = state.Layer3Activo = state.Layer4Activo = 0;
    const std::string drawing = Convert("obs2d.dxf", state);
    Check(drawing, R"({"counts": {"POINT": 4}, "layers": ["0"],
        "points": [[1000, 2000.5, 0], [1000.123, 2000.456, 0], [1000.123, 2000.568, 0], [5, 10, 0]]})");
}

TEST_F(EzdxfReads, OnePointWithItsLabelsInPlace) {
    State state;
    state.DosTresD = 3;
    state.Escala = 500;
    state.Layer2Decimales = 1;
    std::int32_t vertices = 0;
    const std::string drawing = dir_.File("one.dxf");
    DXFWriter dxf(drawing, state, vertices);
    dxf.WriteDXFPoint("P1", 100, 200, 50, "ARBOL");
    dxf.WriteDXFFooter();
    Check(drawing, R"({"counts": {"POINT": 1, "TEXT": 5},
        "layers": ["0", "No_Punto", "Coords_XY", "Coord_Z", "Codigo"],
        "points": [[100, 200, 50]],
        "texts": [["No_Punto", "P1", 101, 200, 50, 0.65, 1],
                  ["Coords_XY", "100.0", 93, 200, 50, 0.65, 2],
                  ["Coords_XY", "200.0", 93, 199.125, 50, 0.65, 2],
                  ["Coord_Z", "50.000", 101, 198.75, 50, 0.65, 3],
                  ["Codigo", "ARBOL", 101, 197, 50, 0.65, 4]]})");
}

TEST_F(EzdxfReads, TunnelProfiles) {
    State state;
    state.DosTresD = 4;
    std::int32_t vertices = 20;
    const std::string drawing = dir_.File("tunnel.dxf");
    DXFWriter dxf(drawing, state, vertices);
    const std::vector<double> d1 = {-4, -4.5, 0, 4.5, 4};
    const std::vector<double> c1 = {100, 103, 105, 103, 100};
    const std::vector<double> d2 = {-3, 0, 3};
    const std::vector<double> c2 = {101, 104, 101};
    dxf.WriteDXFProfile(5, 100.1, -4, 100, "", d1, c1);
    dxf.WriteDXFProfile(3, 1234.5, -3, 101, "", d2, c2);
    dxf.WriteDXFFooter();
    Check(drawing, R"({"counts": {"POLYLINE": 2, "TEXT": 40},
        "layers": ["100_100", "1234_500"],
        "polylines": [
          {"layer": "100_100", "closed": true, "vertices": [[-4, 100], [-4.5, 103], [0, 105], [4.5, 103], [4, 100]]},
          {"layer": "1234_500", "closed": true, "vertices": [[-3, 101], [0, 104], [3, 101]]}]})");
}

TEST_F(EzdxfReads, BinaryObservationsWithNulPaddedCodes) {
    State state;
    state.Layer2Activo = state.Layer3Activo = 0;
    binary_test::Observation a;
    a.codigos[0] = binary_test::Text("BORDE");
    a.x = 1010.1234;
    a.y = 2020.5;
    a.z = 101.5;
    binary_test::Observation b = a;
    b.punto = binary_test::Text("P2", ' ');
    b.codigos[0] = binary_test::Text("");
    b.x = -5.25;
    const std::string input = dir_.File("obs.fic");
    WriteBytes(input, a.Bytes() + b.Bytes());
    std::int32_t vertices = 0;
    ConvertBinaryTaqui({input, dir_.File("fic.dxf"), "DXF", ','}, state, vertices);
    Check(dir_.File("fic.dxf"), R"({"counts": {"POINT": 2, "TEXT": 4}, "layers": ["0", "No_Punto", "Codigo"],
        "points": [[1010.123, 2020.5, 101.5], [-5.25, 2020.5, 101.5]],
        "texts": [["No_Punto", "P1        ", 1012.123, 2020.5, 101.5, 1.3, 1],
                  ["Codigo", "BORDE     ", 1012.123, 2014.5, 101.5, 1.3, 4],
                  ["No_Punto", "P2        ", -3.25, 2020.5, 101.5, 1.3, 1],
                  ["Codigo", "          ", -3.25, 2014.5, 101.5, 1.3, 4]]})");
}

// A KTW profile file drawn as tunnel sections: each chainage's points ordered from
// the lower left over the crown to the lower right, labels on the section's layer.
TEST_F(EzdxfReads, KTWProfilesAsTunnelSections) {
    State state;
    state.DosTresD = 4;
    std::int32_t vertices = 0;
    ProfileRequest request;
    request.entrada = std::string(TARSEL_TEST_DATA) + "/scenarios/profiles/data/perfiles.ktw";
    request.salida = dir_.File("perfiles.dxf");
    request.filtro = "DXF";
    request.formatoCampo = 2;
    ConvertKTWPerfiles(request, state, vertices);
    Check(request.salida, R"({"counts": {"POLYLINE": 2, "TEXT": 25},
        "layers": ["10_500", "20_000"],
        "polylines": [
          {"layer": "10_500", "closed": true, "vertices": [[-1, 99], [4, 100]]},
          {"layer": "20_000", "closed": true, "vertices": [[-2, 98], [0, 103], [2, 98]]}]})");
}

// The drawings the binary scenarios expect byte for byte (points, bases, analysis).
TEST_F(EzdxfReads, BinaryScenarioDrawings) {
    const std::string data = std::string(TARSEL_TEST_DATA) + "/scenarios/binary/data/";
    // Copied, so that the checker's expectations file is written beside the copy.
    for (const char* name : {"pto.dxf", "lib.dxf"}) std::filesystem::copy_file(data + name, dir_.File(name));
    Check(dir_.File("pto.dxf"), R"({"counts": {"POINT": 2, "TEXT": 4}, "layers": ["0", "No_Punto", "Codigo"],
        "points": [[100, 200, 50.5], [-1.5, 0, 12345.679]]})");
    Check(dir_.File("lib.dxf"), R"({"counts": {"POINT": 2, "TEXT": 4}, "layers": ["0", "No_Punto", "Codigo"],
        "points": [[500.1, 600.2, 70.3], [1, 2, 3]]})");
}

// Points and bases files of "Tarsel v3.00 o posterior" with the filter "DXF": the
// points that are not stations, or the stations alone.
TEST_F(EzdxfReads, Format2PointsAndBases) {
    State state;
    state.Layer2Activo = state.Layer3Activo = state.Layer4Activo = 0;
    std::int32_t vertices = 0;
    UserFilterRequest request;
    request.entrada = Data("ktw_obs.ktw");
    request.filtro = "DXF";
    request.formatoCampo = 2;
    request.puntos = true;
    request.salida = dir_.File("puntos.dxf");
    ConvertKTWUser(request, {}, state, vertices);
    Check(request.salida, R"({"counts": {"POINT": 3, "TEXT": 3}, "layers": ["0", "No_Punto"],
        "points": [[1000.123, 2000.456, -1.234], [1000.123, 2000.568, 100.5], [5, 10, 0.123]]})");
    request.puntos = false;
    request.bases = true;
    request.salida = dir_.File("bases.dxf");
    ConvertKTWUser(request, {}, state, vertices);
    Check(request.salida, R"({"counts": {"POINT": 1, "TEXT": 1}, "layers": ["0", "No_Punto"],
        "points": [[1000, 2000.5, 100.25]]})");
}

// Line breaks inside names, codes and layer names are written as blanks, a TAB as
// it is: a lone LF, a lone CR, CR LF.
TEST_F(EzdxfReads, LineBreaksInTextsAreBlanks) {
    State state;
    state.Layer2Activo = state.Layer3Activo = 0;
    state.Layer1Nombre = "No\nPunto";
    std::int32_t vertices = 0;
    const std::string drawing = dir_.File("saltos.dxf");
    DXFWriter dxf(drawing, state, vertices);
    dxf.WriteDXFPoint("P\n1", 1000.5, 2000.25, 100.125, "C\r\nD");
    dxf.WriteDXFPoint("P\r2", 10, 20, 30, "T\tAB");
    dxf.WriteDXFFooter();
    Check(drawing, R"({"counts": {"POINT": 2, "TEXT": 4}, "layers": ["0", "No Punto", "Codigo"],
        "points": [[1000.5, 2000.25, 100.125], [10, 20, 30]],
        "texts": [["No Punto", "P 1", 1002.5, 2000.25, 100.125, 1.3, 1],
                  ["Codigo", "C  D", 1002.5, 1994.25, 100.125, 1.3, 4],
                  ["No Punto", "P 2", 12, 20, 30, 1.3, 1],
                  ["Codigo", "T\tAB", 12, 14, 30, 1.3, 4]]})");
}

TEST_F(EzdxfReads, EmptyDrawing) {
    State state;
    std::int32_t vertices = 0;
    const std::string drawing = dir_.File("empty.dxf");
    DXFWriter dxf(drawing, state, vertices);
    dxf.WriteDXFFooter();
    Check(drawing, R"({"counts": {}})");
}

}  // namespace
