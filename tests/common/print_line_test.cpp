#include <gtest/gtest.h>

#include <string>

#include "common/print_line.h"

namespace {

TEST(PrintLine, ZonesStartEvery14Columns) {
    // A 10-character name, then X at 15, Y at 29, Z at 43.
    PrintLine line;
    line.Text("PUNTO00001").Zone().Text("123.456").Zone().Text("7.5").Zone().Text("-1.000");
    EXPECT_EQ(line.Finish(), "PUNTO00001    123.456       7.5           -1.000\r\n");

    // A 14-character item: the next zone starts right after it, at 15.
    PrintLine full;
    full.Text("12345678901234").Zone().Text("X");
    EXPECT_EQ(full.Current(), "12345678901234X");

    // One character more: the next zone is at 29.
    PrintLine over;
    over.Text("123456789012345").Zone().Text("X");
    EXPECT_EQ(over.Current(), "123456789012345" + std::string(13, ' ') + "X");

    // Two zone separators skip a zone; characters count, not bytes.
    PrintLine skip;
    skip.Text("\xC3\x91" "and\xC3\xBA").Zone().Zone().Text("B");
    EXPECT_EQ(skip.Current(), "\xC3\x91" "and\xC3\xBA" + std::string(23, ' ') + "B");

    PrintLine first;
    first.Zone().Text("A");
    EXPECT_EQ(first.Current(), "A");
}

TEST(PrintLine, NumbersCarrySignPositionAndTrailingBlank) {
    PrintLine line;
    line.Text("A").Number(2).Text("B").Number(-0.25).Number(0.5);
    EXPECT_EQ(line.Finish(), "A 2 B-.25  .5 \r\n");
}

TEST(PrintLine, TabMovesToAColumn) {
    // Tab(7 - length): a name of up to 6 characters ends in column 6.
    PrintLine shortName;
    shortName.Tab(7 - 2).Text("P1").Text("X");
    EXPECT_EQ(shortName.Current(), "    P1X");

    // A longer name gives Tab of 0 or less: it starts in column 1, written whole.
    PrintLine longName;
    longName.Tab(7 - 8).Text("PUNTO123");
    EXPECT_EQ(longName.Current(), "PUNTO123");

    // Past the column: the line ends and the next one is blank up to it.
    PrintLine past;
    past.Text("ABCDEF").Tab(3).Text("X").Zone().Text("Y");
    EXPECT_EQ(past.Current(), "ABCDEF\r\n  X" + std::string(11, ' ') + "Y");

    past.Clear();
    past.Text("Z");
    EXPECT_EQ(past.Finish(), "Z\r\n");
}

}  // namespace
