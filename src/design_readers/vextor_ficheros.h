#pragma once
// The Vextor road files (module EntryVextor): four text files of KTW words, the
// horizontal alignment aln*.KTW, the vertical alignment prf*.KTW, the templates of
// the typical sections crs*.KTW and their assignment to stations sta*.KTW.
//
//   line 1          the record line: the data of its word 2 ends with the record
//                   name ("HZALIGNM", "0VALIGNM", "TEMPLATE", "ASSIGNMT")
//   further lines   one element, template point or assignment each
//
// A first line that starts with "*" makes every word of the file wide: 16 data
// characters, word n at column (n - 1) * 24 + 2; otherwise 8 data characters, word n
// at column (n - 1) * 16 + 1. Within a word: 2 index, 3 information, 1 unit digit,
// 1 sign, the data. A number is the sign and the data read with Val; a text is the
// data alone. Numbers are divided by the factor of a unit digit (0, 1: 1000; 6, 7:
// 10000; 8: 100000); any other digit is a division by zero.
//
// The module's state lives in one Modulo per request, so nothing of an earlier
// request (a profile, stations) can reach a later one.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/records.h"
#include "design_readers/vextor_errors.h"

namespace EntryVextor {

struct TPlantaVextor {
    std::int32_t N = 0;
    double PK = 0, X = 0, Y = 0, Acimut = 0, Radio = 0, Parametro = 0, Longitud = 0;
    std::string Tipo;   // text of word 2
    std::string Texto;  // text of word 4, kept as read
};

struct TPlantillaVextor {
    std::string Nombre;
    bool Usado = false;
    double Estacion = 0;
    double Desplazamiento = 0;
    double Altura = 0;
    double Cota = 0;
};

struct TAsignacionVextor {
    std::string Nombre;
    double Estacion = 0;
    double Cota = 0;
};

// The module's state for one request. Arrays are 1-based (element 0 unused).
struct Modulo {
    Errors::TMensajesError MensajesError;
    std::vector<TPlantaVextor> PlantaVextor = std::vector<TPlantaVextor>(1);
    std::vector<TAlzadoVextor> AlzadoVextor = std::vector<TAlzadoVextor>(1);
    std::vector<TPlantillaVextor> PlantillasVextor = std::vector<TPlantillaVextor>(1);
    std::vector<TAsignacionVextor> AsignacionesVextor = std::vector<TAsignacionVextor>(1);
    bool Ktw16Vextor = false;
    int AnchoDatoVextor = 8;
    char UnidadVextor = '0';
    std::string NombreFichero;
    // The line each element of the last alignment array was read from, for the boxes.
    std::vector<std::int64_t> Lineas = std::vector<std::int64_t>(1);
};

enum class FicheroVextor { ALN, PRF, CRS, STA };

// The file check: the name ends with "KTW" and its file part starts with the prefix
// of its kind (any letter case; "\" and "/" both end a folder), and the record name
// of its kind closes the data of word 2 of line 1. Sets Ktw16Vextor and
// AnchoDatoVextor from line 1.
bool Es_Fichero(Modulo& m, const std::string& path, FicheroVextor tipo);
inline bool Es_Fichero_ALN(Modulo& m, const std::string& path) { return Es_Fichero(m, path, FicheroVextor::ALN); }
inline bool Es_Fichero_PRF(Modulo& m, const std::string& path) { return Es_Fichero(m, path, FicheroVextor::PRF); }
inline bool Es_Fichero_CRS(Modulo& m, const std::string& path) { return Es_Fichero(m, path, FicheroVextor::CRS); }
inline bool Es_Fichero_STA(Modulo& m, const std::string& path) { return Es_Fichero(m, path, FicheroVextor::STA); }

// The first column of word n in this file's variant.
int PosPalabraKTW(const Modulo& m, int n);

// One data line of a checked file.
class LineaVextor {
public:
    LineaVextor(const Modulo& m, std::string_view linea, std::int64_t numero) : m_(m), linea_(linea), numero_(numero) {}
    // The sign and data of word n read with Val.
    double Numero(int n) const;
    // The data of word n.
    std::string Texto(int n) const;
    // The unit digit of word n.
    char Unidad(int n) const;
    std::int64_t NumeroLinea() const { return numero_; }

private:
    std::string_view Trozo(int n, int desde, int ancho) const;
    const Modulo& m_;
    std::string_view linea_;
    std::int64_t numero_;
};

// The factor of a unit digit; a digit outside the table raises the division by zero
// at that line.
double FactorUnidad(char unidad, std::int64_t numeroLinea);

// Hands every line after line 1 to `leer`, in order; empty lines (blanks, TABs, form
// feeds) are passed over.
void LeerLineas(const Modulo& m, const std::string& path, const std::function<void(const LineaVextor&)>& leer);

// The last eight characters of an element type (the data is padded with "0").
std::string_view TipoDe(std::string_view tipo);

// Raises the numbered error of a line: "Línea n: " and the text as its detail.
[[noreturn]] void ErrorEnLinea(int numero, std::int64_t numeroLinea, const std::string& texto);

}  // namespace EntryVextor
