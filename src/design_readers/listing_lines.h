#pragma once
// Line helpers of the listing readers: empty lines, page breaks, fixed columns,
// blank-separated tokens, and the refusal that names a line.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace design_readers {

// A line of nothing but blanks, TABs and form feeds.
bool LineaVacia(std::string_view linea);
// A line that starts a new printed page.
inline bool SaltoDePagina(std::string_view linea) { return !linea.empty() && linea[0] == '\f'; }
// The line without the blanks, TABs and form feeds around it.
std::string_view Recortar(std::string_view linea);
// Columns desde .. desde + ancho - 1 (from 1) of the line, or what there is of them.
std::string_view Columnas(std::string_view linea, std::size_t desde, std::size_t ancho);
// The tokens of a line split at blanks and TABs, at most `maximo` of them.
void Tokens(std::string_view linea, std::size_t maximo, std::vector<std::string_view>& tokens);
// The number a text reads as (Num::Val); a number too large for a Double is a
// failure naming the line.
double Numero(std::string_view texto, std::int64_t numeroLinea);
// A chainage written as kilometres, a sign and metres («1+234.5») or as metres
// (ab_form_services::Valor_Entero_Doble); one too large is a failure naming the line.
double NumeroPK(std::string_view texto, std::int64_t numeroLinea);
// "Línea n: " and the text.
std::string EnLinea(std::int64_t numeroLinea, std::string_view texto);

}  // namespace design_readers
