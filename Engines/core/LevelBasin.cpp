#include "LevelBasin.h"

#include <cmath>

namespace hydraulics {

namespace {

// Profile f = y / y0 and G = volume beyond xi (per y0 x_f) over xi = x / x_f in similarity
// variables, integrated from the front (xi = 1, where f ~ s^(3/7)) back to the inlet with
// the free constant set to 1, then rescaled so that f(0) = 1.
LevelBasinSimilarity integrate()
{
    const double alpha = 13.0 / 16.0;
    const double s0 = 1e-7;
    const double front = 7.0 / 3.0 * alpha * alpha;
    double f = std::pow(front * s0, 3.0 / 7.0);
    double g = 0.7 * std::pow(front, 3.0 / 7.0) * std::pow(s0, 10.0 / 7.0);
    auto df = [&](double s, double fv, double gv) {
        double flux = gv + alpha * (1.0 - s) * fv;
        return flux * flux / std::pow(fv, 10.0 / 3.0);
    };
    const int steps = 6000;
    double s = s0;
    for (int i = 1; i <= steps; ++i) {
        double sNext = s0 * std::pow(1.0 / s0, double(i) / steps);
        double h = sNext - s;
        double k1f = df(s, f, g), k1g = f;
        double k2f = df(s + h / 2, f + h / 2 * k1f, g + h / 2 * k1g), k2g = f + h / 2 * k1f;
        double k3f = df(s + h / 2, f + h / 2 * k2f, g + h / 2 * k2g), k3g = f + h / 2 * k2f;
        double k4f = df(s + h, f + h * k3f, g + h * k3g), k4g = f + h * k3f;
        f += h / 6 * (k1f + 2 * k2f + 2 * k3f + k4f);
        g += h / 6 * (k1g + 2 * k2g + 2 * k3g + k4g);
        s = sNext;
    }
    const double lambda = 1.0 / f;
    return {g * lambda, std::pow(lambda, 7.0 / 3.0)};
}

}  // namespace

const LevelBasinSimilarity &levelBasinSimilarity()
{
    static const LevelBasinSimilarity value = integrate();
    return value;
}

double levelBasinStorageCoeff(double unitInflowPerMinute, double manningN)
{
    const LevelBasinSimilarity &s = levelBasinSimilarity();
    const double q = unitInflowPerMinute / 60.0;  // the similarity constants are in seconds
    const double y0Coeff =
        std::pow(manningN * manningN * q * q / (s.c * s.shapeFactor * s.shapeFactor), 3.0 / 13.0);
    return s.shapeFactor * y0Coeff;
}

}  // namespace hydraulics
