// Sloping border engine. The record carries m3/min, m, min; depths, k and Fo in metres
// (k per min^A, Fo per min). Sheet flow over the full border width.

#include "EngineCall.h"
#include "SlopingDesign.h"

#include <cmath>

using namespace hydraulics;

namespace {

// Search limits: the border module's parameter limits in engine units.
const double kFlowMin = 1 * 0.06, kFlowMax = 250.05 * 0.06;
const double kLengthMin = 50, kLengthMax = 500;
const double kWidthMin = 1, kWidthMax = 200;
const double kCutoffMax = 2000;

std::optional<KostiakovLewis> borderInfiltration(const TIrrikaInfoRecord &r)
{
    if (r.InfiltrationOption == 1) {
        auto family = intakeFamilyMillimetres(r.SCSNumber);
        if (!family) return std::nullopt;
        return family->scaled(0.001);
    }
    if (r.InfiltrationOption == 2) return KostiakovLewis{r.KostiakovA, r.KostiakovK, r.KostiakovFo};
    return std::nullopt;
}

// Error codes of the border texts, by failure, mode and operation.
int borderError(Failure f, int mode, int operation)
{
    const bool cutback = operation == 2;
    switch (f) {
    case Failure::None: return 0;
    case Failure::AdvanceStalls:
        return mode == 1   ? brStallsAtLargestFlow
               : mode == 2 ? (cutback ? brCutbackStallsMode2 : brStallsAtShortestLength)
                           : brDoesNotReach;
    case Failure::TooSlowAtLimit:
        return mode == 1 ? brTooSlowAtLargestFlow
                         : (cutback ? brCutbackStallsMode2 : brStallsAtShortestLength);
    case Failure::TooFastAtLimit: return brTooFastAtLimit;
    case Failure::OpportunityTime:
        return mode == 2 && cutback ? brCutbackNoOpportunityTime : brNoOpportunityTime;
    case Failure::CutoffBeforeAdvance:
        return mode == 1   ? brStopsShortMode1
               : mode == 2 ? (cutback ? brCutbackStopsShortMode2 : brStopsShortMode2)
               : mode == 3 ? brStopsShortMode3
                           : brStopsShortMode4;
    case Failure::NoConvergence:
    case Failure::BadInput: return brBadInput;
    }
    return brBadInput;
}

void solve(TIrrikaInfoRecord &r)
{
    if (r.Operation < 1 || r.Operation > 3 || !(r.Slope > 0) || !(r.FlowResistance > 0)) {
        r.ErrorCode = brBadInput;
        return;
    }
    auto depth = borderInfiltration(r);
    auto tauReq = depth ? opportunityTime(*depth, r.RequiredDepth) : std::nullopt;
    if (!tauReq) {
        r.ErrorCode = brNoOpportunityTime;
        return;
    }
    const double ratio = r.LengthWidthRatio;
    const bool widthFollowsLength = r.Mode == 2;
    if (widthFollowsLength && !(ratio > 0)) {
        r.ErrorCode = brBadInput;
        return;
    }
    const double cutbackRatio = r.Operation == 2 ? r.CutBackRatio : 1.0;
    if (!(cutbackRatio > 0.0) || cutbackRatio > 1.0) {
        r.ErrorCode = brBadInput;
        return;
    }
    const CaseMaker make = [&](double flow, double length) -> std::optional<SlopingCase> {
        const double width = widthFollowsLength ? length / ratio : r.Width;
        if (!(width > 0) || !(length > 0) || !(flow > 0)) return std::nullopt;
        SlopingCase c;
        c.section = sheetSection(width);
        c.field.inflow = flow;
        c.field.cutbackRatio = cutbackRatio;
        c.field.length = length;
        c.field.width = width;
        c.field.manningN = r.FlowResistance;
        c.field.slope = r.Slope;
        c.field.section = c.section.get();
        c.field.z = depth->scaled(width);
        c.depthCoefficients = *depth;
        c.requiredDepth = r.RequiredDepth;
        c.tauReq = *tauReq;
        return c;
    };
    SlopingRequest rq = slopingRequest(r);
    rq.cutoffMax = kCutoffMax;
    const double qMax = BorderNonErosiveUnitFlow(r.Slope);
    rq.flowMin = kFlowMin;
    rq.flowMax = std::fmin(kFlowMax, qMax * r.Width);
    rq.lengthMin = std::fmax(kLengthMin, ratio * std::fmax(kWidthMin, r.FlowRate / qMax));
    rq.lengthMax = std::fmin(kLengthMax, ratio * kWidthMax);
    const Outcome o = solveSloping(rq, make);
    r.ErrorCode = borderError(o.failure, r.Mode, r.Operation);
    if (r.ErrorCode == 0 && o.cutbackNeverCovers) r.ErrorCode = r.Mode <= 2 ? brCutbackBelowIntakeDesign : brCutbackBelowIntake;
    if (r.ErrorCode != 0) return;
    writeSlopingResults(r, o, r.Operation == 3 ? r.TailwaterRecoveryRatio : 0.0,
                        r.Operation == 2 && r.Mode >= 3);
    r.Width = o.c.field.width;
    if (o.cutbackShort) r.WarningCode = bwCutbackShort;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) void IrrikaInfo(TIrrikaInfoRecord *record)
{
    guardedCall(record, solve);
}
