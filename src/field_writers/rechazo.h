#pragma once
// A reader or a writer refuses its input: the text says why (naming the line or the
// element), the reader shows it in a box beside the input file's name, sets
// ErrorFichero and writes nothing.

#include "common/errors.h"

class Rechazo : public ConversionError {
public:
    using ConversionError::ConversionError;
};
