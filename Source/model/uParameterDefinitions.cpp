#include "uParameterDefinitions.h"

namespace {

// Key, name, unit kind, category, description, default, bounded, lower, upper.
constexpr TInputDefinition kBasinInputs[] = {
    {"Mode", "Mode", ukEmpty, pcInput, nullptr, 1, false, 0, 0},
    {"FlowType", "FlowType", ukEmpty, pcInput, nullptr, 1, false, 0, 0},
    {"FlowRate", "FlowRate", ukLS_1, pcDecisionVariable, "Flow rate", 40, true, 5, 600},
    {"BasinLength", "BasinLength", ukMeters, pcDecisionVariable, "Basin length", 40, true, 5, 800},
    {"BasinWidth", "BasinWidth", ukMeters, pcDecisionVariable, "Basin width", 50, true, 5, 500},
    {"CutoffTime", "CutoffTime", ukMinutes, pcDecisionVariable, "Cutoff time", 60, true, 10, 800},
    {"RequiredDepth", "RequiredDepth", ukMM, pcInput, "Required depth", 80, true, 40, 500},
    {"Flowresistance", "Flowresistance", ukEmpty, pcInput, "Flow resistance", 0.15, true, 0.01, 1},
    {"SCS", "SCS #", ukEmpty, pcInput, nullptr, 1, true, 0.2, 4},
    {"TimeRatedT100", "TimeRatedT100", ukMinutes, pcInput, "Time rated T100", 300, true, 10, 2000},
    {"KostiakovA", "KostiakovA", ukEmpty, pcInput, "Infiltration parameter A", 0.706, true, 0.2, 1},
    {"Kostiakovk", "Kostiakovk", ukMM_MIN_A, pcInput, "Infiltration parameter k", 2.84, true, 0.0133, 19.84},
    {"KostiakovFo", "KostiakovFo", ukMM_MIN, pcInput, "Infiltration parameter Fo", 0.19, true, 0.05, 30},
};

// The border keeps the basin's keys for its length and width.
constexpr TInputDefinition kBorderInputs[] = {
    {"Mode", "Mode", ukEmpty, pcInput, nullptr, 1, false, 0, 0},
    {"Operation", "Operation", ukEmpty, pcInput, nullptr, 1, false, 0, 0},
    {"FlowType", "FlowType", ukEmpty, pcInput, nullptr, 1, false, 0, 0},
    {"Infiltration", "Infiltration", ukEmpty, pcInput, nullptr, 1, false, 0, 0},
    {"FlowRate", "FlowRate", ukLS_1, pcDecisionVariable, "Flow rate", 25, true, 1, 250.05},
    {"BasinLength", "BasinLength", ukMeters, pcDecisionVariable, "Border length", 150, true, 50, 500},
    {"BasinWidth", "BasinWidth", ukMeters, pcDecisionVariable, "Border width", 20, true, 1, 200},
    {"LengthWidthRatio", "LengthWidthRatio", ukEmpty, pcDecisionVariable, "Length/Width ratio", 7.5, true, 1, 30},
    {"CutoffTime", "CutoffTime", ukMinutes, pcDecisionVariable, "Cutoff time", 480, true, 10, 2000},
    {"RequiredDepth", "RequiredDepth", ukMM, pcInput, "Required depth", 75, true, 33, 250},
    {"Flowresistance", "Flowresistance", ukEmpty, pcInput, "Flow resistance", 0.15, true, 0.01, 0.4},
    {"SCS", "SCS #", ukEmpty, pcInput, "SCS #", 0.6, true, 0.05, 2},
    {"KostiakovA", "KostiakovA", ukEmpty, pcInput, "Infiltration parameter A", 0.534, true, 0.01, 0.8},
    {"Kostiakovk", "Kostiakovk", ukMM_MIN_A, pcInput, "Infiltration parameter k", 1.24, true, 0.0133, 19.841854},
    {"KostiakovFo", "KostiakovFo", ukMM_MIN, pcInput, "Infiltration parameter Fo", 0.19, true, 0.05, 30},
    {"Slope", "Slope", ukMM_1, pcInput, "Slope", 0.008, true, 0.0005, 0.05},
    {"AdvanceRatio", "AdvanceRatio", ukEmpty, pcInput, "Advance ratio", 0.33, true, 0.1, 0.9},
    {"CutBackRatio", "CutBackRatio", ukEmpty, pcInput, "Cut-back ratio", 0.65, true, 0.65, 1},
    {"TailwaterRecoveryRatio", "TailwaterRecoveryRatio", ukEmpty, pcInput, "Recovery ratio", 0.85, true, 0.1, 1},
};

// MaxWidth's default lies above its upper limit and VCalc's and Spacing's lower limits are
// 0: reading never compares a value with its limits.
constexpr TInputDefinition kFurrowInputs[] = {
    {"Mode", "Mode", ukEmpty, pcInput, nullptr, 1, false, 0, 0},
    {"Operation", "Operation", ukEmpty, pcInput, nullptr, 1, false, 0, 0},
    {"FlowType", "FlowType", ukEmpty, pcInput, nullptr, 1, false, 0, 0},
    {"Infiltration", "Infiltration", ukEmpty, pcInput, nullptr, 1, false, 0, 0},
    {"Geometry", "Geometry", ukEmpty, pcInput, nullptr, 1, false, 0, 0},
    {"CrossSection", "CrossSection", ukEmpty, pcInput, nullptr, 1, false, 0, 0},
    {"FlowRate", "FlowRate", ukLS_1, pcDecisionVariable, "Flow rate", 0.5, true, 0.02, 16.67},
    {"Length", "Length", ukMeters, pcDecisionVariable, "Length", 200, true, 50, 500},
    {"CutoffTime", "CutoffTime", ukMinutes, pcDecisionVariable, "Cutoff time", 600, true, 10, 2000},
    {"RequiredDepth", "RequiredDepth", ukMM, pcInput, "Required depth", 75, true, 33, 250},
    {"Flowresistance", "Flowresistance", ukEmpty, pcInput, "Flow resistance", 0.15, true, 0.01, 0.4},
    {"SCS", "SCS #", ukEmpty, pcInput, "SCS #", 0.6, true, 0.05, 2},
    {"KostiakovA", "KostiakovA", ukEmpty, pcInput, "Infiltration parameter A", 0.534, true, 0.01, 0.8},
    {"Kostiakovk", "Kostiakovk", ukMM_MIN_A, pcInput, "Infiltration parameter k", 1.24, true, 0.05, 30},
    {"KostiakovFo", "KostiakovFo", ukMM_MIN, pcInput, "Infiltration parameter Fo", 0.19, true, 0.05, 30},
    {"Slope", "Slope", ukMM_1, pcInput, "Slope", 0.005, true, 0.0005, 0.05},
    {"AdvanceRatio", "AdvanceRatio", ukEmpty, pcInput, "Advance ratio", 0.33, true, 0.1, 0.9},
    {"CutBackRatio", "CutBackRatio", ukEmpty, pcInput, "Cut-back ratio", 0.85, true, 0.65, 1},
    {"MaxVelocity", "MaxVelocity", ukM_MIN, pcInput, "Maximum Velocity", 13.8, true, 7, 15},
    {"VCalc", "VCalc", ukEmpty, pcInput, "V Calc", 0.85, true, 0, 1000},
    {"Spacing", "Spacing", ukMeters, pcInput, "Spacing", 1, true, 0, 1000},
    {"TailwaterRecoveryRatio", "TailwaterRecoveryRatio", ukEmpty, pcInput, "Recovery ratio", 0.85, true, 0.1, 1},
    {"SideSlope", "SideSlope", ukMM_1, pcInput, "Side Slope", 2, true, 0.5, 3},
    {"BedWidth", "BedWidth", ukMeters, pcInput, "BedWidth", 0.2, true, 0.05, 0.5},
    {"MaxDepth", "MaxDepth", ukMeters, pcInput, "MaxDepth", 0.2, true, 0.01, 0.25},
    {"MaxWidth", "MaxWidth", ukMeters, pcInput, "MaxWidth", 2, true, 0.2, 1},
    {"Sigma1", "Sigma1", ukM_2_Sig2, pcInput, "Sigma1", 0.987, true, 0.1, 10},
    {"Sigma2", "Sigma2", ukEmpty, pcInput, "Sigma2", 1.734, true, 0.1, 10},
    {"Tau1", "Tau1", ukM_1_Tau2, pcInput, "Tau 1", 2.439, true, 0.1, 10},
    {"Tau2", "Tau2", ukEmpty, pcInput, "Tau 2", 0.811, true, 0.1, 10},
    {"TrialFlowRate", "TrialFlowRate", ukLS_1, pcInput, "Trial Flowrate", 2, true, 0.002, 3.334},
    {"StableRunoffRate", "StableRunoffRate", ukLS_1, pcInput, "Stable Runoffrate", 1.467, true, 0.002, 2.501},
    {"AdvTimeL", "AdvTimeL", ukMinutes, pcInput, "Adv. Time L.", 55, true, 5, 1440},
    {"AdvTimeHalfL", "AdvTimeHalfL", ukMinutes, pcInput, "Adv. Time HalfL.", 17, true, 5, 500},
    {"TrialLength", "TrialLength", ukMeters, pcInput, "Trial Length", 200, true, 50, 700},
    {"TrialSlope", "TrialSlope", ukMM_1, pcInput, "Trial Slope", 0.008, true, 0.0003, 0.03},
};

constexpr TResultDefinition kResults[] = {
    {"CutBackFlow", ukLS_1, "Cutback flow", false},
    {"CutbackTime", ukMinutes, "Cutback time", false},
    {"Applic. efficiency", ukPerc, "Application efficiency", true},
    {"Storage efficiency", ukPerc, "Storage efficiency", true},
    {"Uniformity coeff.", ukPerc, "Uniformity coefficient", false},
    {"Distribution unif.", ukPerc, "Distribution uniformity", true},
    {"Deep perc. ratio", ukPerc, "Deep percolation ratio", false},
    {"Runoff Ratio", ukPerc, "Runoff Ratio", false},
    {"Min. inf. depth", ukMM, "Minimum infiltrated depth", true},
    {"Max. inf. depth", ukMM, "Maximum infiltrated depth", true},
    {"Average depth", ukMM, "Average applied depth", true},
    {"Surface runoff", ukMM, "Surface runoff", false},
    {"Over-irr. depth", ukMM, "Over irrigation depth", true},
    {"Under-irr. depth", ukMM, "Under irrigation depth", true},
    {"Over-irr. length", ukMeters, "Over irrigation length", true},
    {"Under-irr. length", ukMeters, "Under irrigation length", true},
    {"Advancetime", ukMinutes, "Advance time", true},
    {"Depletiontime", ukMinutes, "Depletion time", false},
    {"Recessiontime", ukMinutes, "Recession time", true},
    {"Opportunitytime", ukMinutes, "Opportunity time", false},
};

constexpr TCurveDefinition kCurves[] = {
    {"AdvanceTime", "Advance Time", ukMinutes, "Time", true},
    {"RecessionTime", "Recession Time", ukMinutes, "Time", false},
    {"InfiltrationDepth", "Infiltration Depth", ukMM, "Depth", true},
};

template <typename Row, std::size_t N>
TDefinitionRows<Row> Rows(const Row (&rows)[N])
{
    return {rows, N};
}

// The basin module carries the rows marked for it, the other two every row.
template <typename Row, std::size_t N>
std::vector<const Row *> RowsOf(TIrrigationModule module, const Row (&rows)[N])
{
    std::vector<const Row *> result;
    if (module != imBasin && module != imBorder && module != imFurrow)
        return result;
    for (const Row &row : rows)
        if (module != imBasin || row.Basin)
            result.push_back(&row);
    return result;
}

}  // namespace

TDefinitionRows<TInputDefinition> InputDefinitions(TIrrigationModule module)
{
    switch (module) {
    case imBasin:
        return Rows(kBasinInputs);
    case imBorder:
        return Rows(kBorderInputs);
    case imFurrow:
        return Rows(kFurrowInputs);
    default:
        return {};
    }
}

std::vector<const TResultDefinition *> ResultDefinitions(TIrrigationModule module) { return RowsOf(module, kResults); }

std::vector<const TCurveDefinition *> CurveDefinitions(TIrrigationModule module) { return RowsOf(module, kCurves); }
