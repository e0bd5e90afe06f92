#ifndef IRRIKA_PERFORMANCE_H
#define IRRIKA_PERFORMANCE_H

// Field performance from the infiltrated depth along the field, sampled at the midpoints of
// kPerformanceCells equal cells (not only at the profile stations).

#include <functional>

namespace hydraulics {

const int kPerformanceCells = 1200;

struct Performance {
    double minDepth = 0, maxDepth = 0, avgDepth = 0;
    double overDepth = 0, underDepth = 0;      // averaged over the whole field
    double overLength = 0, underLength = 0;
    double storedDepth = 0;                    // field mean of min(Z, Zreq)
    double distributionUniformity = 0;         // low-quarter mean / mean, in %
    double uniformityCoefficient = 0;          // Christiansen, in %
    double storageEfficiency = 0;              // stored / Zreq, in %
};

Performance evaluatePerformance(double length, double requiredDepth,
                                const std::function<double(double)> &depthAt);

}  // namespace hydraulics

#endif
