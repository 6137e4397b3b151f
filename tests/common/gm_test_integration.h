#pragma once
// Reference geometry for the kernel tests, independent of the kernel's series: an
// element whose curvature varies linearly along it, integrated numerically with
// composite Simpson. Curvature is signed like the radii: > 0 the azimuth increases.

#include <cmath>

namespace gmtest {

struct Pose {
    double X;
    double Y;
    double Acimut;
};

// The point at distance t from (X0, Y0) with start azimuth az0, start curvature k0 and
// curvature rate dk (per metre).
inline Pose Integrar(double X0, double Y0, double az0, double k0, double dk, double t) {
    auto azimut = [&](double s) { return az0 + k0 * s + dk * s * s / 2; };
    const int n = 4000;  // even
    const double h = t / n;
    double sx = 0;
    double sy = 0;
    for (int k = 0; k <= n; ++k) {
        const double w = (k == 0 || k == n) ? 1 : (k % 2 ? 4 : 2);
        const double a = azimut(k * h);
        sx += w * std::sin(a);
        sy += w * std::cos(a);
    }
    return {X0 + sx * h / 3, Y0 + sy * h / 3, azimut(t)};
}

// Integral of f over [0, b] by composite Simpson.
template <class F>
double Simpson(F f, double b, int n = 4000) {
    const double h = b / n;
    double s = f(0) + f(b);
    for (int k = 1; k < n; ++k) s += (k % 2 ? 4 : 2) * f(k * h);
    return s * h / 3;
}

}  // namespace gmtest
