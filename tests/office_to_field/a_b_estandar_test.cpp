// Text lists to .PTO/.BAS and .SEC records. The expected bytes are written by hand
// from the layouts: a 10-byte blank-padded name or a 32-bit integer, then IEEE 754
// doubles least significant byte first (100.5 is 0x4059200000000000, and so on).

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>

#include "common/errors.h"
#include "common/numbers.h"
#include "office_to_field/a_b_estandar.h"
#include "field_writers/tunelix_header.h"
#include "support/files.h"

using office_to_field::PuntosBasesToRecords;
using office_to_field::SeccionesToRecords;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {

std::string LE(std::uint64_t bits, int bytes = 8) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>(bits >> (8 * i) & 0xFF));
    return out;
}

std::string Name(const std::string& name) { return name + std::string(10 - name.size(), ' '); }

// Doubles by their bit patterns.
constexpr std::uint64_t k0 = 0, k1 = 0x3FF0000000000000, k2 = 0x4000000000000000, k3 = 0x4008000000000000,
                        k3_5 = 0x400C000000000000, k5 = 0x4014000000000000, k7 = 0x401C000000000000,
                        k7_25 = 0x401D000000000000, k8 = 0x4020000000000000, k10 = 0x4024000000000000,
                        k20 = 0x4034000000000000, k30 = 0x403E000000000000, k100_5 = 0x4059200000000000,
                        k200_25 = 0x4069080000000000, kMinus2 = 0xC000000000000000;

std::string Punto(const std::string& name, std::uint64_t x, std::uint64_t y, std::uint64_t z) {
    return Name(name) + LE(x) + LE(y) + LE(z);
}

std::string Seccion(std::int32_t n, std::uint64_t a, std::uint64_t b) {
    return LE(static_cast<std::uint32_t>(n), 4) + LE(a) + LE(b);
}

class ABEstandar : public ::testing::Test {
protected:
    std::string Points(const std::string& text, bool drop = false) {
        WriteBytes(in, text);
        PuntosBasesToRecords(in, out, drop);
        return ReadBytes(out);
    }
    std::string Sections(const std::string& text, bool drop = false) {
        WriteBytes(in, text);
        SeccionesToRecords(in, out, drop);
        return ReadBytes(out);
    }
    TempDir dir;
    std::string in = dir.File("lista.txt");
    std::string out = dir.File("SALIDA.PTO");
};

TEST_F(ABEstandar, PointLinesAndWhatTheyCarry) {
    // Blank, comma and TAB separate; a short line keeps the previous values; a
    // trailing comma adds nothing; a long name is cut to ten; empty lines and
    // lines of blanks and TABs write nothing.
    const std::string text =
        "P1 100.5 200.25 30.0\r\n"
        "Q 1 2 7\n"
        "P1,100.5,200.25\r\n"
        "\r\n"
        "P2 10 20 5\n"
        " \t \r\n"
        "P3\t10 5\n"
        "P4,10,20,5,\n"
        "  ABCDEFGHIJKL 1 2 3 99";
    const std::string want = Punto("P1", k100_5, k200_25, k30) + Punto("Q", k1, k2, k7) +
                             Punto("P1", k100_5, k200_25, k7) + Punto("P2", k10, k20, k5) +
                             Punto("P3", k10, k5, k5) + Punto("P4", k10, k20, k5) +
                             Punto("ABCDEFGHIJ", k1, k2, k3);
    EXPECT_EQ(Points(text), want);
}

TEST_F(ABEstandar, EachConversionStartsFromAClearedRecord) {
    Points("P9 1 2 3\n");
    EXPECT_EQ(Points("Q 5\n"), Punto("Q", k5, k0, k0));
    // A text gives 0; an exponent is read; a comma separates, also inside a number.
    EXPECT_EQ(Points("R x -2e0 5\n"), Punto("R", k0, kMinus2, k5));
    EXPECT_EQ(Points("S 1,5 x\n"), Punto("S", k1, k5, k0));
}

// The converter reads plain decimals as it walks the line and hands any other field
// to Num::Val: each coordinate must be the double Val gives for its field, on a
// short line (up to 63 bytes, read through masks of its bytes) as on a long one.
TEST_F(ABEstandar, CoordinatesAreValOfTheirFields) {
    const char* fields[] = {"450123.100", "-0.000",  "9007199254740993", "12345678901234567890.5", "5.", ".5",
                            "+5",         "-.25",    "1.5e3",            "12abc",                  "1.2.3", "-",
                            "0.0000000000000000000000123", "33479434.7456", "-158.7298999999999", "007",
                            "12345678.1234567", "1.12345678", "123456789.5", "-4100123.789"};
    for (const std::size_t padding : {0, 64}) {
        std::string text;
        std::string want;
        for (const char* f : fields) {
            text += std::string("P ") + f + "\t" + f + "," + f + std::string(padding, ' ') + "\r\n";
            const auto bits = std::bit_cast<std::uint64_t>(Num::Val(f));
            want += Punto("P", bits, bits, bits);
        }
        EXPECT_EQ(Points(text), want) << padding;
    }
}

