#ifndef IRRIKA_INFO_RECORD_H
#define IRRIKA_INFO_RECORD_H

// The engine libraries' interface: the exchange record between a design module and its
// engine, 1464 bytes of little-endian 32-bit integers and doubles without gaps, the error
// codes the engines return in it, and the limits both sides check. Every engine and every
// binding includes this one definition; moving a field must break the build, not a field trial.

#include <cmath>
#include <cstddef>
#include <cstdint>

const int kProfilePoints = 31;  // profile arrays hold indices 0..30

struct TIrrikaInfoRecord {
    // Inputs: what the module sends (modes 1..4 as given; "-" not read by that engine).
    std::int32_t Mode;                // 1 solve the inflow, 2 the dimensions, 3 the cutoff, 4 evaluate
    std::int32_t Reserved1;
    std::int32_t Operation;           // border, furrow: 1 fixed flow, 2 cutback, 3 tailwater reuse
    std::int32_t InfiltrationOption;  // border, furrow: 1 intake family, 2 Kostiakov-Lewis, 3 two-point (furrow)
    std::int32_t Geometry;            // furrow: 1 section by shape, 2 power laws
    std::int32_t CrossSection;        // furrow: 1 triangle, 2 parabola, 3 trapezoid
    std::int32_t ErrorCode;           // 0 = success; see the codes below
    std::int32_t WarningCode;         // 0 = no warning
    double KostiakovA;                // all: exponent A of k tau^A + Fo tau (tau in min)
    double KostiakovK;                // basin: k (mm per min^A) / 60^A; border, furrow: m per min^A
    double KostiakovFo;               // basin: -; border, furrow: m/min
    double FlowResistance;            // all: Manning n
    double RequiredDepth;             // basin: mm; border, furrow: m
    double Length;                    // all: m
    double Width;                     // basin, border: m; furrow: -
    double FlowRate;                  // basin: l/s; border, furrow: m3/min (furrow: per furrow)
    double CutoffTime;                // all: min
    double LengthWidthRatio;          // basin, border: mode 2's width = Length / ratio (basin: 0 = kBasinLengthWidthRatio)
    // Results: depths as RequiredDepth, times in min, lengths in m, ratios in %.
    double MaxInfDepth;
    double MinInfDepth;
    double AverageDepth;
    double DistributionUniformity;    // %
    double ApplicationEfficiency;     // %
    double StorageEfficiency;         // %
    double AdvanceTime;               // min, front at the end
    double RecessionTime;             // min, the end (basin: the whole pond) dries
    double OverIrrLength;
    double OverIrrDepth;
    double UnderIrrLength;
    double UnderIrrDepth;
    double Slope;                     // border, furrow: m/m
    double Reserved2[3];
    double AdvanceRatio;              // border, furrow: advance time / opportunity time (cutback)
    double CutBackRatio;              // border, furrow: cutback flow / inflow
    double MaxVelocity;               // furrow: m/min at the inlet (0 = no check)
    double VCalc;                     // -
    double Spacing;                   // furrow: m
    double TailwaterRecoveryRatio;    // border, furrow: share of the runoff reused
    double Reserved3;
    double SurfaceRunoff;             // border, furrow: m over the field
    double RunoffRatio;               // border, furrow: %
    double DeepPercRatio;             // border, furrow: %
    double UniformityCoeff;           // border, furrow: Christiansen's, %
    double SideSlope;                 // furrow: horizontal per vertical
    double BedWidth;                  // furrow: m
    double MaxDepth;                  // furrow: m (parabola)
    double MaxWidth;                  // furrow: m (parabola)
    double Sigma1;                    // furrow: A = Sigma1 y^Sigma2 (m2, m)
    double Sigma2;
    double Tau1;                      // furrow: P = Tau1 y^Tau2 (m, m)
    double Tau2;
    double SCSNumber;                 // border, furrow: intake family 0.05 .. 2
    double TrialFlowRate;             // furrow two-point trial: m3/min
    double StableRunoffRate;          // m3/min
    double AdvTimeL;                  // min
    double AdvTimeHalfL;              // min
    double TrialLength;               // m
    double TrialSlope;                // m/m
    double DepletionTime;             // border, furrow: min, the inlet dries
    double OpportunityTime;           // border, furrow: min the required depth needs
    double CutBackFlow;               // border, furrow: m3/min
    // Profiles at x = i Length / last row (basin rows 0..10, border and furrow 0..25).
    double InfiltrationProfile[kProfilePoints];  // depth as RequiredDepth
    double AdvanceCurve[kProfilePoints];         // min
    double RecessionCurve[kProfilePoints];       // min (border, furrow)
    double Reserved4[kProfilePoints];
};

