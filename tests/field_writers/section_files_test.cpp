// Typical sections: the .SCT and .STD bytes, the gradients, the Corvana lines and
// the final .PRO file; the .PER superelevation file and its overwrite question.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "common/info_proyecto.h"
#include "field_writers/corvana_sections.h"
#include "field_writers/peraltes.h"
#include "field_writers/section_gradients.h"
#include "field_writers/section_writer.h"
#include "platform/scripted_desktop.h"
#include "support/files.h"

namespace {

using field_writers::TSeccion;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

// Reading the little-endian fields back, independently of the writer's encoder.
double D(const std::string& b, std::size_t at) {
    unsigned long long bits = 0;
    for (int k = 7; k >= 0; --k) bits = bits << 8 | static_cast<unsigned char>(b[at + k]);
    double v;
    std::memcpy(&v, &bits, 8);
    return v;
}
long L(const std::string& b, std::size_t at) {
    unsigned long v = 0;
    for (int k = 3; k >= 0; --k) v = v << 8 | static_cast<unsigned char>(b[at + k]);
    return static_cast<long>(static_cast<int>(v));
}

std::vector<TPuntoSeccion> Puntos(std::initializer_list<std::pair<double, double>> list) {
    std::vector<TPuntoSeccion> v(1);
    for (auto [d, z] : list) {
        TPuntoSeccion p;
        p.Desplazamiento = d;
        p.Cota = z;
        v.push_back(p);
    }
    return v;
}

void Fill(TSeccion& s, char bloque, const std::vector<TPuntoSeccion>& puntos) {
    s.Bloque(bloque).Puntos = puntos;
    s.Bloque(bloque).NumPuntos = static_cast<std::int32_t>(puntos.size() - 1);
}

const std::vector<TAlzado> kLlano = {TAlzado{}, TAlzado{1, 0, 100, 0, 0, 1000}};

TEST(SectionGradients, InPercentBetweenNeighboursWhateverTheOrderGiven) {
    struct Row {
        std::vector<TPuntoSeccion> puntos;
        std::vector<double> offsets, gradients;  // as written, left to right
    };
    const double t = 0.1 / 3 * 100;
    const Row rows[] = {
        {Puntos({{-4, 100}, {-1, 100.1}, {1, 100.1}, {4, 100}}), {-4, -1, 1, 4}, {t, 0, -t, 0}},
        // Given out of order: ordered first, so every point keeps its own gradient.
        {Puntos({{1, 100.1}, {-4, 100}, {4, 100}, {-1, 100.1}}), {-4, -1, 1, 4}, {t, 0, -t, 0}},
        // A vertical step going up; the last left point keeps what it had (0).
        {Puntos({{-2, 100}, {-2, 101}}), {-2, -2}, {10000, 0}},
        {Puntos({{0, 101}, {0, 100}, {2, 100}}), {0, 0, 2}, {-10000, 0, 0}},
    };
    for (const Row& row : rows) {
        auto p = row.puntos;
        field_writers::Normaliza_Tramos(static_cast<std::int32_t>(p.size() - 1), p);
        for (std::size_t k = 0; k < row.offsets.size(); ++k) {
            EXPECT_EQ(p[k + 1].Desplazamiento, row.offsets[k]);
            EXPECT_NEAR(p[k + 1].Pendiente, row.gradients[k], 1e-9) << k;
        }
    }
}

TEST(SectionFiles, TarselSectionAndIndexBytes) {
    TempDir dir;
    platform::ScriptedDesktop desktop;
    const std::string sct = dir.File("EJE.SCT");
    field_writers::SeccionWriter writer(desktop, sct, "", 0, "R", kLlano);
    TSeccion s;
    Fill(s, 'R', Puntos({{-4, 100}, {-1, 100.1}, {1, 100.1}, {4, 100}}));
    writer.Write_Seccion_Tipo(4, 1250, s);
    s.Vaciar();
    Fill(s, 'R', Puntos({{-2, 100}, {-2, 101}}));
    writer.Write_Seccion_Tipo(2, 1270, s);
    writer.Commit();

    const std::string b = ReadBytes(sct);
    ASSERT_EQ(b.size(), 160u + (12 + 20 + 64));
    EXPECT_EQ(D(b, 0), 1250);
    EXPECT_EQ(L(b, 8), 4);
    const std::size_t blocks[] = {12, 17, 22, 27};
    const char codes[] = {'T', 'C', 'S', 'R'};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(b[blocks[k]], codes[k]);
        EXPECT_EQ(L(b, blocks[k] + 1), k == 3 ? 4 : 0);
    }
    const double want[4][3] = {{-4, 100, 0.1 / 3 * 100}, {-1, 100.1, 0}, {1, 100.1, -0.1 / 3 * 100}, {4, 100, 0}};
    for (int k = 0; k < 4; ++k) {
        const std::size_t at = 32 + 32 * k;
        EXPECT_EQ(D(b, at), want[k][0]);
        EXPECT_EQ(D(b, at + 8), want[k][1]);
        EXPECT_NEAR(D(b, at + 16), want[k][2], 1e-9);
        EXPECT_EQ(b.substr(at + 24, 8), "xxxxxxxx");
    }
    EXPECT_EQ(D(b, 160 + 32 + 16), 10000);

