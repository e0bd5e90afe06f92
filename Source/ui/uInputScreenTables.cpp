#include "uInputScreenTables.h"

const std::vector<TInfiltrationRow> &InfiltrationRows()
{
    static const std::vector<TInfiltrationRow> rows = {
        {imBasin, "mniModifiedSCSfamilies", itIntakeFamily, 0, "Modified SCS Families",
         {"SCS #", "Flowresistance", "RequiredDepth"}, false, false},
        {imBasin, "mniTimeratedfamilies", itTimeRated, 0, "Time rated Families",
         {"TimeRatedT100", "Flowresistance", "RequiredDepth"}, true, true},
        {imBasin, "mniKostiakovequation", itKostiakov, 0, "Kostiakov equation",
         {"KostiakovA", "Kostiakovk", "Flowresistance", "RequiredDepth"}, false, true},
        {imBorder, "mniModifiedSCSfamilies", itIntakeFamily, ioIntakeFamily, "Modified SCS Families",
         {"SCS #", "Flowresistance", "RequiredDepth", "Slope"}, false, false},
        {imBorder, "mniKostiakovequation", itKostiakov, ioKostiakov, "Kostiakov equation",
         {"KostiakovA", "Kostiakovk", "KostiakovFo", "Flowresistance", "RequiredDepth", "Slope"}, false, true},
        {imFurrow, "mniModifiedSCSfamilies", itIntakeFamily, ioIntakeFamily, "", {"SCS #"}, false, false},
        {imFurrow, "mniKostiakovequation", itKostiakov, ioKostiakov, "", {"KostiakovA", "Kostiakovk", "KostiakovFo"},
         false, false},
        {imFurrow, "mniFieldData", itFieldData, ioFieldData, "",
         {"TrialFlowRate", "StableRunoffRate", "AdvTimeL", "AdvTimeHalfL", "TrialLength", "TrialSlope"}, false, false},
    };
    return rows;
}

const std::vector<const char *> &FurrowFirstFields()
{
    static const std::vector<const char *> fields = {"RequiredDepth", "MaxVelocity", "Flowresistance", "Slope"};
    return fields;
}

const std::vector<TGeometryRow> &GeometryRows()
{
    static const std::vector<TGeometryRow> rows = {
        {"mniCrossSection", "mniTriangular", fgCrossSectionShape, csTriangular, {"Spacing", "SideSlope"}},
        {"mniCrossSection", "mniParabolic", fgCrossSectionShape, csParabolic, {"Spacing", "MaxDepth", "MaxWidth"}},
        {"mniCrossSection", "mniTrapezoidal", fgCrossSectionShape, csTrapezoidal, {"Spacing", "SideSlope", "BedWidth"}},
        {"mniSigma_Tau", nullptr, fgShapeCoefficients, csTriangular, {"Spacing", "Sigma2", "Sigma1", "Tau2", "Tau1"}},
    };
    return rows;
}

const std::vector<TDecisionRow> &DecisionRows()
{
    static const std::vector<TDecisionRow> rows = {
        {"mniN1Flowrate",
         cmInflowRate,
         {{"BasinLength", "BasinWidth"}, {"BasinLength", "BasinWidth"}, {"Length"}},
         "Edit input parameters for Flowrate calculations"},
        {"mniN2Dimensions",
         cmDimensions,
         {{"FlowRate"}, {"FlowRate", "LengthWidthRatio"}, {"FlowRate"}},
         "Edit input parameters for Dimension calculations"},
        {"mniN3Cutofftime",
         cmCutoffTime,
         {{"FlowRate", "BasinLength", "BasinWidth"}, {"FlowRate", "BasinLength", "BasinWidth"}, {"FlowRate", "Length"}},
         "Edit input parameters for Cutoff time calculations"},
        {"mniN4Mindepth",
         cmMinimumDepth,
         {{"FlowRate", "BasinLength", "BasinWidth", "CutoffTime"},
          {"FlowRate", "BasinLength", "BasinWidth", "CutoffTime"},
          {"FlowRate", "Length", "CutoffTime"}},
         "Edit input parameters for Minimum Depth calculations"},
    };
    return rows;
}

const std::vector<TOperationRow> &OperationRows()
{
    static const std::vector<TOperationRow> rows = {
        {"mniCutbackFlow", okCutbackFlow, {"CutBackRatio"}, {"AdvanceRatio"}},
        {"mniTailwaterReuse", okTailwaterReuse, {"TailwaterRecoveryRatio"}, {}},
        {nullptr, okFixedFlow, {}, {}},
    };
    return rows;
}
