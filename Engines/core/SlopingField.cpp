#include "SlopingField.h"

#include "FrontDeficit.h"
#include "Performance.h"
#include "Roots.h"
#include "SurfaceDrainage.h"

#include <algorithm>
#include <cmath>

namespace hydraulics {

namespace {

// After a cutoff the draining wave of a steep field piles its water towards the front; on a
// near-level one the depth gradient drives the flow over a length y / S0 as long as the wetted
// field, the surface stays nearly flat as in a draining basin, and the flow reaching the front
// has to wet fresh ground over that length. How steep the field counts is
// 1 / (1 + kNearLevel lambda), lambda = mean depth / (S0 x_f); the factor comes from
// zero-inertia finite-volume computations of early-cutoff borders.
const double kNearLevel = 8.0;

// Flow area and depth of a flow along the field (FieldFlow, through the inlet flow) and the
// zero-inertia front's storage deficit.
struct FlowAreas : FieldFlow {
    std::optional<FrontDeficit> front;

    // Storage missing behind a front at xf moving at the given speed and carrying the given
    // flow, against the normal area all the way to it.
    double frontStorageDeficit(double flow, double xf, double speed) const
    {
        const double a = normalArea(flow);
        if (!front || !(a > 0.0)) return 0.0;
        const double y = depth(a), scale = y / slope;
        return front->at(xf / scale, speed * a / flow) * a * scale;
    }
};

FlowAreas flowAreas(const SlopingField &f, double inletDepth)
{
    FlowAreas fa;
    static_cast<FieldFlow &>(fa) = fieldFlow(*f.section, inletDepth, f.manningN, f.slope);
    // A section whose conveyance grows no faster than its area (power laws with tau2 >=
    // sigma2) has no kinematic front to speak of: no deficit then.
    if (fa.rating.m > 1.0) fa.front.emplace(fa.rating.m, fa.sigma2);
    return fa;
}

// Speed of a front whose profile translates (the flow behind it c A) holding the given area
// over x_f: the profile of the normal area A_c moving at c = alpha A_c^(m - 1). On a
// near-level field the depth gradient drives it, as in a level basin after cutoff.
double translatingSpeed(const FlowAreas &fa, double volume, double xf)
{
    if (!fa.front || !(volume > 0.0) || !(xf > 0.0)) return 0.0;
    auto held = [&](double logArea) {
        const double a = std::exp(logArea), scale = fa.depth(a) / fa.slope;
        return std::log(std::max(a * (xf - fa.front->at(xf / scale, 1.0) * scale), 1e-300) /
                        volume);
    };
    // Never less than the mean area; the upper end grows until it holds the volume.
    double lo = std::log(volume / xf), hi = lo + 1.0, fhi = held(hi);
    for (int i = 0; i < 60 && fhi < 0.0; ++i) fhi = held(hi += 1.0);
    const auto logArea = findRootBetween(held, lo, held(lo), hi, fhi, 1e-6);
    return logArea ? fa.rating.alpha * std::pow(std::exp(*logArea), fa.rating.m - 1.0) : 0.0;
}

// What the running front takes in behind itself per metre it advances, over the area its flow
// carries: the flow at the front Q_f = u (A_f + Z_zone) when it passes each station at speed
// u, so Z_zone = Q_f / u - A_f (m3/m), the intake of the fresh ground it has to wet.
std::vector<double> frontZoneIntake(const SlopingField &f, const FieldFlow &fa, const Trajectory &running)
{
    std::vector<double> zone(running.x.size(), 0.0), beyond;
    for (std::size_t i = 1; i < running.x.size(); ++i) {
        infiltratedAlong(f.z, running, running.t[i], &beyond);
        const double flow = f.inflow - beyond[0];
        if (flow > 0.0) zone[i] = std::max(0.0, flow / running.speed(running.x[i]) - fa.normalArea(flow));
    }
    if (zone.size() > 1) zone[0] = zone[1];
    return zone;
}

// A station value at x, linear between stations, the last one beyond them.
double atStation(const Trajectory &tr, const std::vector<double> &values, double x)
{
    const std::size_t n = tr.x.size();
    if (x >= tr.x[n - 1]) return values[n - 1];
    if (x <= tr.x[0]) return values[0];
    const std::size_t i = std::size_t(std::upper_bound(tr.x.begin(), tr.x.end(), x) - tr.x.begin());
    const double w = (x - tr.x[i - 1]) / (tr.x[i] - tr.x[i - 1]);
    return values[i - 1] + w * (values[i] - values[i - 1]);
}

// Intake rate upstream of x at the time infiltratedAlong filled beyond for (nothing lies
// beyond the last station).
double intakeUpstream(const Trajectory &tr, const std::vector<double> &beyond, double x)
{
    return beyond[0] - atStation(tr, beyond, x);
}

}  // namespace

std::optional<Inlet> inletFlow(const SlopingField &f, double flow)
{
    auto y = normalDepth(*f.section, flow, f.manningN, f.slope);
    if (!y) return std::nullopt;
    return Inlet{*y, f.section->area(*y)};
}

Trajectory slopingAdvance(const SlopingField &f, AdvanceStatus &status)
{
    Trajectory tr;
    status = AdvanceStatus::DoesNotReach;
    auto inlet = inletFlow(f, f.inflow);
    if (!inlet || !(f.length > 0.0)) return tr;
    const FlowAreas fa = flowAreas(f, inlet->depth);
    std::vector<double> beyond;
    status = advanceThrough(tr, advanceStations(f.length), [&](double t) {
        const double infiltrated = infiltratedAlong(f.z, tr, t, &beyond);
        // The flow at each station: the inflow less the intake upstream.
        double storage = 0.0, last = 0.0;
        for (std::size_t j = 0; j < tr.x.size(); ++j) {
            const double a = fa.normalArea(f.inflow - (beyond[0] - beyond[j]));
            if (j > 0) storage += 0.5 * (last + a) * (tr.x[j] - tr.x[j - 1]);
            last = a;
        }
        // The front's own speed over the step to this station shapes the profile behind it.
        const std::size_t n = tr.x.size();
        const double speed = (tr.x[n - 1] - tr.x[n - 2]) / std::max(t - tr.t[n - 2], 1e-9);
        storage -= std::min(fa.frontStorageDeficit(f.inflow - beyond[0], tr.x.back(), speed), storage);
        return f.inflow * t - storage - infiltrated;
    });
    return tr;
}

Trajectory slopingAdvanceAfterCutoff(const SlopingField &f, const Trajectory &running,
                                     double cutoff)
{
    if (!(cutoff > 0.0) || cutoff >= running.endTime()) return running;
    auto inlet = inletFlow(f, f.inflow);
    if (!inlet) return Trajectory{};
    const FlowAreas fa = flowAreas(f, inlet->depth);
    // From cutoff on the front is fed by the draining wave: on a steep field it carries the
    // area m V / ((m - 1) x_f) of a wave A ~ x^(1/(m-1)) holding the water still on the
    // surface; on a near-level one the mean area V / x_f, and its flow wets fresh ground as
    // the running front's did. Right after cutoff that is more than the running front carries,
    // so the front goes on as it did until the drainage catches up with it; then it slows as
    // the water drains. On a near-level field the depth gradient keeps the pond spreading
    // behind a translating front (translatingSpeed), as a level basin's after cutoff.
    Trajectory tr = running.until(cutoff);
    const double applied = f.inflow * cutoff, m = fa.rating.m;
    const double piled = m > 1.0 ? m / (m - 1.0) : 1.0;  // the wave's front area over its mean
    const std::vector<double> zone = frontZoneIntake(f, fa, running);
    auto speed = [&](double xf, double now) {
        const double volume = applied - infiltratedAlong(f.z, tr, now);
        if (!(volume > 0.0)) return 0.0;
        const double lambda = fa.depth(volume / xf) / (f.slope * xf);
        const double steep = 1.0 / (1.0 + kNearLevel * lambda);
        const double frontArea = (1.0 + (piled - 1.0) * steep) * volume / xf;
        const double frontFlow = fa.rating.alpha * std::pow(frontArea, m);
        const double wetting = (1.0 - steep) * atStation(running, zone, xf);
        const double drained = frontFlow / (frontArea + wetting);
        const double mean = volume / xf;
        const double translating = translatingSpeed(fa, volume, xf) * mean / (mean + wetting);
        // Never faster than the front with the inflow running.
        return std::min(running.speed(xf), std::max(drained, translating));
    };
    tr.reachesEnd = advanceBySpeed(tr, running.x, speed);
    return tr;
}

double fieldIntakeRate(const SlopingField &f, const Trajectory &advance, double t)
{
    std::vector<double> beyond;
    infiltratedAlong(f.z, advance, t, &beyond);
    return beyond[0];
}

double SlopingRun::recessionTime(double x) const
{
    return std::min(waterGone, recessionCurve(x));
}

double SlopingRun::recessionCurve(double x) const
{
    if (recessionX.empty()) return cutoff;
    auto it = std::lower_bound(recessionX.begin(), recessionX.end(), x);
    if (it == recessionX.begin()) return recessionT.front();
    if (it == recessionX.end()) return recessionT.back();
    const std::size_t i = std::size_t(it - recessionX.begin());
    const double w = (x - recessionX[i - 1]) / (recessionX[i] - recessionX[i - 1]);
    return recessionT[i - 1] + w * (recessionT[i] - recessionT[i - 1]);
}

double SlopingRun::opportunity(double x) const
{
    return std::max(0.0, recessionTime(x) - advance.time(x));
}

namespace {

// Infiltrated volume (m3) with every point receding no later than by, on the cells the field's
// performance is counted on.
double infiltratedBy(const SlopingField &f, const SlopingRun &run, double by)
{
    const int n = kPerformanceCells;
    const double dx = f.length / n;
    double volume = 0.0;
    for (int i = 0; i < n; ++i) {
        const double x = (i + 0.5) * dx;
        volume += f.z.depth(std::max(0.0, std::min(run.recessionTime(x), by) - run.advance.time(x)));
    }
    return volume * dx;
}

// No more water infiltrates than was applied. Where the recession of the coarse cells keeps
// the field wet longer than its water lasts (the ground behind a cell's centre was wetted
// before the advance passed it), the last of the surface water is gone at the time by which
// the field, receding no later, has taken in all of it; nothing runs off then.
void capByWaterApplied(const SlopingField &f, SlopingRun &run)
{
    const double last = *std::max_element(run.recessionT.begin(), run.recessionT.end());
    if (infiltratedBy(f, run, last) <= run.applied) return;
    auto surplus = [&](double by) { return infiltratedBy(f, run, by) - run.applied; };
    // A cutback flow short of the intake runs out before the cutoff: the search starts when the
    // front reached the end (or at an earlier cutoff), when the intake was less than applied.
    const double from = std::min(run.cutoff, run.advance.endTime());
    if (auto gone = findRoot(surplus, from, last, 1e-12)) run.waterGone = *gone;
}

// The front from cutoff on as the drained surface carries it, through the centres of the cells
// it wetted; at the end as far beyond the last centre as the last two centres' times say.
Trajectory carriedOn(Trajectory tr, const DrainedSurface &d, double length)
{
    const std::size_t n = d.x.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (d.x[i] <= tr.x.back()) continue;
        if (d.wetted[i] == kNever) return tr;  // it stopped short
        tr.x.push_back(d.x[i]);
        // A cell wetted in the first step may share the cutoff's time: keep the times rising.
        tr.t.push_back(std::max(d.wetted[i], tr.t.back() + 1e-6));
    }
    const std::size_t k = tr.x.size();
    const double dt = k > 2 ? (tr.t[k - 1] - tr.t[k - 2]) / (tr.x[k - 1] - tr.x[k - 2]) : 0.0;
    tr.t.push_back(tr.t.back() + dt * (length - tr.x.back()));
    tr.x.push_back(length);
    tr.reachesEnd = true;
    return tr;
}

// Cells of the drained surface: the recession on 15 to 40 of them differs by a few minutes.
const int kDrainageCells = 20;

// Recession from the surface water at cutoff, laid out as the zero-inertia profile of the
// flow along the field and drained cell by cell (SurfaceDrainage.h). Returns the drained
// surface; after an early cutoff its cells ahead of the front get wet no earlier than the
// run's advance says.
DrainedSurface drainRecession(const SlopingField &f, SlopingRun &run, double flowAtCutoff)
{
    // The running advance found the inlet's uniform flow.
    const auto inlet = inletFlow(f, f.inflow);
    const SurfaceCells cells{fieldFlow(*f.section, inlet->depth, f.manningN, f.slope), kDrainageCells};
    const double start = run.cutoff;
    std::vector<double> beyond;
    const double infiltrated = infiltratedAlong(f.z, run.advance, start, &beyond);
    std::vector<double> area = profileAreas(cells, f.length, run.advance.front(start), [&](double x) {
        return flowAtCutoff - intakeUpstream(run.advance, beyond, x);
    });
    // Before the front reaches the end nothing has run off: the profile of the flows then
    // holds about the water left on the surface, and what it holds is that water.
    if (start < run.advance.endTime()) {
        double held = 0.0;
        for (const double a : area) held += a * f.length / cells.count;
        const double volume = std::max(0.0, run.applied - infiltrated);
        for (double &a : area) a *= held > 0.0 ? volume / held : 0.0;
    }
    const DrainedSurface d =
        drainSurface(cells, f.z, run.advance, f.length, start, area);
    // The inlet recedes before the first cell's centre does: linear from the first two.
    const double inletDries = std::max(start, 1.5 * d.recession[0] - 0.5 * d.recession[1]);
    run.recessionX.assign(1, 0.0);
    run.recessionT.assign(1, inletDries);
    for (std::size_t i = 0; i < d.x.size(); ++i) {
        run.recessionX.push_back(d.x[i]);
        run.recessionT.push_back(d.recession[i]);
    }
    run.recessionX.push_back(f.length);
    run.recessionT.push_back(d.recession.back());
    run.depletion = inletDries;
    return d;
}

}  // namespace

