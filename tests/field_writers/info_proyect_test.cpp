// The run statistics and the summary boxes.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "field_writers/info_proyect.h"
#include "field_writers/write_files.h"
#include "platform/scripted_desktop.h"

namespace {

TEST(InfoProyecto, CountsByKindAndClearsOnlyItsOwnKind) {
    TInfoProyecto info;
    info.RasantesRectas = 9;
    info.PkInicialSeccion = 5;
    // 5 straights, 2 arcs, 4 clothoids (one of them with the marker radius, one with radius 0).
    std::vector<TPlanta> planta = {{},
                                   {1, 100, 0, 0, 0, 0, 0, 10},
                                   {2, 110, 0, 0, 0, 0, 0, 10},
                                   {3, 120, 0, 0, 0, 0.001, 50, 10},
                                   {4, 130, 0, 0, 0, 250, 0, 10},
                                   {5, 140, 0, 0, 0, 250, 50, 10},
                                   {6, 150, 0, 0, 0, 0, 0, 10},
                                   {7, 160, 0, 0, 0, -250, 0, 10},
                                   {8, 170, 0, 0, 0, -250, 70, 10},
                                   {9, 180, 0, 0, 0, 0, 70, 10},
                                   {10, 190, 0, 0, 0, 0, 0, 10},
                                   {11, 200, 0, 0, 0, 0, 0, 12.5}};
    for (int run = 0; run < 2; ++run) {
        Info_Proyect::Inicializa_Info(Info_Proyect::kPlanta, info);
        for (std::size_t i = 1; i < planta.size(); ++i) Info_Proyect::Info_Planta(static_cast<std::int64_t>(i), planta[i], info);
        EXPECT_EQ(info.Rectas, 5);
        EXPECT_EQ(info.Circulares, 2);
        EXPECT_EQ(info.Clotoides, 4);
        EXPECT_EQ(info.PkInicialPlanta, 100);
        EXPECT_EQ(info.PkFinalPlanta, 212.5);
    }
    EXPECT_EQ(info.RasantesRectas, 9);
    EXPECT_EQ(info.PkInicialSeccion, 5);

    Info_Proyect::Inicializa_Info(Info_Proyect::kAlzado, info);
    Info_Proyect::Info_Alzado(1, {1, 10, 0, 0, 0, 20}, info);
    Info_Proyect::Info_Alzado(2, {2, 30, 0, 0, -500, 15}, info);
    EXPECT_EQ(info.RasantesRectas, 1);
    EXPECT_EQ(info.AcuerdosVerticales, 1);
    EXPECT_EQ(info.PkInicialAlzado, 10);
    EXPECT_EQ(info.PkFinalAlzado, 45);
    EXPECT_EQ(info.Rectas, 5);

    Info_Proyect::Info_Peraltes(1, 7, info);
    Info_Proyect::Info_Peraltes(2, 9, info);
    EXPECT_EQ(info.PkInicialPeraltes, 7);
    EXPECT_EQ(info.PkFinalPeraltes, 9);
    Info_Proyect::Inicializa_Info(Info_Proyect::kPeraltes, info);
    Info_Proyect::Inicializa_Info(Info_Proyect::kSeccionTipo, info);
    EXPECT_EQ(info.PkFinalPeraltes, 0);
    EXPECT_EQ(info.PkInicialSeccion, 0);
}

TEST(InfoProyecto, CountersGoPastTheOldSixteenBits) {
    TInfoProyecto info;
    const TPlanta recta{1, 0, 0, 0, 0, 0, 0, 1};
    for (std::int64_t i = 1; i <= 40000; ++i) Info_Proyect::Info_Planta(i, recta, info);
    EXPECT_EQ(info.Rectas, 40000);
}

TEST(MuestraResumen, TheFiveBoxes) {
    TInfoProyecto info;
    info.Entrada = "C:\\ENTRADA.TXT";
    info.Salida = "C:\\EJE.PLA";
    info.NombreTaludes = "T.PRO";
    info.NombreRasante = "R.PRO";
    info.PkInicialPlanta = 1250.5;
    info.PkFinalPlanta = 2000;
    info.Rectas = 12;
    info.Circulares = 0;
    info.Clotoides = 3;
    info.PkInicialAlzado = 0;
    info.PkFinalAlzado = 80.1234;
    info.RasantesRectas = 2;
    info.AcuerdosVerticales = 1;
    info.PkInicialSeccion = 10;
    info.PkFinalSeccion = 20;
    info.PkInicialPeraltes = 1;
    info.PkFinalPeraltes = 2.5;

    platform::ScriptedDesktop desktop;
    desktop.SetDecimalSeparator(',');
    for (int tipo = 0; tipo <= 5; ++tipo) field_writers::Muestra_Resumen(desktop, 0, tipo, 0, info);
    field_writers::Muestra_Resumen(desktop, 0, 3, 3, info);
    field_writers::Muestra_Resumen(desktop, 5, 1, 0, info);  // the run raised an error: no box

    const auto boxes = desktop.Boxes();
    ASSERT_EQ(boxes.size(), 5u);
    for (const auto& box : boxes) EXPECT_EQ(box.style, 0);
    EXPECT_EQ(boxes[0].title, "Transformación fichero de Planta");
    EXPECT_EQ(boxes[0].text,
              "\rFichero de entrada :  C:\\ENTRADA.TXT\rFichero de salida    :  C:\\EJE.PLA\r\r"
              "Pk Inicial           :  1250,500\rPk Final             :  2000,000\r\r"
              "Rectas               :   12\rCirculares           :   0\rClotoides            :   3");
    EXPECT_EQ(boxes[1].title, "Transformación fichero de Alzado");
    EXPECT_EQ(boxes[1].text,
              "\rFichero de entrada :  C:\\ENTRADA.TXT\rFichero de salida    :  C:\\EJE.PLA\r\r"
              "Pk Inicial           :  0,000\rPk Final             :  80,123\r\r"
              "Rasantes Rectas      :   2\rAcuerdos Verticales  :   1");
    EXPECT_EQ(boxes[2].title, "Transformación finalizada");
    EXPECT_EQ(boxes[2].text,
              "\rFichero de entrada   :  C:\\ENTRADA.TXT\r\rFichero de salida   :  C:\\EJE.PLA\r\r"
              "Pk Inicio            :  10,000\rPk Final             :  20,000\r");
    EXPECT_EQ(boxes[3].title, "Transformación fichero de Peraltes");
    EXPECT_EQ(boxes[3].text,
              "\rFichero de entrada   :  C:\\ENTRADA.TXT\r\rFichero de salida   :  C:\\EJE.PLA\r\r"
              "Pk Inicio            :  1,000\rPk Final             :  2,500\r");
    EXPECT_EQ(boxes[4].title, "Transformación finalizada");
    EXPECT_EQ(boxes[4].text,
              "\rFichero de entrada   :  C:\\ENTRADA.TXT\r\rFichero de Taludes   :  T.PRO\r"
              "Fichero de Subrasante:  \rFichero de Rasante   :  R.PRO\r\r"
              "Pk Inicio            :  10,000\rPk Final             :  20,000\r");
}

}  // namespace
