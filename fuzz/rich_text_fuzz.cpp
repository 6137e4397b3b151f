// Any bytes as an RTF document, turned into the plain text the listing readers get,
// then read line by line and cut into cells as the Clip readers do.

#include <cstdint>
#include <string_view>

#include "common/field.h"
#include "design_readers/clip_text.h"
#include "platform/rich_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    (void)platform::LooksLikeRtf(bytes);
    const std::string text = platform::RtfToText(bytes);
    // The text ends each of its lines, and is never longer than a few bytes a byte of input.
    if (!text.empty() && text.back() != '\n') __builtin_trap();
    if (text.size() > 2 * size + 2) __builtin_trap();
    std::size_t pos = 0;
    bool fin = false;
    TFields campos;
    for (;;) {
        const std::string_view line = EntryClipWindows::Lee_Linea_Texto(text, pos, fin);
        if (fin) break;
        std::int32_t n = 0;
        EntryClipWindows::Separa_Texto_RTF(line, n, campos);
    }
    return 0;
}
