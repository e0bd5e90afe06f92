// Furrow engine. The record carries m3/min, m, min; depths, k and Fo in metres over the
// furrow spacing (the volume per metre of furrow is Spacing times the depth).

#include "EngineCall.h"
#include "SlopingDesign.h"
#include "TwoPoint.h"

#include <cmath>

using namespace hydraulics;

namespace {

// Search limits: the furrow module's parameter limits in engine units.
const double kFlowMin = 0.02 * 0.06, kFlowMax = 16.67 * 0.06;
const double kLengthMin = 50, kLengthMax = 500;
const double kCutoffMax = 2000;
// Limits of the estimated coefficients of a trial run (A, k in m/min^A).
const double kAMin = 0.01, kAMax = 0.8, kKMin = 0.05e-3, kKMax = 30e-3, kFoMax = 30e-3;

struct Geometry {
    std::shared_ptr<const Section> section;
    int error = 0;
    double maxDepth = 0;  // the deepest flow the furrow holds; 0: not known (power laws)
};

// The flow section and the checks of its shape against itself and the spacing.
Geometry furrowGeometry(const TIrrikaInfoRecord &r)
{
    Geometry g;
    const double w = r.Spacing;
    if (r.Geometry == 2) {
        if (!(r.Sigma1 > 0 && r.Sigma2 > 0 && r.Tau1 > 0 && r.Tau2 > 0)) g.error = frPowerLawCoefficients;
        else if (!(r.Tau2 < 2.5 * r.Sigma2)) g.error = frPowerLawConveyance;
        else if (std::fabs(r.Sigma2 - r.Tau2) < 1e-9) g.error = frPowerLawCoefficients;
        else if (r.Sigma2 >= 0.91 && r.Sigma2 <= 1.1) g.error = frPowerLawNearLinear;
        else if (!(w > 0)) g.error = frNoSpacing;
        else g.section = powerLawSection(r.Sigma1, r.Sigma2, r.Tau1, r.Tau2);
        return g;
    }
    // A triangle or a trapezoid is given by its side slope (and bed width) alone: it is as deep
    // as the spacing lets it be, its top width the spacing.
    switch (r.CrossSection) {
    case 1:
        if (!(r.SideSlope > 0 && w > 0)) { g.error = !(w > 0) ? frNoSpacing : frSectionOverflows; return g; }
        g.section = triangularSection(r.SideSlope);
        g.maxDepth = 0.5 * w / r.SideSlope;
        return g;
    case 2: {
        g.maxDepth = r.MaxDepth;
        const double aspect = r.MaxDepth > 0 ? r.MaxWidth / r.MaxDepth : 0.0;
        if (!(aspect >= 1.0 && aspect <= 4.0)) { g.error = frParabolaShape; return g; }
        g.section = parabolicSection(r.MaxWidth, r.MaxDepth);
        if (!(r.MaxWidth <= w)) g.error = frParabolaTooWide;
        return g;
    }
    case 3:
        if (!(r.SideSlope > 0 && r.BedWidth > 0)) { g.error = frSectionOverflows; return g; }
        if (!(r.BedWidth < w)) { g.error = frBedAsWideAsSpacing; return g; }
        g.section = trapezoidalSection(r.BedWidth, r.SideSlope);
        g.maxDepth = 0.5 * (w - r.BedWidth) / r.SideSlope;
        return g;
    default:
        g.error = frParabolaShape;
        return g;
    }
}

int furrowError(Failure f, int mode)
{
    switch (f) {
    case Failure::None: return 0;
    case Failure::AdvanceStalls:
        return mode == 1 ? frStallsAtLargestFlow : mode == 2 ? frStallsAtShortestLength : frDoesNotReach;
    case Failure::TooSlowAtLimit: return mode == 1 ? frTooSlowAtLargestFlow : frStallsAtShortestLength;
    case Failure::TooFastAtLimit: return frTooFastAtLimit;
    case Failure::OpportunityTime: return frNoOpportunityTime;
    case Failure::CutoffBeforeAdvance: return frStopsShort;
    case Failure::NoConvergence:
    case Failure::BadInput: return frBadInput;
    }
    return frBadInput;
}

// Infiltration as depth over the spacing: given, from the two-point method, or an intake
// family's, which also depends on the inflow (NRCS furrow method).
struct FurrowIntake {
    std::optional<KostiakovLewis> family, given;
    int error = 0;

