// The Vextor road files: file checks, alignments and typical sections, on files
// written by hand from the word layout; expected values worked out by hand.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/register_forms.h"
#include "design_readers/form_seccion_tipo.h"
#include "design_readers/vextor.h"
#include "support/alignment_files.h"
#include "support/reader_run.h"

namespace {

using testing_support::DoubleAt;
using testing_support::LongAt;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

std::string Datos(const std::string& name) { return testing_support::TestData("vextor/" + name); }

// Line 1 of an aln file of eight-character words.
const char* kRegistroALN = "41...0+00000001 42...0+HZALIGNM \r\n";

TEST(VextorFicheros, NameAndRecordChecksInBothVariants) {
    TempDir dir;
    struct Caso {
        const char* nombre;
        const char* linea1;
        EntryVextor::FicheroVextor tipo;
        bool valido;
        int ancho;
    };
    const Caso casos[] = {
        // 16 data characters: "*" then words of 24 columns; the name closes the data at column 41.
        {"aln1.ktw", "*41...0+0000000000000001 42...0+00000000HZALIGNM \r\n", EntryVextor::FicheroVextor::ALN, true, 16},
        {"ALNx.KTW", "41...0+00000001 42...0+HZALIGNM \r\n", EntryVextor::FicheroVextor::ALN, true, 8},
        {"ejealn.ktw", "41...0+00000001 42...0+HZALIGNM \r\n", EntryVextor::FicheroVextor::ALN, false, 8},
        {"aln.txt", "41...0+00000001 42...0+HZALIGNM \r\n", EntryVextor::FicheroVextor::ALN, false, 8},
        // The record name one column off: not found.
        {"aln2.ktw", "41...0+00000001 42...0+0HZALIGN \r\n", EntryVextor::FicheroVextor::ALN, false, 8},
        {"prf1.ktw", "41...0+00000001 42...0+HZALIGNM \r\n", EntryVextor::FicheroVextor::PRF, false, 8},
        {"Prf2.Ktw", "*41...0+0000000000000001 42...0+000000000VALIGNM\r\n", EntryVextor::FicheroVextor::PRF, true, 16},
        {"crs1.ktw", "41...0+00000001 42...0+TEMPLATE", EntryVextor::FicheroVextor::CRS, true, 8},
        {"sta1.ktw", "41...0+00000001 42...0+ASSIGNMT \n", EntryVextor::FicheroVextor::STA, true, 8},
        {"sta2.ktw", "", EntryVextor::FicheroVextor::STA, false, 8},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        WriteBytes(dir.File(c.nombre), c.linea1);
        EntryVextor::Modulo m;
        EXPECT_EQ(EntryVextor::Es_Fichero(m, dir.File(c.nombre), c.tipo), c.valido);
        if (c.valido) {
            EXPECT_EQ(m.AnchoDatoVextor, c.ancho);
        }
    }
}

TEST(VextorPlanta, StraightArcAndEndPointFromConsecutivePoints) {
    EntryVextor::Modulo m;
    EntryVextor::LeerPlantaVextor(m, Datos("alnEJE.ktw"));
    // East along the x axis (100 gon), then a right-hand arc of R 100 from (100, 0) to
    // (200, -100): chord at 150 gon less asin(141.42 / 200) = 50 gon gives 100 gon.
    // The end point repeats the arc's azimuth and is 0.01 m long.
    const std::vector<TPlanta> want = {{1, 0, 0, 0, 100, 0, 0, 100},
                                       {2, 100, 100, 0, 100, 100, 0, 157.08},
                                       {3, 257.08, 200, -100, 100, 0, 0, 0.01}};
    ASSERT_EQ(m.PlantaVextor.size(), 4u);
    for (std::size_t i = 1; i <= 3; ++i) {
        SCOPED_TRACE(i);
        const auto& e = m.PlantaVextor[i];
        const TPlanta& w = want[i - 1];
        EXPECT_EQ(e.N, w.N);
        EXPECT_DOUBLE_EQ(e.PK, w.PK);
        EXPECT_DOUBLE_EQ(e.X, w.X);
        EXPECT_DOUBLE_EQ(e.Y, w.Y);
        EXPECT_NEAR(e.Acimut, w.Acimut, 1e-9);
        EXPECT_DOUBLE_EQ(e.Radio, w.Radio);
        EXPECT_DOUBLE_EQ(e.Parametro, w.Parametro);
        EXPECT_NEAR(e.Longitud, w.Longitud, 1e-9);
    }
    EXPECT_EQ(m.PlantaVextor[2].Texto, "0000ARC1");
}

TEST(VextorPlanta, WideWordsWithUnitEightAndClothoidParameters) {
    TempDir dir;
    // Unit 8: 10000000 is 100 m. A straight due north, then a spiral out of a curve
    // (A -60 over 36 m: R = -3600 / 36 = -100), a spiral into one (A 50) and an egg
    // from R 100 to R 200 over 50 m (A = sqrt(200 * 100 * 50 / 100) = 100).
    const std::string w = "+0000000000000000 ";
    WriteBytes(dir.File("alnW.ktw"),
               "*41...0+0000000000000001 42...0+00000000HZALIGNM \r\n"
               "*11...8+0000000000000000 12...8+00000000STRAIGHT 13...8" + w + "14...8" + w + "15...8" + w + "16...8" + w +
                   "\r\n"
                   "*11...8+0000000010000000 12...8+000000000SPIROUT 13...8-0000000006000000 14...8" + w +
                   "15...8+0000000000000000 16...8+0000000010000000 \r\n"
                   "*11...8+0000000013600000 12...8+0000000000SPIRIN 13...8+0000000005000000 14...8" + w +
                   "15...8+0000000000500000 16...8+0000000013500000 \r\n"
                   "*11...8+0000000015000000 12...8+000000000CURVEIN 13...8+0000000010000000 14...8" + w +
                   "15...8+0000000020000000 16...8+0000000001000000 17...8+0000000016000000 \r\n"
                   "*11...8+0000000020000000 12...8+0000000000000EOP 13...8" + w + "14...8" + w +
                   "15...8+0000000003000000 16...8+0000000020000000 \r\n");
    EntryVextor::Modulo m;
    EntryVextor::LeerPlantaVextor(m, dir.File("alnW.ktw"));
    ASSERT_EQ(m.PlantaVextor.size(), 6u);
    EXPECT_NEAR(m.PlantaVextor[1].Acimut, 0, 1e-9);
    EXPECT_DOUBLE_EQ(m.PlantaVextor[1].Longitud, 100);
    EXPECT_DOUBLE_EQ(m.PlantaVextor[2].Radio, -100);
    EXPECT_DOUBLE_EQ(m.PlantaVextor[2].Parametro, 60);
    EXPECT_DOUBLE_EQ(m.PlantaVextor[3].Radio, 0.001);
    EXPECT_DOUBLE_EQ(m.PlantaVextor[3].Parametro, 50);
    EXPECT_DOUBLE_EQ(m.PlantaVextor[4].Radio, 100);
    EXPECT_DOUBLE_EQ(m.PlantaVextor[4].Parametro, 100);
    EXPECT_DOUBLE_EQ(m.PlantaVextor[4].X, 10);
    EXPECT_DOUBLE_EQ(m.PlantaVextor[5].Longitud, 0.01);
}

TEST(VextorAlzado, GradesFromElevationsAndTheParabolaStartGrade) {
    EntryVextor::Modulo m;
    EntryVextor::LeerAlzadoVextor(m, Datos("prfEJE.ktw"));
    // 100 -> 101 over 100 m: +0.01; the parabola between equal elevations with Kv 5000:
    // 0 - 100 / 10000 = -0.01; 101 -> 100: -0.01; the end repeats it.
    const double pendientes[] = {0.01, -0.01, -0.01, -0.01};
    const double kv[] = {0, 5000, 0, 0};
    const double longitudes[] = {100, 100, 100, 0.01};
    ASSERT_EQ(m.AlzadoVextor.size(), 5u);
    for (std::size_t i = 1; i <= 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(m.AlzadoVextor[i].Pendiente, pendientes[i - 1], 1e-15);
        EXPECT_DOUBLE_EQ(m.AlzadoVextor[i].Kv, kv[i - 1]);
        EXPECT_DOUBLE_EQ(m.AlzadoVextor[i].Longitud, longitudes[i - 1]);
    }
}

TEST(VextorFallos, DegenerateElementsAndBadUnitsAreNumberedErrorsNamingTheLine) {
    TempDir dir;
    struct Caso {
        bool planta;
        const char* linea2;
        int numero;
        const char* detalle;  // start of the detail; "" for the table's own errors
    };
    const std::string fin = "11...0+00900000 12...0+00000EOP 13...0+00000000 14...0+00000000 15...0+00000000 16...0+00000000 \r\n";
    const Caso casos[] = {
        {true, "11...0+00000000 12...0+0CURVEIN 13...0+00100000 14...0+00000000 15...0+00100000 16...0+00000000 17...0+00001000 ",
         11, "Línea 2: División por cero"},  // an egg with R1 = R2
        {true, "11...0+00000000 12...0+000CURVE 13...0+00000000 14...0+00000000 15...0+00000000 16...0+00000000 ", 11,
         "Línea 2: División por cero"},  // an arc of radius 0
        {true, "11...0+00000000 12...0+00SPIRIN 13...0+00000000 14...0+00000000 15...0+00000000 16...0+00000000 ", 11,
         "Línea 2: División por cero"},  // a spiral of parameter 0
        {true, "11...0+00900000 12...0+0SPIROUT 13...0+00060000 14...0+00000000 15...0+00000000 16...0+00000000 ", 11,
         "Línea 2: el elemento no tiene longitud"},  // two elements at one chainage
        {true, "11...0+00000000 12...0+STRAIGHT 13...0+00000000 14...0+00000000 15...0+00000000 16...5+00000000 ", 11,
         "Línea 2: el dígito de unidades «5»"},
        {false, "11...0+00000000 12...0+PARABOLA 13...0+00000000 14...0+00000000 15...0+00000000 16...0+00000000 ", 11,
         "Línea 2: División por cero (Kv 0)."},
        {false, "11...0+00000000 12...0+000CURVE 13...0+00010000 14...0+00000000 15...0+00000000 16...0+00000000 ",
         1203, ""},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.linea2);
        const std::string nombre = dir.File(c.planta ? "alnF.ktw" : "prfF.ktw");
        WriteBytes(nombre, std::string(c.planta ? kRegistroALN : "41...0+00000001 42...0+0VALIGNM \r\n") + c.linea2 +
                               "\r\n" + fin);
        EntryVextor::Modulo m;
        try {
            c.planta ? EntryVextor::LeerPlantaVextor(m, nombre) : EntryVextor::LeerAlzadoVextor(m, nombre);
            ADD_FAILURE();
        } catch (const Errors::ErrorVextor& e) {
            EXPECT_EQ(e.Numero, c.numero);
            EXPECT_EQ(e.Detalle.rfind(c.detalle, 0), 0u) << e.Detalle;
        }
    }
}

