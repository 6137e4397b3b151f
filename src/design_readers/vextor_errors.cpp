#include "design_readers/vextor_errors.h"

#include <exception>

#include "common/errors.h"
#include "common/gm_base.h"
#include "common/numbers.h"

namespace Errors {
namespace {

constexpr int kUltimoNumero = 2000;

std::size_t Indice(int n, int i, int j) {
    if (n < 0 || n > kUltimoNumero || i < 0 || i > 2 || j < 0 || j > 2) {
        throw std::out_of_range("MensajesError: index out of range");
    }
    return static_cast<std::size_t>(i * 3 + j);
}

}  // namespace

const std::string& TMensajesError::operator()(int n, int i, int j) const {
    static const std::string vacio;
    const std::size_t k = Indice(n, i, j);
    const auto found = textos_.find(n);
    return found == textos_.end() ? vacio : found->second[k];
}

void TMensajesError::Poner(int n, int i, int j, std::string texto) {
    const std::size_t k = Indice(n, i, j);
    textos_[n][k] = std::move(texto);
}

void Inicializa_Errores(TMensajesError& MensajesError) {
    const auto poner = [&MensajesError](int n, const char* antes, const char* despues) {
        MensajesError.Poner(n, 1, 1, antes);
        MensajesError.Poner(n, 1, 2, despues);
    };
    poner(kPlantaNoValida, "El fichero de Planta : ", " no tiene el formato adecuado");
    poner(kAlzadoNoValido, "El fichero de Alzado : ", " no tiene el formato adecuado");
    poner(kPkFueraDeAlzado, "El Pk: ", " no se encuentra definido en el fichero de Alzado : ");
    poner(kAlzadoConCurva, "El fichero de Alzado: ",
          " tiene al menos un elemento de tipo CURVE, que no es compatible con el formato de datos del programa "
          "TARSEL");
    poner(kSeccionNoValida, "El fichero de Seccion Tipo : ", " no tiene el formato adecuado");
    poner(kAsignacionNoValida, "El fichero de Asignación de la Seccion Tipo: ", " no tiene el formato adecuado");
}

int NumeroDe(const std::exception& fallo) {
    const std::string texto = fallo.what();
    if (texto == GM::kDivisionPorCero) return kDivisionPorCero;
    if (texto == GM::kDesbordamiento) return kDesbordamiento;
    return kArgumentoNoValido;
}

ErrorVextor ErrorActual() {
    try {
        throw;
    } catch (const ErrorVextor& e) {
        return e;
    } catch (const GM::ArithmeticError& e) {
        return ErrorVextor(NumeroDe(e), e.what());
    } catch (const std::overflow_error& e) {
        return ErrorVextor(kDesbordamiento, e.what());
    } catch (const ConversionError& e) {
        return ErrorVextor(kAccesoFichero, e.what());
    } catch (const std::exception& e) {
        return ErrorVextor(kArgumentoNoValido, e.what());
    }
}

void MostrarError(platform::Desktop& desktop, const TMensajesError& MensajesError, const ErrorVextor& error,
                  int textos, const std::string& valor, const std::string& anadido) {
    std::string texto = "ERROR: " + Num::Str(error.Numero) + "\r\n" + MensajesError(textos, 1, 1) + valor +
                        MensajesError(textos, 1, 2) + anadido;
    if (!error.Detalle.empty()) texto += "\r\n" + error.Detalle;
    desktop.MsgBox(texto, platform::mb::Exclamation);
}

}  // namespace Errors