TEST_F(ABEstandar, ClipListsDropTheirFirstLine) {
    EXPECT_EQ(Points("P1 1 2 3\nP2 10 20 30.0\n", true), Punto("P2", k10, k20, k30));
    // A list of nothing but its title has no record.
    WriteBytes(in, "P1 1 2 3\n");
    EXPECT_THROW(PuntosBasesToRecords(in, out, true), ConversionError);
}

TEST_F(ABEstandar, SectionLines) {
    // The whole number rounds halves to the even neighbour; the fourth field is ignored.
    const std::string text = "12 3.5 7.25\n12 3.5 8\n\n12.5,1,2 99\n13.5\n-2147483648 0 0\n";
    const std::string want = Seccion(12, k3_5, k7_25) + Seccion(12, k3_5, k8) + Seccion(12, k1, k2) +
                             Seccion(14, k1, k2) + Seccion(-2147483647 - 1, k0, k0);
    EXPECT_EQ(Sections(text), want);
}

TEST_F(ABEstandar, RefusedInputsKeepTheOldOutput) {
    const struct {
        bool sections;
        std::string text;
        std::string message;
    } cases[] = {
        {false, "", "El fichero no contiene ningún registro que transformar."},
        {false, "\r\n  \r\n,,\r\n", "El fichero no contiene ningún registro que transformar."},
        {false, "P1 1 2 3\nP2 1e400 0 0\n", "Línea 2: el valor 1e400 es demasiado grande."},
        {true, "1 2 3\nabc 1 2\n", "Línea 2: el número de sección abc no es un número."},
        {true, "\n2147483648 1 2\n", "Línea 2: el número de sección 2147483648 no cabe en un entero de 32 bits."},
        {true, "1 2 -1e999\n", "Línea 1: el valor -1e999 es demasiado grande."},
    };
    for (const auto& c : cases) {
        WriteBytes(out, "anterior");
        WriteBytes(in, c.text);
        try {
            if (c.sections) {
                SeccionesToRecords(in, out, false);
            } else {
                PuntosBasesToRecords(in, out, false);
            }
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.what(), c.message) << c.text;
        }
        EXPECT_EQ(ReadBytes(out), "anterior") << c.text;
    }
}

// Past 32,767 records the count goes on: every record is written, in order.
TEST_F(ABEstandar, FortyThousandPoints) {
    std::string text;
    for (int i = 1; i <= 40000; ++i) text += "P" + std::to_string(i) + " " + std::to_string(i) + " 2 3\r\n";
    WriteBytes(in, text);
    EXPECT_EQ(PuntosBasesToRecords(in, out, false), 40000);
    const std::string bytes = ReadBytes(out);
    ASSERT_EQ(bytes.size(), 40000u * 34u);
    // 32768 = 2^15: exponent 1023 + 15 = 0x40E, no fraction bits.
    EXPECT_EQ(bytes.substr(32767 * 34, 34), Punto("P32768", 0x40E0000000000000, k2, k3));
    // 40000 = 1.220703125 x 2^15: fraction 0x3880000000000 (0.220703125 = 113/512).
    EXPECT_EQ(bytes.substr(39999 * 34, 34), Punto("P40000", 0x40E3880000000000, k2, k3));
}

TEST(TunelixHeader, NameAndKindWords) {
    using field_writers::TunelixHeader;
    EXPECT_EQ(TunelixHeader("/datos/eje.ktw", true), "*41....+0000000000000EJE 42....+0000000SITUATION ");
    EXPECT_EQ(TunelixHeader("/datos/eje.ktw", false), "*41....+0000000000000EJE 42....+00000000LONGPROF ");
    // A name of digits stays a text; a long one keeps its first sixteen characters.
    EXPECT_EQ(TunelixHeader("123.KTW", true), "*41....+0000000000000123 42....+0000000SITUATION ");
    EXPECT_EQ(TunelixHeader("/d/abcdefghijklmnopqrs.ktw", true), "*41....+ABCDEFGHIJKLMNOP 42....+0000000SITUATION ");
    // The file's bytes are Windows-1252: "Ñ" is one byte, 0xD1.
    EXPECT_EQ(TunelixHeader("/d/año.ktw", true), "*41....+0000000000000A\xD1O 42....+0000000SITUATION ");
}

}  // namespace
