// Level-basin engine. The record carries stored units: l/s, m, mm, min; KostiakovK is the
// family coefficient k (mm per min^A) divided by 60^A, that is k for time in seconds.
// Internally: m3/min, m, m, min.

#include "EngineCall.h"
#include "LevelBasin.h"
#include "Performance.h"
#include "Roots.h"
#include "ZeroInertiaSolve.h"

#include <algorithm>
#include <cmath>

using namespace hydraulics;

namespace {

// Design criterion of modes 1 and 2: the front reaches the end, with or without the inflow
// still running, in a quarter of the opportunity time the required depth needs; the cutoff
// then gives the far end its depth. Where no inflow (mode 1) or length (mode 2) within the
// limits meets the criterion, the design within the limits that comes closest to it.
const double kDesignAdvanceRatio = 0.25;

// Search limits: the basin module's parameter limits (l/s, m, m, min).
const double kFlowMin = 5, kFlowMax = 600;
const double kLengthMin = 5, kLengthMax = 800;
const double kWidthMin = 5, kWidthMax = 500;
const double kCutoffMin = 10, kCutoffMax = 800;
// A cutoff searched on solved events is found to this share of itself: closer than the
// solve's own steps tell them apart.
const double kSolvedCutoffTolerance = 1e-5;

struct Basin {
    double flow;    // m3/min
    double length;  // m
    double width;   // m
    double manningN;
    KostiakovLewis z;  // metres

    LevelBasinField field() const { return {flow / width, length, manningN, z}; }
};

// One irrigation: the front reaches the end, the pond stands until all water applied has
// infiltrated (the depletion time) and then recedes at once. After a cutoff before the front
// arrives, the whole event solved by the zero-inertia equations: then the pond recedes cell by
// cell, and the depletion time is when the last cell dries.
struct Irrigation {
    Trajectory advance;
    double cutoff = 0;
    double depletion = 0;
    std::vector<double> cellDepth;  // the solve's: what each of its equal cells took in (m)

