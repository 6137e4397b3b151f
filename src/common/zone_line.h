#pragma once
// The office line of a name and numbers, each item in its own 14-column print
// zone, built straight in the output's buffer: the "Estandar" observation lines,
// a million of them in a large file. It writes what PrintLine writes for
// Bytes(name), then Zone().Format(value, mask) for each number, then the CR LF;
// only the common case is taken here (see WriteZoneLine), the caller writes every
// other through PrintLine.

#include <cstddef>
#include <span>
#include <string_view>

#include "common/fixed_point.h"

class BufferedOutput;

struct ZoneNumber {
    double value;
    int decimals;  // of the plain mask "0" .. "0.00000"; -1 for another mask
    // The value as the count of units it was read from, when the reader has it
    // (otherwise null): written from the count where that gives the value's text.
    const Num::FixedPoint* units = nullptr;
};

// Writes the line and true when the name has 1 to 14 bytes, every mask is plain,
// every number takes the plain road of Format and every number but the last fits
// its zone; otherwise false, and nothing has been written.
bool WriteZoneLine(BufferedOutput& out, std::string_view name, std::span<const ZoneNumber> numbers,
                   char decimalSeparator);
