#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/errors.h"
#include "design_readers/clip_text.h"
#include "support/files.h"

namespace {

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    bool fin = false;
    for (;;) {
        const std::string_view line = EntryClipWindows::Lee_Linea_Texto(text, pos, fin);
        if (fin) break;
        lines.emplace_back(line);
    }
    return lines;
}

using LinesOf = std::vector<std::string>;

TEST(ClipText, LinesOfAListingsText) {
    EXPECT_EQ(Lines("a\tb\r\nc\r\n"), (LinesOf{"a\tb", "c"}));
    EXPECT_EQ(Lines("a\r\n\r\nlast row"), (LinesOf{"a", "", "last row"}));  // no line end after the last
    EXPECT_EQ(Lines("a\r\nlast row\r"), (LinesOf{"a", "last row"}));        // a final lone CR
    EXPECT_EQ(Lines("a\nb\rc"), (LinesOf{"a", "b", "c"}));
    EXPECT_EQ(Lines(""), LinesOf{});
}

TEST(ClipText, RowsCutAtTabsKeepEmptyCells) {
    struct Case {
        std::string row;
        std::vector<std::string> fields;
    };
    const Case cases[] = {
        // Eleven cells, the last one empty: still eleven fields.
        {"\r\n0+020\t1,234.5\t\t3\t4\t5\t6\t7\t8\t9\t", {"0+020", "1,234.5", "", "3", "4", "5", "6", "7", "8", "9", ""}},
        {"\t  infinito", {"", "  infinito"}},
        {"Estaci\xF3n", {"Estaci\xF3n"}},
        {"\r\n", {}},
        {"", {}},
    };
    for (const Case& c : cases) {
        TFields campos;
        std::int32_t n = -1;
        EntryClipWindows::Separa_Texto_RTF(c.row, n, campos);
        ASSERT_EQ(n, static_cast<std::int32_t>(c.fields.size())) << c.row;
        for (std::size_t k = 0; k < c.fields.size(); ++k) EXPECT_EQ(campos[k + 1].Texto, c.fields[k]) << c.row;
    }
}

TEST(ClipText, FirstLineThatHoldsText) {
    testing_support::TempDir dir;
    const std::string file = dir.File("eje.alz");
    testing_support::WriteBytes(file, "\r\n  \t\f\r\n*ALZ\r\n0.000,100.000C,0.000R\r\n");
    EXPECT_EQ(EntryClipWindows::PrimeraLinea(file), "*ALZ");
    testing_support::WriteBytes(file, "\r\n \r\n");
    EXPECT_EQ(EntryClipWindows::PrimeraLinea(file), "");
    EXPECT_THROW(EntryClipWindows::PrimeraLinea(dir.File("no_existe.alz")), ConversionError);
}

}  // namespace
