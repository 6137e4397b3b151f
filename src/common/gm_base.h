#pragma once
// What every part of the geometry kernel shares: its circle constants, its point
// records, the arithmetic checks that turn a division by zero or the root of a
// negative number into an error instead of a NaN, and the array convention.
//
// Array convention: the kernel takes std::vector with element 0 unused; the elements
// are 1 .. UltimoIndice(v). An empty vector and a vector holding only element 0 both
// have no elements.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace GM {

// The circle constants are the fifteen-digit literals, not the full double values:
// results must agree with the instruments' own arithmetic.
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kDosPi = 6.28318530717958;
inline constexpr double kTresPi = 9.42477796076937;  // used only halved, for 3pi/2
inline constexpr double kMedioPi = kPi / 2;

// An arithmetic fault inside the kernel (division by zero, root of a negative number,
// a value too large for a double). The text is what the user is shown.
class ArithmeticError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kDivisionPorCero = "División por cero";
inline constexpr const char* kArgumentoNoValido = "Llamada a procedimiento o argumento no válidos";
inline constexpr const char* kDesbordamiento = "Desbordamiento";

inline double Dividir(double a, double b) {
    if (b == 0) throw ArithmeticError(kDivisionPorCero);
    const double q = a / b;
    if (!std::isfinite(q) && std::isfinite(a)) throw ArithmeticError(kDesbordamiento);
    return q;
}

inline double Raiz(double x) {
    if (x < 0) throw ArithmeticError(kArgumentoNoValido);
    return std::sqrt(x);
}

inline double Finito(double x) {
    if (!std::isfinite(x)) throw ArithmeticError(kDesbordamiento);
    return x;
}

// A plane point.
struct TPuntoXY {
    double X = 0;  // easting
    double Y = 0;  // northing
};

// The point record of every point routine: on the plan X, Y are easting and northing;
// on the profile X is the chainage and Y the elevation. Campo3 and Campo4 belong to
// other users of the record; the kernel always leaves them 0.
struct TPuntoEje {
    double X = 0;
    double Y = 0;
    double Campo3 = 0;
    std::int16_t Campo4 = 0;
    double Acimut = 0;  // tangent azimuth at the point, radians, not reduced
};

template <class T>
std::size_t UltimoIndice(const std::vector<T>& v) {
    return v.empty() ? 0 : v.size() - 1;
}

}  // namespace GM
