#include "LevelBasin.h"

#include "Interpolation.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace hydraulics {

namespace {

const double kAlpha = 13.0 / 16.0;  // the similarity front moves as t^alpha

// The similarity solution without infiltration: shape factor, its constant c, and the profile
// f = y / y0 and the volume beyond G = integral of f from xi to 1 at even steps of xi = x / x_f.
struct SimilarityProfile {
    LevelBasinSimilarity constants;
    static const int kSteps = 256;
    double f[kSteps + 1], g[kSteps + 1];

    double at(const double (&table)[kSteps + 1], double xi) const
    {
        const double p = std::min(std::max(xi, 0.0), 1.0) * kSteps;
        const int i = std::min(int(p), kSteps - 1);
        return table[i] + (p - i) * (table[i + 1] - table[i]);
    }
};

// The profile and the volume beyond, over the distance s = 1 - xi from the front, integrated
// from the front (where f ~ s^(3/7)) back to the inlet with the free constant set to 1, then
// rescaled so that f(0) = 1.
SimilarityProfile integrate()
{
    const double s0 = 1e-7;
    const double front = 7.0 / 3.0 * kAlpha * kAlpha;
    double f = std::pow(front * s0, 3.0 / 7.0);
    double g = 0.7 * std::pow(front, 3.0 / 7.0) * std::pow(s0, 10.0 / 7.0);
    auto df = [&](double s, double fv, double gv) {
        double flux = gv + kAlpha * (1.0 - s) * fv;
        return flux * flux / std::pow(fv, 10.0 / 3.0);
    };
    const int steps = 6000;
    std::vector<double> ss{s0}, fs{f}, gs{g};
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
        ss.push_back(s);
        fs.push_back(f);
        gs.push_back(g);
    }
    const double lambda = 1.0 / f;
    SimilarityProfile p;
    p.constants = {g * lambda, std::pow(lambda, 7.0 / 3.0)};
    for (int i = SimilarityProfile::kSteps; i >= 0; --i) {  // the distance from the front grows
        const double dist = 1.0 - double(i) / SimilarityProfile::kSteps;
        p.f[i] = dist <= s0 ? 0.0 : lambda * interpolate(ss, fs, dist);
        p.g[i] = dist <= s0 ? 0.0 : lambda * interpolate(ss, gs, dist);
    }
    return p;
}

const SimilarityProfile &similarity()
{
    static const SimilarityProfile value = integrate();
    return value;
}

// Front of a level basin after cutoff without infiltration, x / x_co against t / t_co, from a
// zero-inertia finite-volume computation on a grid of 300 cells (a grid of 150 cells differs
// by less than 0.3 %). Beyond the table the front tends to the spreading of a fixed volume,
// x ~ t^(3/8); the table's last steps run at about t^0.39.
const double kAfterCutoffTime[] = {1, 1.05, 1.1, 1.2, 1.35, 1.5, 1.75, 2, 2.5,
                                   3, 4, 5, 6, 8, 10, 12, 15};
const double kAfterCutoffFront[] = {1, 1.0407, 1.0810, 1.1601, 1.2713, 1.3709,
                                    1.5158, 1.6411, 1.8531, 2.0310, 2.3250, 2.5675,
                                    2.7769, 3.1312, 3.4289, 3.6889, 4.0296};
const int kAfterCutoffRows = int(sizeof(kAfterCutoffTime) / sizeof(kAfterCutoffTime[0]));
const double kLateSpreadingPower = 0.39;

// Log slope d ln F / d ln theta at table row i, from its neighbours.
double tableLogSlope(int i)
{
    const int a = std::max(i - 1, 0), b = std::min(i + 1, kAfterCutoffRows - 1);
    return std::log(kAfterCutoffFront[b] / kAfterCutoffFront[a]) /
           std::log(kAfterCutoffTime[b] / kAfterCutoffTime[a]);
}

