#pragma once
// Decoding of KTW observation files, line by line, into DatoCampo.
//
// A line is a row of words: narrow words of 16 columns from column 1, or, on a line
// that starts with "*", wide words of 24 columns from column 2. In a word at column
// c: the word index at c (2 characters), the unit digit at c+5, the sign at c+6 and
// the data (8 or 16 characters) from c+7. Only whole words are read: a last word
// without its closing blank is not.

#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/fixed_point.h"
#include "field_to_office/dato_campo.h"

// The record and what a conversion keeps from line to line.
struct KTWDecoderState {
    TDatoCampo DatoCampo;
    // Divisor and Format mask of the last recognised length unit digit; 0 and ""
    // until the first length word.
    std::int32_t DivisorUnidad = 0;
    std::string_view MascaraUnidad;  // a view of the unit table's static text
    // The decimal places of DivisorUnidad (3 for 1000); -1 with it 0.
    std::int32_t DecimalesUnidad = -1;
    // The byte of the last unit digit taken (-1 before the first): the same digit
    // again changes nothing.
    std::int32_t DigitoUnidad = -1;
    // The number mask of the "Topcal" and "Brennsoft" lines that the user-filter
    // converter writes: set by the unit digits of the words 58, 59, 76 to 78 and 81
    // to 86 alone (the distances and heights do not change it); "" until the first.
    std::string_view MascaraUsuario;
    // The numbers of DatoCampo that the "Estandar" lines show, as the whole numbers
    // of units their words hold, so that they are written without their doubles:
    // each stands for the double of its name on the current line, and is not known
    // where the word's data was not a sign and digits alone.
    struct EnUnidades {
        Num::FixedPoint Hz, V, DistGeometrica, AlturaInstrumento, AlturaPrisma;
    } Unidades;
    double Pk = 0;
    double DistanciaEje = 0;
    double DistanciaTunel = 0;
    // A station set-up (word 84) waits to be written.
    bool NuevaEstacion = false;
    // The current line is a code block (word 41).
    bool LineaCodigo = false;
    std::string Observacion;
    // The words whose numbers the conversion writes; the numbers of the others are
    // only checked, not worked out (their unit digits and the station mark still
    // count). Every word unless a writer narrows it.
    std::bitset<100> Valores = std::bitset<100>().set();
};

// Puts the state as a conversion starts: the whole record cleared (nothing is
// carried over from an earlier file), codes 1 to 3 "0", codes 4 and 5 blank.
void StartKTWConversion(KTWDecoderState& state);

// Decodes one line (without its line end) into the state. True when the line is
// an observation to write: it names a point and is not a code block. Throws
// std::overflow_error for a number out of every double's range.
bool DecodeKTWLine(std::string_view line, KTWDecoderState& state);
