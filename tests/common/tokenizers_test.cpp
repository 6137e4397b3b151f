#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/numeric_checks.h"
#include "common/splitters.h"

namespace {

struct Piece {
    std::string texto;
    std::int32_t inicio;
    std::int32_t fin;
};

void ExpectPieces(const TFields& campos, std::int32_t n, const std::vector<Piece>& expected,
                  const std::string& what) {
    SCOPED_TRACE(what);
    ASSERT_EQ(n, static_cast<std::int32_t>(expected.size()));
    ASSERT_EQ(campos.size(), expected.size() + 1);
    EXPECT_EQ(campos[0].Texto, "");
    for (std::size_t k = 0; k < expected.size(); ++k) {
        EXPECT_EQ(campos[k + 1].Texto, expected[k].texto) << "piece " << k + 1;
        EXPECT_EQ(campos[k + 1].Inicio, expected[k].inicio) << "piece " << k + 1;
        EXPECT_EQ(campos[k + 1].Fin, expected[k].fin) << "piece " << k + 1;
    }
}

struct LineCase {
    std::string line;
    std::vector<Piece> pieces;
};

TEST(SepararCamposBlanco, ColumnsAndEndColumn254) {
    const std::string blanks249(249, ' ');
    const std::vector<LineCase> cases = {
        {"AB CD", {{"AB", 1, 2}, {"CD", 4, 254}}},
        {"  AB  ", {{"AB", 3, 4}, {"", 7, 254}}},
        {"", {{"", 1, 254}}},
        {"   ", {{"", 4, 254}}},
        {"A\tB C", {{"A\tB", 1, 3}, {"C", 5, 254}}},
        {"X   Y", {{"X", 1, 1}, {"Y", 5, 254}}},
        {"\xC3\x81" "B CD", {{"\xC3\x81" "B", 1, 2}, {"CD", 4, 254}}},
        // A piece that reaches column 255 is cut after 254 and the split ends.
        {blanks249 + "ABCDEFGHIJ K", {{"ABCDE", 250, 254}}},
        // A piece ending at 254 ends the split; column 255 on is never looked at.
        {"A" + std::string(249, ' ') + "WXYZ Q", {{"A", 1, 1}, {"WXYZ", 251, 254}}},
        // Blank at 254, a piece from 255: an empty piece at 255.
        {"A" + std::string(253, ' ') + "ZZ", {{"A", 1, 1}, {"", 255, 254}}},
        // Blanks at 254 and 255 of a longer line: the split ends, it does not run away.
        {"A" + std::string(254, ' ') + "Z" + std::string(50, 'q'), {{"A", 1, 1}, {"", 255, 254}}},
    };
    for (const auto& c : cases) {
        TFields campos(7, TField{"old", 9, 9});
        std::int32_t n = -1;
        GM::Separar_Campos_Blanco(c.line, n, campos);
        ExpectPieces(campos, n, c.pieces, "[" + c.line.substr(0, 20) + "]");

        TFields viaWindow;
        std::int32_t n2 = -1;
        ab_form_services::LeeTira(c.line, n2, viaWindow);
        ExpectPieces(viaWindow, n2, c.pieces, "LeeTira [" + c.line.substr(0, 20) + "]");
    }
}

TEST(SepararCampos, OneCharacterSeparatorAndEndColumn799) {
    struct SepCase {
        std::string line;
        std::string sep;
        std::vector<Piece> pieces;
    };
    const std::vector<SepCase> cases = {
        {"1,,2", ",", {{"1", 1, 1}, {"2", 4, 799}}},
        {"a,b,", ",", {{"a", 1, 1}, {"b", 3, 3}, {"", 5, 799}}},
        {",a", ",", {{"a", 2, 799}}},
        {"", ",", {{"", 1, 799}}},
        {"a;b\r\n", ";", {{"a", 1, 1}, {"b\r\n", 3, 799}}},
        {"a b", ",", {{"a b", 1, 799}}},
        // A separator of two characters, or none, never matches.
        {"a,,b", ",,", {{"a,,b", 1, 799}}},
        {"a,b", "", {{"a,b", 1, 799}}},
        // Separators at 799 and 800 of a longer line: the split ends.
        {"A" + std::string(799, ',') + "B", ",", {{"A", 1, 1}, {"", 800, 799}}},
        {std::string(798, 'x') + "yz,w", ",", {{std::string(798, 'x') + "y", 1, 799}}},
    };
    for (const auto& c : cases) {
        TFields campos;
        std::int32_t n = -1;
        GM::Separar_Campos(c.line, c.sep, n, campos);
        ExpectPieces(campos, n, c.pieces, "[" + c.line.substr(0, 20) + "] sep [" + c.sep + "]");
    }
}

TEST(LeeTiraCartomap, RunsOfNonBlankNonTab) {
    const std::vector<LineCase> cases = {
        {"AB\tCD", {{"AB", 1, 2}, {"CD", 4, 5}}},
        {"", {}},
        {"  ", {}},
        {" \tX  Y\t", {{"X", 3, 3}, {"Y", 6, 6}}},
        {"12.5 -3", {{"12.5", 1, 4}, {"-3", 6, 7}}},
    };
    for (const auto& c : cases) {
        TFields campos(3);
        std::int32_t n = -1;
        ab_form_services::LeeTira_Cartomap(c.line, n, campos);
        ExpectPieces(campos, n, c.pieces, "[" + c.line + "]");
    }
}

TEST(SplitString, PiecesEndAtTheirSeparator) {
    struct SplitCase {
        std::string text;
        std::string sep;
        std::int32_t n;
        bool skipEmpty;
        std::vector<Piece> pieces;
    };
    const std::vector<SplitCase> cases = {
        {"a,,b,", ",", 10, false, {{"a", 1, 2}, {"", 3, 3}, {"b", 4, 5}, {"", 6, 6}}},
        {"a,,b,", ",", 10, true, {{"a", 1, 2}, {"b", 4, 5}}},
        {"a,b,c,d", ",", 2, false, {{"a", 1, 2}, {"b", 3, 4}}},
        {"", ",", 10, false, {{"", 1, 1}}},
        {"", ",", 10, true, {}},
        {"a,b", ",", 0, false, {}},
        // The next piece starts one column after the separator's first character.
        {"a, b", ", ", 10, false, {{"a", 1, 2}, {" b", 3, 5}}},
        {"abc", "", 10, false, {{"abc", 1, 4}}},
        {"\xC3\xA9,b", ",", 10, false, {{"\xC3\xA9", 1, 2}, {"b", 3, 4}}},
        {"  1  2", " ", 10, true, {{"1", 3, 4}, {"2", 6, 7}}},
    };
    for (const auto& c : cases) {
        TFields campos(6, TField{"old", 1, 1});
        std::int32_t n = c.n;
        Strings::SplitString(c.text, c.sep, n, campos, c.skipEmpty);
        ExpectPieces(campos, n, c.pieces, "[" + c.text + "] sep [" + c.sep + "]");
    }
}

TEST(SplitNegativeFields, EveryPieceIsSplitTheLastOnesToo) {
    struct NegCase {
        std::vector<Piece> in;
        std::vector<Piece> out;
    };
    const std::vector<NegCase> cases = {
        {{{"12.5-3.4", 10, 17}}, {{"12.5", 10, 13}, {"-3.4", 14, 17}}},
        {{{"12--5", 1, 5}}, {{"12", 1, 2}, {"-", 3, 3}, {"-5", 4, 5}}},
        {{{"12-", 1, 3}}, {{"12", 1, 2}, {"-", 3, 3}}},
        {{{"-5-3", 4, 7}}, {{"-5", 4, 5}, {"-3", 6, 7}}},
        // Both pieces of «1-2 3-4» are split, the second one included.
        {{{"1-2", 1, 4}, {"3-4", 5, 8}}, {{"1", 1, 1}, {"-2", 2, 3}, {"3", 5, 5}, {"-4", 6, 7}}},
        {{{"A", 1, 2}, {"1-2-3", 3, 8}, {"B", 9, 10}},
         {{"A", 1, 2}, {"1", 3, 3}, {"-2", 4, 5}, {"-3", 6, 7}, {"B", 9, 10}}},
    };
    for (const auto& c : cases) {
        TFields campos(1);
        for (const auto& p : c.in) campos.push_back(TField{p.texto, p.inicio, p.fin});
        std::int32_t n = static_cast<std::int32_t>(c.in.size());
        Strings::SplitNegativeFields(n, campos);
        ExpectPieces(campos, n, c.out, c.in[0].texto);
    }
}

TEST(SplitNegativeFields, NothingToSplitLeavesNAlone) {
    TFields campos = {TField{}, TField{"-5", 1, 2}, TField{"7", 4, 5}};
    std::int32_t n = 7;
    Strings::SplitNegativeFields(n, campos);
    EXPECT_EQ(n, 7);
    ASSERT_EQ(campos.size(), 3u);
    EXPECT_EQ(campos[1].Texto, "-5");

    TFields empty;
    Strings::SplitNegativeFields(n, empty);
    EXPECT_TRUE(empty.empty());
}

TEST(ComprobarCadenaNumerica, PositionsUpToFinMinusInicio) {
    TFields campos;
    std::int32_t n = 0;
    bool noNumerico = false;

    ab_form_services::LeeTira("PK 1.5", n, campos);
    ab_form_services::Comprobar_cadena_numerica(n, noNumerico, campos);
    EXPECT_TRUE(noNumerico);

    ab_form_services::LeeTira("12-5", n, campos);
    ASSERT_EQ(n, 1);
    ab_form_services::Comprobar_cadena_numerica(n, noNumerico, campos);
    EXPECT_FALSE(noNumerico);

    ab_form_services::LeeTira("1.5 2,25 +3", n, campos);
    ab_form_services::Comprobar_cadena_numerica(n, noNumerico, campos);
    EXPECT_FALSE(noNumerico);

    const struct {
        TField piece;
        bool expected;
    } cases[] = {
        {{"5-3-", 1, 4}, false},   // position 3 ("3") is not a "-": the "-" passes
        {{"5--", 1, 3}, true},     // position 2 is a "-": every "-" fails
        {{"5-3", 1, 3}, true},     // position 2 is both the "-" and the checked position
        {{"5-3", 1, 254}, false},  // checked position past the end
        {{"12a", 1, 3}, false},    // the last character is not looked at
        {{"1a2", 1, 3}, true},
        {{"", 255, 254}, false},
    };
    for (const auto& c : cases) {
        const TFields one = {TField{}, c.piece};
        ab_form_services::Comprobar_cadena_numerica(1, noNumerico, one);
        EXPECT_EQ(noNumerico, c.expected) << c.piece.Texto << " " << c.piece.Fin;
    }
}

TEST(ComprobarCadenaNumerica, CountBeyondTheArrayIsRefused) {
    const TFields campos = {TField{}, TField{"1", 1, 1}};
    bool noNumerico = false;
    EXPECT_THROW(ab_form_services::Comprobar_cadena_numerica(2, noNumerico, campos), std::out_of_range);
}

TEST(ComprobarNumero, StopsAtTheFirstFailure) {
    const struct {
        const char* text;
        bool noNumerico;
        std::int32_t result;
    } cases[] = {
        {"12a", true, 3},
        {"12.5", false, 5},
        {"", false, 1},
        {"-1,5 +2", false, 8},
        {"  1x  ", false, 3},  // window of two characters from column 1: both blanks
        {" x", false, 2},     // L = 1: only the leading blank is looked at
        {"x ", true, 1},
    };
    for (const auto& c : cases) {
        bool noNumerico = !c.noNumerico;
        EXPECT_EQ(GM::Comprobar_Numero(c.text, noNumerico), c.result) << c.text;
        EXPECT_EQ(noNumerico, c.noNumerico) << c.text;
    }
}

TEST(IsNumericString, DigitsSignsPointsAndCommas) {
    const struct {
        const char* text;
        bool expected;
    } cases[] = {
        {"-12,5", true}, {"+", false},    {"1 2", false},   {"", false},     {" 12 ", true},
        {"1e5", false},  {"\xC3\xB1" "1", false}, {"1.2.3", true}, {"-.,+", false}, {"\t1", false},
    };
    for (const auto& c : cases) EXPECT_EQ(Strings::IsNumericString(c.text), c.expected) << c.text;
}

// What IsNumericString accepts, what Val reads whole besides, and what neither does.
TEST(IsNumericField, TheLayoutsTestOrAWholeNumber) {
    for (const char* yes : {"0+000", "1,5", "-12,5", " 12 ", "1.2.3", "1.0E2", "1.0E+2", "-6.0E-3", "5D1"}) {
        EXPECT_TRUE(Strings::IsNumericField(yes)) << yes;
    }
    for (const char* no : {"", "+", "PK", "Recta", "1E", "1E+2+5", "0+1a", "\xC3\xB1" "1"}) {
        EXPECT_FALSE(Strings::IsNumericField(no)) << no;
    }
}

}  // namespace
