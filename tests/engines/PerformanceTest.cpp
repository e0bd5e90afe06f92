// The field performance figures checked against a calculation of their own: the depths at the
// same sampling points, sorted, and the mean of the lowest quarter over the mean of all.

#include "Performance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <vector>

using namespace hydraulics;

namespace {

// Low-quarter distribution uniformity in % from the midpoints of the equal cells.
double LowQuarterUniformity(double length, const std::function<double(double)> &depthAt)
{
    const int n = kPerformanceCells;
    std::vector<double> z;
    for (int i = 0; i < n; ++i)
        z.push_back(depthAt((i + 0.5) * length / n));
    std::sort(z.begin(), z.end());
    const double all = std::accumulate(z.begin(), z.end(), 0.0) / n;
    const double low = std::accumulate(z.begin(), z.begin() + n / 4, 0.0) / (n / 4);
    return 100.0 * low / all;
}

}  // namespace

TEST(Performance, LowQuarterUniformityIsTheLowestQuartersMeanOverTheMean)
{
    const double length = 40.0;  // m
    struct Case {
        const char *name;
        std::function<double(double)> depthAt;  // mm along the field
    };
    const Case cases[] = {
        // Falling towards the end: the lowest quarter is the last quarter of the field.
        {"falling", [&](double x) { return 120.0 - 2.0 * x; }},
        // Lowest in the middle, so the low quarter lies in two pieces.
        {"dip", [&](double x) { return 60.0 + std::fabs(x - length / 2); }},
        // A dry tenth at the end: the low quarter takes it and the lowest of the rest.
        {"step", [&](double x) { return x > 0.9 * length ? 20.0 : 100.0 + 0.5 * x; }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const Performance p = evaluatePerformance(length, 80.0, c.depthAt);
        EXPECT_NEAR(p.distributionUniformity, LowQuarterUniformity(length, c.depthAt), 1e-9);
    }
    // A straight fall from 120 to 40 mm: the last quarter averages 50 mm, the field 80 mm.
    EXPECT_NEAR(evaluatePerformance(length, 80.0, cases[0].depthAt).distributionUniformity, 62.5, 1e-9);
}
