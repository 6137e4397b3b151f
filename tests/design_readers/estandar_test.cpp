// The Estandar planta and alzado readers through the reader shape.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/context.h"
#include "design_readers/estandar.h"
#include "field_writers/rechazo.h"
#include "platform/scripted_desktop.h"
#include "platform/settings_store.h"
#include "support/files.h"
#include "support/window_double.h"

namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

std::string Data(const std::string& name) { return std::string(TARSEL_TEST_DATA) + "/design_readers/data/" + name; }

bool SameElement(const TPlanta& a, const TPlanta& b) {
    return a.N == b.N && a.PK == b.PK && a.X == b.X && a.Y == b.Y && a.Acimut == b.Acimut && a.Radio == b.Radio &&
           a.Parametro == b.Parametro && a.Longitud == b.Longitud;
}

TEST(EstandarLines, SeparatorsFieldCountsAndTheWorkRecord) {
    struct Row {
        const char* line;
        TPlanta expected;  // the work record after the line, starting from `before`
    };
    const TPlanta before = {9, 1, 2, 3, 4, 5, 6, 7};
    const Row rows[] = {
        {"3,1250.5,1000,2000,100.25,0,0,45.2", {3, 1250.5, 1000, 2000, 100.25, 0, 0, 45.2}},
        {"3 1250.5  1000\t2000 ,, 100.25\t \t0 0 45.2", {3, 1250.5, 1000, 2000, 100.25, 0, 0, 45.2}},
        {"  4 0 0 0 0 -0.001 -120 8 99", {4, 0, 0, 0, 0, -0.001, 120, 8}},  // |A|; a ninth field ignored
        {"5 10 11 12 13 14 15", {5, 10, 11, 12, 13, 14, 15, 7}},             // seven fields: Longitud kept
        {"2.5 1", {2, 1, 2, 3, 4, 5, 6, 7}},                                  // N to the even whole number
        {"7,,,8\t", {7, 8, 2, 3, 4, 5, 6, 7}},                                // one-character fields
        {"6", {6, 1, 2, 3, 4, 5, 6, 7}},
    };
    for (const Row& row : rows) {
        TPlanta work = before;
        EXPECT_TRUE(design_readers::PlantaEstandarDeLinea(row.line, 1, work)) << row.line;
        EXPECT_TRUE(SameElement(work, row.expected)) << row.line;
    }
    for (const char* empty : {"", "   ", "\t, ,\f"}) {
        TPlanta work = before;
        EXPECT_FALSE(design_readers::PlantaEstandarDeLinea(empty, 1, work));
        EXPECT_TRUE(SameElement(work, before));
    }
    TAlzado alzado;
    EXPECT_TRUE(design_readers::AlzadoEstandarDeLinea("2 100,101 0.01\t-2000 200 7 8", 1, alzado));
    EXPECT_EQ(alzado.N, 2);
    EXPECT_EQ(alzado.Z, 101);
    EXPECT_EQ(alzado.Kv, -2000);
    EXPECT_EQ(alzado.Longitud, 200);
}

TEST(EstandarLines, WhatIsNotAnElementIsRefusedByItsLineNumber) {
    TPlanta planta;
    try {
        design_readers::PlantaEstandarDeLinea("N PK X Y AZ R A L", 12, planta);
        FAIL();
    } catch (const Rechazo& r) {
        EXPECT_STREQ(r.what(), "Línea 12: no es un elemento de planta; sus 8 primeros campos deben ser números.");
    }
    TAlzado alzado;
    try {
        design_readers::AlzadoEstandarDeLinea("1 0 100 0.01 0 1OO", 3, alzado);
        FAIL();
    } catch (const Rechazo& r) {
        EXPECT_STREQ(r.what(), "Línea 3: no es un elemento de alzado; sus 6 primeros campos deben ser números.");
    }
    // Only the fields that are read must be numbers.
    EXPECT_TRUE(design_readers::AlzadoEstandarDeLinea("1 0 100 0.01 0 100 comentario", 3, alzado));
    // A number too large for a Double or an element number too large for its field.
    EXPECT_THROW(design_readers::PlantaEstandarDeLinea("1 1" + std::string(400, '0'), 4, planta), ConversionError);
    EXPECT_THROW(design_readers::PlantaEstandarDeLinea("3000000000 0", 4, planta), ConversionError);
}

