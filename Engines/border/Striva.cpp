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

// Largest non-erosive unit inflow, m3/min per metre of width (the binding's own check in
// modes 3 and 4; the design modes keep below it here).
double nonErosiveUnitFlow(double slope) { return 0.01059 * std::pow(slope, -0.75); }

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
        return mode == 1 ? 1 : mode == 2 ? (cutback ? 14 : 2) : 3;
    case Failure::TooSlowAtLimit:
        return mode == 1 ? 4 : (cutback ? 14 : 2);
    case Failure::TooFastAtLimit: return 5;
    case Failure::OpportunityTime: return mode == 2 && cutback ? 15 : 7;
    case Failure::CutoffBeforeAdvance:
        return mode == 1 ? 8 : mode == 2 ? (cutback ? 16 : 9) : mode == 3 ? 10 : 11;
    case Failure::NoConvergence:
    case Failure::BadInput: return 6;
    }
    return 6;
}

void solve(TIrrikaInfoRecord &r)
{
    if (r.Operation < 1 || r.Operation > 3 || !(r.Slope > 0) || !(r.FlowResistance > 0)) {
        r.ErrorCode = 6;
        return;
    }
    auto depth = borderInfiltration(r);
    auto tauReq = depth ? opportunityTime(*depth, r.RequiredDepth) : std::nullopt;
    if (!tauReq) {
        r.ErrorCode = 7;
        return;
    }
    const double ratio = r.LengthWidthRatio;
    const bool widthFollowsLength = r.Mode == 2;
    if (widthFollowsLength && !(ratio > 0)) {
        r.ErrorCode = 6;
        return;
    }
    const double cutbackRatio = r.Operation == 2 ? r.CutBackRatio : 1.0;
    if (!(cutbackRatio > 0.0) || cutbackRatio > 1.0) {
        r.ErrorCode = 6;
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
    const double qMax = nonErosiveUnitFlow(r.Slope);
    rq.flowMin = kFlowMin;
    rq.flowMax = std::fmin(kFlowMax, qMax * r.Width);
    rq.lengthMin = std::fmax(kLengthMin, ratio * std::fmax(kWidthMin, r.FlowRate / qMax));
    rq.lengthMax = std::fmin(kLengthMax, ratio * kWidthMax);
    const Outcome o = solveSloping(rq, make);
    r.ErrorCode = borderError(o.failure, r.Mode, r.Operation);
    if (r.ErrorCode == 0 && o.cutbackNeverCovers) r.ErrorCode = r.Mode <= 2 ? 12 : 13;
    if (r.ErrorCode != 0) return;
    writeSlopingResults(r, o, r.Operation == 3 ? r.TailwaterRecoveryRatio : 0.0,
                        r.Operation == 2 && r.Mode >= 3);
    r.Width = o.c.field.width;
    if (o.cutbackShort) r.WarningCode = 1;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) void IrrikaInfo(TIrrikaInfoRecord *record)
{
    guardedCall(record, solve);
}
