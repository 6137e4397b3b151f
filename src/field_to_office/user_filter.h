#pragma once
// User filters: the 27 observation fields a user can lay out in columns, and the
// definition string that stores a layout: the field numbers each followed by ",",
// four characters of separator code, the header flag ("*" or "$") and the comment
// flag ("!" or "&").
//
// Separator codes: "T000" three blanks, "PC00" ";", "C000" ",", "E" and three
// digits that many blanks, "O" and three characters of the user's own (a blank is
// kept as "~" (126), a comma as DEL (127), and plain blanks pad it in front, so that
// no blank and no comma follow the field list), "J000" and any other letter:
// columns right-justified in 21 characters.
//
// Definitions are UTF-8 texts of the settings store; positions count characters.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int kCamposFiltro = 27;

// The name of field `item` (0 to 26); nullptr for any other number.
const char* CreateModifiedList(int item);
// The field number of a name; -1 for a name outside the vocabulary.
int CampoDeNombre(std::string_view name);
// The 27 names in the order the filter editor offers them.
const std::vector<std::string>& NombresDisponibles();

// The fifteen standard filters' names; a user filter may not take one.
bool EsFiltroEstandar(std::string_view name);

// What the editor's boxes say, turned into a definition.
enum class Separador { Tabulador, PuntoYComa, Coma, Espacio, Otro, Justificado };

struct OpcionesDefinicion {
    std::vector<int> campos;  // field numbers, column order
    Separador separador = Separador::Tabulador;
    std::string espacios;  // the text of the count box ("Espacio:")
    std::string otro;      // the text of the characters box ("Otro:")
    bool encabezamiento = false;
    bool comentarios = false;
};

// The definition string. The count of "Espacio:" must be digits (see EspaciosValidos).
std::string BuildDefinition(const OpcionesDefinicion& opciones);

// The count box holds, once trimmed, at most three characters, all digits (or
// nothing, which counts as 0).
bool EspaciosValidos(std::string_view texto);

// A stored definition taken apart; nullopt when it cannot be (too short, a field
// list that is not numbers each followed by ",", a number outside 0 to 26).
struct DefinicionFiltro {
    std::vector<int> campos;
    char letra = 'T';          // the separator letter
    std::string caracteres;    // the three characters after it
    bool encabezamiento = false;
    bool comentarios = false;

    // Right justification: "J" and every letter the editor never writes.
    bool Justificado() const;
    // The text between two columns (UTF-8); empty for right justification.
    std::string SeparadorTexto() const;
    // The count of "E" as the editor shows it (plain decimal), and the characters of
    // "O" decoded.
    int Espacios() const;
    std::string OtroTexto() const;
};
std::optional<DefinicionFiltro> DecodeDefinition(std::string_view definicion);
