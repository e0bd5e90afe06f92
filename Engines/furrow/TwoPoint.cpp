#include "TwoPoint.h"

#include "SlopingField.h"

#include <cmath>

namespace hydraulics {

namespace {
const double kSigmaY = 0.77;  // surface shape factor of the method (Walker and Skogerboe 1987)
}

namespace {

// The method's volume balances assume a power-law advance and a storage of sigma_y A0 x; the
// engine's advance is more exact. So a and k are moved on (f0 stays the trial's steady loss)
// until the engine's own advance on the trial furrow passes L/2 and L at the trial's times:
// Broyden's method on the logarithms of the two times, from a finite-difference Jacobian at
// the method's estimate. Without convergence the method's estimate stays.
void matchTrialAdvance(const TrialRun &t, const Section &section, KostiakovLewis &z)
{
    SlopingField trial;
    trial.inflow = t.inflow;
    trial.length = t.length;
    trial.width = 1.0;
    trial.manningN = t.manningN;
    trial.slope = t.slope;
    trial.section = &section;
    // Residuals ln(t / t_trial) at L/2 and L for a and ln k.
    auto residual = [&](double a, double lnK, double (&r)[2]) {
        trial.z = {a, std::exp(lnK), z.f0};
        if (!trial.z.valid()) return false;
        AdvanceStatus status;
        const Trajectory tr = slopingAdvance(trial, status);
        if (status != AdvanceStatus::Ok) return false;
        r[0] = std::log(tr.time(0.5 * t.length) / t.timeHalf);
        r[1] = std::log(tr.endTime() / t.timeEnd);
        return true;
    };
    double u[2] = {z.a, std::log(z.k)}, r[2];
    if (!residual(u[0], u[1], r)) return;
    // Jacobian d r / d (a, ln k) by forward differences.
    double jac[2][2], probe[2];
    const double h[2] = {1e-4, 1e-4};
    for (int j = 0; j < 2; ++j) {
        if (!residual(u[0] + (j == 0 ? h[0] : 0.0), u[1] + (j == 1 ? h[1] : 0.0), probe)) return;
        for (int i = 0; i < 2; ++i) jac[i][j] = (probe[i] - r[i]) / h[j];
    }
    for (int iteration = 0; iteration < 12; ++iteration) {
        if (std::fabs(r[0]) < 1e-9 && std::fabs(r[1]) < 1e-9) {
            z = {u[0], std::exp(u[1]), z.f0};
            return;
        }
        const double det = jac[0][0] * jac[1][1] - jac[0][1] * jac[1][0];
        if (!(std::fabs(det) > 0.0)) return;
        double step[2] = {-(jac[1][1] * r[0] - jac[0][1] * r[1]) / det,
                          -(-jac[1][0] * r[0] + jac[0][0] * r[1]) / det};
        double next[2];
        bool moved = false;
        for (int half = 0; half < 8 && !moved; ++half) {  // shorter steps while off the model
            moved = residual(u[0] + step[0], u[1] + step[1], next);
            if (!moved) { step[0] *= 0.5; step[1] *= 0.5; }
        }
        if (!moved) return;
        // Broyden's update of the Jacobian with the step taken.
        const double dr[2] = {next[0] - r[0], next[1] - r[1]};
        const double norm = step[0] * step[0] + step[1] * step[1];
        for (int i = 0; i < 2; ++i) {
            const double miss = dr[i] - (jac[i][0] * step[0] + jac[i][1] * step[1]);
            for (int j = 0; j < 2; ++j) jac[i][j] += miss * step[j] / norm;
        }
        u[0] += step[0];
        u[1] += step[1];
        r[0] = next[0];
        r[1] = next[1];
    }
}

}  // namespace

TwoPointResult twoPointMethod(const TrialRun &t, const Section &section)
{
    TwoPointResult out;
    if (!(t.inflow > t.runoff)) { out.error = frTrialInflowNotAboveRunoff; return out; }
    if (!(t.timeEnd > t.timeHalf)) { out.error = frTrialAdvanceNotLater; return out; }
    auto y = normalDepth(section, t.inflow, t.manningN, t.slope);
    if (!y || !(t.length > 0) || !(t.timeHalf > 0)) { out.error = frTrialEstimateRange; return out; }
    const double storage = kSigmaY * section.area(*y);
    const double f0 = (t.inflow - t.runoff) / t.length;
    const double r = std::log(2.0) / std::log(t.timeEnd / t.timeHalf);
    // Infiltrated volume per metre of the wetted length at each time, less the f0 part.
    const double vEnd = t.inflow * t.timeEnd / t.length - storage - f0 * t.timeEnd / (1 + r);
    const double vHalf =
        t.inflow * t.timeHalf / (0.5 * t.length) - storage - f0 * t.timeHalf / (1 + r);
    if (vHalf <= 0 && vEnd <= 0) { out.error = frTrialVolumeBoth; return out; }
    if (vHalf <= 0) { out.error = frTrialVolumeHalf; return out; }
    if (vEnd <= 0) { out.error = frTrialVolumeEnd; return out; }
    const double a = std::log(vEnd / vHalf) / std::log(t.timeEnd / t.timeHalf);
    const double sigmaZ = (a + r * (1 - a) + 1) / ((1 + a) * (1 + r));
    out.perMetre = {a, vEnd / (sigmaZ * std::pow(t.timeEnd, a)), f0};
    if (!out.perMetre.valid()) {
        out.error = frTrialEstimateRange;
        return out;
    }
    matchTrialAdvance(t, section, out.perMetre);
    return out;
}

}  // namespace hydraulics
