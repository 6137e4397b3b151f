#pragma once
// The measurements of one KTW line, decoded word by word.

#include <string>
#include <string_view>

namespace Strings {

// Texts hold exactly 16 characters: left-aligned, padded with blanks, cut at 16.
// Columns and lengths count characters: an ASCII or Windows-1252 byte is one, and so
// is a whole UTF-8 sequence.
// Angles are in radians (V is the zenith angle), lengths and coordinates in metres.
// The caller owns one record and hands it to ParseKTWLine line after line; the texts
// keep their storage, so decoding a line allocates nothing.
struct TKTWRecord {
    bool HayEstacion = false;           // WI 84 read
    bool HayAlturaInstrumento = false;  // WI 88 read
    bool HayAlturaPrisma = false;       // WI 87 read
    std::string Estacion = std::string(16, ' ');  // Punto as read when WI 84 came
    double XEstacion = 0;  // WI 84
    double YEstacion = 0;  // WI 85
    double ZEstacion = 0;  // WI 86
    std::string Punto = std::string(16, ' ');  // WI 11
    double Hz = 0;                 // WI 21
    double V = 0;                  // WI 22
    double DistGeometrica = 0;     // WI 31, or derived
    double AlturaInstrumento = 0;  // WI 88
    double AlturaPrisma = 0;       // WI 87
    // WI 41 ... 49, or 71 ... 79 (41 and 71 both fill Codigo1, and so on).
    std::string Codigo1 = std::string(16, ' ');
    std::string Codigo2 = std::string(16, ' ');
    std::string Codigo3 = std::string(16, ' ');
    std::string Codigo4 = std::string(16, ' ');
    std::string Codigo5 = std::string(16, ' ');
    std::string Codigo6 = std::string(16, ' ');
    std::string Codigo7 = std::string(16, ' ');
    std::string Codigo8 = std::string(16, ' ');
    std::string Codigo9 = std::string(16, ' ');
    double X = 0;               // WI 81
    double Y = 0;               // WI 82
    double Z = 0;               // WI 83
    double Desnivel = 0;        // WI 33, or derived
    double DistHorizontal = 0;  // WI 32, or derived
};

// Every text becomes 16 blanks, every number 0, every flag false.
void ClearKTWRecord(TKTWRecord& record);

// Clears the record, then fills it from the words of the line (without its line
// end). An empty line or one that starts with a blank leaves the record cleared;
// word indexes the record has no field for are skipped. Afterwards a missing slope
// distance, horizontal distance or height difference is derived from the others
// and the zenith angle.
void ParseKTWLine(std::string_view line, TKTWRecord& record);

}  // namespace Strings
