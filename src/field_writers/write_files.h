#pragma once
// The one way an alignment reaches a field file. One WriteFiles per run holds the
// output open, buffered, until Commit; the bytes are those of opening the file,
// writing one element and closing it again for every element, starting from an
// empty file. By the field format (FormatoCampo):
//
//   0, 2  Tarsel records: .PLA, 60 bytes, a planta element at record N (gaps read
//         as zero bytes); .ALZ, 44 bytes, an alzado element at record i
//   1     KTW: nothing is written (the statistics are still kept)
//   3     Corvana lines: .PTC planta, .LON alzado
//   4     Tunelix word lines, after the header line the window made
//
// Every element also updates the run's statistics, for every format.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/buffered_output.h"
#include "common/info_proyecto.h"
#include "common/records.h"

namespace field_writers {

class WriteFiles {
public:
    // path: the output file; cabecera: the Tunelix header line, written first with
    // its line end when not empty.
    WriteFiles(std::string path, std::int16_t Formato, TInfoProyecto& Info, std::string_view cabecera = {});

    // Element i of the array (1 .. size() - 1), in order, each once. Throws Rechazo
    // for a planta element whose N is below 1 in a Tarsel file (it has no record),
    // and GM::ArithmeticError when the end of the last Tunelix element cannot be
    // computed.
    void Write_Planta(std::size_t i, const std::vector<TPlanta>& Planta);
    void Write_Alzado(std::size_t i, const std::vector<TAlzado>& Alzado);

    // The output takes its name; without Commit nothing of this run remains.
    void Commit();

private:
    std::int16_t formato_;
    TInfoProyecto& info_;
    std::unique_ptr<BufferedOutput> out_;  // none when nothing is written
    std::string line_;
};

}  // namespace field_writers
