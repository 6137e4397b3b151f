#pragma once
// Small pieces the text readers of design programs share beside the listing line
// helpers (empty lines, numbers that name their line): a line split into fields at
// blanks and TABs, and the test that tells a data row from a title or a column header.

#include <cstdint>
#include <string>
#include <string_view>

#include "common/field.h"
#include "design_readers/listing_lines.h"

namespace design_readers {

// "Línea N", the way every reader names a line in its boxes.
std::string Linea(std::int64_t numero);

// Splits at runs of blanks and TABs into Campos (from element 1) and returns how
// many fields it holds, never more than `maximo`: later fields are left unread.
std::int32_t Partir(std::string_view linea, TFields& Campos, std::int32_t maximo);

// Fields desde .. hasta are all numbers, each read whole by Val (Num::IsNumber), as
// far as the line has them. A title or a repeated column header fails this test.
bool CamposNumericos(const TFields& Campos, std::int32_t n, std::int32_t desde, std::int32_t hasta);

// The row of a listing whose first column is its chainage: field 1 a chainage
// (Strings::IsChainage, km+m allowed) and fields 2 .. hasta numbers, as far as the
// line has them.
bool FilaConPK(const TFields& Campos, std::int32_t n, std::int32_t hasta);

}  // namespace design_readers
