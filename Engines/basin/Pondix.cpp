// Level-basin engine. The record carries stored units: l/s, m, mm, min; KostiakovK is the
// family coefficient k (mm per min^A) divided by 60^A, that is k for time in seconds.
// Internally: m3/min, m, m, min.

#include "Advance.h"
#include "EngineCall.h"
#include "Gauss.h"
#include "LevelBasin.h"
#include "Performance.h"
#include "Roots.h"

#include <algorithm>
#include <cmath>

using namespace hydraulics;

namespace {

// Error codes the basin binding turns into its texts.
const int kAdvanceFails = 1;   // the front stalls: more flow, smaller basin
const int kModeFails = 2;      // no design or evaluation within the basin's limits

// Design criterion of modes 1 and 2: the advance takes a quarter of the opportunity time
// the required depth needs, so the far end gets its depth while the inlet gets at most
// about a quarter more time.
const double kDesignAdvanceRatio = 0.25;

// Search limits: the basin module's parameter limits (l/s, m, m, min).
const double kFlowMin = 5, kFlowMax = 600;
const double kLengthMin = 5, kLengthMax = 800;
const double kWidthMin = 5, kWidthMax = 500;
const double kCutoffMin = 10, kCutoffMax = 800;

struct Basin {
    double flow;    // m3/min
    double length;  // m
    double width;   // m
    double manningN;
    KostiakovLewis z;  // metres
};

struct BasinRun {
    Advance advance;
    double cutoff = 0;
    double depletion = 0;  // the pond is gone everywhere at once
};

Advance basinAdvance(const Basin &b)
{
    AdvanceProblem pb;
    pb.inflow = b.flow / b.width;
    pb.storageCoeff = levelBasinStorageCoeff(pb.inflow, b.manningN);
    pb.storageExp = kLevelBasinStorageExp;
    pb.z = b.z;
    return solveAdvance(pb, b.length);
}

// Volume per unit width infiltrated by time t along the wetted basin.
double infiltratedVolume(const Basin &b, const Advance &adv, double t)
{
    return integrate([&](double x) { return b.z.depth(t - adv.time(x)); }, 0.0, b.length);
}

// Depletion time: the water applied until cutoff has all infiltrated.
std::optional<double> depletionTime(const Basin &b, const Advance &adv, double cutoff)
{
    const double applied = b.flow / b.width * cutoff;
    auto balance = [&](double t) { return infiltratedVolume(b, adv, t) - applied; };
    return findRootAbove(balance, cutoff, 2.0 * cutoff, kMaxOpportunityTime);
}

double toFlow(double litresPerSecond) { return litresPerSecond * 0.06; }
double toLitresPerSecond(double flow) { return flow / 0.06; }

void writeResults(TIrrikaInfoRecord &r, const Basin &b, const BasinRun &run, double zReq)
{
    auto depthAt = [&](double x) { return b.z.depth(run.depletion - run.advance.time(x)); };
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
    r.AdvanceTime = run.advance.tL;
    r.RecessionTime = run.depletion;
    fillProfile(r.AdvanceCurve, 10, b.length, [&](double x) { return run.advance.time(x); });
    fillProfile(r.InfiltrationProfile, 10, b.length,
                [&](double x) { return depthAt(x) * 1000; });
}

// Cutoff at which the far end, the last point reached, infiltrates the required depth:
// the pond must last until tL + tauReq there, and all water until then infiltrates.
std::optional<double> cutoffForRequiredDepth(const Basin &b, const Advance &adv, double tauReq)
{
    const double depletion = adv.tL + tauReq;
    return infiltratedVolume(b, adv, depletion) * b.width / b.flow;
}

int evaluate(const Basin &b, double cutoff, double zReq, TIrrikaInfoRecord &r)
{
    BasinRun run;
    run.advance = basinAdvance(b);
    if (run.advance.status != AdvanceStatus::Ok) return kAdvanceFails;
    if (cutoff < run.advance.tL) return kModeFails;
    auto td = depletionTime(b, run.advance, cutoff);
    if (!td) return kModeFails;
    run.cutoff = cutoff;
    run.depletion = *td;
    writeResults(r, b, run, zReq);
    return 0;
}

// Mode 3 and the second half of modes 1 and 2: cutoff for the required depth, then evaluate.
int solveCutoff(const Basin &b, double tauReq, double zReq, TIrrikaInfoRecord &r)
{
    Advance adv = basinAdvance(b);
    if (adv.status != AdvanceStatus::Ok) return kAdvanceFails;
    auto cutoff = cutoffForRequiredDepth(b, adv, tauReq);
    if (!cutoff || *cutoff < adv.tL || *cutoff < kCutoffMin || *cutoff > kCutoffMax)
        return kModeFails;
    return evaluate(b, *cutoff, zReq, r);
}

// Advance time minus the design target, as a function of one decision variable; a stalled
// front counts as an arbitrarily slow one so that the search keeps its bracket.
template <class MakeBasin>
double designMismatch(MakeBasin make, double v, double target)
{
    Advance adv = basinAdvance(make(v));
    if (adv.status != AdvanceStatus::Ok) return kMaxAdvanceTime;
    return adv.tL - target;
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
    const bool geometryOk = b.length > 0 && b.width > 0 && b.manningN > 0;
    if (!tauReq || !geometryOk || (r.Mode != 1 && !(b.flow > 0))) {
        r.ErrorCode = kModeFails;
        return;
    }
    const double target = kDesignAdvanceRatio * *tauReq;
    switch (r.Mode) {
    case 1: {
        auto make = [&](double logQ) { Basin c = b; c.flow = std::exp(logQ); return c; };
        auto f = [&](double logQ) { return designMismatch(make, logQ, target); };
        auto logQ = findRoot(f, std::log(toFlow(kFlowMin)), std::log(toFlow(kFlowMax)), 1e-12);
        r.ErrorCode = logQ ? solveCutoff(make(*logQ), *tauReq, zReq, r) : kModeFails;
        return;
    }
    case 2: {
        // Width follows the length through the ratio the binding passes; without one the
        // given width stays.
        const double ratio = r.LengthWidthRatio;
        double lo = kLengthMin, hi = kLengthMax;
        if (ratio > 0) {
            lo = std::fmax(lo, kWidthMin * ratio);
            hi = std::fmin(hi, kWidthMax * ratio);
        }
        auto make = [&](double length) {
            Basin c = b;
            c.length = length;
            if (ratio > 0) c.width = length / ratio;
            return c;
        };
        auto f = [&](double length) { return designMismatch(make, length, target); };
        auto length = lo < hi ? findRoot(f, lo, hi) : std::nullopt;
        r.ErrorCode = length ? solveCutoff(make(*length), *tauReq, zReq, r) : kModeFails;
        return;
    }
    case 3:
        r.ErrorCode = solveCutoff(b, *tauReq, zReq, r);
        return;
    case 4:
        r.ErrorCode = evaluate(b, r.CutoffTime, zReq, r);
        return;
    default:
        r.ErrorCode = kModeFails;
    }
}

}  // namespace

extern "C" __attribute__((visibility("default"))) void IrrikaInfo(TIrrikaInfoRecord *record)
{
    guardedCall(record, solve);
}
