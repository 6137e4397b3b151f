#pragma once
// One piece of a split text line.

#include <cstdint>
#include <string>
#include <vector>

// Columns count characters (UTF-8 code points), 1-based. They are 32-bit so that a
// very long line cannot wrap them.
struct TField {
    std::string Texto;
    std::int32_t Inicio = 0;  // first column
    std::int32_t Fin = 0;     // end column, as the splitter that filled it reports it
};

// Arrays of pieces are used from element 1; element 0 holds no piece.
using TFields = std::vector<TField>;