TEST(VextorPlantaRun, RecordsWrittenAsReadAndARefusedFileLeavesTheOldOutput) {
    platform::ScriptedDesktop desktop;
    platform::MemorySettingsStore store;
    State state;
    Context ctx{desktop, store, state};
    TempDir dir;
    EntryVextor::Modulo m;
    Errors::Inicializa_Errores(m.MensajesError);
    const design_readers::Ficheros f{Datos("alnEJE.ktw"), dir.File("EJE.PLA"), "ALNEJE.KTW", "EJE.PLA", ""};
    ASSERT_TRUE(EntryVextor::Vextor_Planta(ctx, m, f));
    const std::vector<TPlanta> got = testing_support::PlantaRecords(ReadBytes(f.salida));
    ASSERT_EQ(got.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const auto& e = m.PlantaVextor[i + 1];
        EXPECT_EQ(got[i].N, e.N);
        EXPECT_EQ(got[i].PK, e.PK);
        EXPECT_EQ(got[i].Acimut, e.Acimut);
        EXPECT_EQ(got[i].Radio, e.Radio);
        EXPECT_EQ(got[i].Longitud, e.Longitud);
    }
    // The same module, a file of the wrong kind: the error box, the old output kept.
    const design_readers::Ficheros mal{Datos("prfEJE.ktw"), f.salida, "PRFEJE.KTW", "EJE.PLA", ""};
    EXPECT_FALSE(EntryVextor::Vextor_Planta(ctx, m, mal));
    EXPECT_EQ(desktop.Boxes().back().text,
              "ERROR:  1101\r\nEl fichero de Planta : PRFEJE.KTW no tiene el formato adecuado");
    EXPECT_EQ(testing_support::PlantaRecords(ReadBytes(f.salida)).size(), 3u);
    EXPECT_EQ(state.ErrorFichero, 1);
}

