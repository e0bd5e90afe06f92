#include "SlopingField.h"

#include "Gauss.h"

#include <algorithm>
#include <cmath>

namespace hydraulics {

std::optional<Inlet> inletFlow(const SlopingField &f, double flow)
{
    auto y = normalDepth(*f.section, flow, f.manningN, f.slope);
    if (!y) return std::nullopt;
    return Inlet{*y, f.section->area(*y)};
}

Advance slopingAdvance(const SlopingField &f)
{
    auto inlet = inletFlow(f, f.inflow);
    if (!inlet) return Advance{};
    AdvanceProblem pb;
    pb.inflow = f.inflow;
    pb.storageCoeff = kSigmaY * inlet->area;
    pb.z = f.z;
    return solveAdvance(pb, f.length);
}

double fieldIntakeRate(const SlopingField &f, const Advance &adv, double t)
{
    return integrate([&](double x) { return f.z.rate(t - adv.time(x)); }, 0.0, f.length);
}

double SlopingRun::recessionTime(double x) const
{
    if (recessionX.empty()) return cutoff;
    auto it = std::lower_bound(recessionX.begin(), recessionX.end(), x);
    if (it == recessionX.begin()) return recessionT.front();
    if (it == recessionX.end()) return recessionT.back();
    const std::size_t i = std::size_t(it - recessionX.begin());
    const double w = (x - recessionX[i - 1]) / (recessionX[i] - recessionX[i - 1]);
    return recessionT[i - 1] + w * (recessionT[i] - recessionT[i - 1]);
}

namespace {

struct CharacteristicEnd {
    double x, t;
    bool reachedEnd;
};

// Follows one kinematic characteristic, dx/dt = dQ/dA, dA/dt = -intake rate per metre, until
// its flow area is gone or it leaves the field.
CharacteristicEnd follow(const SlopingField &f, const Advance &adv, const Rating &rating,
                         double x, double area, double t)
{
    // Steps of a twentieth of the starting area (not of the current one, which would only
    // approach zero) or of a fiftieth of the length, whichever is shorter.
    const double areaStep = 0.05 * area;
    for (int step = 0; step < 4000; ++step) {
        if (x >= f.length) return {f.length, t, true};
        if (area <= 0.0) return {x, t, false};
        const double intake = f.z.rate(t - adv.time(x));
        const double c = rating.celerity(area);
        double dt = areaStep / intake;
        if (c > 0.0) dt = std::min(dt, 0.02 * f.length / c);
        if (area - intake * dt <= 0.0) {
            dt = area / intake;
            return {std::min(x + c * dt, f.length), t + dt, x + c * dt >= f.length};
        }
        if (x + c * dt >= f.length) {
            const double toEnd = (f.length - x) / c;
            return {f.length, t + toEnd, true};
        }
        x += c * dt;
        area -= intake * dt;
        t += dt;
    }
    return {x, t, false};
}

}  // namespace

std::optional<SlopingRun> runSlopingField(const SlopingField &f, const Advance &adv,
                                          double cutoff)
{
    SlopingRun run;
    run.advance = adv;
    run.cutoff = cutoff;
    const double flowAtCutoff = f.inflow * f.cutbackRatio;
    run.cutbackFlow = f.cutbackRatio < 1.0 ? flowAtCutoff : 0.0;
    run.applied = f.inflow * adv.tL + flowAtCutoff * (cutoff - adv.tL);
    auto inlet = inletFlow(f, flowAtCutoff);
    if (!inlet) return std::nullopt;
    const Rating rating = kinematicRating(*f.section, inlet->depth, f.manningN, f.slope);

    // Recession: the characteristics of the expansion that starts at the inlet at cutoff,
    // slowest first, then those of the profile at cutoff, upstream first. The place where
    // each one runs dry is a point of the recession curve; the first that reaches the end
    // is the last water to leave the field.
    const int fan = 16, profile = 16;
    run.recessionX.push_back(0.0);
    run.recessionT.push_back(cutoff);
    auto add = [&](const CharacteristicEnd &e) {
        const double x = std::max(e.x, run.recessionX.back());
        const double t = std::max(e.t, run.recessionT.back());
        if (x > run.recessionX.back()) {
            run.recessionX.push_back(x);
            run.recessionT.push_back(t);
        } else {
            run.recessionT.back() = t;
        }
        return e.reachedEnd;
    };
    bool done = false;
    for (int j = 1; j <= fan && !done; ++j) {
        const double a = inlet->area * double(j) / fan;
        done = add(follow(f, adv, rating, 0.0, a, cutoff));
    }
    // Flow along the field at cutoff: what the inflow leaves after the intake upstream.
    double flow = flowAtCutoff, x0 = 0.0;
    const int cells = 8;
    for (int j = 1; j <= profile && !done; ++j) {
        const double x1 = f.length * double(j) / profile;
        for (int c = 0; c < cells; ++c) {
            const double x = x0 + (c + 0.5) * (x1 - x0) / cells;
            flow -= f.z.rate(cutoff - adv.time(x)) * (x1 - x0) / cells;
        }
        x0 = x1;
        double area = 0.0;
        if (flow > 0.0) {
            auto y = normalDepth(*f.section, flow, f.manningN, f.slope);
            area = y ? f.section->area(*y) : 0.0;
        }
        done = add(follow(f, adv, rating, x1, area, cutoff));
    }
    if (run.recessionX.back() < f.length) {
        run.recessionX.push_back(f.length);
        run.recessionT.push_back(run.recessionT.back());
    }
    return run;
}

double minimumDepth(const SlopingField &f, const SlopingRun &run)
{
    double least = 1e300;
    const int n = 200;
    for (int i = 0; i <= n; ++i) {
        const double x = f.length * i / n;
        least = std::min(least, f.z.depth(run.opportunity(x)));
    }
    return least / f.width;
}

}  // namespace hydraulics
