// Reading KTW files line by line and writing outputs that appear only when complete.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/errors.h"
#include "common/buffered_output.h"
#include "common/line_input.h"
#include "support/files.h"

namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

std::vector<std::string> Lines(const std::string& path) {
    LineInput input(path);
    std::vector<std::string> lines;
    std::string_view line;
    while (input.Next(line)) lines.emplace_back(line);
    return lines;
}

TEST(LineInput, LineEnds) {
    TempDir dir;
    WriteBytes(dir.File("a"), "uno\r\ndos\n\r\n\ntres");
    EXPECT_EQ(Lines(dir.File("a")), (std::vector<std::string>{"uno", "dos", "", "", "tres"}));
    WriteBytes(dir.File("b"), "");
    EXPECT_TRUE(Lines(dir.File("b")).empty());
    WriteBytes(dir.File("c"), "solo\r\n");
    EXPECT_EQ(Lines(dir.File("c")), std::vector<std::string>{"solo"});
}

TEST(LineInput, LinesAcrossTheBufferAndLongerThanIt) {
    TempDir dir;
    std::string bytes;
    std::vector<std::string> expected;
    for (int i = 0; i < 40000; ++i) {  // about 700 KB: several buffers
        expected.push_back("linea " + std::to_string(i));
        bytes += expected.back() + "\r\n";
    }
    expected.push_back(std::string(600000, 'x'));  // longer than the first buffer
    bytes += expected.back() + "\r\n";
    WriteBytes(dir.File("a"), bytes);
    EXPECT_EQ(Lines(dir.File("a")), expected);
}

TEST(LineInput, RefusesWhatIsNoTextFile) {
    TempDir dir;
    EXPECT_THROW(LineInput(dir.File("missing")), ConversionError);
    WriteBytes(dir.File("big"), std::string(LineInput::kLongestLine + 10, 'x'));
    EXPECT_THROW(Lines(dir.File("big")), ConversionError);
}

TEST(BufferedOutput, TheFileAppearsOnlyWhenComplete) {
    TempDir dir;
    const std::string path = dir.File("Salida.TXT");
    WriteBytes(path, "anterior");
    {
        BufferedOutput out(path);
        out.WriteLine("nuevo");
        out.Write(std::string(300000, 'y'));  // more than one buffer
        EXPECT_EQ(ReadBytes(path), "anterior");
        out.Commit();
    }
    EXPECT_EQ(ReadBytes(path), "nuevo\r\n" + std::string(300000, 'y'));
    {
        BufferedOutput out(dir.File("otro.txt"));
        out.WriteLine("a medias");
    }  // never committed: nothing is left
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), std::filesystem::directory_iterator()), 1);
    EXPECT_THROW(BufferedOutput(dir.File("no/existe.txt")), ConversionError);
}

}  // namespace

namespace {

TEST(BufferedOutput, RecordsPlacedAtOffsetsReadAsARandomAccessFile) {
    TempDir dir;
    const std::string path = dir.File("r");
    {
        BufferedOutput out(path);
        out.WriteAt(4, "abc");   // a gap at the start
        out.WriteAt(0, "XY");    // inside the buffer
        out.Write("+");          // goes on at the end
        out.WriteAt(2, "zzzzzz");  // over the end: it grows
        EXPECT_EQ(out.Size(), 8u);
        const std::uint64_t far = 600000;  // beyond a buffer: left to the file system
        out.WriteAt(far, "F");
        out.WriteAt(1, "q");     // in the part already in the file
        out.Write("-");
        EXPECT_EQ(out.Size(), far + 2);
        out.Commit();
    }
    std::string expected = "Xqzzzzzz" + std::string(600000 - 8, '\0') + "F-";
    EXPECT_EQ(ReadBytes(path), expected);
}

TEST(BufferedOutput, PiecesWrittenTogetherAcrossTheBuffer) {
    // Short pieces by the thousand cross the buffer's end; pieces longer than all
    // the room there is go one by one. Either way the file holds them in order.
    TempDir dir;
    const std::string file = dir.File("piezas.txt");
    const std::string big(BufferedOutput::kRoom + 5, 'B');
    std::string expected;
    {
        BufferedOutput out(file);
        for (int i = 0; i < 30000; ++i) {
            const std::string number = std::to_string(i);
            out.WriteAll(std::string_view("0\r\nTEXT\r\n"), number, std::string_view(""), std::string_view("\r\n"));
            expected += "0\r\nTEXT\r\n" + number + "\r\n";
        }
        out.WriteAll(std::string_view("<"), big, std::string_view(">"));
        expected += "<" + big + ">";
        out.Commit();
    }
    EXPECT_EQ(ReadBytes(file), expected);
}

}  // namespace
