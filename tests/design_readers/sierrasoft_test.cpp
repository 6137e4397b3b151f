// The SierraSoft readers: the keyword file row by row, the per-axis files of a run,
// the overwrite question, the superelevation with its offset dialog, and sections.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "alignment_check.h"
#include "app/register_forms.h"
#include "common/file_names.h"
#include "design_readers/sierrasoft.h"
#include "design_readers/sierrasoft_dialogs.h"
#include "design_readers/sierrasoft_gdx.h"
#include "platform/files.h"
#include "support/alignment_files.h"

namespace {

using design_readers::EjeSierraSoft;
using design_readers::LecturaEje;
using design_readers::LectorSierraSoft;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

// A file of one axis starting at 1000 whose body is `cuerpo`.
std::string UnEje(const std::string& cuerpo, const std::string& cabecera = "HEADER\nEND HEADER\n") {
    return cabecera + "AXIS\nNAME \"A1\"\nSTART STATION 1000\n" + cuerpo + "END AXIS\n";
}

EjeSierraSoft Leer(const testing_support::TempDir& dir, const std::string& texto, LecturaEje que) {
    WriteBytes(dir.File("e.gdx"), texto);
    LectorSierraSoft lector(dir.File("e.gdx"));
    EjeSierraSoft eje;
    EXPECT_TRUE(lector.LeeEje(eje));
    lector.LeeCuerpo(que, eje);
    return eje;
}

TEST(SierraSoftGdx, TheSeparatorIsTheQuotedWordLessItsEnds) {
    testing_support::TempDir dir;
    const struct {
        const char* cabecera;
        const char* separador;
    } casos[] = {{"header\n  separator \";\"\nend header\n", ";"},
                 {"HEADER\nSEPARATOR ;\nEND HEADER\n", ","},  // one character: no quotes to take
                 {"HEADER\nSEPARATOR ;;\nEND HEADER\n", ","},
                 {"HEADER\nSEPARATOR \"<>\"\nEND HEADER\n", "<>"},
                 {"SEPARATOR \";\"\nHEADER\nEND HEADER\n", ","},  // before HEADER nothing counts
                 {"HEADER\r\nSEPARATOR \"\t\"\r\nEND HEADER\r\n", "\t"},  // a TAB or a blank in quotes
                 {"HEADER\nSEPARATOR \" \" \nEND HEADER\n", " "},
                 {"HEADER\nSEPARATOR \"\"\"\nEND HEADER\n", "\""}};
    for (const auto& caso : casos) {
        WriteBytes(dir.File("h.gdx"), caso.cabecera);
        EXPECT_EQ(LectorSierraSoft(dir.File("h.gdx")).Separador(), caso.separador) << caso.cabecera;
    }
}

// With a blank separator the keywords of two words still close their blocks: the
// axis ends at its END AXIS and the next axis is found.
TEST(SierraSoftGdx, ABlankSeparatorKeepsKeywordsOfTwoWords) {
    testing_support::TempDir dir;
    WriteBytes(dir.File("e.gdx"), UnEje("HORIZONTAL_ALIGNMENT\n1  0 0 100 100 0 0\nEND  HORIZONTAL_ALIGNMENT\n",
                                        "HEADER\nSEPARATOR \" \"\nEND HEADER\n") +
                                      "AXIS\nNAME \"A2\"\nSTART STATION 0\n"
                                      "HORIZONTAL_ALIGNMENT\n1 5 5 100 10 0 0\nEND HORIZONTAL_ALIGNMENT\nEND AXIS\n");
    LectorSierraSoft lector(dir.File("e.gdx"));
    EjeSierraSoft eje;
    ASSERT_TRUE(lector.LeeEje(eje));
    lector.LeeCuerpo(LecturaEje::Alineaciones, eje);
    testing_support::ExpectElementos(eje.planta, {{1, 1000, 0, 0, 100, 0, 0, 100}});
    ASSERT_TRUE(lector.LeeEje(eje));
    EXPECT_EQ(eje.nombre, "A2");
}

TEST(SierraSoftGdx, PlantaRowsChainTheirChainagesAndMarkSpiralsFromAStraight) {
    testing_support::TempDir dir;
    const EjeSierraSoft eje = Leer(dir,
                                   UnEje("HORIZONTAL_ALIGNMENT\n"
                                         "TYPE;X;Y;AZ;L;R;A\n"  // a column header: skipped
                                         "1;0;0;100;100;0.000;0\n"
                                         "2;100;0;100;50;0.000;-80\n"
                                         "2; 150 ;0;100;40;-0.000;60\n"
                                         "2;190;0;100;30;0;40\n"
                                         "3;220;0;100\n"  // too short: skipped
                                         "1;220;0;100;20;-0;0\n"
                                         "END HORIZONTAL_ALIGNMENT\n",
                                         "HEADER\nSEPARATOR \";\"\nEND HEADER\n"),
                                   LecturaEje::Alineaciones);
    testing_support::ExpectElementos(eje.planta, {{1, 1000, 0, 0, 100, 0, 0, 100},
                                                  {2, 1100, 100, 0, 100, 0.001, 80, 50},
                                                  {3, 1150, 150, 0, 100, -0.001, 60, 40},
                                                  {4, 1190, 190, 0, 100, 0, 40, 30},
                                                  {5, 1220, 220, 0, 100, 0, 0, 20}});
    EXPECT_FALSE(std::signbit(eje.planta[5].Radio));
}

TEST(SierraSoftGdx, RowsAreReadWhateverFormTheirNumbersTake) {
    testing_support::TempDir dir;
    const std::string cuerpo = "HORIZONTAL_ALIGNMENT\n1;0;0;100;100;0;0\n1;1.0E+2;0;100;50;0;0\nEND HORIZONTAL_ALIGNMENT\n"
                               "VERTICAL_ALIGNMENT\n1;1000;100;0\n2;1100;102;5E3\n1;1200;103;0\nEND VERTICAL_ALIGNMENT\n";
    const EjeSierraSoft eje = Leer(dir, UnEje(cuerpo, "HEADER\nSEPARATOR \";\"\nEND HEADER\n"), LecturaEje::Alineaciones);
    ASSERT_EQ(eje.planta.size(), 3u);  // element 0 unused
    EXPECT_EQ(eje.planta[2].PK, 1100);
    EXPECT_EQ(eje.planta[2].X, 100);
    ASSERT_EQ(eje.alzado.size(), 4u);
    EXPECT_EQ(eje.alzado[2].Kv, -5000);
}

TEST(SierraSoftGdx, VerticesGiveGradesAndParabolasTheirIncomingGrade) {
    testing_support::TempDir dir;
    const std::string vertical = "VERTICAL_ALIGNMENT\n1,1000,100,0\n2,1100,102,5000\n1,1200,103,0\nEND VERTICAL_ALIGNMENT\n";
    // 1000..1100 rises 2 m: 0.02; the parabola starts with it, Kv -5000; the last keeps 0.
    testing_support::ExpectElementos(Leer(dir, UnEje(vertical), LecturaEje::Alzado).alzado,
                                     {{1, 1000, 100, 0.02, 0, 100}, {2, 1100, 102, 0.02, -5000, 100},
                                      {3, 1200, 103, 0, 0, 0}});
    WriteBytes(dir.File("r.gdx"), UnEje("VERTICAL_ALIGNMENT\n1,1000,100,0\n1,1000,101,0\n"));
    LectorSierraSoft lector(dir.File("r.gdx"));
    EjeSierraSoft eje;
    ASSERT_TRUE(lector.LeeEje(eje));
    try {
        lector.LeeCuerpo(LecturaEje::Alzado, eje);
        ADD_FAILURE() << "equal chainages accepted";
    } catch (const Rechazo& r) {
        EXPECT_STREQ(r.what(), "Línea 8: el P.K. del vértice no es mayor que el del vértice anterior.");
    }
}

TEST(SierraSoftGdx, SuperelevationSidesPairByPositionAndAreSizedFromBoth) {
    testing_support::TempDir dir;
    const EjeSierraSoft eje = Leer(dir,
                                   UnEje("SUPERELEVATION_RIGHT\n0,-2\n20,-2.5\n40,-3\nEND SUPERELEVATION_RIGHT\n"
                                         "SUPERELEVATION_LEFT\n0,2\n20,2.5\nEND SUPERELEVATION_LEFT\n"),
                                   LecturaEje::Peraltes);
    ASSERT_EQ(eje.peraltes.size(), 4u);
    const field_writers::TPeralte want[] = {{1000, 2, -2}, {1020, 2.5, -2.5}, {1040, 0, -3}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(eje.peraltes[i + 1].PK, want[i].PK);
        EXPECT_EQ(eje.peraltes[i + 1].Izquierda, want[i].Izquierda);
        EXPECT_EQ(eje.peraltes[i + 1].Derecha, want[i].Derecha);
    }
}

TEST(SierraSoftNames, OutputNamesByFormatAndHostileAxisNames) {
    using design_readers::NombreFicheroSalida;
    const struct {
        std::int16_t formato;
        int tipo;
        const char* nombre;
    } casos[] = {{0, 1, "/o/A1.PLA"}, {2, 2, "/o/A1.ALZ"}, {2, 3, "/o/A1.SCT"},   {2, 4, "/o/A1.PER"},
                 {3, 1, "/o/A1.PTC"}, {3, 2, "/o/A1.LON"}, {3, 4, ""},            {1, 1, ""},
                 {4, 1, "/o/A1_PLA.KTW"}, {4, 2, "/o/A1_ALZ.KTW"}, {4, 4, "/o/A1.PER"}};
    for (const auto& caso : casos) {
        EXPECT_EQ(NombreFicheroSalida(caso.formato, caso.tipo, "/o/", "A1"), caso.nombre);
    }
    for (const char* hostil : {"", "..", "..\\fuera", "../fuera", "C:eje", "a*b", "EJE.", "EJE ", "CON", "lpt1.txt",
                               "com9", "eje\x01"}) {
        EXPECT_FALSE(ValidFileName(hostil)) << hostil;
    }
    for (const char* valido : {"EJE 1", "Año-2", "COM10", "CONDE", "A.B"}) EXPECT_TRUE(ValidFileName(valido)) << valido;
}

class SierraSoftRun : public testing_support::ReaderRun {
protected:
    SierraSoftRun() { app::RegisterForms(ctx); }
    design_readers::Ficheros Carpeta(const std::string& gdx) {
        WriteBytes(dir.File("e.gdx"), gdx);
        return {dir.File("e.gdx"), dir.Path().string(), "E.GDX", UpperFileName(dir.Path().string()), ""};
    }
    std::set<std::string> Ficheros() const {
        std::set<std::string> nombres;
        for (const auto& e : std::filesystem::directory_iterator(dir.Path())) nombres.insert(platform::NameOf(e.path().filename()));
        return nombres;
    }
};

// Two axes, a refused name between them, and an "END AXIS " that still closes its axis.
const char* const kDosEjes =
    "HEADER\nSEPARATOR \";\"\nEND HEADER\n"
    "AXIS\nNAME \"A1\"\nSTART STATION 1000\n"
    "HORIZONTAL_ALIGNMENT\n1;0;0;100;100;0;0\n1;100;0;100;50;0;0\nEND HORIZONTAL_ALIGNMENT\n"
    "VERTICAL_ALIGNMENT\n1;1000;100;0\n2;1100;102;5000\n1;1200;103;0\nEND VERTICAL_ALIGNMENT\n"
    "END AXIS \n"
    "AXIS\nNAME \"..\\fuera\"\nSTART STATION 0\nHORIZONTAL_ALIGNMENT\n1;0;0;0;10;0;0\nEND HORIZONTAL_ALIGNMENT\n"
    "END AXIS\n"
    "AXIS\nNAME \"A2\"\nSTART STATION 0\n"
    "HORIZONTAL_ALIGNMENT\n1;1000;1000;0;30;0;0\nEND HORIZONTAL_ALIGNMENT\n"
    "VERTICAL_ALIGNMENT\n1;0;50;0\n1;30;50.3;0\nEND VERTICAL_ALIGNMENT\nEND AXIS\n";

TEST_F(SierraSoftRun, TwoAxesGiveFourFilesAndFourSummariesAndAHostileNameIsSkipped) {
    state.FormatoCampo = 2;
    EXPECT_TRUE(design_readers::SierraSoft_Planta_Alzado(ctx, window, Carpeta(kDosEjes)));
    EXPECT_EQ(Ficheros(), (std::set<std::string>{"e.gdx", "A1.PLA", "A1.ALZ", "A2.PLA", "A2.ALZ"}));
    testing_support::ExpectPlanta(testing_support::PlantaRecords(ReadBytes(dir.File("A1.PLA"))),
                                  {{1, 1000, 0, 0, 100, 0, 0, 100}, {2, 1100, 100, 0, 100, 0, 0, 50}});
    testing_support::ExpectAlzado(testing_support::AlzadoRecords(ReadBytes(dir.File("A2.ALZ"))),
                                  {{1, 0, 50, 0.01, 0, 30}, {2, 30, 50.3, 0, 0, 0}}, 1e-12);
    const auto& boxes = desktop.Boxes();
    ASSERT_EQ(boxes.size(), 5u);
    EXPECT_EQ(boxes[0].title, "Transformación fichero de Planta");
    EXPECT_NE(boxes[0].text.find(UpperFileName(dir.File("A1.PLA"))), std::string::npos);
    EXPECT_EQ(boxes[1].title, "Transformación fichero de Alzado");
    EXPECT_EQ(boxes[2].text, "El nombre del eje \"..\\fuera\" no es válido como nombre de fichero. Este eje no se ha "
                             "transformado.");
    EXPECT_EQ(boxes[3].title, "Transformación fichero de Planta");
    EXPECT_EQ(boxes[4].title, "Transformación fichero de Alzado");
    EXPECT_EQ(state.ErrorFichero, 0);
}

// SEPARATOR "<TAB>": rows split at TABs give a planta and a superelevation.
TEST_F(SierraSoftRun, ATabSeparatorReadsPlantaAndSuperelevationRows) {
    const std::string gdx =
        "HEADER\r\nSEPARATOR \"\t\"\r\nEND HEADER\r\nAXIS\r\nNAME \"A1\"\r\nSTART STATION 0\r\n"
        "HORIZONTAL_ALIGNMENT\r\n1\t0\t0\t100\t100\t0\t0\r\nEND HORIZONTAL_ALIGNMENT\r\n"
        "SUPERELEVATION_LEFT\r\n0\t2\r\n100\t2.5\r\nEND SUPERELEVATION_LEFT\r\n"
        "SUPERELEVATION_RIGHT\r\n0\t-2\r\n100\t-2.5\r\nEND SUPERELEVATION_RIGHT\r\nEND AXIS\r\n";
    state.FormatoCampo = 2;
    ASSERT_TRUE(design_readers::SierraSoft_Planta_Alzado(ctx, window, Carpeta(gdx)));
    testing_support::ExpectPlanta(testing_support::PlantaRecords(ReadBytes(dir.File("A1.PLA"))),
                                  {{1, 0, 0, 0, 100, 0, 0, 100}});
    desktop.QueueAction([this] {
        auto& f = desktop.Forms().Get<design_readers::Form_Offset_Alzado>("Form_Offset_Alzado");
        f.Text1.UserType("0");
        f.Command_Aceptar.UserClick();
    });
    ASSERT_TRUE(design_readers::SierraSoft_Peraltes(ctx, window, Carpeta(gdx)));
    const std::string per = ReadBytes(dir.File("A1.PER"));
    ASSERT_EQ(per.size(), 12u + 2 * 24);
    EXPECT_EQ(testing_support::DoubleAt(per, 12 + 24), 100.0);
    EXPECT_EQ(testing_support::DoubleAt(per, 12 + 24 + 8), 2.5);
    EXPECT_EQ(testing_support::DoubleAt(per, 12 + 24 + 16), -2.5);
    const auto& boxes = desktop.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_NE(boxes[0].text.find("Pk Final             :  100.000\r\rRectas               :   1"), std::string::npos);
    EXPECT_EQ(boxes[1].title, "Transformación fichero de Peraltes");
}

TEST_F(SierraSoftRun, TunelixKeepsEachKindInItsOwnHeadedFile) {
    state.FormatoCampo = 4;
    EXPECT_TRUE(design_readers::SierraSoft_Planta_Alzado(ctx, window, Carpeta(kDosEjes)));
    EXPECT_EQ(ReadBytes(dir.File("A1_PLA.KTW")).substr(0, 51),
              "*41....+0000000000A1_PLA 42....+0000000SITUATION \r\n");
    EXPECT_EQ(ReadBytes(dir.File("A2_ALZ.KTW")).substr(0, 51),
              "*41....+0000000000A2_ALZ 42....+00000000LONGPROF \r\n");
}

TEST_F(SierraSoftRun, AKeptFileSendsItsAxisToTheSaveDialogWhoseFileIsWrittenFromEmpty) {
    WriteBytes(dir.File("A1.PLA"), "antiguo");
    WriteBytes(dir.File("OTRO.PLA"), std::string(500, 'x'));
    WriteBytes(dir.File("A1.ALZ"), "antiguo");
    // Kept both; A1's planta goes elsewhere (after its summary box), its alzado nowhere.
    for (int answer : {platform::answer::No, platform::answer::OK, platform::answer::No}) desktop.AnswerBox(answer);
    window.respuestas = {dir.File("OTRO.PLA"), std::nullopt};
    EXPECT_TRUE(design_readers::SierraSoft_Planta_Alzado(ctx, window, Carpeta(kDosEjes)));
    EXPECT_EQ(ReadBytes(dir.File("A1.PLA")), "antiguo");
    EXPECT_EQ(ReadBytes(dir.File("A1.ALZ")), "antiguo");
    EXPECT_EQ(ReadBytes(dir.File("OTRO.PLA")).size(), 120u);
    // Named as its summary names it.
    EXPECT_EQ(desktop.Boxes()[0].text, "El fichero" + UpperFileName(dir.File("A1.PLA")) + "\rya existe,  ¿Desea reemplazarlo?");
    EXPECT_NE(desktop.Boxes()[1].text.find(UpperFileName(dir.File("OTRO.PLA"))), std::string::npos);
}

TEST_F(SierraSoftRun, SuperelevationTakesTheOffsetTypedWithACommaAndAClosedDialogEndsTheRun) {
    const std::string peraltes =
        "SUPERELEVATION_LEFT\n0,2\n20,2.5\n40,3\nEND SUPERELEVATION_LEFT\n"
        "SUPERELEVATION_RIGHT\n0,-2\n20,-2.5\n40,-3\nEND SUPERELEVATION_RIGHT\n";
    const std::string gdx = UnEje(peraltes) + "AXIS\nNAME \"A2\"\nSTART STATION 0\n" + peraltes + "END AXIS\n";
    desktop.QueueAction([this] {
        auto& f = desktop.Forms().Get<design_readers::Form_Offset_Alzado>("Form_Offset_Alzado");
        EXPECT_EQ(f.Label_Eje_Seleccionado.Caption(), "A1");
        f.Text1.UserType("1,5a");
        f.Command_Aceptar.UserClick();  // not a number: the dialog stays
        EXPECT_TRUE(f.Loaded());
        f.Text1.UserType("1,5");
        f.Command_Aceptar.UserClick();
    });
    desktop.QueueAction([this] { desktop.UserClose(desktop.Forms().Get("Form_Offset_Alzado")); });
    // A2's old file, to be replaced: the run ends before its new one, so it stays.
    WriteBytes(dir.File("A2.PER"), "antiguo");
    desktop.AnswerBox(platform::answer::Yes);
    EXPECT_FALSE(design_readers::SierraSoft_Peraltes(ctx, window, Carpeta(gdx)));
    const std::string b = ReadBytes(dir.File("A1.PER"));
    ASSERT_EQ(b.size(), 12u + 3 * 24);
    EXPECT_EQ(b.substr(0, 4), std::string("\x55\xAC\x00\x00", 4));
    EXPECT_EQ(testing_support::DoubleAt(b, 4), 1.5);
    EXPECT_EQ(testing_support::DoubleAt(b, 12 + 2 * 24), 1040.0);
    EXPECT_EQ(testing_support::DoubleAt(b, 12 + 2 * 24 + 16), -3.0);
    EXPECT_EQ(ReadBytes(dir.File("A2.PER")), "antiguo");
    ASSERT_EQ(desktop.Boxes().size(), 2u);
    EXPECT_EQ(desktop.Boxes()[0].title, "Transformación fichero de Peraltes");
    EXPECT_EQ(desktop.Boxes()[1].style, platform::mb::YesNo);
    EXPECT_EQ(state.OffsetAlzado, 0);  // the second showing cleared it and was closed
}

TEST(SierraSoftSecciones, PointsAreSortedAndCleanedAndAMarkerWithoutPointsGivesNoSection) {
    testing_support::TempDir dir;
    WriteBytes(dir.File("s.txt"),
               "1\t5\n"  // before any section
               "#SEZ\t1\tx\t1250.5\n#COD\tBORDE\n5\t100.3\n-5\t100.1\n0\t100.5\n5\t100.3\n"
               "#SEZ\t2\tx\t1270\n-1\t99\n1\t99\n#SEZ\n");
    std::vector<std::pair<double, std::vector<std::pair<double, double>>>> leidas;
    design_readers::LeerSeccionesSierraSoft(dir.File("s.txt"), 'S', [&](double pk, field_writers::TSeccion& s) {
        std::vector<std::pair<double, double>> puntos;
        const auto& b = s.Bloque('S');
        for (std::int32_t i = 1; i <= b.NumPuntos; ++i) puntos.emplace_back(b.Puntos[i].Desplazamiento, b.Puntos[i].Cota);
        EXPECT_EQ(s.Bloque('R').NumPuntos, 0);
        leidas.emplace_back(pk, puntos);
    });
    using P = std::vector<std::pair<double, double>>;
    ASSERT_EQ(leidas.size(), 2u);
    EXPECT_EQ(leidas[0].first, 1250.5);
    EXPECT_EQ(leidas[0].second, (P{{-5, 100.1}, {0, 100.5}, {5, 100.3}}));
    EXPECT_EQ(leidas[1].first, 1270);
    EXPECT_EQ(leidas[1].second, (P{{-1, 99}, {1, 99}}));

    WriteBytes(dir.File("t.txt"), "#SEZ\t1\n0\t100\n");
    EXPECT_THROW(design_readers::LeerSeccionesSierraSoft(dir.File("t.txt"), 'R', [](double, auto&) {}), Rechazo);
}

TEST_F(SierraSoftRun, TarselSectionsGoToLayerR) {
    WriteBytes(dir.File("s.txt"), "#SEZ\t1\tx\t100\n-5\t10\n5\t10\n");
    design_readers::FicherosSeccion f;
    static_cast<design_readers::Ficheros&>(f) = Files(dir.File("s.txt"), "S.SCT", "S.TXT", "S.SCT");
    EXPECT_TRUE(design_readers::SierraSoft_Seccion_Tipo(ctx, window, f));
    // Chainage, count 2, then T, C and S empty and R with its two points.
    const std::string b = ReadBytes(dir.File("S.SCT"));
    ASSERT_EQ(b.size(), 12u + 4 * 5 + 2 * 32);
    EXPECT_EQ(testing_support::LongAt(b, 8), 2);
    EXPECT_EQ(b.substr(12, 20), std::string("T\0\0\0\0C\0\0\0\0S\0\0\0\0R\x02\0\0\0", 20));
}

}  // namespace
