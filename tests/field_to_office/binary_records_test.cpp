// Decoding the binary field records field by field, and the record reader's
// discipline: complete records only, a trailing part ignored.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "common/errors.h"
#include "common/record_input.h"
#include "field_to_office/binary_bytes.h"
#include "field_to_office/tarsel_binary_records.h"
#include "support/files.h"

namespace {

using namespace binary_test;
using testing_support::TempDir;
using testing_support::WriteBytes;

TEST(TarselBinaryRecords, ObservationFieldsAtTheirOffsets) {
    Observation o;
    o.estacion = Text("EST", ' ');
    o.punto = Text("P12");
    o.hz = 3.14159265359;  // pi with 11 decimals: exactly 200 gon
    o.v = std::numbers::pi / 2;
    o.dist = 25;
    o.ai = 1.5;
    o.ap = 1.25;
    o.constante = -30;
    o.ppm = 70000;
    o.codigos[4] = Text("QUINTO");
    o.z = 101.5;
    const std::string bytes = o.Bytes();
    ASSERT_EQ(bytes.size(), kDatoCampoBINBytes);
    // Spot checks of the layout itself: the prism constant at 84, code 5 at 132.
    EXPECT_EQ(bytes.substr(84, 4), std::string("\xE2\xFF\xFF\xFF", 4));
    EXPECT_EQ(bytes.substr(132, 6), "QUINTO");

    TDatoCampoBIN d;
    DecodeDatoCampoBIN(reinterpret_cast<const unsigned char*>(bytes.data()), d);
    EXPECT_EQ(d.Estacion, "EST       ");
    EXPECT_EQ(d.Punto, std::string("P12\0\0\0\0\0\0\0", 10));
    EXPECT_EQ(d.XEstacion, 1000);
    EXPECT_EQ(d.YEstacion, 2000);
    EXPECT_EQ(d.ZEstacion, 100);
    EXPECT_DOUBLE_EQ(d.Hz, 200);
    EXPECT_NEAR(d.V, 100, 1e-9);
    EXPECT_EQ(d.DistGeometrica, 25);
    EXPECT_EQ(d.AlturaInstrumento, 1.5);
    EXPECT_EQ(d.AlturaPrisma, 1.25);
    EXPECT_EQ(d.ConstantePrisma, -30);
    EXPECT_EQ(d.Ppm, 70000);
    EXPECT_EQ(d.Codigo1, Text("C1"));
    EXPECT_EQ(d.Codigo5, Text("QUINTO"));
    EXPECT_EQ(d.Z, 101.5);
    // Not on disk, and not worked out here: the user filter does that from its rounded values.
    EXPECT_EQ(d.DistHorizontal, 0);
    EXPECT_EQ(d.Desnivel, 0);
}

TEST(TarselBinaryRecords, GonFromTheElevenDecimalPi) {
    // The full-precision pi reads as a hair less than 200 gon: 200 x pi / 3.14159265359.
    EXPECT_NEAR(200 - RadianesAGrados(std::numbers::pi), 1.3e-11, 0.1e-11);
}

TEST(TarselBinaryRecords, AnalysisAndPointFields) {
    const std::string lib = Analysis(Text("A1", ' '), 1.25, -2, 10, 20, 30, Text("COD"));
    ASSERT_EQ(lib.size(), kDatoAnalisisBINBytes);
    TDatoAnalisisBIN a;
    DecodeDatoAnalisisBIN(reinterpret_cast<const unsigned char*>(lib.data()), a);
    EXPECT_EQ(a.Nombre, "A1        ");
    EXPECT_EQ(a.Valor1, 1.25);
    EXPECT_EQ(a.Valor2, -2);
    EXPECT_EQ(a.X, 10);
    EXPECT_EQ(a.Y, 20);
    EXPECT_EQ(a.Z, 30);
    EXPECT_EQ(a.Codigo, Text("COD"));

    const std::string pto = Point(Text("B7"), -1.5, 2.5, 1e6);
    ASSERT_EQ(pto.size(), kPuntoBaseBytes);
    TPuntoBase p;
    DecodePuntoBase(reinterpret_cast<const unsigned char*>(pto.data()), p);
    EXPECT_EQ(p.Nombre, Text("B7"));
    EXPECT_EQ(p.X, -1.5);
    EXPECT_EQ(p.Y, 2.5);
    EXPECT_EQ(p.Z, 1e6);
}

TEST(TarselBinaryRecords, AddSpacesTurnsNulsIntoBlanksOnly) {
    struct Case {
        std::string in, out;
    };
    for (const Case& c : {Case{Text("P12"), "P12       "}, Case{Text("P12", ' '), "P12       "},
                          Case{std::string("P\0 2\0    ", 10), "P  2      "}, Case{Text(""), "          "}}) {
        std::string s = c.in;
        AddSpacesToString(s);
        EXPECT_EQ(s, c.out);
    }
}

TEST(RecordInput, CompleteRecordsOnly) {
    struct Case {
        std::size_t fileBytes, recordBytes, records;
    };
    TempDir dir;
    for (const Case& c : {Case{0, 166, 0}, Case{165, 166, 0}, Case{166, 166, 1}, Case{332, 166, 2},
                          Case{400, 166, 2}, Case{119, 60, 1}, Case{34 * 20000 + 33, 34, 20000}}) {
        std::string bytes(c.fileBytes, '\0');
        for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i / c.recordBytes + 1);
        const std::string file = dir.File("f" + std::to_string(c.fileBytes));
        WriteBytes(file, bytes);
        RecordInput input(file, c.recordBytes);
        std::size_t count = 0;
        while (const unsigned char* record = input.Next()) {
            ++count;
            // Each record starts and ends with its own number: none is cut or shifted.
            EXPECT_EQ(record[0], static_cast<unsigned char>(count));
            EXPECT_EQ(record[c.recordBytes - 1], static_cast<unsigned char>(count));
        }
        EXPECT_EQ(count, c.records) << c.fileBytes << " bytes";
    }
    EXPECT_THROW(RecordInput(dir.File("missing"), 34), ConversionError);
}

}  // namespace
