#pragma once
// The numbered errors of the Vextor readers (module Errors): the table of texts
// MensajesError and the box every Vextor procedure shows from its own handler:
//
//     "ERROR: " & Str(number) & CR LF & text before & inserted value & text after
//
// with the exclamation icon and the program's title. Errors that are not in the
// table (a division by zero, a number too large) have no texts of their own: their
// box adds a line that says where and what went wrong.

#include <array>
#include <map>
#include <stdexcept>
#include <string>

#include "platform/desktop.h"

namespace Errors {

// The numbers of the table.
inline constexpr int kPlantaNoValida = 1101;
inline constexpr int kAlzadoNoValido = 1201;
inline constexpr int kPkFueraDeAlzado = 1202;
inline constexpr int kAlzadoConCurva = 1203;
inline constexpr int kSeccionNoValida = 1301;
inline constexpr int kAsignacionNoValida = 1401;
// Run-time errors a Vextor procedure may meet.
inline constexpr int kArgumentoNoValido = 5;
inline constexpr int kDesbordamiento = 6;
inline constexpr int kDivisionPorCero = 11;
inline constexpr int kAccesoFichero = 75;

// Message texts indexed (number 0-2000, 0-2, 0-2); an entry never filled is "".
class TMensajesError {
public:
    // Throws std::out_of_range outside the table's bounds.
    const std::string& operator()(int n, int i, int j) const;
    void Poner(int n, int i, int j, std::string texto);
    // The number has texts of its own.
    bool Tiene(int n) const { return textos_.count(n) != 0; }

private:
    std::map<int, std::array<std::string, 9>> textos_;
};

// Fills the table.
void Inicializa_Errores(TMensajesError& MensajesError);

// A numbered error raised inside a Vextor procedure. Detalle says where (the line) and
// what for the errors that have no texts in the table; "" otherwise.
class ErrorVextor : public std::runtime_error {
public:
    ErrorVextor(int numero, std::string detalle = {})
        : std::runtime_error(detalle.empty() ? "ERROR " + std::to_string(numero) : detalle),
          Numero(numero),
          Detalle(std::move(detalle)) {}
    int Numero;
    std::string Detalle;
};

// The run-time number of a fault of the geometry kernel, by its text.
int NumeroDe(const std::exception& fallo);

// Any failure caught by a Vextor handler as a numbered error: an ErrorVextor as it
// is, a fault of the geometry or of a number by its run-time number, the text of the
// failure kept as the detail. Call inside a catch block.
ErrorVextor ErrorActual();

// The handler's box: "ERROR: " & Str(n) & CR LF & antes & valor & despues [& detail].
// `antes` and `despues` are the table's texts of number `textos` (the raised number,
// or the one fixed for the handler); `anadido` follows the second text.
void MostrarError(platform::Desktop& desktop, const TMensajesError& MensajesError, const ErrorVextor& error,
                  int textos, const std::string& valor, const std::string& anadido = {});

}  // namespace Errors
