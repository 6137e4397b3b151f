#include "common/utf8_case.h"

namespace Utf8 {

namespace {

// The upper-case form of the character at text[i]: one ASCII byte, or the second byte
// of a two-byte sequence that starts with 0xC3 (U+00C0 .. U+00FF), whose lower-case
// letters U+00E0 .. U+00FE, but for U+00F7, lie 0x20 above their capitals. Returns the
// number of bytes the character takes (1 or 2) and its upper-case bytes in out.
std::size_t UpperAt(std::string_view text, std::size_t i, char out[2]) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 'a' && c <= 'z') {
        out[0] = static_cast<char>(c - 'a' + 'A');
        return 1;
    }
    if (c == 0xC3 && i + 1 < text.size()) {
        const auto next = static_cast<unsigned char>(text[i + 1]);
        out[0] = text[i];
        out[1] = next >= 0xA0 && next <= 0xBE && next != 0xB7 ? static_cast<char>(next - 0x20) : text[i + 1];
        return 2;
    }
    out[0] = text[i];
    return 1;
}

}  // namespace

std::string ToUpper(std::string_view text) {
    std::string upper;
    upper.reserve(text.size());
    char bytes[2];
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = UpperAt(text, i, bytes);
        upper.append(bytes, n);
        i += n;
    }
    return upper;
}

bool EqualIgnoringCase(std::string_view first, std::string_view second) {
    if (first.size() != second.size()) return false;  // case never changes a length
    char a[2];
    char b[2];
    for (std::size_t i = 0; i < first.size();) {
        const std::size_t n = UpperAt(first, i, a);
        if (UpperAt(second, i, b) != n || a[0] != b[0] || (n == 2 && a[1] != b[1])) return false;
        i += n;
    }
    return true;
}

}  // namespace Utf8