class VextorRun : public testing_support::ReaderRun {
protected:
    void SetUp() override {
        app::RegisterForms(ctx);
        Errors::Inicializa_Errores(m.MensajesError);
        window.seccionTipo = true;
        f.entrada = Datos("crsEJE.ktw");
        f.salida = dir.File("EJE.SCT");
        f.nombreEntrada = "CRSEJE.KTW";
        f.nombreSalida = "EJE.SCT";
        f.alzado = Datos("prfEJE.ktw");
        f.nombreAlzado = "PRFEJE.KTW";
    }
    void ElegirSubrasante() {
        desktop.QueueAction([this] {
            auto& form = desktop.Forms().Get<design_readers::frmClipOptions>("frmClipOptions");
            form.Check4.UserClick();
            form.btnAceptar.UserClick();
        });
    }
    bool Run(const std::string& asignacion) {
        return EntryVextor::Secciones_Vextor(ctx, window, m, f, asignacion, "STAEJE.KTW");
    }
    EntryVextor::Modulo m;
    design_readers::FicherosSeccion f;
};

struct PuntoSct {
    double desplazamiento, cota, pendiente;
};

// Checks one section of a .SCT written with only the S block filled; returns its size.
std::size_t ExpectSeccionS(const std::string& b, std::size_t at, double pk, const std::vector<PuntoSct>& puntos) {
    const auto n = static_cast<std::int32_t>(puntos.size());
    EXPECT_DOUBLE_EQ(DoubleAt(b, at), pk);
    EXPECT_EQ(LongAt(b, at + 8), n);
    EXPECT_EQ(b.substr(at + 12, 1), "T");
    EXPECT_EQ(LongAt(b, at + 13), 0);
    EXPECT_EQ(b.substr(at + 17, 1), "C");
    EXPECT_EQ(LongAt(b, at + 18), 0);
    EXPECT_EQ(b.substr(at + 22, 1), "S");
    EXPECT_EQ(LongAt(b, at + 23), n);
    for (std::size_t k = 0; k < puntos.size(); ++k) {
        const std::size_t p = at + 27 + 32 * k;
        EXPECT_DOUBLE_EQ(DoubleAt(b, p), puntos[k].desplazamiento);
        EXPECT_NEAR(DoubleAt(b, p + 8), puntos[k].cota, 1e-9);
        EXPECT_NEAR(DoubleAt(b, p + 16), puntos[k].pendiente, 1e-9);
        EXPECT_EQ(b.substr(p + 24, 8), "        ");
    }
    const std::size_t r = at + 27 + 32 * puntos.size();
    EXPECT_EQ(b.substr(r, 1), "R");
    EXPECT_EQ(LongAt(b, r + 1), 0);
    return r + 5 - at;
}

