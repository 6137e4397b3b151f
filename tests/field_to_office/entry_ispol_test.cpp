// The ISPOL field book: the base rules, and whole books written from KTW files,
// expected lines laid out by hand from the column layout.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/errors.h"
#include "field_to_office/entry_ispol.h"
#include "support/files.h"

namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

// A body line padded with blanks to 49 characters, and a line written as it is.
std::string Body(const std::string& text) { return text + std::string(49 - text.size(), ' ') + "\r\n"; }
std::string Raw(const std::string& text) { return text + "\r\n"; }

std::string Header(const std::string& when) {
    return "# ------------------------------\r\n"
           "# -ISPOL-   Libreta Topografica\r\n"
           "# -Ispol " + when + "\r\n"
           "# ------------------------------\r\n"
           "C0; ISPOL\r\nC1; OBRA\r\nC2; TRABAJO\r\nC3; TRAZADO\r\nE; 1\r\n"
           "#L BASE  L.AZIM / X  L.VERT / Y  DIST. / Z COD. OBS.\r\n"
           "#= ===== ========== =========== ========== ==== ====\r\n";
}

TEST(IspolBaseRule, PrefixAndThreshold) {
    struct Case {
        bool numerico;
        const char* valor;
        const char* nombre;  // as stored: 16 characters
        bool base;
    };
    const Case cases[] = {
        {false, "BR", "BR5             ", true},
        {false, "BR", "br5             ", true},   // either letter case
        {false, "br", "BR5             ", true},
        {false, "BR", "XY              ", false},
        {false, "BR", "B               ", false},
        {false, "BR", " BR5            ", false},  // the name's own first characters
        {false, "", "XY              ", true},     // an empty prefix: every name
        {false, "ÑA", "ñA1             ", true},
        {true, "30000", "30001           ", true},
        {true, "30000", "30000           ", false},  // not greater
        {true, "30000", "30001A          ", false},  // not a number
        {true, "30000", "30000,5         ", false},  // read up to the comma: 30000
        {true, "30000", "30000.5         ", true},
        {true, "30000,5", "30000.1         ", true},  // the threshold too stops at the comma
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EntryISPOL::BaseRule(c.numerico, c.valor).EsObservacion(c.nombre), c.base)
            << c.valor << " / " << c.nombre;
    }
    // A threshold beyond every double: no name is greater.
    EXPECT_FALSE(EntryISPOL::BaseRule(true, std::string(400, '9')).EsObservacion("9999999999999999"));
}

TEST(IspolPadTo49, PadsShortTextsOnly) {
    EXPECT_EQ(EntryISPOL::PadTo49(""), std::string(49, ' '));
    EXPECT_EQ(EntryISPOL::PadTo49("M"), "M" + std::string(48, ' '));
    EXPECT_EQ(EntryISPOL::PadTo49("Ñ"), "Ñ" + std::string(48, ' '));  // counted in characters
    EXPECT_EQ(EntryISPOL::PadTo49(std::string(51, 'x')), std::string(51, 'x'));
}

class IspolBook : public ::testing::Test {
protected:
    std::string Convert(const std::string& ktw, bool numerico, const std::string& valor) {
        WriteBytes(dir.File("obs.ktw"), ktw);
        EntryISPOL::IspolRequest request;
        request.entrada = dir.File("obs.ktw");
        request.salida = dir.File("libreta.txt");
        request.identBasesNumerico = numerico;
        request.identBasesValor = valor;
        request.fecha = "31/01/2027";
        request.hora = "8:05:09";
        EntryISPOL::WriteFieldBook(request);
        return ReadBytes(dir.File("libreta.txt"));
    }

    TempDir dir;
};

