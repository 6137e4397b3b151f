#pragma once
// One piece of a split text line.

#include <cstdint>
#include <string>
#include <vector>

struct TField {
    std::string Texto;
    std::int16_t Inicio = 0;  // 1-based first column
    std::int16_t Fin = 0;     // end column, as the splitter that filled it reports it
};

// Arrays of pieces are used from element 1; element 0 holds no piece.
using TFields = std::vector<TField>;