// C(theta) / C(1) of the front law u = C V^(7/6) x^(-5/3) / n without infiltration:
// (16/13) F'(theta) F^(5/3), written with the log slope p = theta F' / F.
double frontLawFactor(double theta)
{
    if (theta <= 1.0) return 1.0;
    double logF, p;
    const int last = kAfterCutoffRows - 1;
    if (theta >= kAfterCutoffTime[last]) {
        p = kLateSpreadingPower;
        logF = std::log(kAfterCutoffFront[last]) + p * std::log(theta / kAfterCutoffTime[last]);
    } else {
        int k = 1;
        while (kAfterCutoffTime[k] < theta) ++k;
        const double w = std::log(theta / kAfterCutoffTime[k - 1]) /
                         std::log(kAfterCutoffTime[k] / kAfterCutoffTime[k - 1]);
        logF = std::log(kAfterCutoffFront[k - 1]) +
               w * std::log(kAfterCutoffFront[k] / kAfterCutoffFront[k - 1]);
        p = tableLogSlope(k - 1) + w * (tableLogSlope(k) - tableLogSlope(k - 1));
    }
    return 16.0 / 13.0 * p * std::exp(8.0 / 3.0 * logF) / theta;
}

// Surface storage per metre of width with the front at the trajectory's last station at time
// now, and the intake along it; see the header for the profile.
class StorageModel {
public:
    explicit StorageModel(const LevelBasinField &f)
        : f_(f), kappa_(13.0 / 3.0 * f.manningN * f.manningN / 3600.0)
    {
    }

    // Water on the surface and infiltrated by time now (m2 per metre of width).
    double storedAndInfiltrated(const Trajectory &tr, double now)
    {
        const double infiltrated = infiltratedAlong(f_.z, tr, now, &beyond_);
        const std::size_t i = tr.x.size() - 1;
        const double xf = tr.x[i];
        // The front's speed at the station, from the local power law x ~ t^p through the last
        // segment (the similarity's p = 13/16 for the first).
        const double p = i > 1 ? std::log(xf / tr.x[i - 1]) / std::log(now / tr.t[i - 1]) : kAlpha;
        const double speed = p * xf / now;
        const double storageGrowth = f_.inflow - beyond_[0];
        const SimilarityProfile &sim = similarity();
        const double shape = sim.constants.shapeFactor;
        a_.resize(i + 1);
        b_.resize(i + 1);
        for (std::size_t j = 0; j <= i; ++j) {
            const double xi = tr.x[j] / xf;
            // A falling storage (the intake outgrowing the inflow) would turn the flow
            // upstream; the front stalls then anyway, so the flow stays downstream.
            a_[j] = std::max(0.0, storageGrowth * sim.at(sim.g, xi) / shape + beyond_[j]);
            b_[j] = speed * xi * sim.at(sim.f, xi);
        }
        // q = a + y0 b is linear in the inlet depth: integrals of q^2 from the front back to
        // each station as p0 + 2 p1 y0 + p2 y0^2. Over the last segment q^2 ~ s^(6/7).
        p0_.assign(i + 1, 0.0);
        p1_.assign(i + 1, 0.0);
        p2_.assign(i + 1, 0.0);
        for (std::size_t j = i; j-- > 0;) {
            const double dx = tr.x[j + 1] - tr.x[j];
            const double w0 = j + 1 == i ? 7.0 / 13.0 : 0.5, w1 = j + 1 == i ? 0.0 : 0.5;
            p0_[j] = p0_[j + 1] + dx * (w0 * a_[j] * a_[j] + w1 * a_[j + 1] * a_[j + 1]);
            p1_[j] = p1_[j + 1] + dx * (w0 * a_[j] * b_[j] + w1 * a_[j + 1] * b_[j + 1]);
            p2_[j] = p2_[j + 1] + dx * (w0 * b_[j] * b_[j] + w1 * b_[j + 1] * b_[j + 1]);
        }
        const double y0 = inletDepth(p0_[0], p1_[0], p2_[0]);
        double storage = 0.0, yNext = 0.0;
        for (std::size_t j = i; j-- > 0;) {
            const double integral = p0_[j] + 2.0 * p1_[j] * y0 + p2_[j] * y0 * y0;
            const double y = std::pow(kappa_ * integral, 3.0 / 13.0);
            const double dx = tr.x[j + 1] - tr.x[j];
            // Over the last segment y ~ s^(3/7), whose mean is 0.7 of its end value.
            storage += j + 1 == i ? 0.7 * y * dx : 0.5 * (y + yNext) * dx;
            yNext = y;
        }
        return storage + infiltrated;
    }

private:
    // y0^(13/3) = kappa (p0 + 2 p1 y0 + p2 y0^2): in u = ln y0, g(u) = 13/3 u - ln(kappa P)
    // rises with a slope between 13/3 - 2 and 13/3, so Newton's method from the last inlet
    // depth settles in a few steps.
    double inletDepth(double p0, double p1, double p2)
    {
        auto P = [&](double y) { return kappa_ * (p0 + y * (2.0 * p1 + y * p2)); };
        double y = lastInletDepth_ > 0.0 ? lastInletDepth_ : std::pow(P(0.1), 3.0 / 13.0);
        for (int i = 0; i < 50; ++i) {
            const double value = P(y);
            if (!(value > 0.0)) return 0.0;
            const double g = 13.0 / 3.0 * std::log(y) - std::log(value);
            const double slope = 13.0 / 3.0 - y * kappa_ * (2.0 * p1 + 2.0 * y * p2) / value;
            const double step = std::max(-2.0, std::min(2.0, g / slope));
            y *= std::exp(-step);
            if (std::fabs(step) < 1e-12) break;
        }
        lastInletDepth_ = y;
        return y;
    }

