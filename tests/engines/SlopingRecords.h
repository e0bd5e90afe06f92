#ifndef IRRIKA_TEST_SLOPING_RECORDS_H
#define IRRIKA_TEST_SLOPING_RECORDS_H

// Records as the border and furrow bindings fill them from the shipped defaults, in engine
// units (m3/min, m, min; depths, k and Fo in metres).

#include "IrrikaInfoRecord.h"

#include <cstring>

inline TIrrikaInfoRecord slopingRecord(int mode, int operation, int infiltration)
{
    TIrrikaInfoRecord r;
    std::memset(&r, 0, sizeof r);
    r.Mode = mode;
    r.Operation = operation;
    r.InfiltrationOption = infiltration;
    r.KostiakovA = 0.534;
    r.KostiakovK = 0.00124;
    r.KostiakovFo = 0.00019;
    r.SCSNumber = infiltration == 1 ? 0.6 : 0.0;
    r.FlowResistance = 0.15;
    r.RequiredDepth = 0.075;
    r.AdvanceRatio = 0.33;
    r.CutBackRatio = 0.65;
    r.TailwaterRecoveryRatio = 0.85;
    return r;
}

inline TIrrikaInfoRecord borderRecord(int mode, int operation = 1, int infiltration = 2)
{
    TIrrikaInfoRecord r = slopingRecord(mode, operation, infiltration);
    r.FlowRate = 25 * 0.06;
    r.Length = 150;
    r.Width = 20;
    r.LengthWidthRatio = 7.5;
    r.CutoffTime = 480;
    r.Slope = 0.008;
    return r;
}

// A triangular furrow; 1.4 l/s, since the shipped 0.5 l/s cannot outrun a final intake of
// 0.19 mm/min over 200 m of 1 m spacing.
inline TIrrikaInfoRecord furrowRecord(int mode, int operation = 1, int infiltration = 2,
                                      int crossSection = 1)
{
    TIrrikaInfoRecord r = slopingRecord(mode, operation, infiltration);
    r.FlowRate = 1.4 * 0.06;
    r.Length = 200;
    r.CutoffTime = 600;
    r.Slope = 0.005;
    r.FlowResistance = 0.04;
    r.Geometry = 1;
    r.CrossSection = crossSection;
    r.SideSlope = 2;
    r.BedWidth = 0.2;
    r.MaxDepth = 0.2;
    r.MaxWidth = 0.8;
    r.Spacing = 1;
    r.MaxVelocity = 13.8;
    r.VCalc = 0.85;
    r.Sigma1 = 0.987;
    r.Sigma2 = 1.734;
    r.Tau1 = 2.439;
    r.Tau2 = 0.811;
    r.TrialFlowRate = 2 * 0.06;
    r.StableRunoffRate = 1.467 * 0.06;
    r.AdvTimeL = 55;
    r.AdvTimeHalfL = 17;
    r.TrialLength = 200;
    r.TrialSlope = 0.008;
    return r;
}

#endif