    double depthAt(const Basin &b, double x) const
    {
        return cellDepth.empty() ? b.z.depth(depletion - advance.time(x)) : cellProfile(cellDepth, b.length, x);
    }
};

double toFlow(double litresPerSecond) { return litresPerSecond * 0.06; }
double toLitresPerSecond(double flow) { return flow / 0.06; }

// The whole event on the solve's cells, per metre of width behind the dyke.
ZeroInertiaField basinEvent(const Basin &b)
{
    ZeroInertiaField f;
    f.channel = sheetChannel(1.0, b.manningN);
    f.length = b.length;
    f.z = b.z;
    f.inflow = b.flow / b.width;
    f.cells = kEventCells;
    return f;
}

// The solved irrigation for a cutoff; nothing when the front stops short of the end.
std::optional<Irrigation> solvedIrrigation(const Basin &b, CutoffEvents &events, double cutoff)
{
    auto s = events.solve(cutoff);
    if (!s) return std::nullopt;
    Irrigation run;
    run.advance = frontOf(*s, b.length);
    if (!run.advance.reachesEnd) return std::nullopt;
    run.cutoff = cutoff;
    run.depletion = *std::max_element(s->recession.begin(), s->recession.end());
    run.cellDepth = std::move(s->taken);
    return run;
}

// The irrigation by the volume balance: the pond stands until the water applied has soaked
// in. Nothing when the front stops short of the end.
std::optional<Irrigation> balancedIrrigation(const Basin &b, const Trajectory &running, double cutoff)
{
    Irrigation run;
    run.advance = levelBasinAdvanceAfterCutoff(b.field(), running, cutoff);
    if (!run.advance.reachesEnd) return std::nullopt;
    run.cutoff = cutoff;
    const double applied = b.flow / b.width * cutoff;
    auto balance = [&](double t) { return infiltratedAlong(b.z, run.advance, t) - applied; };
    const double from = std::max(cutoff, run.advance.endTime());
    auto depletion = findRootAbove(balance, from, 2.0 * from, kMaxOpportunityTime);
    if (!depletion) return std::nullopt;
    run.depletion = *depletion;
    return run;
}

// The solved irrigation blended into the volume balance's by the seam's weight.
Irrigation blendedIrrigation(const Basin &b, const Irrigation &solved, const Irrigation &balance, double w)
{
    Irrigation run = solved;
    run.advance = blended(solved.advance, balance.advance, w);
    run.depletion = (1.0 - w) * solved.depletion + w * balance.depletion;
    run.cellDepth = blendedCells(solved.cellDepth, w, b.length, [&](double x) { return balance.depthAt(b, x); });
    return run;
}

// The irrigation for a cutoff as the engine answers it: the solved event for a cutoff before
// the running arrival, the volume balance's beyond the seam (kSeamWidth), the two blended
// within. Nothing when the front stops short of the end.
std::optional<Irrigation> irrigate(const Basin &b, const Trajectory &running, CutoffEvents &events, double cutoff)
{
    const double w = seamWeight(cutoff, running.endTime());
    if (w >= 1.0) return balancedIrrigation(b, running, cutoff);
    auto solved = solvedIrrigation(b, events, cutoff);
    if (w <= 0.0) return solved;
    auto balance = balancedIrrigation(b, running, cutoff);
    if (!solved || !balance) return balance;
    return blendedIrrigation(b, *solved, *balance, w);
}

double leastDepth(const Basin &b, const Irrigation &run)
{
    return evaluatePerformance(b.length, 0.0, [&](double x) { return run.depthAt(b, x); }).minDepth;
}

void writeResults(TIrrikaInfoRecord &r, const Basin &b, const Irrigation &run, double zReq)
{
    auto depthAt = [&](double x) { return run.depthAt(b, x); };
    const Performance p = evaluatePerformance(b.length, zReq, depthAt);
    const double applied = b.flow * run.cutoff / (b.length * b.width);
    r.FlowRate = toLitresPerSecond(b.flow);
    r.Length = b.length;
    r.Width = b.width;
    r.CutoffTime = run.cutoff;
    r.MinInfDepth = p.minDepth * 1000;
    r.MaxInfDepth = p.maxDepth * 1000;
    r.AverageDepth = p.avgDepth * 1000;
    r.OverIrrDepth = p.overDepth * 1000;
    r.UnderIrrDepth = p.underDepth * 1000;
    r.OverIrrLength = p.overLength;
    r.UnderIrrLength = p.underLength;
    r.DistributionUniformity = p.distributionUniformity;
    r.StorageEfficiency = p.storageEfficiency;
    // The stored depth comes from the cell grid, the applied depth from the volume balance;
    // their quadratures differ by round-off, which must not show as more than 100 %.
    r.ApplicationEfficiency = applied > 0 ? std::min(100.0, 100.0 * p.storedDepth / applied) : 0.0;
    r.AdvanceTime = run.advance.endTime();
    r.RecessionTime = run.depletion;
    fillProfile(r.AdvanceCurve, 10, b.length, [&](double x) { return run.advance.time(x); });
    fillProfile(r.InfiltrationProfile, 10, b.length,
                [&](double x) { return depthAt(x) * 1000; });
}

// The cutoff at which the far end, the last point reached, infiltrates the required depth:
// the pond must stand until the front's arrival there plus tauReq, and all water applied
// infiltrates by then. With a cutoff before the front's arrival the arrival itself moves with
// the cutoff; a cutoff too early to bring the front to the end counts as too little water.
std::optional<double> cutoffForRequiredDepth(const Basin &b, const Trajectory &running,
                                             double tauReq)
{
    const double q = b.flow / b.width;
    const double tL = running.endTime();
    const double afterArrival = infiltratedAlong(b.z, running, tL + tauReq) / q;
    if (afterArrival >= tL) return afterArrival;
    auto surplus = [&](double cutoff) {
        const Trajectory tr = levelBasinAdvanceAfterCutoff(b.field(), running, cutoff);
        if (!tr.reachesEnd) return -q * tL;
        return q * cutoff - infiltratedAlong(b.z, tr, tr.endTime() + tauReq);
    };
    return findRoot(surplus, 1e-6 * tL, tL, 1e-8);
}

// The basin irrigated for a cutoff, on the events of its running advance.
int evaluateEvents(const Basin &b, const Trajectory &running, CutoffEvents &events, double cutoff, double zReq,
                   TIrrikaInfoRecord &r)
{
    auto run = irrigate(b, running, events, cutoff);
    if (!run) return beModeFails;
    writeResults(r, b, *run, zReq);
    return 0;
}

int evaluate(const Basin &b, double cutoff, double zReq, TIrrikaInfoRecord &r)
{
    AdvanceStatus status;
    const Trajectory running = levelBasinAdvance(b.field(), status);
    if (status != AdvanceStatus::Ok) return beAdvanceFails;
    CutoffEvents events(basinEvent(b));
    return evaluateEvents(b, running, events, cutoff, zReq, r);
}

// A design's cutoff for the required depth and its advance time, or why there is none.
enum class DesignState { Ok, TooLittleWater, TooMuchWater };
struct DesignPoint {
    DesignState state = DesignState::TooLittleWater;
    double cutoff = 0, advanceTime = 0;
};

DesignPoint designPoint(const Basin &b, double tauReq)
{
    DesignPoint d;
    AdvanceStatus status;
    const Trajectory running = levelBasinAdvance(b.field(), status);
    if (status != AdvanceStatus::Ok) return d;  // the front stalls: too little water
    auto cutoff = cutoffForRequiredDepth(b, running, tauReq);
    if (!cutoff || *cutoff > kCutoffMax) return d;
    if (*cutoff < kCutoffMin) {
        d.state = DesignState::TooMuchWater;
        return d;
    }
    d.cutoff = *cutoff;
    d.advanceTime = levelBasinAdvanceAfterCutoff(b.field(), running, *cutoff).endTime();
    d.state = DesignState::Ok;
    return d;
}

// The cutoff at which the engine's own irrigation (irrigate) gives the least watered point
// the required depth, searched up to the end of the seam; a cutoff too early to bring the
// front to the end counts as no water.
std::optional<double> searchedCutoff(const Basin &b, const Trajectory &running, CutoffEvents &events,
                                     double zReq)
{
    auto surplus = [&](double cutoff) {
        const auto run = irrigate(b, running, events, cutoff);
        return run ? leastDepth(b, *run) - zReq : -zReq;
    };
    const double tL = running.endTime();
    return findRoot(surplus, 0.02 * tL, (1.0 + kSeamWidth) * tL, kSolvedCutoffTolerance);
}

// Mode 3 and the last step of modes 1 and 2: the cutoff for the required depth, evaluated.
// The volume balance's cutoff holds beyond the seam; below, the engine's irrigation decides.
int solveCutoff(const Basin &b, double tauReq, double zReq, TIrrikaInfoRecord &r)
{
    AdvanceStatus status;
    const Trajectory running = levelBasinAdvance(b.field(), status);
    if (status != AdvanceStatus::Ok) return beAdvanceFails;
    // One set of events serves the search and the evaluation of its answer.
    CutoffEvents events(basinEvent(b));
    auto cutoff = cutoffForRequiredDepth(b, running, tauReq);
    if (cutoff && *cutoff < (1.0 + kSeamWidth) * running.endTime())
        cutoff = searchedCutoff(b, running, events, zReq);
    if (!cutoff || *cutoff < kCutoffMin || *cutoff > kCutoffMax) return beModeFails;
    return evaluateEvents(b, running, events, *cutoff, zReq, r);
}

// Design search over one decision variable v in [lo, hi], along which the advance gets slower
// (slowerWithV) or quicker. The criterion's mismatch (advance time over its target, minus 1)
// is monotonic in v; a design with too little water (the front stalls, or the cutoff exceeds
// its limit) counts as too slow and one with too much (the cutoff below its limit) as too
// fast, so the search closes in on the criterion or on the edge of the designs that exist,
// and returns the existing design nearest to the criterion. Without one, whether even the
// wettest end of the range had too little water.
struct DesignChoice {
    std::optional<double> value;
    bool tooLittleWater = false;
};

template <class MakeBasin>
DesignChoice designSearch(MakeBasin make, double lo, double hi, bool slowerWithV, double tauReq)
{
    const double target = kDesignAdvanceRatio * tauReq;
    DesignChoice choice;
    double bestMismatch = 0;
    DesignState state = DesignState::Ok;
    auto mismatch = [&](double v) {
        const DesignPoint d = designPoint(make(v), tauReq);
        state = d.state;
        const double m = d.state == DesignState::TooLittleWater ? 1e3
                       : d.state == DesignState::TooMuchWater   ? -1e3
                                                                : d.advanceTime / target - 1.0;
        if (d.state == DesignState::Ok &&
            (!choice.value || std::fabs(m) < std::fabs(bestMismatch))) {
            choice.value = v;
            bestMismatch = m;
        }
        return slowerWithV ? m : -m;  // increasing in v
    };
    // The wetter end first: the most inflow (mode 1) or the smallest basin (mode 2).
    const double atWet = mismatch(slowerWithV ? lo : hi);
    const bool wetEndTooDry = state == DesignState::TooLittleWater;
    const double atDry = mismatch(slowerWithV ? hi : lo);
    const double atLo = slowerWithV ? atWet : atDry, atHi = slowerWithV ? atDry : atWet;
    if (atLo < 0.0 && atHi > 0.0) findRoot(mismatch, lo, hi, 1e-7);
    choice.tooLittleWater = !choice.value && wetEndTooDry;
    return choice;
}

void solve(TIrrikaInfoRecord &r)
{
    Basin b;
    b.flow = toFlow(r.FlowRate);
    b.length = r.Length;
    b.width = r.Width;
    b.manningN = r.FlowResistance;
    const double a = r.KostiakovA;
    b.z = {a, r.KostiakovK * std::pow(60.0, a) / 1000.0, 0.0};
    const double zReq = r.RequiredDepth / 1000.0;
    auto tauReq = opportunityTime(b.z, zReq);
    // Only what the mode takes as input is checked: mode 1 solves the inflow, mode 2 the
    // length and the width.
    const bool flowOk = r.Mode == 1 || b.flow > 0;
    const bool sizeOk = r.Mode == 2 || (b.length > 0 && b.width > 0);
    if (!tauReq || !(b.manningN > 0) || !flowOk || !sizeOk) {
        r.ErrorCode = beModeFails;
        return;
    }
    switch (r.Mode) {
    case 1: {
        auto make = [&](double logQ) { Basin c = b; c.flow = std::exp(logQ); return c; };
        const DesignChoice logQ = designSearch(make, std::log(toFlow(kFlowMin)),
                                               std::log(toFlow(kFlowMax)), false, *tauReq);
        r.ErrorCode = logQ.value ? solveCutoff(make(*logQ.value), *tauReq, zReq, r) : beModeFails;
        return;
    }
    case 2: {
        const double ratio = r.LengthWidthRatio > 0 ? r.LengthWidthRatio : kBasinLengthWidthRatio;
        const double lo = std::fmax(kLengthMin, kWidthMin * ratio);
        const double hi = std::fmin(kLengthMax, kWidthMax * ratio);
        auto make = [&](double length) {
            Basin c = b;
            c.length = length;
            c.width = length / ratio;
            return c;
        };
        const DesignChoice length = lo < hi ? designSearch(make, lo, hi, true, *tauReq) : DesignChoice{};
        // Too little water even in the smallest basin: only more inflow helps.
        r.ErrorCode = length.value ? solveCutoff(make(*length.value), *tauReq, zReq, r)
                      : length.tooLittleWater ? beAdvanceFails
                                              : beModeFails;
        return;
    }
    case 3:
        r.ErrorCode = solveCutoff(b, *tauReq, zReq, r);
        return;
    case 4:
        r.ErrorCode = evaluate(b, r.CutoffTime, zReq, r);
        return;
    default:
        r.ErrorCode = beModeFails;
    }
}

}  // namespace

extern "C" __attribute__((visibility("default"))) void IrrikaInfo(TIrrikaInfoRecord *record)
{
    guardedCall(record, solve);
}