TEST_F(VextorRun, TarselV3SubrasanteOneSectionPerMatchedAssignment) {
    state.FormatoCampo = 2;
    ElegirSubrasante();
    ASSERT_TRUE(Run(Datos("staEJE.ktw")));
    // The profile at 120, 140 and 160 lies on the parabola from 101 at 100 with grade
    // -0.01 and Kv 5000: 100.84, 100.76, 100.76. "0000main" takes only the point of
    // its own letter case; "00000XXX" matches no template.
    const std::string b = ReadBytes(f.salida);
    std::size_t at = 0;
    at += ExpectSeccionS(b, at, 120, {{-5, 100.74, 2}, {0, 100.84, -2}, {5, 100.74, 0}});
    at += ExpectSeccionS(b, at, 140, {{7, 100.56, 0}});
    at += ExpectSeccionS(b, at, 160, {{-3, 101.26, 0}, {3, 101.26, 0}});
    EXPECT_EQ(at, b.size());
    const std::string i = ReadBytes(dir.File("EJE.STD"));
    ASSERT_EQ(i.size(), 36u);
    EXPECT_EQ(LongAt(i, 8), 13);
    EXPECT_EQ(LongAt(i, 20), 128 + 13);
    EXPECT_EQ(LongAt(i, 32), 128 + 64 + 13);
    // The range is that of the sections written, not of the first and last assignment.
    ASSERT_EQ(desktop.Boxes().size(), 1u);
    EXPECT_EQ(desktop.Boxes()[0].text,
              "\rFichero de entrada   :  CRSEJE.KTW\r\rFichero de salida   :  EJE.SCT\r\r"
              "Pk Inicio            :  120.000\rPk Final             :  160.000\r");
}

