#pragma once
// A conversion that cannot go on throws this, with a Spanish text the window shows
// in its box together with the file's name.

#include <stdexcept>
#include <string>

class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The refusal of an input that holds not one complete record to convert.
inline constexpr const char* kSinRegistros = "El fichero no contiene ningún registro que transformar.";
