// The Clip section reader of RTF listings (their plain text) through its whole shape.

#include "support/fuzz_clip_sections.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzz::CorrerSeccionClip(data, size, EntryClipWindows::ClipWin_Seccion_Tipo_RTF);
}
