// The .PLA and .ALZ records and where they go in the file.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/info_proyecto.h"
#include "field_writers/rechazo.h"
#include "field_writers/write_files.h"
#include "support/files.h"

namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;

std::string Hex(const std::string& text) {
    std::string bytes;
    for (std::size_t k = 0; k + 1 < text.size(); k += 2) {
        bytes += static_cast<char>(std::stoi(text.substr(k, 2), nullptr, 16));
    }
    return bytes;
}

std::string Zeros(std::size_t n) { return std::string(n, '\0'); }

// Doubles as their IEEE 754 bits, little-endian, worked out by hand.
const std::string k1 = "000000000000F03F";
const std::string k2 = "0000000000000040";
const std::string k4 = "0000000000001040";
const std::string k8 = "0000000000002040";
const std::string kHalf = "000000000000E03F";
const std::string kMinus1 = "000000000000F0BF";
const std::string k100 = "0000000000005940";
const std::string k0 = "0000000000000000";

TEST(PlantaRecords, PlacedAtRecordNWithTheGapsAsZeros) {
    TempDir dir;
    TInfoProyecto info;
    std::vector<TPlanta> planta(4);
    planta[1].N = 1;
    planta[1].PK = 1;
    planta[2].N = 2;
    planta[2].PK = 2;
    planta[3] = {5, 100, 2, 4, 0.5, -1, 0, 8};
    for (std::int16_t formato : {0, 2}) {
        const std::string path = dir.File("eje" + std::to_string(formato) + ".pla");
        field_writers::WriteFiles writer(path, formato, info);
        for (std::size_t i = 1; i <= 3; ++i) writer.Write_Planta(i, planta);
        writer.Commit();
        const std::string expected = Hex("01000000" + k1) + Zeros(48) + Hex("02000000" + k2) + Zeros(48) +
                                     Zeros(120) + Hex("05000000" + k100 + k2 + k4 + kHalf + kMinus1 + k0 + k8);
        EXPECT_EQ(ReadBytes(path), expected) << formato;
        EXPECT_EQ(ReadBytes(path).size(), 300u);
    }
}

TEST(PlantaRecords, ALaterElementOverwritesOrFillsEarlierRecords) {
    TempDir dir;
    TInfoProyecto info;
    std::vector<TPlanta> planta(4);
    planta[1].N = 3;
    planta[2].N = 1;
    planta[3].N = 3;
    planta[3].PK = 1;
    const std::string path = dir.File("eje.pla");
    field_writers::WriteFiles writer(path, 0, info);
    for (std::size_t i = 1; i <= 3; ++i) writer.Write_Planta(i, planta);
    writer.Commit();
    EXPECT_EQ(ReadBytes(path), Hex("01000000") + Zeros(56) + Zeros(60) + Hex("03000000" + k1) + Zeros(48));
}

TEST(PlantaRecords, AnElementNumberedBelowOneIsRefusedAndNothingIsWritten) {
    TempDir dir;
    TInfoProyecto info;
    std::vector<TPlanta> planta(3);
    planta[1].N = 1;
    planta[2].N = 0;
    const std::string path = dir.File("eje.pla");
    try {
        field_writers::WriteFiles writer(path, 0, info);
        writer.Write_Planta(1, planta);
        writer.Write_Planta(2, planta);
        FAIL() << "not refused";
    } catch (const Rechazo& rechazo) {
        EXPECT_STREQ(rechazo.what(),
                     "El elemento 2 de la planta tiene el número 0: en el fichero de planta solo caben elementos "
                     "numerados desde 1.");
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST(AlzadoRecords, RecordsInArrayOrderWhateverTheirNumbers) {
    TempDir dir;
    TInfoProyecto info;
    std::vector<TAlzado> alzado(4);
    alzado[1] = {7, 1, 2, 0.5, 0, 4};
    alzado[2] = {0, 2};
    alzado[3] = {-3, 8, 0, 0, -1, 100};
    const std::string path = dir.File("eje.alz");
    field_writers::WriteFiles writer(path, 2, info);
    for (std::size_t i = 1; i <= 3; ++i) writer.Write_Alzado(i, alzado);
    writer.Commit();
    const std::string expected = Hex("07000000" + k1 + k2 + kHalf + k0 + k4) + Hex("00000000" + k2) + Zeros(32) +
                                 Hex("FDFFFFFF" + k8 + k0 + k0 + kMinus1 + k100);
    EXPECT_EQ(ReadBytes(path), expected);
    EXPECT_EQ(ReadBytes(path).size(), 132u);
}

TEST(FieldFormats, KtwWritesNothingButCounts) {
    TempDir dir;
    TInfoProyecto info;
    std::vector<TPlanta> planta(2);
    planta[1].N = 1;
    planta[1].Longitud = 10;
    std::vector<TAlzado> alzado(2);
    field_writers::WriteFiles writer(dir.File("eje.pla"), 1, info);
    writer.Write_Planta(1, planta);
    writer.Write_Alzado(1, alzado);
    writer.Commit();
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
    EXPECT_EQ(info.Rectas, 1);
    EXPECT_EQ(info.RasantesRectas, 1);
    EXPECT_EQ(info.PkFinalPlanta, 10);
}

}  // namespace
