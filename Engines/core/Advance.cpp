#include "Advance.h"

#include "Roots.h"

#include <cmath>

namespace hydraulics {

double Advance::time(double x) const
{
    if (x <= 0.0 || p <= 0.0) return 0.0;
    return std::pow(x / p, 1.0 / r);
}

std::optional<double> advanceTime(const AdvanceProblem &pb, double x, double r)
{
    const KostiakovLewis &z = pb.z;
    const double sigmaZ = (z.a + r * (1.0 - z.a) + 1.0) / ((1.0 + z.a) * (1.0 + r));
    const double storage = pb.storageCoeff * std::pow(x, 1.0 + pb.storageExp);
    auto balance = [&](double t) {
        return pb.inflow * t - storage - sigmaZ * z.k * std::pow(t, z.a) * x -
               z.f0 * t * x / (1.0 + r);
    };
    // The balance is convex in t and negative at 0, so one positive root exists when the
    // inflow outgrows the infiltration for large t.
    return findRootAbove(balance, 0.0, 1.0, kMaxAdvanceTime);
}

Advance solveAdvance(const AdvanceProblem &pb, double length)
{
    Advance out;
    if (!(pb.inflow > 0.0) || !(length > 0.0)) return out;
    double r = 0.5;
    for (int i = 0; i < 100; ++i) {
        auto tl = advanceTime(pb, length, r);
        auto th = advanceTime(pb, 0.5 * length, r);
        if (!tl || !th) return out;
        double rNew = std::log(2.0) / std::log(*tl / *th);
        if (!std::isfinite(rNew) || rNew <= 0.0) rNew = 0.05;
        if (rNew > 1.5) rNew = 1.5;
        out.tL = *tl;
        if (std::fabs(rNew - r) < 1e-9) {
            out.r = rNew;
            out.p = length / std::pow(out.tL, out.r);
            out.status = AdvanceStatus::Ok;
            return out;
        }
        r = 0.5 * (r + rNew);  // damped: the undamped map can oscillate for a near 1
    }
    out.status = AdvanceStatus::NoConvergence;
    return out;
}

}  // namespace hydraulics