class EstandarRun : public ::testing::Test {
protected:
    platform::ScriptedDesktop desktop;
    platform::MemorySettingsStore store;
    State state;
    Context ctx{desktop, store, state};
    testing_support::WindowDouble window;
    TempDir dir;

    design_readers::Ficheros Files(const std::string& input, const std::string& output) {
        return {input, dir.File(output), "C:\\OBRA\\ENTRADA.TXT", "C:\\OBRA\\SALIDA", ""};
    }
};

TEST_F(EstandarRun, OnePlantaInEveryFieldFormat) {
    const struct {
        std::int16_t formato;
        const char* expected;  // "" for no file
    } runs[] = {{0, "estandar.pla"}, {2, "estandar.pla"}, {3, "estandar.ptc"}, {4, "estandar_planta.tunelix"}, {1, ""}};
    for (const auto& run : runs) {
        state.FormatoCampo = run.formato;
        const std::string out = "salida" + std::to_string(run.formato);
        EXPECT_TRUE(design_readers::Estandar_Planta(ctx, Files(Data("estandar.pla.txt"), out)));
        if (*run.expected) {
            EXPECT_EQ(ReadBytes(dir.File(out)), ReadBytes(Data(run.expected))) << run.formato;
        } else {
            EXPECT_FALSE(std::filesystem::exists(dir.File(out)));
        }
        const auto boxes = desktop.Boxes();
        ASSERT_EQ(boxes.size(), 2u);
        // The joint at 207.080 misses by 2 cm; then the summary.
        EXPECT_EQ(boxes[0].title, "Listado de Errores");
        EXPECT_EQ(boxes[0].style, 16);
        EXPECT_EQ(boxes[0].text, "\rEJE EN PLANTA  \r\rPk :        207.080  Error :  0.020 m");
        EXPECT_EQ(boxes[1].title, "Transformación fichero de Planta");
        EXPECT_EQ(boxes[1].text,
                  "\rFichero de entrada :  C:\\OBRA\\ENTRADA.TXT\rFichero de salida    :  C:\\OBRA\\SALIDA\r\r"
                  "Pk Inicial           :  0.000\rPk Final             :  273.080\r\r"
                  "Rectas               :   2\rCirculares           :   1\rClotoides            :   1");
        desktop.ClearTranscript();
    }
    EXPECT_EQ(state.ErrorFichero, 0);
}

TEST_F(EstandarRun, OneAlzadoInEveryFieldFormatAndForASectionJob) {
    const struct {
        std::int16_t formato;
        const char* expected;
    } runs[] = {{0, "estandar.alz"}, {2, "estandar.alz"}, {3, "estandar.lon"}, {4, "estandar_alzado.tunelix"}};
    std::vector<TAlzado> alzado;
    for (const auto& run : runs) {
        state.FormatoCampo = run.formato;
        const std::string out = "salida" + std::to_string(run.formato);
        EXPECT_TRUE(design_readers::Estandar_Alzado(ctx, window, Files(Data("estandar.alz.txt"), out), alzado));
        EXPECT_EQ(ReadBytes(dir.File(out)), ReadBytes(Data(run.expected))) << run.formato;
        const auto boxes = desktop.Boxes();
        ASSERT_EQ(boxes.size(), 1u);  // no gap in this profile
        EXPECT_EQ(boxes[0].title, "Transformación fichero de Alzado");
        EXPECT_EQ(boxes[0].text,
                  "\rFichero de entrada :  C:\\OBRA\\ENTRADA.TXT\rFichero de salida    :  C:\\OBRA\\SALIDA\r\r"
                  "Pk Inicial           :  0.000\rPk Final             :  350.000\r\r"
                  "Rasantes Rectas      :   2\rAcuerdos Verticales  :   1");
        desktop.ClearTranscript();
    }
    // A section job only gets the elements back.
    window.seccionTipo = true;
    state.InfoProyecto.RasantesRectas = 5;
    EXPECT_TRUE(design_readers::Estandar_Alzado(ctx, window, Files(Data("estandar.alz.txt"), "seccion"), alzado));
    ASSERT_EQ(alzado.size(), 4u);
    EXPECT_EQ(alzado[2].Kv, -2000);
    EXPECT_EQ(alzado[3].PK, 300);
    EXPECT_TRUE(desktop.Boxes().empty());
    EXPECT_FALSE(std::filesystem::exists(dir.File("seccion")));
    EXPECT_EQ(state.InfoProyecto.RasantesRectas, 0);
}

