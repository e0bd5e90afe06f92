#include "Advance.h"

namespace hydraulics {

std::vector<double> advanceStations(double length)
{
    const int count = kAdvanceStations;
    std::vector<double> x(count + 1);
    for (int i = 0; i <= count; ++i) x[i] = length * std::pow(double(i) / count, 1.5);
    x[count] = length;
    return x;
}

double predictedArrival(const Trajectory &tr, double x)
{
    const std::size_t n = tr.x.size();
    if (n < 3 || !(tr.t[n - 2] > 0.0)) return tr.t.back() + 1.0;
    const double p = std::log(tr.x[n - 1] / tr.x[n - 2]) / std::log(tr.t[n - 1] / tr.t[n - 2]);
    if (!(p > 0.05) || !std::isfinite(p)) return 2.0 * tr.t.back();
    return tr.t.back() * std::pow(x / tr.x[n - 1], 1.0 / p);
}

}  // namespace hydraulics
