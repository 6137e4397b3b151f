// SDR, Calco and FieldWorks files from KTW observations, byte for byte against
// files written by hand from the record layouts. The input (ktw_records.ktw) has
// two set-ups, code blocks (one of them "0" and one the orientation code "a"),
// remarks, a point without coordinates in the middle and one at the end, and ends
// with a code block that writes nothing.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/state.h"
#include "common/errors.h"
#include "field_to_office/ktw_tarsel_taqui.h"
#include "support/files.h"

namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

std::string Data(const std::string& name) { return ReadBytes(std::string(TARSEL_TEST_DATA) + "/field_to_office/data/" + name); }

std::size_t FilesIn(const TempDir& dir) {
    return static_cast<std::size_t>(
        std::distance(std::filesystem::directory_iterator(dir.Path()), std::filesystem::directory_iterator()));
}

struct Conversion {
    TempDir dir;
    State state;
    std::int32_t vertices = 0;
    int asked = 0;

    // Converts `input` (saved as OBRA1.ktw) into `salida`; returns the output.
    std::string Convert(const std::string& filtro, const std::string& input, const std::string& salida,
                        bool coordenadas = false, bool analisis = false) {
        WriteBytes(dir.File("obra1.ktw"), input);
        KTWTaquiRequest request;
        request.entrada = dir.File("obra1.ktw");
        request.salida = dir.File(salida);
        request.filtro = filtro;
        request.analisis = analisis;
        ConvertKTWTaqui(request, state, vertices, [this, coordenadas] {
            ++asked;
            return coordenadas;
        });
        return ReadBytes(request.salida);
    }
};

const std::string kSdrHeader =
    "00EDSDR5    V01-03  000003-Ene-88 23:47 211121\r\n"
    "10NMOBRA1\r\n"
    "06NM1.000000\r\n"
    "01NM:SET             000000SET             00000031                              \r\n";

TEST(SdrRecords, TwoSetUpsCodesAndPointsWithoutCoordinates) {
    const std::string input = Data("ktw_records.ktw");
    Conversion run;
    EXPECT_EQ(run.Convert("SDR", input, "obra1.sdr"), Data("records_sdr.sdr"));
    EXPECT_EQ(run.asked, 0);
    // The code block that ends the input changes nothing: the last point's
    // observation is written after the input ends, whatever follows it.
    const std::string withoutLast = input.substr(0, input.rfind("41...", input.size()));
    Conversion shorter;
    EXPECT_EQ(shorter.Convert("SDR", withoutLast, "obra1.sdr"), Data("records_sdr.sdr"));
}

// An SDR reader takes each record by its type and fixed columns (1-based, inclusive).
struct SdrLayout {
    const char* type;
    std::vector<std::pair<int, int>> fields;
};

std::string ReadBackSdr(const std::string& file) {
    static const SdrLayout layouts[] = {
        {"02TP", {{5, 8}, {9, 18}, {19, 28}, {29, 38}, {39, 48}, {49, 99}}},  // station, X, Y, Z, HI, code
        {"08KI", {{5, 8}, {9, 18}, {19, 28}, {29, 38}, {39, 99}}},            // point, X, Y, Z, code
        {"07TP", {{5, 8}, {9, 12}, {13, 22}, {23, 32}}},                      // station, backsight, Hz, Hz
        {"03F1", {{5, 9}}},                                                   // target height
        {"09F1", {{5, 8}, {9, 12}, {13, 22}, {23, 32}, {33, 42}, {43, 99}}},  // station, point, SD, V, Hz, code
    };
    std::string listing;
    std::size_t start = kSdrHeader.size();
    while (start < file.size()) {
        const std::size_t end = file.find("\r\n", start);
        const std::string line = file.substr(start, end - start);
        start = end + 2;
        listing += line.substr(0, 4);
        for (const SdrLayout& layout : layouts) {
            if (line.compare(0, 4, layout.type) != 0) continue;
            for (auto [from, to] : layout.fields) {
                std::string field = line.size() >= static_cast<std::size_t>(from) ? line.substr(from - 1, to - from + 1) : "";
                field.erase(0, field.find_first_not_of(' '));
                field.erase(field.find_last_not_of(' ') + 1);
                listing += "|" + field;
            }
        }
        listing += "\n";
    }
    return listing;
}