TEST_F(EstandarRun, ATitleLineOrAnEmptyFileIsRefusedAndTheOldOutputStays) {
    state.FormatoCampo = 0;
    WriteBytes(dir.File("salida"), "antiguo");
    WriteBytes(dir.File("titulo.txt"), "1 0 0 0 0 0 0 10\r\nEJE 1 PLANTA\r\n");
    WriteBytes(dir.File("vacio.txt"), "\r\n  \r\n");
    std::vector<TAlzado> alzado;
    EXPECT_FALSE(design_readers::Estandar_Planta(ctx, Files(dir.File("titulo.txt"), "salida")));
    EXPECT_EQ(state.ErrorFichero, 1);
    state.ErrorFichero = 0;
    EXPECT_FALSE(design_readers::Estandar_Alzado(ctx, window, Files(dir.File("vacio.txt"), "salida"), alzado));
    EXPECT_EQ(state.ErrorFichero, 1);
    EXPECT_EQ(alzado.size(), 1u);
    window.seccionTipo = true;
    EXPECT_FALSE(design_readers::Estandar_Alzado(ctx, window, Files(dir.File("vacio.txt"), "salida"), alzado));

    const auto boxes = desktop.Boxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].style, 48);
    EXPECT_EQ(boxes[0].title, "Transformación fichero de Planta");
    EXPECT_EQ(boxes[0].text,
              "El fichero C:\\OBRA\\ENTRADA.TXT no se ha transformado.\r\r"
              "Línea 2: no es un elemento de planta; sus 8 primeros campos deben ser números.");
    EXPECT_EQ(boxes[1].title, "Transformación fichero de Alzado");
    EXPECT_EQ(boxes[1].text,
              "El fichero C:\\OBRA\\ENTRADA.TXT no se ha transformado.\r\rNo contiene ningún elemento de alzado.");
    EXPECT_EQ(ReadBytes(dir.File("salida")), "antiguo");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 3);  // no temporary left
}

TEST_F(EstandarRun, AShortFirstLineStartsFromZerosInEveryRun) {
    state.FormatoCampo = 3;
    WriteBytes(dir.File("a.txt"), "1 0 100 0.01 0 100\r\n");
    WriteBytes(dir.File("b.txt"), "1 5 100\r\n");
    std::vector<TAlzado> alzado;
    window.seccionTipo = true;
    EXPECT_TRUE(design_readers::Estandar_Alzado(ctx, window, Files(dir.File("a.txt"), "x"), alzado));
    EXPECT_TRUE(design_readers::Estandar_Alzado(ctx, window, Files(dir.File("b.txt"), "x"), alzado));
    ASSERT_EQ(alzado.size(), 2u);
    EXPECT_EQ(alzado[1].PK, 5);
    EXPECT_EQ(alzado[1].Pendiente, 0);
    EXPECT_EQ(alzado[1].Longitud, 0);
}

}  // namespace
