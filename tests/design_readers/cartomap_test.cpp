// The Cartomap V3.xx and V4.xx planta and alzado readers.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/context.h"
#include "design_readers/cartomap.h"
#include "field_writers/rechazo.h"
#include "platform/scripted_desktop.h"
#include "platform/settings_store.h"
#include "alignment_check.h"
#include "support/files.h"
#include "support/window_double.h"

namespace {

using testing_support::TempDir;
using testing_support::WriteBytes;

std::vector<TAlzado> Alzado(const std::string& path) {
    return testing_support::Leido<TAlzado>(design_readers::LeerAlzadoCartomap, path);
}

TEST(CartomapAlzado, TheBestOfThreeCandidatesTheLowerNumberedOnATie) {
    TempDir dir;
    const struct {
        const char* lineas;
        double pendiente, kv;  // element 1 after its completion
    } casos[] = {
        // 1 (0.02, 0) and 3 (0.02, 0) both land on 102: the first stays.
        {"0\t0\t100\t0\t2\r\n100\t0\t102\t0\t2\t-2000\r\n", 0.02, 0},
        // 2 (0.02, -2000) lands on 99.5; the grade of a first element stays as listed.
        {"0\t0\t100\t0\t2\r\n100\t0\t99.5\t0\t5\t-2000\r\n", 0.02, -2000},
        // 3 (0.03, 0) lands on 103: a uniform grade from the two elevations.
        {"0\t0\t100\t0\t2\t1000\r\n100\t0\t103\t0\t3\r\n", 0.03, 0},
    };
    for (const auto& caso : casos) {
        WriteBytes(dir.File("a.txt"), caso.lineas);
        const auto a = Alzado(dir.File("a.txt"));
        ASSERT_EQ(a.size(), 3u) << caso.lineas;
        EXPECT_NEAR(a[1].Pendiente, caso.pendiente, 1e-9) << caso.lineas;
        EXPECT_EQ(a[1].Kv, caso.kv) << caso.lineas;
        EXPECT_EQ(a[2].Longitud, 0.01);
    }
}

TEST(CartomapAlzado, HeadersBeforeAndBetweenDataTrailingBlanksAndTheEndGrade) {
    TempDir dir;
    WriteBytes(dir.File("a.txt"),
               "Rasante eje 1\r\nPK\tX\tZ\t-\tPend\tKv\r\n"
               "0\t0\t100\t0\t2\r\n"
               "0+100\t0\t102\t0\t2\t-2000\r\n"
               "PK\tX\tZ\t-\tPend\tKv\r\n"  // repeated header: skipped
               "1 2 3\r\n"                   // too short: passed over
               "200 0 101.5 0 -1\r\n"        // blanks separate like TABs
               "\r\n \t\r\n");
    // 2: (0.02, -2000) lands on 101.5; its grade is element 1's end grade.
    testing_support::ExpectElementos(Alzado(dir.File("a.txt")), {{1, 0, 100, 0.02, 0, 100},
                                                              {2, 100, 102, 0.02, -2000, 100},
                                                              {3, 200, 101.5, -0.01, 0, 0.01}});
}

// A first data line with an exponent qualifies; after it every line of five fields
// is an element, however its numbers are written.
TEST(CartomapAlzado, NumbersWithAnExponentOnTheFirstAndLaterLines) {
    TempDir dir;
    WriteBytes(dir.File("a.txt"), "0\t0\t1E2\t0\t1\r\n100\t0\t101\t0\t1\r\n200\t0\t1.02E2\t0\t1\r\n300\t0\t103\t0\t1\r\n");
    testing_support::ExpectElementos(Alzado(dir.File("a.txt")), {{1, 0, 100, 0.01, 0, 100},
                                                              {2, 100, 101, 0.01, 0, 100},
                                                              {3, 200, 102, 0.01, 0, 100},
                                                              {4, 300, 103, 0.01, 0, 0.01}});
}

// Two lines at one chainage would make an element of no length whose grade divides
// by nothing; chainages that go back, one of negative length.
TEST(CartomapAlzado, AChainageThatDoesNotMoveOnIsRefusedByItsLine) {
    testing_support::ExpectRechazos<TAlzado>(
        design_readers::LeerAlzadoCartomap,
        {{"0\t0\t100\t0\t2\r\n0\t0\t101\t0\t2\r\n", "Línea 2: el P.K. no avanza respecto al de la línea anterior."},
         {"PK\r\n0\t0\t100\t0\t2\r\n100\t0\t102\t0\t2\r\n\r\n0+090\t0\t101\t0\t2\r\n",
          "Línea 5: el P.K. no avanza respecto al de la línea anterior."}});
}

TEST(CartomapAlzado, AFileWithoutTwoDataLinesIsNotCartomap) {
    TempDir dir;
    for (const char* texto : {"PK Z\r\n", "", "0\t0\t100\t0\t2\r\n\r\n  \r\n", "0\t0\t100\t0\r\n"}) {
        WriteBytes(dir.File("a.txt"), texto);
        EXPECT_THROW(Alzado(dir.File("a.txt")), Rechazo) << texto;
    }
}

std::vector<TPlanta> Planta(const std::string& path, bool v4) {
    std::vector<TPlanta> p(1);
    design_readers::LeerPlantaCartomap(path, v4, p);
    return p;
}

// Seven fields are a straight whatever the word; an 8-field "Recta" is a straight; a
// clothoid into an arc of its own radius starts from a straight: t = 5 gon =
// 0.0785 rad, tau = 90^2 / (2 * 300^2) = 0.045 against 0 -> the marker +0.001.
const char* const kPlanta =
    "PK\tX\tY\tZ\tAz\tL\tTipo\tR\tA\r\n"
    "0\t1000\t2000\t0\t50\t100\tRecta\r\n"
    "0+100\t1070\t2070\t0\t50\t50\tRecta\t0\r\n"
    "150\t1105\t2105\t0\t60\t40\tCurva\r\n"
    "190\t1130\t2135\t0\t70\t30\tClotoide\t-300\t90\r\n"
    "PK\tX\tY\tZ\tAz\tL\tTipo\tR\tA\r\n"
    "220\t1150\t2155\t0\t75\t80\tCurva\t300\r\n"
    "300\t1200\t2210\t0\t80\r\n"
    "\r\n\t\r\n";

TEST(CartomapPlanta, V3AndV4AzimuthsKindsAndTheEndPointFromTheLastDataLine) {
    TempDir dir;
    WriteBytes(dir.File("p.txt"), kPlanta);
    const std::vector<TPlanta> v3 = {{1, 0, 1000, 2000, 50, 0, 0, 100},      {2, 100, 1070, 2070, 50, 0, 0, 50},
                                     {3, 150, 1105, 2105, 60, 0, 0, 40},     {4, 190, 1130, 2135, 70, 0.001, 90, 30},
                                     {5, 220, 1150, 2155, 75, 300, 0, 80},   {6, 300, 1200, 2210, 80, 0, 0, 0.01}};
    testing_support::ExpectElementos(Planta(dir.File("p.txt"), false), v3);
    // V4: a straight followed by a straight takes the azimuth of the line after it.
    std::vector<TPlanta> v4 = v3;
    v4[0].Acimut = 50;
    v4[1].Acimut = 60;
    testing_support::ExpectElementos(Planta(dir.File("p.txt"), true), v4);
}

// The end point counts as a straight: in V4 the last straight takes its azimuth, also
// when blank lines follow it.
TEST(CartomapPlanta, TheLastStraightBeforeTheEndInV3AndV4) {
    TempDir dir;
    WriteBytes(dir.File("p.txt"), "0\t1000\t2000\t0\t50\t100\tRecta\r\n100\t1070\t2070\t0\t60\r\n\r\n \t\r\n");
    std::vector<TPlanta> want = {{1, 0, 1000, 2000, 50, 0, 0, 100}, {2, 100, 1070, 2070, 60, 0, 0, 0.01}};
    testing_support::ExpectElementos(Planta(dir.File("p.txt"), false), want);
    want[0].Acimut = 60;
    testing_support::ExpectElementos(Planta(dir.File("p.txt"), true), want);
}

// The chainage column that is not read may be written in km+m: the first data line
// is still found.
TEST(CartomapPlanta, AFirstDataLineWithAKilometreChainageInAFieldNotRead) {
    TempDir dir;
    WriteBytes(dir.File("p.txt"), "Eje 1\r\nPK\tX\tY\tPK\tAz\tL\tTipo\r\n0\t1000\t2000\t0+000\t100\t100\tRecta\r\n"
                                  "100\t1100\t2000\t0+100\t100\t50\tRecta\r\n150\t1150\t2000\t0+150\t100\r\n");
    testing_support::ExpectElementos(Planta(dir.File("p.txt"), false), {{1, 0, 1000, 2000, 100, 0, 0, 100},
                                                                        {2, 100, 1100, 2000, 100, 0, 0, 50},
                                                                        {3, 150, 1150, 2000, 100, 0, 0, 0.01}});
}

TEST(CartomapPlanta, RefusedThroughTheReaderShapeWithTheProgramsWords) {
    platform::ScriptedDesktop desktop;
    platform::MemorySettingsStore store;
    State state;
    Context ctx{desktop, store, state};
    testing_support::WindowDouble window;
    window.programa = "Cartomap V4.xx";
    TempDir dir;
    WriteBytes(dir.File("p.txt"), "0\t1000\t2000\t0\t50\t100\tRecta\r\n\r\n");  // one line: an end point only
    EXPECT_FALSE(design_readers::Cartomap_Planta(ctx, window, {dir.File("p.txt"), dir.File("s"), "P.TXT", "S", ""}));
    EXPECT_EQ(state.ErrorFichero, 1);
    ASSERT_EQ(desktop.Boxes().size(), 1u);
    EXPECT_EQ(desktop.Boxes()[0].text, "El fichero P.TXT no se ha transformado.\r\rEl fichero no es de tipo CARTOMAP");

    // A good file converts and ends with the planta summary.
    desktop.ClearTranscript();
    state.ErrorFichero = 0;
    state.FormatoCampo = 0;
    WriteBytes(dir.File("p.txt"), kPlanta);
    EXPECT_TRUE(design_readers::Cartomap_Planta(ctx, window, {dir.File("p.txt"), dir.File("s"), "P.TXT", "S", ""}));
    EXPECT_EQ(testing_support::ReadBytes(dir.File("s")).size(), 6u * 60u);
    EXPECT_EQ(desktop.Boxes().back().title, "Transformación fichero de Planta");
}

}  // namespace
