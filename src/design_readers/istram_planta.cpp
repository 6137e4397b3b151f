// The Istram planta listing: elements built one row late, so that a clothoid sees
// the rows on both sides of it.

#include <optional>
#include <string_view>

#include "common/line_input.h"
#include "common/numbers.h"
#include "design_readers/istram.h"
#include "design_readers/listing_lines.h"
#include "design_readers/listing_rows.h"
#include "field_writers/rechazo.h"

namespace design_readers {
namespace {

constexpr std::string_view kRegla = "------------ ";

bool EsRegla(std::string_view linea) { return Columnas(linea, 23, 13) == kRegla; }

// The state of one run: the three row buffers start empty every time.
class CorridaPlanta {
public:
    CorridaPlanta(std::int16_t formato, std::vector<TPlanta>& planta) : formato_(formato), planta_(planta) {}

    // A line after the rule; false when it ends the rows of the page.
    void Fila(std::string_view linea, std::int64_t numero) {
        const std::string_view longitud = Columnas(linea, 13, 9);
        if (LineaVacia(longitud)) {
            if (!Num::IsNumber(Columnas(linea, 22, 13))) return;  // not a row
            Final(linea, numero);
            return;
        }
        if (!Num::IsNumber(longitud)) return;  // a title or a note, not a row
        ++r_;
        FilaPlanta2 = {static_cast<std::int32_t>(numero),
                       Numero(longitud, numero),
                       Numero(Columnas(linea, 22, 13), numero),
                       Numero(Columnas(linea, 35, 13), numero),
                       Numero(Columnas(linea, 48, 13), numero),
                       Numero(Columnas(linea, 61, 13), numero),
                       Numero(Columnas(linea, 74, 13), numero),
                       Numero(Columnas(linea, 87, 13), numero)};
        if (r_ > 1) {
            const bool arcoORecta = FilaPlanta2.Parametro == 0;
            planta_.push_back(Elemento(FilaPlanta2.Acimut, arcoORecta ? std::optional<double>(FilaPlanta2.Radio)
                                                                      : std::nullopt));
        }
        FilaPlanta0 = FilaPlanta1;
        FilaPlanta1 = FilaPlanta2;
    }

    bool Terminada() const { return terminada_; }

    // The listing ended without an end row: its last row would give no element and
    // the end would be placed at the start of the element before it. Nothing tells
    // where the alignment ends, so the listing is refused.
    void SinFilaFinal() const {
        if (r_ < 2) return;  // no element at all: refused as an empty listing
        throw Rechazo(EnLinea(FilaPlanta1.Fila, "la última fila del listado no va seguida de la fila final del eje") + ".");
    }

private:
    // The element of the previous row, whose next row has the azimuth `acimutSiguiente`
    // and, when it is a straight or an arc, the radius `radioSiguiente`.
    TPlanta Elemento(double acimutSiguiente, std::optional<double> radioSiguiente) {
        TPlanta e = ElementoDeFila(FilaPlanta1, r_ - 1);
        if (e.Parametro == 0) {
            radioFinal_ = e.Radio;
            return e;
        }
        try {
            const ClotoideEnlazada c = ClotoideConParametro(
                {FilaPlanta1.Acimut, acimutSiguiente, radioFinal_, radioSiguiente, FilaPlanta1.Longitud},
                FilaPlanta1.Parametro);
            e.Radio = c.Radio;
            radioFinal_ = c.RadioFinal;
        } catch (const ClotoideDegenerada& d) {
            throw Rechazo(EnLinea(FilaPlanta1.Fila, d.motivo) + ".");
        }
        return e;
    }

    // The end row: the last element, then the end element by the field format.
    void Final(std::string_view linea, std::int64_t numero) {
        terminada_ = true;
        ++r_;
        const double x = Numero(Columnas(linea, 36, 13), numero);
        const double y = Numero(Columnas(linea, 48, 13), numero);
        const double acimut = Numero(Columnas(linea, 87, 13), numero);
        if (r_ == 1) return;  // an end row alone is no alignment
        planta_.push_back(Elemento(acimut, std::nullopt));
        Cierre(planta_.back(), x, y, acimut);
    }

    void Cierre(TPlanta e, double x, double y, double acimut) {
        e.PK += e.Longitud;
        e.N += 1;
        e.X = x;
        e.Y = y;
        e.Acimut = acimut;
        if (formato_ == 1 || formato_ == 2) {
            // A 0.01 m straight at the end point.
            e.Radio = 0;
            e.Parametro = 0;
            e.Longitud = 0.01;
            planta_.push_back(e);
        } else if (formato_ == 4) {
            // Only where the last element ends and with which radius: the Tunelix line
            // of the last element is written from it.
            e.Longitud = 0;
            e.Acimut = FilaPlanta1.Acimut;
            e.Parametro = FilaPlanta1.Parametro;
            e.Radio = radioFinal_;
            planta_.push_back(e);
        }
    }

    std::int16_t formato_;
    std::vector<TPlanta>& planta_;
    TFilaPlanta FilaPlanta0;  // the row before the previous one
    TFilaPlanta FilaPlanta1;  // the previous row
    TFilaPlanta FilaPlanta2;  // the current row
    std::int32_t r_ = 0;      // rows read
    double radioFinal_ = 0;   // the radius the last element built ends with; 0 a straight
    bool terminada_ = false;
};

}  // namespace

void LeerPlantaIstram(const std::string& entrada, std::int16_t FormatoCampo, std::vector<TPlanta>& Planta) {
    LineInput input(entrada);
    CorridaPlanta corrida(FormatoCampo, Planta);
    bool enFilas = false;
    std::string_view linea;
    std::int64_t numero = 0;
    while (!corrida.Terminada() && input.Next(linea)) {
        ++numero;
        if (!enFilas) {
            enFilas = EsRegla(linea);
        } else if (SaltoDePagina(linea) || LineaVacia(linea)) {
            enFilas = false;
        } else if (!EsRegla(linea)) {
            corrida.Fila(linea, numero);
        }
    }
    if (!corrida.Terminada()) corrida.SinFilaFinal();
}

bool Istram_Planta(Context& ctx, const Ficheros& ficheros) {
    const std::int16_t formato = ctx.state.FormatoCampo;
    return Leer_Planta(ctx, ficheros, [formato](const std::string& entrada, std::vector<TPlanta>& Planta) {
        LeerPlantaIstram(entrada, formato, Planta);
    });
}

}  // namespace design_readers