    const LevelBasinField &f_;
    const double kappa_;
    double lastInletDepth_ = 0.0;
    std::vector<double> beyond_, a_, b_, p0_, p1_, p2_;
};

}  // namespace

const LevelBasinSimilarity &levelBasinSimilarity() { return similarity().constants; }

double levelBasinInletDepth(double unitInflowPerMinute, double manningN, double x)
{
    const LevelBasinSimilarity &s = levelBasinSimilarity();
    const double q = unitInflowPerMinute / 60.0;  // the similarity constants are in seconds
    return std::pow(manningN * manningN * q * q * x / (s.c * s.shapeFactor * s.shapeFactor),
                    3.0 / 13.0);
}

Trajectory levelBasinAdvance(const LevelBasinField &f, AdvanceStatus &status)
{
    Trajectory tr;
    status = AdvanceStatus::DoesNotReach;
    if (!(f.inflow > 0.0) || !(f.length > 0.0) || !(f.manningN > 0.0)) return tr;
    StorageModel model(f);
    status = advanceThrough(tr, advanceStations(f.length),
                            [&](double t) { return f.inflow * t - model.storedAndInfiltrated(tr, t); });
    return tr;
}

Trajectory levelBasinAdvanceAfterCutoff(const LevelBasinField &f, const Trajectory &running,
                                        double cutoff)
{
    if (!(cutoff > 0.0) || cutoff >= running.endTime()) return running;
    // The running advance up to cutoff, and the front's state then.
    Trajectory tr = running.until(cutoff);
    const double xCutoff = tr.x.back();
    const double speedAtCutoff = running.speed(xCutoff);
    const double applied = f.inflow * cutoff;
    const double volumeAtCutoff = applied - infiltratedAlong(f.z, tr, cutoff);
    if (!(volumeAtCutoff > 0.0)) return tr;
    auto speed = [&](double x, double t) {
        const double volume = applied - infiltratedAlong(f.z, tr, t);
        if (!(volume > 0.0)) return 0.0;
        // A front whose inflow has stopped is never faster than one whose inflow runs on.
        return std::min(running.speed(x),
                        speedAtCutoff * frontLawFactor(t / cutoff) *
                            std::pow(volume / volumeAtCutoff, 7.0 / 6.0) *
                            std::pow(x / xCutoff, -5.0 / 3.0));
    };
    tr.reachesEnd = advanceBySpeed(tr, running.x, speed);
    return tr;
}

}  // namespace hydraulics
