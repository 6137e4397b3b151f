// Any bytes as an RTF document, turned into the plain text the listing readers get.

#include <cstdint>
#include <string_view>

#include "platform/rich_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    (void)platform::LooksLikeRtf(bytes);
    const std::string text = platform::RtfToText(bytes);
    // The text ends each of its lines, and is never longer than a few bytes a byte of input.
    if (!text.empty() && text.back() != '\n') __builtin_trap();
    if (text.size() > 2 * size + 2) __builtin_trap();
    return 0;
}
