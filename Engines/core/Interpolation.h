#ifndef IRRIKA_INTERPOLATION_H
#define IRRIKA_INTERPOLATION_H

#include <algorithm>
#include <vector>

namespace hydraulics {

// The value at x of the piecewise-linear curve through (xs[i], ys[i]), xs increasing; the end
// values beyond the ends.
inline double interpolate(const std::vector<double> &xs, const std::vector<double> &ys, double x)
{
    if (x <= xs.front()) return ys.front();
    if (x >= xs.back()) return ys.back();
    const std::size_t i = std::size_t(std::upper_bound(xs.begin(), xs.end(), x) - xs.begin());
    const double w = (x - xs[i - 1]) / (xs[i] - xs[i - 1]);
    return ys[i - 1] + w * (ys[i] - ys[i - 1]);
}

}  // namespace hydraulics

#endif
