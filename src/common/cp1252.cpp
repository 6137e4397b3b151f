#include "common/cp1252.h"

#include <cstdint>
#include <cstring>

#include "common/utf8_columns.h"
#include "platform/code_page.h"

namespace Cp1252 {

namespace {

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

}  // namespace

bool IsAscii(std::string_view text) {
    // Eight bytes at a time: any high bit set is a byte beyond ASCII.
    std::size_t i = 0;
    std::uint64_t high = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t chunk;
        std::memcpy(&chunk, text.data() + i, 8);
        high |= chunk;
    }
    for (; i < text.size(); ++i) high |= static_cast<unsigned char>(text[i]);
    return (high & 0x8080808080808080ULL) == 0;
}

std::string ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) out.push_back(c);
        else if (b < 0xA0) AppendUtf8(out, platform::Cp1252CodePoint(b));
        else AppendUtf8(out, b);
    }
    return out;
}

std::string FromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[pos]);
        if (lead < 0x80) {
            out.push_back(utf8[pos]);
            ++pos;
            continue;
        }
        const std::size_t n = Utf8::CharLength(utf8, pos);
        if (n == 1) {
            out.push_back('?');
            ++pos;
            continue;
        }
        char32_t cp = lead & (n == 2 ? 0x1F : n == 3 ? 0x0F : 0x07);
        for (std::size_t k = 1; k < n; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[pos + k]) & 0x3F);
        out.push_back(platform::Cp1252Byte(cp));
        pos += n;
    }
    return out;
}

}  // namespace Cp1252
