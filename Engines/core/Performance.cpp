#include "Performance.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace hydraulics {

Performance evaluatePerformance(double length, double requiredDepth,
                                const std::function<double(double)> &depthAt)
{
    const int n = kPerformanceCells;
    const double dx = length / n;
    std::vector<double> z(n);
    Performance p;
    double sum = 0, over = 0, under = 0, stored = 0;
    int overCells = 0, underCells = 0;
    for (int i = 0; i < n; ++i) {
        z[i] = depthAt((i + 0.5) * dx);
        sum += z[i];
        if (z[i] > requiredDepth) { over += z[i] - requiredDepth; ++overCells; }
        if (z[i] < requiredDepth) { under += requiredDepth - z[i]; ++underCells; }
        stored += std::min(z[i], requiredDepth);
    }
    p.avgDepth = sum / n;
    p.overDepth = over / n;
    p.underDepth = under / n;
    p.storedDepth = stored / n;
    p.overLength = overCells * dx;
    p.underLength = underCells * dx;
    p.minDepth = *std::min_element(z.begin(), z.end());
    p.maxDepth = *std::max_element(z.begin(), z.end());
    // Each cell stores at most the requirement; the summation's round-off must not read as
    // more than 100 %.
    p.storageEfficiency = requiredDepth > 0 ? std::min(100.0, 100.0 * p.storedDepth / requiredDepth) : 0.0;
    double deviation = 0;
    for (double v : z) deviation += std::fabs(v - p.avgDepth);
    const int quarter = n / 4;
    std::nth_element(z.begin(), z.begin() + quarter, z.end());
    double lowSum = 0;
    for (int i = 0; i < quarter; ++i) lowSum += z[i];
    if (p.avgDepth > 0) {
        p.distributionUniformity = 100.0 * (lowSum / quarter) / p.avgDepth;
        p.uniformityCoefficient = 100.0 * (1.0 - deviation / (n * p.avgDepth));
    }
    return p;
}

}  // namespace hydraulics
