#include "common/zone_line.h"

#include <cstring>

#include "common/buffered_output.h"
#include "common/numbers.h"
#include "common/small_copy.h"

namespace {

constexpr std::size_t kZone = 14;
constexpr char kBlanks[] = "                ";  // 16: a zone's blanks in one fixed copy

}  // namespace

bool WriteZoneLine(BufferedOutput& out, std::string_view name, std::span<const ZoneNumber> numbers,
                   char decimalSeparator) {
    // An empty name would put the first number in the first zone, a longer one in
    // the third: PrintLine's business.
    if (name.empty() || name.size() > kZone || numbers.empty()) return false;
    const std::size_t last = numbers.size() - 1;
    // Each item starts a zone after the one before; the last number may run on.
    char* const line = out.Room(kZone * numbers.size() + Num::kPlainFormatBytes + 2);
    CopySmall(line, name.data(), name.size());
    std::memcpy(line + name.size(), kBlanks, 16);
    char* at = line + kZone;
    for (std::size_t i = 0;; ++i, at += kZone) {
        // Format may write past the length it returns: the blanks come after it.
        const ZoneNumber& number = numbers[i];
        std::size_t length =
            number.units != nullptr ? Num::FormatFixedPoint(*number.units, number.decimals, decimalSeparator, at) : 0;
        if (length == 0) length = Num::FormatPlainDecimals(number.value, number.decimals, decimalSeparator, at);
        if (length == 0) return false;
        if (i == last) {
            at[length] = '\r';
            at[length + 1] = '\n';
            out.Advance(static_cast<std::size_t>(at - line) + length + 2);
            return true;
        }
        // Fourteen characters fill the zone; the next item still starts at the next one.
        if (length > kZone) return false;
        std::memcpy(at + length, kBlanks, 16);
    }
}