std::optional<SlopingRun> runSlopingField(const SlopingField &f, const Trajectory &running,
                                          double cutoff)
{
    SlopingRun run;
    run.advance = slopingAdvanceAfterCutoff(f, running, cutoff);
    run.cutoff = cutoff;
    if (!run.advance.reachesEnd) return run;
    // The inflow is cut back once the front reaches the end, if it still runs then.
    const double tL = run.advance.endTime();
    const bool cutBack = f.cutbackRatio < 1.0 && cutoff > tL;
    const double flowAtCutoff = cutBack ? f.inflow * f.cutbackRatio : f.inflow;
    run.cutbackFlow = f.cutbackRatio < 1.0 ? f.inflow * f.cutbackRatio : 0.0;
    run.applied = cutoff > tL ? f.inflow * tL + flowAtCutoff * (cutoff - tL) : f.inflow * cutoff;
    // No uniform flow for the flow at cutoff: nothing to drain.
    if (!inletFlow(f, flowAtCutoff)) return std::nullopt;
    const DrainedSurface d = drainRecession(f, run, flowAtCutoff);
    const bool early = cutoff < tL;
    // From an early cutoff on the drained surface carries the front, never ahead of the
    // volume balance's.
    if (early) run.advance = carriedOn(run.advance.until(cutoff), d, f.length);
    if (!run.advance.reachesEnd) return run;  // the drained water stopped short
    capByWaterApplied(f, run);
    // A front that gets to the end only once the water there has drained brings the end
    // nothing: it stops short as far as the field is concerned.
    if (early && !(run.opportunity(f.length) > 0.0)) run.advance.reachesEnd = false;
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
