#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/rich_text.h"
#include "support/files.h"

namespace {

using platform::RtfToText;

struct Case {
    const char* what;
    std::string rtf;
    std::string text;
};

// Expected texts worked out by hand from the control words of each input.
TEST(RichText, PlainTextOfHandWrittenDocuments) {
    const Case cases[] = {
        {"paragraphs, the last one ended too", "{\\rtf1 a\\par b}", "a\r\nb\r\n"},
        {"a closing paragraph mark adds no second line end", "{\\rtf1 a\\par}", "a\r\n"},
        {"cells, empty middle cell, thousands comma kept",
         "{\\rtf1\\trowd\\cellx1\\cellx2\\cellx3\\pard\\intbl 1,234.5\\cell \\cell x\\cell\\row}", "1,234.5\t\tx\r\n"},
        {"an empty last cell keeps its place", "{\\rtf1\\pard\\intbl a\\cell b\\cell \\cell\\row}", "a\tb\t\r\n"},
        {"two paragraphs of one cell stay in the row", "{\\rtf1\\pard\\intbl a\\par b\\cell c\\cell\\row}",
         "a b\tc\r\n"},
        {"hexadecimal bytes are Windows-1252", "{\\rtf1 Estaci\\'f3n \\'80\\par}", "Estaci\xF3n \x80\r\n"},
        {"unicode with one and with no fallback character",
         "{\\rtf1\\uc1 \\u243?n\\u8364\\'80 \\uc0\\u241 x}", "\xF3n\x80 \xF1x\r\n"},
        {"unicode outside the code page, negative form", "{\\rtf1\\u-3913?}", "?\r\n"},
        {"two fallback characters", "{\\rtf1\\uc2\\u8211\\'96\\'96-}", "\x96-\r\n"},
        {"destinations leave nothing",
         "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0\\green0\\blue0;}{\\stylesheet{\\s0 Normal;}}"
         "{\\info{\\title T}}{\\*\\generator W;}{\\*\\unknown z}{\\pict\\pngblip 89504e47}x}",
         "x\r\n"},
        {"binary data may hold braces", "{\\rtf1 a{\\pict\\bin3 }{}}b}", "ab\r\n"},
        {"escaped characters and named symbols",
         "{\\rtf1 \\\\\\{\\}\\~\\_\\-\\tab\\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\bullet}",
         "\\{}\xA0-\t\x97\x96\x91\x92\x93\x94\x95\r\n"},
        {"line ends of the source are not text; a backslash before one is",
         "{\\rtf1 a\r\nb\\\nc\\line d}", "ab\r\nc\r\nd\r\n"},
        {"nested rows end their own lines",
         "{\\rtf1\\pard\\intbl a\\cell\\pard\\intbl\\itap2 n1\\nestcell n2\\nestcell"
         "{\\*\\nesttableprops\\trowd\\cellx1\\nestrow}{\\nonesttables\\par}\\pard\\intbl\\itap1 b\\cell\\row}",
         "a\tn1\tn2\r\nb\r\n"},
        {"text after the document's closing brace", "{\\rtf1 a}}}b", "a\r\n"},
        {"unbalanced open braces", "{\\rtf1 a{b{{c", "abc\r\n"},
        {"cut inside a hexadecimal byte", "{\\rtf1 a\\'f", "a\r\n"},
        {"cut after a backslash", "{\\rtf1 a\\", "a\r\n"},
        {"binary count past the end", "{\\rtf1 a\\bin99999999999 xyz", "a\r\n"},
        {"control bytes of a blob are dropped", std::string("{\\rtf1 a\0\x01\x1f\xe9}", 13), "a\xE9\r\n"},
        {"nothing at all", "", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(RtfToText(c.rtf), c.text) << c.what;
}

TEST(RichText, DeepNestingCostsNoMemoryAndEnds) {
    std::string rtf = "{\\rtf1 a";
    rtf.append(200000, '{');
    rtf += "b";
    rtf.append(200000, '}');
    rtf += "c}d";
    EXPECT_EQ(RtfToText(rtf), "abc\r\n");
}

TEST(RichText, LoadingRefusesWhatIsNotAnRtfFile) {
    testing_support::TempDir dir;
    const std::string rtf = dir.File("listado.rtf");
    const std::string text = dir.File("listado.txt");
    testing_support::WriteBytes(rtf, "\r\n{\\rtf1 P.K.\\tab 1,000.00\\par}");
    testing_support::WriteBytes(text, "P.K. 1000\r\n");
    EXPECT_EQ(platform::LoadRtfText(rtf), std::optional<std::string>("P.K.\t1,000.00\r\n"));
    EXPECT_FALSE(platform::LoadRtfText(text));
    EXPECT_FALSE(platform::LoadRtfText(dir.File("no_existe.rtf")));
}

// Files written by five programs; the rows below were read off each file by hand.
TEST(RichText, RealFilesOfFiveWriters) {
    const std::string folder = std::string(TARSEL_REALDATA) + "/rtf/";
    if (!std::filesystem::exists(folder)) GTEST_SKIP() << "no real files in " << folder;
    struct Expected {
        const char* file;
        std::string lines;
    };
    const Expected expected[] = {
        {"striprtf_simple_table.rtf", "\r\nfoo\tbar\r\n1\t1\r\n"},
        {"striprtf_pages_table_sample.rtf",
         "Hier steht normaler Text, dann kommt eine Tabelle.\r\n\r\nTabelle ist:\r\n"
         "Header A\tHeader B\tHeader C\r\nA1\tB1\tC1\r\nA2\tB2\tC2\r\nA3\tB3\tC3\r\n"},
        {"striprtf_pages_table_sample.rtf", "\r\nHier steht wieder normaler Text.\r\n"},
        {"striprtf_calcium_score.rtf", "Calcium-Score\r\nCoronararterie\tCalcium-Score\r\nRCA\t"},
        {"striprtf_nested_table.rtf", "\r\nCoronararterie\tCalcium-Score\r\nRCA\t0 \r\n"},
        {"striprtf_nested_table.rtf", "\r\nBiologisches Alter:\t42 \r\n"},
        {"striprtf_nested_table.rtf", "\r\ngesch\xE4tztes Coronar-Alter:\t40-44 \r\n"},
        {"striprtf_Speiseplan_KW_32-33_Eybl.rtf", "\r\n12.08.\x96" "16.08.2019\r\n"},
        {"striprtf_Speiseplan_KW_32-33_Eybl.rtf",
         "\r\nMontag: Suppe:\tM 1\t Gem\xFCserostbraten mit Semmelkn\xF6" "del und Salat       A,C,G,L,\r\n"},
    };
    for (const Expected& e : expected) {
        const auto text = platform::LoadRtfText(folder + e.file);
        ASSERT_TRUE(text) << e.file;
        EXPECT_NE(text->find(e.lines), std::string::npos) << e.file << ": " << e.lines;
        EXPECT_TRUE(text->size() >= 2 && text->substr(text->size() - 2) == "\r\n") << e.file;
    }
}

}  // namespace
