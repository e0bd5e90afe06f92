#include "uParameterDefinitions.h"

// Unit kind codes in the rows: 1 Meters, 2 MM, 6 LS_1, 10 Minutes, 12 Empty, 13 Perc,
// 15 MM_MIN_A, 23 MM_1, 25 M_MIN, 26 MM_MIN, 32 M_2_Sig2, 33 M_1_Tau2.

namespace {

// Key, name, unit kind, category, description, default, bounded, lower, upper.
constexpr TInputDefinition kBasinInputs[] = {
    {"Mode", "Mode", 12, 0, nullptr, 1, false, 0, 0},
    {"FlowType", "FlowType", 12, 0, nullptr, 1, false, 0, 0},
    {"FlowRate", "FlowRate", 6, 2, "Flow rate", 40, true, 5, 600},
    {"BasinLength", "BasinLength", 1, 2, "Basin length", 40, true, 5, 800},
    {"BasinWidth", "BasinWidth", 1, 2, "Basin width", 50, true, 5, 500},
    {"CutoffTime", "CutoffTime", 10, 2, "Cutoff time", 60, true, 10, 800},
    {"RequiredDepth", "RequiredDepth", 2, 0, "Required depth", 80, true, 40, 500},
    {"Flowresistance", "Flowresistance", 12, 0, "Flow resistance", 0.15, true, 0.01, 1},
    {"SCS", "SCS #", 12, 0, nullptr, 1, true, 0.2, 4},
    {"TimeRatedT100", "TimeRatedT100", 10, 0, "Time rated T100", 300, true, 10, 2000},
    {"KostiakovA", "KostiakovA", 12, 0, "Infiltration parameter A", 0.706, true, 0.2, 1},
    {"Kostiakovk", "Kostiakovk", 15, 0, "Infiltration parameter k", 2.84, true, 0.0133, 19.84},
    {"KostiakovFo", "KostiakovFo", 26, 0, "Infiltration parameter Fo", 0.19, true, 0.05, 30},
};

// The border keeps the basin's keys for its length and width.
constexpr TInputDefinition kBorderInputs[] = {
    {"Mode", "Mode", 12, 0, nullptr, 1, false, 0, 0},
    {"Operation", "Operation", 12, 0, nullptr, 1, false, 0, 0},
    {"FlowType", "FlowType", 12, 0, nullptr, 1, false, 0, 0},
    {"Infiltration", "Infiltration", 12, 0, nullptr, 1, false, 0, 0},
    {"FlowRate", "FlowRate", 6, 2, "Flow rate", 25, true, 1, 250.05},
    {"BasinLength", "BasinLength", 1, 2, "Border length", 150, true, 50, 500},
    {"BasinWidth", "BasinWidth", 1, 2, "Border width", 20, true, 1, 200},
    {"LengthWidthRatio", "LengthWidthRatio", 12, 2, "Length/Width ratio", 7.5, true, 1, 30},
    {"CutoffTime", "CutoffTime", 10, 2, "Cutoff time", 480, true, 10, 2000},
    {"RequiredDepth", "RequiredDepth", 2, 0, "Required depth", 75, true, 33, 250},
    {"Flowresistance", "Flowresistance", 12, 0, "Flow resistance", 0.15, true, 0.01, 0.4},
    {"SCS", "SCS #", 12, 0, "SCS #", 0.6, true, 0.05, 2},
    {"KostiakovA", "KostiakovA", 12, 0, "Infiltration parameter A", 0.534, true, 0.01, 0.8},
    {"Kostiakovk", "Kostiakovk", 15, 0, "Infiltration parameter k", 1.24, true, 0.0133, 19.841854},
    {"KostiakovFo", "KostiakovFo", 26, 0, "Infiltration parameter Fo", 0.19, true, 0.05, 30},
    {"Slope", "Slope", 23, 0, "Slope", 0.008, true, 0.0005, 0.05},
    {"AdvanceRatio", "AdvanceRatio", 12, 0, "Advance ratio", 0.33, true, 0.1, 0.9},
    {"CutBackRatio", "CutBackRatio", 12, 0, "Cut-back ratio", 0.65, true, 0.65, 1},
    {"TailwaterRecoveryRatio", "TailwaterRecoveryRatio", 12, 0, "Recovery ratio", 0.85, true, 0.1, 1},
};

// MaxWidth's default lies above its upper limit and VCalc's and Spacing's lower limits are
// 0: reading never compares a value with its limits.
constexpr TInputDefinition kFurrowInputs[] = {
    {"Mode", "Mode", 12, 0, nullptr, 1, false, 0, 0},
    {"Operation", "Operation", 12, 0, nullptr, 1, false, 0, 0},
    {"FlowType", "FlowType", 12, 0, nullptr, 1, false, 0, 0},
    {"Infiltration", "Infiltration", 12, 0, nullptr, 1, false, 0, 0},
    {"Geometry", "Geometry", 12, 0, nullptr, 1, false, 0, 0},
    {"CrossSection", "CrossSection", 12, 0, nullptr, 1, false, 0, 0},
    {"FlowRate", "FlowRate", 6, 2, "Flow rate", 0.5, true, 0.02, 16.67},
    {"Length", "Length", 1, 2, "Length", 200, true, 50, 500},
    {"CutoffTime", "CutoffTime", 10, 2, "Cutoff time", 600, true, 10, 2000},
    {"RequiredDepth", "RequiredDepth", 2, 0, "Required depth", 75, true, 33, 250},
    {"Flowresistance", "Flowresistance", 12, 0, "Flow resistance", 0.15, true, 0.01, 0.4},
    {"SCS", "SCS #", 12, 0, "SCS #", 0.6, true, 0.05, 2},
    {"KostiakovA", "KostiakovA", 12, 0, "Infiltration parameter A", 0.534, true, 0.01, 0.8},
    {"Kostiakovk", "Kostiakovk", 15, 0, "Infiltration parameter k", 1.24, true, 0.05, 30},
    {"KostiakovFo", "KostiakovFo", 26, 0, "Infiltration parameter Fo", 0.19, true, 0.05, 30},
    {"Slope", "Slope", 23, 0, "Slope", 0.005, true, 0.0005, 0.05},
    {"AdvanceRatio", "AdvanceRatio", 12, 0, "Advance ratio", 0.33, true, 0.1, 0.9},
    {"CutBackRatio", "CutBackRatio", 12, 0, "Cut-back ratio", 0.85, true, 0.65, 1},
    {"MaxVelocity", "MaxVelocity", 25, 0, "Maximum Velocity", 13.8, true, 7, 15},
    {"VCalc", "VCalc", 12, 0, "V Calc", 0.85, true, 0, 1000},
    {"Spacing", "Spacing", 1, 0, "Spacing", 1, true, 0, 1000},
    {"TailwaterRecoveryRatio", "TailwaterRecoveryRatio", 12, 0, "Recovery ratio", 0.85, true, 0.1, 1},
    {"SideSlope", "SideSlope", 23, 0, "Side Slope", 2, true, 0.5, 3},
    {"BedWidth", "BedWidth", 1, 0, "BedWidth", 0.2, true, 0.05, 0.5},
    {"MaxDepth", "MaxDepth", 1, 0, "MaxDepth", 0.2, true, 0.01, 0.25},
    {"MaxWidth", "MaxWidth", 1, 0, "MaxWidth", 2, true, 0.2, 1},
    {"Sigma1", "Sigma1", 32, 0, "Sigma1", 0.987, true, 0.1, 10},
    {"Sigma2", "Sigma2", 12, 0, "Sigma2", 1.734, true, 0.1, 10},
    {"Tau1", "Tau1", 33, 0, "Tau 1", 2.439, true, 0.1, 10},
    {"Tau2", "Tau2", 12, 0, "Tau 2", 0.811, true, 0.1, 10},
    {"TrialFlowRate", "TrialFlowRate", 6, 0, "Trial Flowrate", 2, true, 0.002, 3.334},
    {"StableRunoffRate", "StableRunoffRate", 6, 0, "Stable Runoffrate", 1.467, true, 0.002, 2.501},
    {"AdvTimeL", "AdvTimeL", 10, 0, "Adv. Time L.", 55, true, 5, 1440},
    {"AdvTimeHalfL", "AdvTimeHalfL", 10, 0, "Adv. Time HalfL.", 17, true, 5, 500},
    {"TrialLength", "TrialLength", 1, 0, "Trial Length", 200, true, 50, 700},
    {"TrialSlope", "TrialSlope", 23, 0, "Trial Slope", 0.008, true, 0.0003, 0.03},
};

constexpr TResultDefinition kResults[] = {
    {"CutBackFlow", 6, "Cutback flow", false},
    {"CutbackTime", 10, "Cutback time", false},
    {"Applic. efficiency", 13, "Application efficiency", true},
    {"Storage efficiency", 13, "Storage efficiency", true},
    {"Uniformity coeff.", 13, "Uniformity coefficient", false},
    {"Distribution unif.", 13, "Distribution uniformity", true},
    {"Deep perc. ratio", 13, "Deep percolation ratio", false},
    {"Runoff Ratio", 13, "Runoff Ratio", false},
    {"Min. inf. depth", 2, "Minimum infiltrated depth", true},
    {"Max. inf. depth", 2, "Maximum infiltrated depth", true},
    {"Average depth", 2, "Average applied depth", true},
    {"Surface runoff", 2, "Surface runoff", false},
    {"Over-irr. depth", 2, "Over irrigation depth", true},
    {"Under-irr. depth", 2, "Under irrigation depth", true},
    {"Over-irr. length", 1, "Over irrigation length", true},
    {"Under-irr. length", 1, "Under irrigation length", true},
    {"Advancetime", 10, "Advance time", true},
    {"Depletiontime", 10, "Depletion time", false},
    {"Recessiontime", 10, "Recession time", true},
    {"Opportunitytime", 10, "Opportunity time", false},
};

constexpr TCurveDefinition kCurves[] = {
    {"AdvanceTime", "Advance Time", 10, "Time", true},
    {"RecessionTime", "Recession Time", 10, "Time", false},
    {"InfiltrationDepth", "Infiltration Depth", 2, "Depth", true},
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
