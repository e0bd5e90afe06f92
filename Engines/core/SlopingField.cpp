#include "SlopingField.h"

#include "FrontDeficit.h"
#include "Interpolation.h"
#include "Performance.h"
#include "Roots.h"
#include "SurfaceDrainage.h"
#include "ZeroInertiaSolve.h"

#include <algorithm>
#include <cmath>

namespace hydraulics {

namespace {

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

// Intake rate upstream of x at the time infiltratedAlong filled beyond for (nothing lies
// beyond the last station).
double intakeUpstream(const Trajectory &tr, const std::vector<double> &beyond, double x)
{
    return beyond[0] - interpolate(tr.x, beyond, x);
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

double fieldIntakeRate(const SlopingField &f, const Trajectory &advance, double t)
{
    std::vector<double> beyond;
    infiltratedAlong(f.z, advance, t, &beyond);
    return beyond[0];
}

double SlopingRun::recessionTime(double x) const
{
    if (recessionX.empty()) return cutoff;
    return std::min(waterGone, interpolate(recessionX, recessionT, x));
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

// The recession curve through the cells' centres: the inlet's extrapolated from the first two,
// the end's the last cell's.
void setRecession(SlopingRun &run, const std::vector<double> &x, const std::vector<double> &recession,
                  double length)
{
    const double inletDries = std::max(run.cutoff, 1.5 * recession[0] - 0.5 * recession[1]);
    run.recessionX.assign(1, 0.0);
    run.recessionT.assign(1, inletDries);
    run.recessionX.insert(run.recessionX.end(), x.begin(), x.end());
    run.recessionT.insert(run.recessionT.end(), recession.begin(), recession.end());
    run.recessionX.push_back(length);
    run.recessionT.push_back(recession.back());
}

// Cells of the drained surface: the recession on 15 to 40 of them differs by a few minutes.
const int kDrainageCells = 20;

// Recession from the surface water at cutoff, once the front has reached the end, laid out as
// the zero-inertia profile of the flow along the field and drained cell by cell
// (SurfaceDrainage.h).
void drainRecession(const SlopingField &f, SlopingRun &run, double flowAtCutoff)
{
    // The running advance found the inlet's uniform flow.
    const auto inlet = inletFlow(f, f.inflow);
    const SurfaceCells cells{fieldFlow(*f.section, inlet->depth, f.manningN, f.slope), kDrainageCells};
    const double start = run.cutoff;
    std::vector<double> beyond;
    infiltratedAlong(f.z, run.advance, start, &beyond);
    std::vector<double> area = profileAreas(cells, f.length, f.length, [&](double x) {
        return flowAtCutoff - intakeUpstream(run.advance, beyond, x);
    });
    const DrainedSurface d = drainSurface(cells, f.z, run.advance, f.length, start, area);
    setRecession(run, d.x, d.recession, f.length);
}

// The whole event on the solve's cells from the start, for a cutoff before the running front
// reaches the end: the front, the recession and the water each cell takes in all come from
// the zero-inertia solve.
ZeroInertiaField eventField(const SlopingField &f)
{
    // The running advance found the inlet's uniform flow.
    const auto inlet = inletFlow(f, f.inflow);
    ZeroInertiaField zf;
    zf.channel = fieldChannel(fieldFlow(*f.section, inlet->depth, f.manningN, f.slope));
    zf.length = f.length;
    zf.slope = f.slope;
    zf.z = f.z;
    zf.inflow = f.inflow;
    zf.cutbackRatio = f.cutbackRatio;
    zf.freeEnd = true;
    zf.cells = kEventCells;
    return zf;
}

SlopingRun solvedRun(const SlopingField &f, ZeroInertiaState s, double cutoff)
{
    SlopingRun run;
    run.cutoff = cutoff;
    run.applied = s.applied;
    if (f.cutbackRatio < 1.0) run.cutbackFlow = f.inflow * f.cutbackRatio;
    run.advance = frontOf(s, f.length);
    setRecession(run, cellCentres(eventField(f)), s.recession, f.length);
    run.cellTaken = std::move(s.taken);
    return run;
}

// The run for a cutoff once the running front has reached the end.
SlopingRun afterArrival(const SlopingField &f, const Trajectory &running, double cutoff)
{
    SlopingRun run;
    run.advance = running;
    run.cutoff = cutoff;
    // The inflow is cut back once the front reaches the end, if it still runs then.
    const double tL = run.advance.endTime();
    const bool cutBack = f.cutbackRatio < 1.0 && cutoff > tL;
    const double flowAtCutoff = cutBack ? f.inflow * f.cutbackRatio : f.inflow;
    run.cutbackFlow = f.cutbackRatio < 1.0 ? f.inflow * f.cutbackRatio : 0.0;
    run.applied = f.inflow * tL + flowAtCutoff * (cutoff - tL);
    drainRecession(f, run, flowAtCutoff);
    capByWaterApplied(f, run);
    return run;
}

// The solved run blended into the volume balance's by the seam's weight: the front, the
// recession curve at the solved run's points, the water applied and each cell's intake.
SlopingRun blendedRun(const SlopingField &f, const SlopingRun &solved, const SlopingRun &balance, double w)
{
    SlopingRun run = solved;
    run.advance = blended(solved.advance, balance.advance, w);
    for (std::size_t i = 0; i < run.recessionX.size(); ++i)
        run.recessionT[i] = (1.0 - w) * solved.recessionT[i] + w * balance.recessionTime(run.recessionX[i]);
    run.applied = (1.0 - w) * solved.applied + w * balance.applied;
    run.cellTaken = blendedCells(solved.cellTaken, w, f.length, [&](double x) { return infiltratedAt(f, balance, x); });
    return run;
}

}  // namespace

SlopingRuns::SlopingRuns(const SlopingField &f, const Trajectory &running) : f_(f), running_(running) {}

SlopingRuns::~SlopingRuns() = default;

std::optional<SlopingRun> SlopingRuns::at(double cutoff)
{
    if (!inletFlow(f_, f_.inflow)) return std::nullopt;
    const double w = seamWeight(cutoff, running_.endTime());
    if (w >= 1.0) return balanced(cutoff);
    auto solvedEvent = solved(cutoff);
    if (w <= 0.0) return solvedEvent;
    // Within the seam; where the solved front stops short the volume balance's run decides.
    auto balance = balanced(cutoff);
    if (!solvedEvent || !solvedEvent->advance.reachesEnd || !balance) return balance;
    return blendedRun(f_, *solvedEvent, *balance, w);
}

std::optional<SlopingRun> SlopingRuns::balanced(double cutoff) const
{
    // No uniform flow for the flow at cutoff: nothing to drain.
    const bool cutBack = f_.cutbackRatio < 1.0 && cutoff > running_.endTime();
    if (!inletFlow(f_, cutBack ? f_.inflow * f_.cutbackRatio : f_.inflow)) return std::nullopt;
    return afterArrival(f_, running_, cutoff);
}

std::optional<SlopingRun> SlopingRuns::solved(double cutoff)
{
    if (!events_) events_ = std::make_unique<CutoffEvents>(eventField(f_));
    auto s = events_->solve(cutoff);
    if (!s) return std::nullopt;
    return solvedRun(f_, std::move(*s), cutoff);
}

std::optional<SlopingRun> runSlopingField(const SlopingField &f, const Trajectory &running,
                                          double cutoff)
{
    return SlopingRuns(f, running).at(cutoff);
}

double infiltratedAt(const SlopingField &f, const SlopingRun &run, double x)
{
    return run.cellTaken.empty() ? f.z.depth(run.opportunity(x)) : cellProfile(run.cellTaken, f.length, x);
}

double minimumDepth(const SlopingField &f, const SlopingRun &run)
{
    double least = 1e300;
    const int n = 200;
    for (int i = 0; i <= n; ++i) least = std::min(least, infiltratedAt(f, run, f.length * i / n));
    return least / f.width;
}

}  // namespace hydraulics
