#pragma once
// The fields of a line of a text point list (points, bases, excavation sections):
// runs of characters other than the blank, the comma and the TAB; separators before,
// between and after the fields count for nothing.

#include <array>
#include <cstddef>
#include <string_view>

namespace office_to_field {

inline bool IsPointFieldSeparator(char c) { return c == ' ' || c == ',' || c == '\t'; }

// Stores the first N fields of the line; returns how many fields the line holds in
// all (those after the N-th are counted, not stored).
template <std::size_t N>
std::size_t PointFields(std::string_view line, std::array<std::string_view, N>& fields) {
    std::size_t count = 0;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsPointFieldSeparator(line[i])) ++i;
        if (i == line.size()) break;
        const std::size_t start = i;
        while (i < line.size() && !IsPointFieldSeparator(line[i])) ++i;
        if (count < N) fields[count] = line.substr(start, i - start);
        ++count;
    }
    return count;
}

}  // namespace office_to_field
