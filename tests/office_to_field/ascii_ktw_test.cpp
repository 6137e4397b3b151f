// Text point lists to KTW point files: every expected line written out by hand from
// the word layout (16 columns a word in the 8-digit layout, "*" and 24 columns in
// the 16-digit one).

#include <gtest/gtest.h>

#include <string>

#include "office_to_field/ascii_ktw.h"
#include "common/errors.h"
#include "design_readers/fixed_window.h"
#include "platform/scripted_desktop.h"
#include "support/files.h"

namespace {

using office_to_field::AbRequest;
using office_to_field::Kind;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;


class AsciiKtw : public ::testing::Test {
protected:
    std::string Convert(const std::string& input, Kind kind = Kind::Puntos, const std::string& programa = "Estandar") {
        AbRequest request;
        request.InPath = dir_.File("lista.txt");
        request.OutPath = dir_.File("puntos.ktw");
        request.kind = kind;
        WriteBytes(request.InPath, input);
        design_readers::FixedWindow window(programa);
        Context ctx{desktop_, settings_, state_};
        if (!office_to_field::ASCII_KTW(ctx, window, request)) ADD_FAILURE() << "not completed";
        return ReadBytes(request.OutPath);
    }

    TempDir dir_;
    platform::ScriptedDesktop desktop_;
    platform::MemorySettingsStore settings_;
    State state_;
};

TEST_F(AsciiKtw, EightDigitCodesRepeatedDefaultAndNew) {
    state_.KtwFormat = "KTW 8";
    state_.AnchoPalabra = 8;
    state_.Dimensiones = "3";
    const std::string input =
        "P7 12345.678 2345.6789 123.4\r\n"
        "P8,10,20,30,C1\r\n"
        "\r\n"
        "P9 11 21 31 C1 sobra\n"
        "P10 12 22 32\n"
        "P11 13 23 33 C1\n"
        "P12\t14\t24\t34\tC2";
    const std::string expected =
        // The first line of the file: the worked example, Y rounded to ...679.
        "110001+000000P7 81..10+12345678 82..10+02345679 83..10+00123400 \r\n"
        // A new code: its line first; the point still counts on from before.
        "410001+000000C1 \r\n"
        "110002+000000P8 81..10+00010000 82..10+00020000 83..10+00030000 410001+000000C1 \r\n"
        // The same code: no code line, and the count restarted at the code word.
        "110002+000000P9 81..10+00011000 82..10+00021000 83..10+00031000 410001+000000C1 \r\n"
        // No code after coded points: the default code, and the count goes on.
        "410001+00000000\r\n"
        "110003+00000P10 81..10+00012000 82..10+00022000 83..10+00032000 410001+00000000\r\n"
        "410001+000000C1 \r\n"
        "110004+00000P11 81..10+00013000 82..10+00023000 83..10+00033000 410001+000000C1 \r\n"
        "410001+000000C2 \r\n"
        "110002+00000P12 81..10+00014000 82..10+00024000 83..10+00034000 410001+000000C2 \r\n";
    EXPECT_EQ(Convert(input), expected);
    EXPECT_EQ(Convert(""), "");
    try {
        Convert("P1 1 2 3\nP2 1e999 2 3\n");
        ADD_FAILURE() << "a value beyond any double was taken";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "Línea 2: un valor es demasiado grande.");
    }
}

TEST_F(AsciiKtw, TwoDimensionsAndExcavationSectionsWithConstants) {
    state_.KtwFormat = "KTW 8";
    state_.AnchoPalabra = 8;
    state_.ConstanteX = 4400000;
    state_.ConstanteY = 300000;
    const std::string input =
        "  A1\t4462694.952, 300312.5 99 C9\r\n"
        ", ,\t\r\n"
        "B2 4399999.5 299999,\r\n";
    const std::string expected =
        "110001+000000A1 81..10+62694952 82..10+00312500 \r\n"
        "110002+000000B2 81..10-00000500 82..10-00001000 \r\n";
    state_.Dimensiones = "2";
    EXPECT_EQ(Convert(input, Kind::Puntos), expected);
    state_.Dimensiones = "3";
    EXPECT_EQ(Convert(input, Kind::SeccionExcavacion), expected);
}

TEST_F(AsciiKtw, SixteenDigitLayoutAfterATitleLine) {
    state_.KtwFormat = "KTW16";
    state_.AnchoPalabra = 16;
    state_.Dimensiones = "3";
    const std::string input =
        "TITULO 1 2 3 XX\n"
        "P1 512345.6786 -0.5 7.00049 MURO\n"
        "P2 1 2\n";
    const std::string expected =
        "*410001+000000000000MURO \r\n"
        "*110001+00000000000000P1 81..10+0000000512345679 82..10-0000000000000500 83..10+0000000000007000 "
        "410001+000000000000MURO \r\n"
        // Fewer fields than 3D needs: the missing Z is 0, the code goes on.
        "*110002+00000000000000P2 81..10+0000000000001000 82..10+0000000000002000 83..10+0000000000000000 "
        "410001+000000000000MURO \r\n";
    EXPECT_EQ(Convert(input, Kind::Puntos, "Clip"), expected);
    EXPECT_EQ(Convert(input, Kind::Bases, "SDR"), expected);
}

TEST_F(AsciiKtw, MoreThanNineThousandNineHundredNinetyNineLinesKeepTheColumns) {
    state_.KtwFormat = "KTW 8";
    state_.AnchoPalabra = 8;
    state_.Dimensiones = "3";
    std::string input;
    for (int i = 0; i < 10001; ++i) input += "P 1 2 3\n";
    const std::string out = Convert(input);
    const std::string line = "81..10+00001000 82..10+00002000 83..10+00003000 \r\n";
    ASSERT_EQ(out.size(), 10001 * (16 + line.size()));
    EXPECT_EQ(out.substr(9998 * 66, 66), "119999+0000000P " + line);
    EXPECT_EQ(out.substr(9999 * 66, 66), "110000+0000000P " + line);
    EXPECT_EQ(out.substr(10000 * 66, 66), "110001+0000000P " + line);
}

}  // namespace