    const std::string index = ReadBytes(dir.File("EJE.STD"));
    ASSERT_EQ(index.size(), 24u);
    EXPECT_EQ(D(index, 0), 1250);
    EXPECT_EQ(L(index, 8), 13);
    EXPECT_EQ(D(index, 12), 1270);
    EXPECT_EQ(L(index, 20), 161 + 12);
}

TEST(CorvanaSections, AxisStepOneSidedLinesAndWidthsNeverNegative) {
    struct Row {
        std::vector<TPuntoSeccion> puntos;
        double pk;
        const char* left;
        const char* right;
    };
    const Row rows[] = {
        // Axis point 1 mm above the profile: same elevation, no segment at the axis.
        {Puntos({{-3, 99.94}, {0, 100.001}, {3, 99.94}}), 100,
         "P;L=GAUCHE;PMDEV=100.000;TPC=non;D1=3.000;P1=-2.0333;D2=0.001;P2=-2.033;N= 2",
         "P;L=DROITE;PMDEV=100.000;TPC=non;D1=3.000;P1=-2.0333;D2=0.001;P2=-2.033;N= 2"},
        // 1 cm above: a 1 mm segment rising 1000 % first.
        {Puntos({{-3, 99.94}, {0, 100.01}}), 100,
         "P;L=GAUCHE;PMDEV=100.000;TPC=non;D1=0.001;P1=1000.0000;D2=2.999;P2=-2.3341;D3=0.001;P3=-2.334;N= 3",
         "P;L=DROITE;PMDEV=100.000;TPC=non;D1=0;P1=0;N= 1"},
        // The innermost points within 1 mm of the axis and no match: width 0, not -0.0005.
        {Puntos({{-0.0005, 100.05}, {0.0005, 100.05}}), 0,
         "P;L=GAUCHE;PMDEV=0.000;TPC=non;D1=0.001;P1=5000.0000;D2=0.0000;P2=0.000;D3=0.001;P3=0.000;N= 3",
         "P;L=DROITE;PMDEV=0.000;TPC=non;D1=0.001;P1=5000.0000;D2=0.0000;P2=0.000;D3=0.001;P3=0.000;N= 3"},
        // No axis point: the axis elevation interpolated (100.2); two points on the left.
        {Puntos({{-6, 100}, {-2, 100.2}, {2, 100.2}}), 5,
         "P;L=GAUCHE;PMDEV=5.000;TPC=non;D1=0.001;P1=20000.0000;D2=1.999;P2=0.0000;D3=4.000;P3=-5.0000;N= 3",
         "P;L=DROITE;PMDEV=5.000;TPC=non;D1=0.001;P1=20000.0000;D2=1.999;P2=0.0000;D3=0.001;P3=0.000;N= 3"},
    };
    for (const Row& row : rows) {
        std::vector<std::string> lines;
        const double cota = field_writers::CotaEjeCorvana(kLlano, row.pk);
        EXPECT_EQ(cota, 100);
        field_writers::Write_Seccion_Corvana_TMP(lines, static_cast<std::int32_t>(row.puntos.size() - 1), cota, row.pk,
                                                 row.puntos);
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0], row.left);
        EXPECT_EQ(lines[1], row.right);
    }
}

std::string Final(platform::ScriptedDesktop& desktop, const TempDir& dir, const std::vector<std::string>& lines) {
    BufferedOutput out(dir.File("F.PRO"));
    field_writers::Write_Seccion_Corvana(desktop, lines, out);
    out.Commit();
    return ReadBytes(dir.File("F.PRO"));
}

