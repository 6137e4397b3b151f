// Estandar lines read from a file, as a conversion reads them: fields on either side
// of bytes 64 and 128 of a line (where the reading of a line changes its road),
// form feeds, commas and TABs between them, numbers too long for the short road,
// and a field that is not a number refused with its line number.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "design_readers/estandar.h"
#include "field_writers/rechazo.h"
#include "support/files.h"

namespace {

using testing_support::TempDir;
using testing_support::WriteBytes;

std::uint64_t Bits(double v) { return std::bit_cast<std::uint64_t>(v); }

// Pads `head` with `filler` to `width` bytes, then appends `tail`.
std::string At(const std::string& head, std::size_t width, char filler, const std::string& tail) {
    return head + std::string(width - head.size(), filler) + tail;
}

TEST(EstandarFileLines, FieldsAroundTheMaskWordsAndLongNumbers) {
    const struct {
        std::string line;
        std::int32_t N;
        double campos[7];  // PK X Y Acimut Radio Parametro Longitud
    } rows[] = {
        // PK's digits on bytes 60 to 63, its point on 64.
        {At("1", 60, ' ', "1234.567 2 3 4 5 6 7"), 1, {1234.567, 2, 3, 4, 5, 6, 7}},
        // X ends on byte 63, Y starts on 65 after a form feed; the rest after TABs and commas.
        {At("2 10", 57, '\f', "-98.765\f0.5\t3,4,,5\t\t6 7"), 2, {10, -98.765, 0.5, 3, 4, 5, 6}},
        // 127 bytes: Longitud ends on the line's last byte.
        {At("3 1 2 3 4 5 6", 120, ' ', "-12.345"), 3, {1, 2, 3, 4, 5, 6, -12.345}},
        // 128 bytes: the same element, read by the road of long lines.
        {At("3 1 2 3 4 5 6", 121, ' ', "-12.345"), 3, {1, 2, 3, 4, 5, 6, -12.345}},
        // Nine digits before the point, eight after it, a sign, a leading point, many
        // zeros: read as Val reads them. The Parametro stored without its sign.
        {"4 123456789.5 1.12345678 +5 .5 -0000000000001.25 -250.000000000001 2", 4,
         {123456789.5, 1.12345678, 5, 0.5, -1.25, 250.000000000001, 2}},
        // The same numbers past byte 64, and a ninth field that is not a number.
        {At("5", 63, ',', "123456789.5,1.12345678,+5,.5,-0000000000001.25,-250.000000000001,2,fin"), 5,
         {123456789.5, 1.12345678, 5, 0.5, -1.25, 250.000000000001, 2}},
        // A number with an exponent is read whole.
        {"6 0 1000 2000 100 0 0 5E1", 6, {0, 1000, 2000, 100, 0, 0, 50}},
    };
    TempDir dir;
    for (const auto& row : rows) {
        const std::string file = dir.File("planta.txt");
        WriteBytes(file, "\f\f\r\n" + row.line + "\r\n");  // a line of form feeds is an empty line
        std::vector<TPlanta> planta(1);
        design_readers::LeerPlantaEstandar(file, planta);
        ASSERT_EQ(planta.size(), 2u) << row.line;
        const TPlanta& e = planta[1];
        EXPECT_EQ(e.N, row.N) << row.line;
        const double got[] = {e.PK, e.X, e.Y, e.Acimut, e.Radio, e.Parametro, e.Longitud};
        for (int k = 0; k < 7; ++k) EXPECT_EQ(Bits(got[k]), Bits(row.campos[k])) << row.line << " field " << k + 2;
    }

    // An alzado whose fields cross byte 64, without a line end after it.
    const std::string alzadoFile = dir.File("alzado.txt");
    WriteBytes(alzadoFile, At("7\t100.5", 62, '\t', "1000.25,-0.035\f-4500.5 250"));
    std::vector<TAlzado> alzado(1);
    design_readers::LeerAlzadoEstandar(alzadoFile, alzado);
    ASSERT_EQ(alzado.size(), 2u);
    EXPECT_EQ(alzado[1].N, 7);
    EXPECT_EQ(Bits(alzado[1].PK), Bits(100.5));
    EXPECT_EQ(Bits(alzado[1].Z), Bits(1000.25));
    EXPECT_EQ(Bits(alzado[1].Pendiente), Bits(-0.035));
    EXPECT_EQ(Bits(alzado[1].Kv), Bits(-4500.5));
    EXPECT_EQ(Bits(alzado[1].Longitud), Bits(250.0));
}

TEST(EstandarFileLines, AFieldThatIsNotANumberIsRefusedByItsLineNumber) {
    TempDir dir;
    const struct {
        std::string third;  // the third line of the file
        const char* message;
    } cases[] = {
        {At("5 1 2 3 4 5", 70, ' ', "6 X7"),
         "Línea 3: no es un elemento de planta; sus 8 primeros campos deben ser números."},
        {At("5 1 2 3 4 5", 200, '\t', "6 7O"),
         "Línea 3: no es un elemento de planta; sus 8 primeros campos deben ser números."},
        {"5 1 2 3 4 5 6 5-2", "Línea 3: no es un elemento de planta; sus 8 primeros campos deben ser números."},
    };
    for (const auto& c : cases) {
        const std::string file = dir.File("planta.txt");
        WriteBytes(file, "1 0 0 0 0 0 0 10\n \t,\f\n" + c.third + "\n2 10 0 0 0 0 0 10\n");
        std::vector<TPlanta> planta(1);
        try {
            design_readers::LeerPlantaEstandar(file, planta);
            ADD_FAILURE() << c.third;
        } catch (const Rechazo& r) {
            EXPECT_STREQ(r.what(), c.message);
        }
    }
}

}  // namespace
