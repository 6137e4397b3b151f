#pragma once
// Small pieces the text readers of design programs share: a line split into fields
// at blanks and TABs, the "empty line" test, numbers read with the line named when
// they do not fit, and the test that tells a data row from a title or a column header.

#include <cstdint>
#include <string>
#include <string_view>

#include "common/field.h"

namespace design_readers {

// "Línea N", the way every reader names a line in its boxes.
std::string Linea(std::int64_t numero);

// A line that holds nothing but blanks, TABs, form feeds and line ends.
bool LineaVacia(std::string_view linea);

// Splits at runs of blanks and TABs into Campos (from element 1) and returns how
// many fields it holds, never more than `maximo`: later fields are left unread.
std::int32_t Partir(std::string_view linea, TFields& Campos, std::int32_t maximo);

// The leading number of a field; ConversionError naming the line for a number too
// large for a Double.
double Numero(std::string_view texto, std::int64_t numeroLinea);

// Fields desde .. hasta are all numbers (digits, signs, "," and "."), as far as the
// line has them. A title or a repeated column header fails this test.
bool CamposNumericos(const TFields& Campos, std::int32_t n, std::int32_t desde, std::int32_t hasta);

}  // namespace design_readers