std::string Side(const char* side, int pk, const std::string& segments, int n) {
    return std::string("P;L=") + side + ";PMDEV=" + std::to_string(pk) + ".000;TPC=non" + segments + ";N= " +
           std::to_string(n);
}

TEST(CorvanaSections, FinalFileKeepsEachChangeOncePaddedToTheLongestSide) {
    TempDir dir;
    platform::ScriptedDesktop desktop;
    const std::string a = ";D1=3.000;P1=-2.0000";
    const std::string b = ";D1=3.000;P1=-3.0000";
    const std::string c = ";D1=3.000;P1=-4.0000";
    const auto section = [](int pk, const std::string& s) {
        return std::vector<std::string>{Side("GAUCHE", pk, s, 1), Side("DROITE", pk, s, 1)};
    };
    // Ten equal sections: the first and the last two.
    std::vector<std::string> lines;
    for (int k = 0; k < 10; ++k) {
        for (auto& l : section(10 * k, a)) lines.push_back(l);
    }
    std::string want;
    for (int pk : {0, 80, 90}) {
        for (auto& l : section(pk, a)) want += l + "\r\n";
    }
    EXPECT_EQ(Final(desktop, dir, lines), want);

    // A, A, B, C: each section once, in order.
    lines.clear();
    want.clear();
    int pk = 0;
    for (const std::string* s : {&a, &a, &b, &c}) {
        for (auto& l : section(pk, *s)) {
            lines.push_back(l);
            want += l + "\r\n";
        }
        pk += 10;
    }
    EXPECT_EQ(Final(desktop, dir, lines), want);

    // 3 and 5 segments: every line gets 5, repeating its last gradient.
    lines = {Side("GAUCHE", 0, ";D1=1.000;P1=1.0000;D2=1.000;P2=2.0000;D3=1.000;P3=3.0000", 3),
             Side("DROITE", 0, ";D1=0;P1=0", 1),
             Side("GAUCHE", 10, ";D1=1.000;P1=1.0000;D2=1.000;P2=2.0000;D3=1.000;P3=3.0000;D4=1.000;P4=4.0000;"
                                "D5=1.000;P5=5.0000", 5),
             Side("DROITE", 10, ";D1=0;P1=0", 1)};
    EXPECT_EQ(Final(desktop, dir, lines),
              "P;L=GAUCHE;PMDEV=0.000;TPC=non;D1=1.000;P1=1.0000;D2=1.000;P2=2.0000;D3=1.000;P3=3.0000;"
              "D4=0.001;P4=3.0000;D5=0.001;P5=3.0000;N= 5\r\n"
              "P;L=DROITE;PMDEV=0.000;TPC=non;D1=0;P1=0;D2=0.001;P2=0;D3=0.001;P3=0;D4=0.001;P4=0;D5=0.001;P5=0;N= 5\r\n" +
                  lines[2] + "\r\n" +
                  "P;L=DROITE;PMDEV=10.000;TPC=non;D1=0;P1=0;D2=0.001;P2=0;D3=0.001;P3=0;D4=0.001;P4=0;D5=0.001;P5=0;"
                  "N= 5\r\n");
    EXPECT_TRUE(desktop.Boxes().empty());

    // A side of 120 segments: its count is read whole, the line split to its end.
    std::string many;
    for (int k = 1; k <= 120; ++k) many += ";D" + std::to_string(k) + "=1.000;P" + std::to_string(k) + "=1.0000";
    lines = {Side("GAUCHE", 0, many, 120), Side("DROITE", 0, ";D1=0;P1=0", 1)};
    const std::string out = Final(desktop, dir, lines);
    EXPECT_EQ(out.substr(0, lines[0].size() + 2), lines[0] + "\r\n");
    EXPECT_NE(out.find(";D120=0.001;P120=0;N= 120\r\n"), std::string::npos);
    ASSERT_EQ(desktop.Boxes().size(), 1u);
    EXPECT_EQ(desktop.Boxes()[0].title, "Atención");
}

