// Any bytes as a Clip "*PLT" planta file.

#include <cstdint>
#include <vector>

#include "common/errors.h"
#include "common/records.h"
#include "design_readers/clip_plt.h"
#include "support/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file = fuzz::WriteScratch("eje.plt", fuzz::AsText(data, size));
    std::vector<TPlanta> planta(1);
    try {
        EntryClipWindows::LeerPlantaPLT(file, planta);
    } catch (const ConversionError&) {
        return 0;
    }
    for (std::size_t k = 1; k < planta.size(); ++k)
        if (planta[k].N != static_cast<std::int32_t>(k) || planta[k].Longitud == 0) __builtin_trap();
    return 0;
}