    KostiakovLewis at(double flow, double manningN, double slope, double spacing) const
    {
        if (given) return *given;
        // The family intake counts over the adjusted wetted perimeter, at most the spacing.
        const double p = nrcsWettedPerimeter(flow / 0.06, manningN, slope);
        return family->scaled(std::fmin(p, spacing) / spacing);
    }
};

FurrowIntake furrowIntake(const TIrrikaInfoRecord &r, const Section &section)
{
    FurrowIntake in;
    if (r.InfiltrationOption == 1) {
        in.family = intakeFamilyMillimetres(r.SCSNumber);
        if (!in.family) in.error = frNoOpportunityTime;
        else in.family = in.family->scaled(0.001);
    } else if (r.InfiltrationOption == 2) {
        in.given = KostiakovLewis{r.KostiakovA, r.KostiakovK, r.KostiakovFo};
    } else if (r.InfiltrationOption == 3) {
        const TrialRun trial{r.TrialFlowRate, r.StableRunoffRate, r.AdvTimeHalfL, r.AdvTimeL,
                             r.TrialLength, r.TrialSlope, r.FlowResistance};
        const TwoPointResult tp = twoPointMethod(trial, section);
        if (tp.error) { in.error = tp.error; return in; }
        in.given = tp.perMetre.scaled(1.0 / r.Spacing);
        const KostiakovLewis &z = *in.given;
        if (z.a < kAMin || z.a > kAMax || z.k < kKMin || z.k > kKMax || z.f0 > kFoMax) in.error = frTrialEstimateRange;
    } else {
        in.error = frNoOpportunityTime;
    }
    return in;
}

// The results of a solved furrow, its fitted power laws and its warnings; an error where the
// furrow overflows at the inlet.
void writeFurrowResults(TIrrikaInfoRecord &r, const Outcome &o, const Geometry &g)
{
    const SlopingField &f = o.c.field;
    auto inlet = inletFlow(f, f.inflow);
    if (!inlet) { r.ErrorCode = frBadInput; return; }
    if (g.maxDepth > 0 && inlet->depth > g.maxDepth) {
        r.ErrorCode = r.CrossSection == 2 ? frParabolaShape : frSectionOverflows;  // the furrow overflows at the inlet
        return;
    }
    writeSlopingResults(r, o, r.Operation == 3 ? r.TailwaterRecoveryRatio : 0.0,
                        r.Operation == 2 && r.Mode >= 3);
    if (r.Geometry != 2) {
        const PowerLawFit fit = fitPowerLaws(*g.section, g.maxDepth);
        r.Sigma1 = fit.sigma1;
        r.Sigma2 = fit.sigma2;
        r.Tau1 = fit.tau1;
        r.Tau2 = fit.tau2;
    }
    const bool wide = r.Geometry == 2 && g.section->topWidth(inlet->depth) > r.Spacing;
    const bool fast = r.MaxVelocity > 0 && f.inflow / inlet->area > r.MaxVelocity;
    r.WarningCode = wide && fast ? fwTooWideAndFast : fast ? fwTooFast : wide ? fwTooWide : 0;
    if (o.cutbackShort || o.cutbackNeverCovers) r.WarningCode = fwCutbackShort;
}

void solve(TIrrikaInfoRecord &r)
{
    const Geometry g = furrowGeometry(r);
    if (g.error) { r.ErrorCode = g.error; return; }
    const double w = r.Spacing, n = r.FlowResistance, slope = r.Slope;
    const double cutbackRatio = r.Operation == 2 ? r.CutBackRatio : 1.0;
    if (r.Operation < 1 || r.Operation > 3 || !(slope > 0) || !(n > 0) || !(cutbackRatio > 0) ||
        cutbackRatio > 1) {
        r.ErrorCode = frBadInput;
        return;
    }
    const FurrowIntake intake = furrowIntake(r, *g.section);
    if (intake.error) { r.ErrorCode = intake.error; return; }
    const CaseMaker make = [&](double flow, double length) -> std::optional<SlopingCase> {
        if (!(flow > 0) || !(length > 0)) return std::nullopt;
        SlopingCase c;
        c.depthCoefficients = intake.at(flow, n, slope, w);
        auto tau = opportunityTime(c.depthCoefficients, r.RequiredDepth);
        if (!tau) return std::nullopt;
        c.section = g.section;
        c.field.inflow = flow;
        c.field.cutbackRatio = cutbackRatio;
        c.field.length = length;
        c.field.width = w;
        c.field.manningN = n;
        c.field.slope = slope;
        c.field.section = c.section.get();
        c.field.z = c.depthCoefficients.scaled(w);
        c.requiredDepth = r.RequiredDepth;
        c.tauReq = *tau;
        return c;
    };
    // Mode 1 solves the inflow: the record's is not looked at then.
    const double someFlow = r.Mode != 1 && r.FlowRate > 0 ? r.FlowRate : kFlowMax;
    if (!opportunityTime(intake.at(someFlow, n, slope, w), r.RequiredDepth)) {
        r.ErrorCode = frNoOpportunityTime;
        return;
    }
    SlopingRequest rq = slopingRequest(r);
    rq.flowMin = kFlowMin;
    rq.flowMax = kFlowMax;
    rq.lengthMin = kLengthMin;
    rq.lengthMax = kLengthMax;
    rq.cutoffMax = kCutoffMax;
    const Outcome o = solveSloping(rq, make);
    r.ErrorCode = furrowError(o.failure, r.Mode);
    if (r.ErrorCode == 0) writeFurrowResults(r, o, g);
}

}  // namespace

extern "C" __attribute__((visibility("default"))) void IrrikaInfo(TIrrikaInfoRecord *record)
{
    guardedCall(record, solve);
}