TEST(SdrRecords, FieldsStandInTheirColumns) {
    Conversion run;
    EXPECT_EQ(ReadBackSdr(run.Convert("SDR", Data("ktw_records.ktw"), "obra1.sdr")),
              "02TP|S1|1000.000|2000.500|100.250|1.550|\n"
              "08KI|P1|1000.123|2000.456|-1.234|TREE\n"
              "07TP|S1|P1|123.457|123.457\n"
              "03F1|1.300\n"
              "09F1|S1|P1|12.345|98.765|123.457|TREE\n"
              "03F1|1.500\n"
              "03F1|1.700\n"
              "03F1|1.700\n"
              "09F1|S1|P3|20.000|100.000|300.000|TREE\n"
              "02TP|S2|1010.000|2020.000|101.000|1.600|TREE\n"
              "08KI|P4|1020.000|2030.000|102.000|a\n"
              "07TP|S2|P4|50.000|50.000\n"
              "03F1|2.000\n"
              "09F1|S2|P4|30.000|90.000|50.000|a\n"
              "03F1|1.000\n"
              "03F1|1.000\n"
              "09F1|S2|P5|40.000|100.000|60.000|\n");
}

TEST(SdrRecords, AnAnalysisFileGetsTheHeaderAndItsOwnLines) {
    Conversion run;
    EXPECT_EQ(run.Convert("SDR", Data("ktw_analysis.ktw"), "obra1.sdr", false, true),
              kSdrHeader + Data("analysis_general.txt"));
}

TEST(CalcoRecords, ObservationsAndTheStationFileOfTheOrientationPoint) {
    Conversion run;
    EXPECT_EQ(run.Convert("Calco", Data("ktw_records.ktw"), "obra1.lec"), Data("records_calco.lec"));
    EXPECT_EQ(ReadBytes(run.dir.File("obra1.sub")), Data("records_calco.sub"));
    EXPECT_EQ(FilesIn(run.dir), 3u);  // input, output, station file: no temporary left
}

TEST(CalcoRecords, NamesWhoseStationFileWouldTakeAnotherFileAreRefused) {
    // An output named *.SUB (in either case) or without a three-letter extension,
    // and a station file that would be the input: nothing is written or replaced.
    const std::pair<const char*, const char*> cases[] = {
        {"in.ktw", "obra.SUB"}, {"in.ktw", "obra.sub"}, {"in.ktw", "obra"},
        {"in.ktw", "obra.le"},  {"obra1.sub", "obra1.lec"},
    };
    for (auto [entrada, salida] : cases) {
        Conversion run;
        KTWTaquiRequest request;
        request.entrada = run.dir.File(entrada);
        request.salida = run.dir.File(salida);
        request.filtro = "Calco";
        WriteBytes(request.entrada, "11...0+000000P1 \r\n");
        WriteBytes(request.salida, "anterior");
        EXPECT_THROW(ConvertKTWTaqui(request, run.state, run.vertices), ConversionError) << salida;
        EXPECT_EQ(ReadBytes(request.entrada), "11...0+000000P1 \r\n") << salida;
        EXPECT_EQ(ReadBytes(request.salida), "anterior") << salida;
        EXPECT_EQ(FilesIn(run.dir), 2u) << salida;
    }
}

TEST(FieldWorksRecords, WithAndWithoutCoordinates) {
    Conversion coords;
    EXPECT_EQ(coords.Convert("FieldWorks", Data("ktw_records.ktw"), "obra1.fwd", true),
              Data("records_fieldworks_coords.fwd"));
    EXPECT_EQ(coords.asked, 1);
    Conversion plain;
    EXPECT_EQ(plain.Convert("FieldWorks", Data("ktw_records.ktw"), "obra1.fwd", false), Data("records_fieldworks.fwd"));
}

}  // namespace