static_assert(sizeof(TIrrikaInfoRecord) == 1464, "engine record size");
static_assert(offsetof(TIrrikaInfoRecord, Mode) == 0, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, Operation) == 8, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, InfiltrationOption) == 12, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, Geometry) == 16, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, CrossSection) == 20, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, ErrorCode) == 24, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, WarningCode) == 28, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, KostiakovA) == 32, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, KostiakovK) == 40, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, KostiakovFo) == 48, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, FlowResistance) == 56, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, RequiredDepth) == 64, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, Length) == 72, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, Width) == 80, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, FlowRate) == 88, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, CutoffTime) == 96, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, LengthWidthRatio) == 104, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, MaxInfDepth) == 112, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, MinInfDepth) == 120, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, AverageDepth) == 128, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, DistributionUniformity) == 136, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, ApplicationEfficiency) == 144, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, StorageEfficiency) == 152, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, AdvanceTime) == 160, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, RecessionTime) == 168, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, OverIrrLength) == 176, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, OverIrrDepth) == 184, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, UnderIrrLength) == 192, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, UnderIrrDepth) == 200, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, Slope) == 208, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, AdvanceRatio) == 240, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, CutBackRatio) == 248, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, MaxVelocity) == 256, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, VCalc) == 264, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, Spacing) == 272, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, TailwaterRecoveryRatio) == 280, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, SurfaceRunoff) == 296, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, RunoffRatio) == 304, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, DeepPercRatio) == 312, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, UniformityCoeff) == 320, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, SideSlope) == 328, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, BedWidth) == 336, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, MaxDepth) == 344, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, MaxWidth) == 352, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, Sigma1) == 360, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, Sigma2) == 368, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, Tau1) == 376, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, Tau2) == 384, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, SCSNumber) == 392, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, TrialFlowRate) == 400, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, StableRunoffRate) == 408, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, AdvTimeL) == 416, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, AdvTimeHalfL) == 424, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, TrialLength) == 432, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, TrialSlope) == 440, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, DepletionTime) == 448, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, OpportunityTime) == 456, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, CutBackFlow) == 464, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, InfiltrationProfile) == 472, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, AdvanceCurve) == 720, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, RecessionCurve) == 968, "record layout");
static_assert(offsetof(TIrrikaInfoRecord, Reserved4) == 1216, "record layout");

// Error codes in ErrorCode. Any engine: an internal failure (an exception, a non-finite
// number in a result) gives kEngineInternalError, which has no message text.
const std::int32_t kEngineInternalError = 99;

// Basin engine (libPondix); the binding shows 110 for the first, 120 + Mode for the second.
enum TBasinError : std::int32_t {
    beAdvanceFails = 1,  // the front stalls with the inflow running: more flow, smaller basin
    beModeFails = 2,     // no design or evaluation within the basin's limits (by mode)
};

// Border engine (libStriva); the binding shows 200 + ErrorCode, 250 + WarningCode.
enum TBorderError : std::int32_t {
    brStallsAtLargestFlow = 1,       // mode 1
    brStallsAtShortestLength = 2,    // mode 2: stalls or too slow at the shortest length
    brDoesNotReach = 3,              // modes 3, 4: with the inflow running
    brTooSlowAtLargestFlow = 4,      // mode 1: slower than the design criterion
    brTooFastAtLimit = 5,            // modes 1, 2: faster than the criterion
    brBadInput = 6,                  // or the advance did not settle
    brNoOpportunityTime = 7,         // the required depth is never reached, or no cutoff gives it
    brStopsShortMode1 = 8,           // the front stops short of the end after cutoff, by mode
    brStopsShortMode2 = 9,
    brStopsShortMode3 = 10,
    brStopsShortMode4 = 11,
    brCutbackBelowIntakeDesign = 12, // cutback flow below the field's intake, modes 1, 2
    brCutbackBelowIntake = 13,       // the same, modes 3, 4
    brCutbackStallsMode2 = 14,       // mode 2 with cutback: as 2
    brCutbackNoOpportunityTime = 15, // mode 2 with cutback: as 7
    brCutbackStopsShortMode2 = 16,   // mode 2 with cutback: as 9
};
enum TBorderWarning : std::int32_t {
    bwCutbackShort = 1,  // the cutback flow supplies less than the field takes in
};

// Furrow engine (libRillox); the binding shows 300 + ErrorCode, 350 + WarningCode.
enum TFurrowError : std::int32_t {
    frStallsAtLargestFlow = 1,       // mode 1
    frStallsAtShortestLength = 2,    // mode 2: stalls or too slow at the shortest length
    frDoesNotReach = 3,              // modes 3, 4
    frTooSlowAtLargestFlow = 4,      // mode 1
    frTooFastAtLimit = 5,            // modes 1, 2
    frBadInput = 6,                  // or the advance did not settle
    frNoOpportunityTime = 7,
    frStopsShort = 8,                // the front stops short of the end after cutoff
    frPowerLawConveyance = 9,        // Tau2 not below 2.5 Sigma2
    frPowerLawCoefficients = 10,     // Sigma2 equal to Tau2, or a coefficient not positive
    frPowerLawNearLinear = 11,       // Sigma2 within 0.91 .. 1.1
    frParabolaShape = 12,            // top width / depth outside 1 .. 4, or overflows at the inlet
    frSectionOverflows = 13,         // triangle or trapezoid overflows, or a dimension not positive
    frTrialInflowNotAboveRunoff = 14,
    frTrialAdvanceNotLater = 15,     // advance to L not later than to L/2
    frTrialVolumeHalf = 16,          // volume at L/2 not positive
    frTrialVolumeEnd = 17,           // at L
    frTrialVolumeBoth = 18,          // at both
    frTrialEstimateRange = 19,       // estimates outside their ranges
    frNoSpacing = 20,
    frParabolaTooWide = 21,
    frBedAsWideAsSpacing = 22,
};
enum TFurrowWarning : std::int32_t {
    fwTooWide = 1,        // power laws: inlet top width wider than the spacing
    fwTooFast = 2,        // inlet velocity above MaxVelocity
    fwTooWideAndFast = 3,
    fwCutbackShort = 4,   // cutback flow short of the field's intake; takes precedence
};

// Limits both a module and its engine apply.
// The basin module's length-to-width ratio: mode 2's width follows the length by it.
const double kBasinLengthWidthRatio = 1.5;

// The largest non-erosive inflow of a border, m3/min per metre of width, on bed slope S
// (m/m): 0.01059 S^-0.75.
inline double BorderNonErosiveUnitFlow(double slope) { return 0.01059 * std::pow(slope, -0.75); }

// The one entry point every engine library exports.
extern "C" {
typedef void (*TIrrikaInfoProc)(TIrrikaInfoRecord *record);
}

#endif
