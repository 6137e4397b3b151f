#pragma once
// The one way a typical section reaches a field file. One SeccionWriter per run holds
// the outputs open, buffered, until Commit. By the field format:
//
//   0, 2  Tarsel: every section appended to the .SCT file
//             8  chainage (Double)   4  points of the section (Long)
//             then the blocks T, C, S, R, each: 1 code, 4 count (Long), and 32 bytes
//             a point: offset, elevation, gradient (Doubles), code (8 characters)
//         and one 12-byte record a section to the .STD index: chainage (Double) and
//         the 1-based position of the section's first block (Long)
//   3     Corvana: the T layer (T and C blocks, with the axis point), the S layer and
//         the R layer, each its own .PRO file
//
// Other formats write no section.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/buffered_output.h"
#include "common/records.h"
#include "platform/desktop.h"

namespace field_writers {

// A layer of a section: its code ("T", "C", "S" or "R") and its points 1 .. NumPuntos
// from left to right (element 0 unused).
struct TBloqueSeccion {
    char Codigo = 'R';
    std::int32_t NumPuntos = 0;
    std::vector<TPuntoSeccion> Puntos = std::vector<TPuntoSeccion>(1);
};

// The four blocks of a section, always in the order T, C, S, R.
struct TSeccion {
    std::array<TBloqueSeccion, 4> Bloques = {TBloqueSeccion{'T'}, TBloqueSeccion{'C'}, TBloqueSeccion{'S'},
                                             TBloqueSeccion{'R'}};
    TBloqueSeccion& Bloque(char codigo);
    void Vaciar();
};

// The Corvana layer files of an output: folder + "T" + name, folder + "S" + name,
// folder + "R" + name (elements 1 to 3; element 0 is the output itself).
std::array<std::string, 4> Nombres_Ficheros_Seccion(const std::string& salida);

// The Corvana file of layer 'T', 'S' or 'R' in a run that writes the blocks
// `bloques`: salida itself when the run writes one block, else its layer file; ""
// when the run writes no block of that layer (C belongs to layer T).
std::string NombreCapa(const std::string& salida, const std::string& bloques, char capa);

// The index file of a Tarsel section file: its name less the last three characters, + "STD".
std::string NombreIndice(const std::string& salida);

class SeccionWriter {
public:
    // salida: the output as chosen; indice: the .STD file ("" for NombreIndice's);
    // bloques: the codes of the blocks the run writes ("R", "TS", ...), which name
    // the Corvana files once for the whole run: one block writes to salida itself,
    // more to their layer files. Alzado: the vertical alignment (Corvana only).
    SeccionWriter(platform::Desktop& desktop, std::string salida, std::string indice, std::int16_t Formato,
                  std::string bloques, const std::vector<TAlzado>& Alzado);
    ~SeccionWriter();

    // One section, in the order of the source. NumPuntos is the section's count as
    // the reader gives it (written in the .SCT header). The blocks' gradients are set.
    void Write_Seccion_Tipo(std::int32_t NumPuntos, double Pk, TSeccion& seccion);
    // The same with the axis elevation of a Corvana section given by a reader that
    // evaluates its own vertical alignment.
    void Write_Seccion_Tipo(std::int32_t NumPuntos, double Pk, TSeccion& seccion, double CotaEje);

    // Finishes every output and gives each its name, the .SCT and its index together.
    // sinCapasVacias: a Corvana layer that received no section is no file of the run
    // (an old file of its name is removed) and Fichero names it no more.
    void Commit(bool sinCapasVacias = false);

    // The Corvana file of layer T, S or R, or "" when the run writes no such layer.
    std::string Fichero(char capa) const;

private:
    struct Capa;
    void Escribir(std::int32_t NumPuntos, double Pk, TSeccion& seccion, std::optional<double> CotaEje);
    platform::Desktop& desktop_;
    std::int16_t formato_;
    const std::vector<TAlzado>& alzado_;
    std::unique_ptr<BufferedOutput> sct_;
    std::unique_ptr<BufferedOutput> std_;
    std::vector<std::unique_ptr<Capa>> capas_;  // Corvana: T, S, R as the run writes them
    std::string registro_;
};

}  // namespace field_writers