// Prefix "BR": stations, heights, readings to bases and points, base codes in
// either case, remarks (one with a Windows-1252 letter), skipped lines, long names.
TEST_F(IspolBook, BasesByPrefix) {
    const std::string ktw =
        // Station E1 with heights: "B" and "H".
        "11....+000000E1 84...0+01000000 85...0+02000000 86...0+00100000 88...0+00001550 87...0+00001800 \r\n"
        // The station's heights do not count: the same heights write "H" again.
        "11....+00000BR1 21...2+10000000 22...2+10000000 31...0+00050000 88...0+00001550 87...0+00001800 \r\n"
        "11....+00000br2 21...2+20000000 22...2+09950000 31...0+00012345 \r\n"
        // A new reflector height: one "M" line before the first of two readings.
        "11....+000000P7 21...2+05000000 22...2+10000000 31...0+00020000 87...0+00002000 \r\n"
        "11....+000000P8 21...2+05000000 22...2+10000000 31...0+00020000 87...0+00002000 \r\n"
        // A remark drops the reading and the heights of its line.
        "11....+000000P9 21...2+05000000 41....+0000MURO 88...0+00001700 \r\n"
        "41....+0000MU\xD1O \r\n"
        "41....+00000BR5 \r\n"
        "41....+00000br5 \r\n"
        "11....+00000BR1 21...2+30000000 22...2+10000000 31...0+00050000 \r\n"
        "\r\n"
        " 11....+00000BR1 21...2+30000000 \r\n"
        // A station line with a reading writes only its station lines.
        "11....+000000E2 84...0+01000000 85...0+02050000 86...0+00100500 88...0+00001550 21...2+10000000 \n"
        // Same instrument height as the last outside a block; a new reflector height.
        "11....+00000BR1 21...2+00000000 22...2+10000000 31...0+00050000 88...0+00001550 87...0+00001800 \r\n"
        "*11....+00BR123456789012 21...2+0000000000000000 22...2+0000000010000000 31...0+0000000000050000 \r\n";
    const std::string expected =
        Header("31/01/2027 8:05:09") +
        Body("B     E1 1000.00000  2000.00000   100.0000") +
        Body("H            1.5500      1.8000") +
        Body("H            1.5500      1.8000") +
        Body("O    BR1  100.00000   100.00000    50.0000") +
        Body("D    br2  200.00000    99.50000    12.3450") +
        Body("M            2.0000") +
        Body("      P7   50.00000   100.00000    20.0000") +
        Body("      P8   50.00000   100.00000    20.0000") +
        Raw("L              MURO                        MURO            ") +
        Raw("L              MU\xD1O                        MU\xD1O            ") +
        Body("B    BR5    0.00000     0.00000     0.0000") +
        Body("B    br5    0.00000     0.00000     0.0000") +
        Body("O    BR1  300.00000   100.00000    50.0000") +
        Body("B     E2 1000.00000  2050.00000   100.5000") +
        Body("H            1.5500      0.0000") +
        Body("M            1.8000") +
        Body("O    BR1    0.00000   100.00000    50.0000") +
        Raw("D  BR123456789012    0.00000   100.00000    50.0000");
    EXPECT_EQ(Convert(ktw, false, "BR"), expected);
}

// Threshold 30000: only names that are numbers above it are bases; a station and a
// base code each start the "O" / "D" sequence again.
TEST_F(IspolBook, BasesByThreshold) {
    const std::string ktw =
        "11....+00030000 84...0+00000000 85...0+00000000 86...0+00000000 \r\n"
        "11....+00030001 21...2+10000000 22...2+10000000 31...0+00010000 \r\n"
        "11....+00030000 21...2+10000000 22...2+10000000 31...0+00010000 \r\n"
        "11....+0030001A 21...2+10000000 22...2+10000000 31...0+00010000 \r\n"
        "11....+030000,5 21...2+10000000 22...2+10000000 31...0+00010000 \r\n"
        "11....+00030002 21...2+10000000 22...2+10000000 31...0+00010000 \r\n"
        "41....+00030005 \r\n"
        "11....+00030001 21...2-10000000 22...2+10000000 31...0+00010000 \r\n"
        "41....+00000BR5 \r\n"
        "*11....+0000P12345678901 21...2+0000000010000000 22...2+0000000010000000 31...0+0000000000010000 \r\n";
    const std::string expected =
        Header("31/01/2027 8:05:09") +
        Body("B  30000    0.00000     0.00000     0.0000") +
        Body("O  30001  100.00000   100.00000    10.0000") +
        Body("   30000  100.00000   100.00000    10.0000") +
        Body("  30001A  100.00000   100.00000    10.0000") +
        Body(" 30000,5  100.00000   100.00000    10.0000") +
        Body("D  30002  100.00000   100.00000    10.0000") +
        Body("B  30005    0.00000     0.00000     0.0000") +
        Body("O  30001 -100.00000   100.00000    10.0000") +
        Raw("L               BR5                        BR5             ") +
        Body("P12345678901  100.00000   100.00000    10.0000");
    EXPECT_EQ(Convert(ktw, true, "30000"), expected);
}

TEST_F(IspolBook, EmptyInputGivesTheHeaderAlone) {
    EXPECT_EQ(Convert("", false, "BR"), Header("31/01/2027 8:05:09"));
}

// An input that cannot be read, and one that holds bytes but no KTW line: refused,
// and the old book stays as it was.
TEST_F(IspolBook, RefusedInputKeepsTheOldBook) {
    WriteBytes(dir.File("libreta.txt"), "anterior");
    EXPECT_THROW(Convert("\x89PNG\r\n\x1A\n 11....+00000BR1 \r\n99....+00000000 \r\n", false, "BR"),
                 ConversionError);
    EXPECT_EQ(ReadBytes(dir.File("libreta.txt")), "anterior");
    EntryISPOL::IspolRequest request;
    request.entrada = dir.File("missing.ktw");
    request.salida = dir.File("libreta.txt");
    EXPECT_THROW(EntryISPOL::WriteFieldBook(request), ConversionError);
    EXPECT_EQ(ReadBytes(dir.File("libreta.txt")), "anterior");
}

}  // namespace
