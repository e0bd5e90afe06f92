#ifndef IRRIKA_INFO_RECORD_H
#define IRRIKA_INFO_RECORD_H

// The exchange record between a design module and its engine library: 1464 bytes of
// little-endian 32-bit integers and doubles without gaps. Every engine and every binding
// includes this one definition; moving a field must break the build, not a field trial.

#include <cstddef>
#include <cstdint>

const int kProfilePoints = 31;  // profile arrays hold indices 0..30

struct TIrrikaInfoRecord {
    std::int32_t Mode;                // calculation mode 1..4
    std::int32_t Reserved1;
    std::int32_t Operation;
    std::int32_t InfiltrationOption;
    std::int32_t Geometry;
    std::int32_t CrossSection;
    std::int32_t ErrorCode;           // 0 = success
    std::int32_t WarningCode;         // 0 = no warning
    double KostiakovA;
    double KostiakovK;
    double KostiakovFo;
    double FlowResistance;
    double RequiredDepth;
    double Length;
    double Width;
    double FlowRate;
    double CutoffTime;
    double LengthWidthRatio;
    double MaxInfDepth;
    double MinInfDepth;
    double AverageDepth;
    double DistributionUniformity;
    double ApplicationEfficiency;
    double StorageEfficiency;
    double AdvanceTime;
    double RecessionTime;
    double OverIrrLength;
    double OverIrrDepth;
    double UnderIrrLength;
    double UnderIrrDepth;
    double Slope;
    double Reserved2[3];
    double AdvanceRatio;
    double CutBackRatio;
    double MaxVelocity;
    double VCalc;
    double Spacing;
    double TailwaterRecoveryRatio;
    double Reserved3;
    double SurfaceRunoff;
    double RunoffRatio;
    double DeepPercRatio;
    double UniformityCoeff;
    double SideSlope;
    double BedWidth;
    double MaxDepth;
    double MaxWidth;
    double Sigma1;
    double Sigma2;
    double Tau1;
    double Tau2;
    double SCSNumber;
    double TrialFlowRate;
    double StableRunoffRate;
    double AdvTimeL;
    double AdvTimeHalfL;
    double TrialLength;
    double TrialSlope;
    double DepletionTime;
    double OpportunityTime;
    double CutBackFlow;
    double InfiltrationProfile[kProfilePoints];
    double AdvanceCurve[kProfilePoints];
    double RecessionCurve[kProfilePoints];
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

// The one entry point every engine library exports.
extern "C" {
typedef void (*TIrrikaInfoProc)(TIrrikaInfoRecord *record);
}

#endif
