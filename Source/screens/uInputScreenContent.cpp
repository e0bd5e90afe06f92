#include "uInputScreenContent.h"

namespace {

// Field parameters for one infiltration option of a module.
struct TInfiltrationRow {
    TIrrigationModule Module;
    TInfiltrationType Type;
    TInfiltrationOption InfiltrationOption;  // the parameter "Infiltration"; 0 where the module has none
    const char *Title;
    std::vector<const char *> Parameters;
    bool PassesTimeRatedT100;
    bool OffersFlowResistance;
};

// The furrow's geometry rows: the first that the checked geometry (and shape) fits applies.
struct TGeometryRow {
    TFurrowGeometry Geometry;
    TCrossSectionShape Shape;  // the checked shape it asks for; 0: the geometry alone decides
    TCrossSectionShape CrossSection;  // what "CrossSection" gets
    std::vector<const char *> Parameters;
};

struct TDecisionRow {
    TCalculationMode Mode;
    std::vector<const char *> Parameters[3];  // basin, border, furrow
    const char *StatusText;
};

struct TOperationRow {
    TOperationKind Checked;  // 0: fixed flow, whatever else is checked
    TOperationKind Operation;
    std::vector<const char *> Ratios;
    std::vector<const char *> DesignModeRatios;  // asked for in modes 1 and 2 only
};

const std::vector<TInfiltrationRow> &InfiltrationRows()
{
    static const std::vector<TInfiltrationRow> rows = {
        {imBasin, itIntakeFamily, 0, "Modified SCS Families", {"SCS #", "Flowresistance", "RequiredDepth"}, false,
         false},
        {imBasin, itTimeRated, 0, "Time rated Families", {"TimeRatedT100", "Flowresistance", "RequiredDepth"}, true,
         true},
        {imBasin, itKostiakov, 0, "Kostiakov equation", {"KostiakovA", "Kostiakovk", "Flowresistance", "RequiredDepth"},
         false, true},
        {imBorder, itIntakeFamily, ioIntakeFamily, "Modified SCS Families",
         {"SCS #", "Flowresistance", "RequiredDepth", "Slope"}, false, false},
        {imBorder, itKostiakov, ioKostiakov, "Kostiakov equation",
         {"KostiakovA", "Kostiakovk", "KostiakovFo", "Flowresistance", "RequiredDepth", "Slope"}, false, true},
        {imFurrow, itIntakeFamily, ioIntakeFamily, "", {"SCS #"}, false, false},
        {imFurrow, itKostiakov, ioKostiakov, "", {"KostiakovA", "Kostiakovk", "KostiakovFo"}, false, false},
        {imFurrow, itFieldData, ioFieldData, "",
         {"TrialFlowRate", "StableRunoffRate", "AdvTimeL", "AdvTimeHalfL", "TrialLength", "TrialSlope"}, false, false},
    };
    return rows;
}

// The furrow's fields before the geometry's.
const std::vector<const char *> kFurrowFirstFields = {"RequiredDepth", "MaxVelocity", "Flowresistance", "Slope"};

const std::vector<TGeometryRow> &GeometryRows()
{
    static const std::vector<TGeometryRow> rows = {
        {fgCrossSectionShape, csTriangular, csTriangular, {"Spacing", "SideSlope"}},
        {fgCrossSectionShape, csParabolic, csParabolic, {"Spacing", "MaxDepth", "MaxWidth"}},
        {fgCrossSectionShape, csTrapezoidal, csTrapezoidal, {"Spacing", "SideSlope", "BedWidth"}},
        {fgShapeCoefficients, 0, csTriangular, {"Spacing", "Sigma2", "Sigma1", "Tau2", "Tau1"}},
    };
    return rows;
}

const std::vector<TDecisionRow> &DecisionRows()
{
    static const std::vector<TDecisionRow> rows = {
        {cmInflowRate,
         {{"BasinLength", "BasinWidth"}, {"BasinLength", "BasinWidth"}, {"Length"}},
         "Edit input parameters for Flowrate calculations"},
        {cmDimensions,
         {{"FlowRate"}, {"FlowRate", "LengthWidthRatio"}, {"FlowRate"}},
         "Edit input parameters for Dimension calculations"},
        {cmCutoffTime,
         {{"FlowRate", "BasinLength", "BasinWidth"}, {"FlowRate", "BasinLength", "BasinWidth"}, {"FlowRate", "Length"}},
         "Edit input parameters for Cutoff time calculations"},
        {cmMinimumDepth,
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
        {okCutbackFlow, okCutbackFlow, {"CutBackRatio"}, {"AdvanceRatio"}},
        {okTailwaterReuse, okTailwaterReuse, {"TailwaterRecoveryRatio"}, {}},
        {0, okFixedFlow, {}, {}},
    };
    return rows;
}

void Append(std::vector<const char *> &list, const std::vector<const char *> &names)
{
    list.insert(list.end(), names.begin(), names.end());
}

void FieldBox(TIrrigationModule module, const TScreenOptions &options, TInputScreenContent &content)
{
    if (module == imFurrow) {
        Append(content.FieldParameters, kFurrowFirstFields);
        for (const TGeometryRow &row : GeometryRows()) {
            if (row.Geometry != options.Geometry || (row.Shape != 0 && row.Shape != options.CrossSection))
                continue;
            content.Geometry = row.Geometry;
            content.CrossSection = row.CrossSection;
            Append(content.FieldParameters, row.Parameters);
            break;
        }
    }
    for (const TInfiltrationRow &row : InfiltrationRows()) {
        if (row.Module != module || row.Type != options.Infiltration)
            continue;
        content.Title = row.Title;
        content.InfiltrationType = row.Type;
        content.InfiltrationOption = row.InfiltrationOption;
        Append(content.FieldParameters, row.Parameters);
        content.PassesTimeRatedT100 = row.PassesTimeRatedT100;
        content.OffersFlowResistance = row.OffersFlowResistance;
        break;
    }
}

void DecisionBox(TIrrigationModule module, TCalculationMode mode, const TScreenOptions &options,
                 TInputScreenContent &content)
{
    for (const TDecisionRow &row : DecisionRows()) {
        if (row.Mode != mode)
            continue;
        content.Mode = row.Mode;
        Append(content.DecisionVariables, row.Parameters[module]);
        if (module != imBasin) {
            for (const TOperationRow &operation : OperationRows()) {
                if (operation.Checked != 0 && operation.Checked != options.Operation)
                    continue;
                content.Operation = operation.Operation;
                Append(content.DecisionVariables, operation.Ratios);
                if (row.Mode == cmInflowRate || row.Mode == cmDimensions)
                    Append(content.DecisionVariables, operation.DesignModeRatios);
                break;
            }
        }
        content.StatusText = row.StatusText;
        break;
    }
}

}  // namespace

TInputScreenContent InputScreenContent(TIrrigationModule module, TCalculationMode mode,
                                       const TScreenOptions &options)
{
    TInputScreenContent content;
    if (module > imFurrow)
        return content;
    FieldBox(module, options, content);
    DecisionBox(module, mode, options, content);
    return content;
}
