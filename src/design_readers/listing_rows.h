#pragma once
// What the listing readers (Istram, InRoads) share: the row buffer, and the radius a
// clothoid's record stores, found from the curvature the alignment really carries
// into the clothoid instead of from the radius column of the neighbouring rows,
// which the programs fill in different ways. A clothoid that leaves a straight, or
// the zero curvature at the end of another spiral, stores the marker +-0.001; one
// that leaves a radius (an exit spiral, an egg) keeps that radius.

#include <cstdint>
#include <optional>

#include "common/records.h"

namespace design_readers {

// One row of a listing: the element that starts at the row's point.
struct TFilaPlanta {
    std::int32_t Fila = 0;
    double Longitud = 0;
    double PK = 0;
    double X = 0;
    double Y = 0;
    double Radio = 0;
    double Parametro = 0;
    double Acimut = 0;  // gon
};

// The element that starts at a row, numbered N, with the row's own radius, parameter
// and length.
TPlanta ElementoDeFila(const TFilaPlanta& fila, std::int32_t N);

// A clothoid as the listing gives it, with what the rows around it say.
struct ClotoideListada {
    double Az1 = 0;                      // azimuth at its start (gon)
    double Az2 = 0;                      // azimuth at the start of the next row (gon)
    double RadioInicial = 0;             // the radius it leaves: 0 for a straight or zero curvature
    std::optional<double> RadioSiguiente;  // the radius the next row starts with, when the listing
                                           // states it (an arc's, a clothoid's; 0 a straight);
                                           // nothing when it must come from the turn
    double Longitud = 0;
};

struct ClotoideEnlazada {
    double Radio = 0;       // what the record stores
    double Parametro = 0;   // A
    double RadioFinal = 0;  // the radius it reaches, signed; 0 at zero curvature
};

// Throws ClotoideDegenerada for a clothoid whose shape cannot be found (no length,
// no turn, equal radii at both ends).
struct ClotoideDegenerada {
    const char* motivo;
};

// Istram lists the parameter A.
ClotoideEnlazada ClotoideConParametro(const ClotoideListada& c, double A);
// InRoads lists no parameter: it comes from the radii at both ends.
ClotoideEnlazada ClotoideSinParametro(const ClotoideListada& c);

}  // namespace design_readers
