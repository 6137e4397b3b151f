// The Clip planta listing read from the plain text of its RTF file.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "alignment_check.h"
#include "design_readers/clip_planta_rtf.h"

namespace {

using testing_support::ExpectElementos;

std::vector<TPlanta> Leer(const std::string& texto) {
    std::vector<TPlanta> p(1);
    EntryClipWindows::LeerPlantaRTF(texto, p);
    return p;
}

// Rows of 7 to 11 cells, empty cells keeping their place. Azimuths turn by
// 6.3662 gon = 0.1 rad along each spiral of A^2 = 223.607^2 = 500 x 100, the
// angle of a spiral between a straight and a radius of 500: entering it stores the
// marker +0.001, leaving it the radius it leaves.
TEST(ClipPlantaRTF, RowsDescribeTheElementsThatEndAtThem) {
    ExpectElementos(
        Leer("LISTADO DE PLANTA\r\n\r\n"
             "Estaci\xF3n\tLongitud\tX\tY\tAcimut\tRadio\tPar\xE1metro\r\n"
             "0+000.000\t0.000\t1,000.000\t2,000.000\t100.0000\t  infinito\t\r\n"
             "0+100.000\t100.000\t1,099.750\t2,004.990\t106.3662\t500.000\t223.607\t\r\n"
             "0+150.000\t50.000\t1,147.500\t2,020.300\t112.7324\t500.000\t\t\t\r\n"
             "Estaci\xF3n\tLongitud\tX\tY\tAcimut\tRadio\tPar\xE1metro\r\n"
             "0+250.000\t100.000\t1,240.000\t2,050.000\t119.0986\t  INFINITO\t-223.607\t\t\t\r\n"
             "0+250.000\t0.000\t1,240.000\t2,050.000\t119.0986\t300\t200\t\t\t\t\r\n"),
        {{1, 0, 1000, 2000, 100, 0.001, 223.607, 100},
         {2, 100, 1099.75, 2004.99, 106.3662, 500, 0, 50},
         {3, 150, 1147.5, 2020.3, 112.7324, 500, 223.607, 100},
         // the row of no length gives no element; an 11-cell row carries neither
         // radius nor parameter: the closing element is a straight
         {4, 250, 1240, 2050, 119.0986, 0, 0, 0.01}});
}

// The closing element starts at the last row: an arc of its radius after an arc, a
// straight after a clothoid (never an element at the origin, never the last length
// again); a single row gives only the closing element.
TEST(ClipPlantaRTF, TheClosingElement) {
    const std::string primera = "0+000\t0\t10\t20\t50\t0\t\r\n";
    ExpectElementos(Leer(primera + "0+080\t80\t60\t70\t60\t-300\t\t\r\n"),
                    {{1, 0, 10, 20, 50, -300, 0, 80}, {2, 80, 60, 70, 60, -300, 0, 0.01}});
    // A^2 / (2 R^2) = 150^2 / (2 x 281.25^2) = 0.142 is the nearest to the turn of
    // 10 gon = 0.157 rad: a spiral from a straight, turning right.
    ExpectElementos(Leer(primera + "0+080\t80\t60\t70\t60\t281.25\t150\t\r\n"),
                    {{1, 0, 10, 20, 50, 0.001, 150, 80}, {2, 80, 60, 70, 60, 0, 0, 0.01}});
    ExpectElementos(Leer(primera), {{1, 0, 10, 20, 50, 0, 0, 0.01}});
    EXPECT_EQ(Leer("Estaci\xF3n\tLongitud\tX\tY\tAcimut\tRadio\tPar\xE1metro\r\n").size(), 1u);
    // A row that runs back keeps its length and names its line: the reader shape refuses it.
    const auto atras = Leer(primera + "0+080\t-80\t60\t70\t60\t0\t\r\n");
    EXPECT_EQ(atras[1].Longitud, -80);
    EXPECT_EQ(atras[1].Linea, 2);
}

}  // namespace
