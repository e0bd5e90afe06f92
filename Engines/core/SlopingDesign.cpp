#include "SlopingDesign.h"

#include "EngineCall.h"
#include "Performance.h"
#include "Roots.h"

#include <algorithm>
#include <cmath>

namespace hydraulics {

namespace {

// A cutoff is found to this share of itself: closer than the solved events' own steps tell
// them apart.
const double kCutoffTolerance = 1e-6;

Outcome failed(Failure f)
{
    Outcome o;
    o.failure = f;
    return o;
}

// The case irrigated for a cutoff, on the runs of its running advance.
Outcome evaluateRuns(const SlopingCase &c, SlopingRuns &runs, double cutoff)
{
    auto run = runs.at(cutoff);
    if (!run) return failed(Failure::AdvanceStalls);
    if (!run->advance.reachesEnd) return failed(Failure::CutoffBeforeAdvance);
    Outcome o;
    o.c = c;
    o.run = *run;
    const double tL = run->advance.endTime();
    if (c.field.cutbackRatio < 1.0 && cutoff > tL) {
        const double cutbackFlow = c.field.inflow * c.field.cutbackRatio;
        // Over the cutback period the reduced flow must at least supply what the field
        // takes in; otherwise the tail dries and the volume balance no longer holds.
        const double intake = infiltratedAlong(c.field.z, run->advance, cutoff) -
                              infiltratedAlong(c.field.z, run->advance, tL);
        o.cutbackShort = cutbackFlow * (cutoff - tL) < intake;
        o.cutbackNeverCovers = fieldIntakeRate(c.field, run->advance, cutoff) > cutbackFlow;
    }
    return o;
}

Outcome evaluateCase(const SlopingCase &c, double cutoff)
{
    AdvanceStatus status;
    const Trajectory running = slopingAdvance(c.field, status);
    if (status != AdvanceStatus::Ok) return failed(Failure::AdvanceStalls);
    SlopingRuns runs(c.field, running);
    return evaluateRuns(c, runs, cutoff);
}

// Cutoff at which the least watered point gets exactly the required depth. It may come before
// the front reaches the end: the front then finishes on the water on the surface; a cutoff
// too early for that counts as no water at all.
Outcome solveCutoff(const SlopingCase &c, double cutoffMax)
{
    AdvanceStatus status;
    const Trajectory running = slopingAdvance(c.field, status);
    if (status != AdvanceStatus::Ok) return failed(Failure::AdvanceStalls);
    SlopingRuns runs(c.field, running);
    auto shortfall = [&](double cutoff) {
        auto run = runs.at(cutoff);
        if (!run || !run->advance.reachesEnd) return -c.requiredDepth;
        return minimumDepth(c.field, *run) - c.requiredDepth;
    };
    const double earliest = 0.02 * running.endTime();
    if (!(cutoffMax > earliest) || shortfall(cutoffMax) < 0.0) return failed(Failure::OpportunityTime);
    if (shortfall(earliest) > 0.0) return failed(Failure::CutoffBeforeAdvance);
    auto cutoff = findRoot(shortfall, earliest, cutoffMax, kCutoffTolerance);
    if (!cutoff) return failed(Failure::OpportunityTime);
    // The search's runs already hold the running event its answer goes on from.
    return evaluateRuns(c, runs, *cutoff);
}

// Design search: the decision variable at which the advance with the inflow running takes
// advanceRatio tau_req. A stalled front counts as an endlessly slow one, which keeps the
// bracket.
Outcome design(const SlopingRequest &rq, const CaseMaker &make, bool byFlow)
{
    auto caseAt = [&](double v) {
        return byFlow ? make(std::exp(v), rq.length) : make(rq.flow, v);
    };
    auto mismatch = [&](double v) {
        auto c = caseAt(v);
        if (!c) return kMaxAdvanceTime;
        AdvanceStatus status;
        const Trajectory adv = slopingAdvance(c->field, status);
        if (status != AdvanceStatus::Ok) return kMaxAdvanceTime;
        return adv.endTime() / (rq.advanceRatio * c->tauReq) - 1.0;
    };
    const double lo = byFlow ? std::log(rq.flowMin) : rq.lengthMin;
    const double hi = byFlow ? std::log(rq.flowMax) : rq.lengthMax;
    if (!(lo < hi) || !(rq.advanceRatio > 0.0)) return failed(Failure::BadInput);
    // With more flow the advance gets quicker, with more length slower.
    const double quickest = byFlow ? hi : lo, slowest = byFlow ? lo : hi;
    const double atQuickest = mismatch(quickest);
    if (atQuickest >= kMaxAdvanceTime) return failed(Failure::AdvanceStalls);
    if (atQuickest > 0.0) return failed(Failure::TooSlowAtLimit);
    if (mismatch(slowest) < 0.0) return failed(Failure::TooFastAtLimit);
    auto v = findRoot(mismatch, lo, hi, 1e-12);
    if (!v) return failed(Failure::NoConvergence);
    auto c = caseAt(*v);
    if (!c) return failed(Failure::BadInput);
    return solveCutoff(*c, rq.cutoffMax);
}

}  // namespace

SlopingRequest slopingRequest(const TIrrikaInfoRecord &r)
{
    SlopingRequest rq;
    rq.mode = r.Mode;
    rq.flow = r.FlowRate;
    rq.length = r.Length;
    rq.cutoff = r.CutoffTime;
    // Only cutback flow asks the user for the advance ratio of its design; with a fixed flow
    // (with or without tailwater reuse) the ratio is the engine's own.
    rq.advanceRatio = r.Operation == 2 ? r.AdvanceRatio : kFixedFlowAdvanceRatio;
    return rq;
}

Outcome solveSloping(const SlopingRequest &rq, const CaseMaker &make)
{
    switch (rq.mode) {
    case 1:
        return design(rq, make, true);
    case 2:
        return design(rq, make, false);
    case 3:
    case 4: {
        auto c = make(rq.flow, rq.length);
        if (!c) return failed(Failure::BadInput);
        return rq.mode == 3 ? solveCutoff(*c, rq.cutoffMax) : evaluateCase(*c, rq.cutoff);
    }
    default:
        return failed(Failure::BadInput);
    }
}

void writeSlopingResults(TIrrikaInfoRecord &r, const Outcome &o, double recovery,
                         bool returnAdvanceRatio)
{
    const SlopingField &f = o.c.field;
    const SlopingRun &run = o.run;
    auto depthAt = [&](double x) { return infiltratedAt(f, run, x) / f.width; };
    const Performance p = evaluatePerformance(f.length, o.c.requiredDepth, depthAt);
    const double area = f.length * f.width;
    const double infiltrated = p.avgDepth * area;
    const double runoff = std::fmax(0.0, run.applied - infiltrated);
    // Recovered tailwater goes back to the head of the field: only the rest is drawn.
    const double drawn = run.applied - recovery * runoff;
    r.KostiakovA = o.c.depthCoefficients.a;
    r.KostiakovK = o.c.depthCoefficients.k;
    r.KostiakovFo = o.c.depthCoefficients.f0;
    r.FlowRate = f.inflow;
    r.Length = f.length;
    r.CutoffTime = run.cutoff;
    r.CutBackFlow = run.cutbackFlow;
    if (returnAdvanceRatio) r.AdvanceRatio = run.advance.endTime() / o.c.tauReq;
    r.MinInfDepth = p.minDepth;
    r.MaxInfDepth = p.maxDepth;
    r.AverageDepth = p.avgDepth;
    r.OverIrrDepth = p.overDepth;
    r.UnderIrrDepth = p.underDepth;
    r.OverIrrLength = p.overLength;
    r.UnderIrrLength = p.underLength;
    r.DistributionUniformity = p.distributionUniformity;
    r.UniformityCoeff = p.uniformityCoefficient;
    r.StorageEfficiency = p.storageEfficiency;
    // Grid and volume-balance quadratures differ by round-off: never more than 100 %.
    r.ApplicationEfficiency = std::min(100.0, 100.0 * p.storedDepth * area / drawn);
    r.DeepPercRatio = 100.0 * (p.avgDepth - p.storedDepth) * area / drawn;
    r.RunoffRatio = 100.0 * (1.0 - recovery) * runoff / drawn;
    r.SurfaceRunoff = runoff / area;
    r.AdvanceTime = run.advance.endTime();
    r.RecessionTime = run.recessionTime(f.length);
    r.DepletionTime = run.recessionTime(0.0);
    r.OpportunityTime = o.c.tauReq;
    fillProfile(r.AdvanceCurve, 25, f.length, [&](double x) { return run.advance.time(x); });
    fillProfile(r.RecessionCurve, 25, f.length, [&](double x) { return run.recessionTime(x); });
    fillProfile(r.InfiltrationProfile, 25, f.length, depthAt);
}

}  // namespace hydraulics
