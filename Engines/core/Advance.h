#ifndef IRRIKA_ADVANCE_H
#define IRRIKA_ADVANCE_H

// Advance by volume balance (Lewis and Milne 1938; Walker and Skogerboe 1987):
//   Q t = S(x) + sigma_z k t^a x + f0 t x / (1 + r),   x = p t^r,
//   sigma_z = (a + r (1 - a) + 1) / ((1 + a)(1 + r)),
// with the surface storage S(x) = c x^(1 + m): m = 0 for normal depth at the inlet of a
// sloping field (c = sigma_y A0), m = 3/13 for the zero-inertia level basin. The exponent r
// is iterated until the advance times to L/2 and L lie on one power curve.

#include "Infiltration.h"

namespace hydraulics {

struct AdvanceProblem {
    double inflow = 0.0;        // per unit width (m2/min) or per furrow (m3/min)
    double storageCoeff = 0.0;  // c of S(x)
    double storageExp = 0.0;    // m of S(x)
    KostiakovLewis z;           // per unit width or per metre of furrow
};

enum class AdvanceStatus { Ok, DoesNotReach, NoConvergence };

struct Advance {
    AdvanceStatus status = AdvanceStatus::DoesNotReach;
    double p = 0.0;
    double r = 0.0;
    double tL = 0.0;  // advance time to the end
    double time(double x) const;       // t at which the front passes x (0 <= x <= L)
};

const double kMaxAdvanceTime = 1.0e5;  // minutes; slower fronts count as stalled

// Time at which the front reaches x for a given r; nothing when it never does.
std::optional<double> advanceTime(const AdvanceProblem &pb, double x, double r);

Advance solveAdvance(const AdvanceProblem &pb, double length);

}  // namespace hydraulics

#endif