TEST_F(VextorRun, AStationBeyondTheProfileKeepsTheSectionsBeforeIt) {
    state.FormatoCampo = 0;
    ElegirSubrasante();
    WriteBytes(dir.File("staF.ktw"),
               "41...0+00000001 42...0+ASSIGNMT \r\n"
               "11...0+0000main 12...0+00140000 \r\n"
               "11...0+0000MAIN 12...0+00400000 \r\n"
               "11...0+00000ALT 12...0+00160000 \r\n");
    EXPECT_FALSE(Run(dir.File("staF.ktw")));
    const std::string b = ReadBytes(f.salida);
    EXPECT_EQ(ExpectSeccionS(b, 0, 140, {{7, 100.56, 0}}), b.size());
    EXPECT_EQ(ReadBytes(dir.File("EJE.STD")).size(), 12u);
    ASSERT_EQ(desktop.Boxes().size(), 1u);
    EXPECT_EQ(desktop.Boxes()[0].text,
              "ERROR:  1202\r\nEl Pk: 400. no se encuentra definido en el fichero de Alzado : PRFEJE.KTW");
    EXPECT_EQ(desktop.Boxes()[0].style, 48);
    EXPECT_EQ(state.ErrorFichero, 1);
}

TEST_F(VextorRun, CorvanaAxisElevationIsCutDownToTheMillimetreBelow) {
    state.FormatoCampo = 3;
    f.salida = dir.File("EJE.PRO");
    f.nombreSalida = "EJE.PRO";
    // A level profile at -1234.5678 (unit 6); a template with no axis point 0.1 below.
    // The axis goes in at Int(-1234567.8) / 1000 = -1234.568; the points' axis is
    // -1234.6678: a step of -0.0998 over 0.001 m, -9980 %.
    f.alzado = dir.File("prfN.ktw");
    WriteBytes(f.alzado,
               "41...0+00000001 42...0+0VALIGNM \r\n"
               "11...6+00000000 12...6+STRAIGHT 13...6+00000000 14...6-12345678 15...6+00000000 16...6+00000000 \r\n"
               "11...6+00100000 12...6+00000EOP 13...6+00000000 14...6-12345678 15...6+00000000 16...6+00000000 \r\n");
    f.entrada = dir.File("crsN.ktw");
    WriteBytes(f.entrada,
               "41...0+00000001 42...0+TEMPLATE \r\n"
               "11...0+00000BAJ 12...0-00005000 13...0-00000100 \r\n"
               "11...0+00000BAJ 12...0+00005000 13...0-00000100 \r\n");
    WriteBytes(dir.File("staN.ktw"), "41...0+00000001 42...0+ASSIGNMT \r\n11...0+00000BAJ 12...0+00005000 \r\n");
    ASSERT_TRUE(Run(dir.File("staN.ktw")));
    EXPECT_EQ(ReadBytes(f.salida),
              "P;L=GAUCHE;PMDEV=5.000;TPC=non;D1=0.001;P1=-9980.0000;D2=4.999;P2=0.0000;D3=0.001;P3=0.000;N= 3\r\n"
              "P;L=DROITE;PMDEV=5.000;TPC=non;D1=0.001;P1=-9980.0000;D2=4.999;P2=0.0000;D3=0.001;P3=0.000;N= 3\r\n");
    ASSERT_EQ(desktop.Boxes().size(), 1u);
    EXPECT_NE(desktop.Boxes()[0].text.find("Fichero de Taludes   :  \rFichero de Subrasante:  EJE.PRO\r"
                                           "Fichero de Rasante   :  \r"),
              std::string::npos);
}

}  // namespace