TEST(CorvanaSections, LayerFilesNamedOnceForTheRun) {
    TempDir dir;
    platform::ScriptedDesktop desktop;
    const std::string salida = dir.File("EJE.PRO");
    {
        // One block for the run: the output itself, even for a section with no points.
        field_writers::SeccionWriter writer(desktop, salida, "", 3, "R", kLlano);
        TSeccion s;
        Fill(s, 'R', Puntos({{-3, 100}, {0, 100}, {3, 100}}));
        writer.Write_Seccion_Tipo(3, 0, s);
        writer.Commit();
        EXPECT_EQ(writer.Fichero('R'), salida);
    }
    EXPECT_NE(ReadBytes(salida).find("P;L=GAUCHE;PMDEV=0.000;TPC=non;D1=3.000;P1=0.0000;D2=0.001;P2=0.000;N= 2\r\n"),
              std::string::npos);
    // T and S blocks: their layer files; the T layer gets the axis point.
    field_writers::SeccionWriter writer(desktop, salida, "", 3, "TS", kLlano);
    TSeccion s;
    Fill(s, 'T', Puntos({{-8, 98}}));
    writer.Write_Seccion_Tipo(1, 0, s);
    s.Vaciar();
    Fill(s, 'S', Puntos({{2, 99}}));
    writer.Write_Seccion_Tipo(1, 10, s);
    writer.Commit();
    EXPECT_EQ(ReadBytes(dir.File("TEJE.PRO")),
              "P;L=GAUCHE;PMDEV=0.000;TPC=non;D1=8.000;P1=-25.0000;D2=0.001;P2=-25.000;N= 2\r\n"
              "P;L=DROITE;PMDEV=0.000;TPC=non;D1=0;P1=0;D2=0.001;P2=0;N= 2\r\n");
    EXPECT_EQ(ReadBytes(dir.File("SEJE.PRO")),
              "P;L=GAUCHE;PMDEV=10.000;TPC=non;D1=0;P1=0;D2=0.001;P2=0;N= 2\r\n"
              "P;L=DROITE;PMDEV=10.000;TPC=non;D1=2.000;P1=-50.0000;D2=0.001;P2=-50.000;N= 2\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("REJE.PRO")));
}

TEST(Superelevation, ThreeRowsOverAnOldLongerFileAndTheOverwriteQuestion) {
    TempDir dir;
    platform::ScriptedDesktop desktop;
    const std::string per = dir.File("EJE.PER");
    EXPECT_FALSE(field_writers::Comprueba_Sobrescribir(desktop, per, "C:\\EJE.PER"));  // absent: no question
    EXPECT_TRUE(desktop.Boxes().empty());

    WriteBytes(per, std::string(500, 'x'));
    desktop.AnswerBox(platform::answer::No);
    EXPECT_TRUE(field_writers::Comprueba_Sobrescribir(desktop, per, "C:\\EJE.PER"));
    EXPECT_EQ(ReadBytes(per), std::string(500, 'x'));
    ASSERT_EQ(desktop.Boxes().size(), 1u);
    EXPECT_EQ(desktop.Boxes()[0].text, "El ficheroC:\\EJE.PER\rya existe,  ¿Desea reemplazarlo?");
    EXPECT_EQ(desktop.Boxes()[0].style, platform::mb::YesNo);
    EXPECT_EQ(desktop.Boxes()[0].title, "Atencion");

    desktop.AnswerBox(platform::answer::Yes);
    EXPECT_FALSE(field_writers::Comprueba_Sobrescribir(desktop, per, "C:\\EJE.PER"));
    EXPECT_EQ(ReadBytes(per), std::string(500, 'x'));  // kept until the new file is complete, then replaced whole

    TInfoProyecto info;
    const std::vector<field_writers::TPeralte> rows = {{}, {100, 2, -2}, {150, 4, -4}, {200.5, 0, 0}};
    field_writers::Write_Peraltes(per, 1.5, rows, info);
    const std::string b = ReadBytes(per);
    ASSERT_EQ(b.size(), 84u);
    EXPECT_EQ(b.substr(0, 4), std::string("\x55\xAC\x00\x00", 4));
    EXPECT_EQ(D(b, 4), 1.5);
    EXPECT_EQ(D(b, 12 + 24), 150);
    EXPECT_EQ(D(b, 12 + 24 + 16), -4);
    EXPECT_EQ(info.PkInicialPeraltes, 100);
    EXPECT_EQ(info.PkFinalPeraltes, 200.5);
    EXPECT_EQ(field_writers::Tamano_Fichero(per), 84);
}

}  // namespace
