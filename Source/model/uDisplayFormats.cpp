#include "uDisplayFormats.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace {

using KindSet = std::uint64_t;  // bit k stands for unit kind k
using ModuleSet = std::uint8_t;  // bit m stands for module m

constexpr KindSet Kinds(std::initializer_list<TUnitKind> kinds)
{
    KindSet set = 0;
    for (TUnitKind kind : kinds)
        set |= KindSet{1} << kind;
    return set;
}

constexpr KindSet kAnyKind = ~KindSet{0};  // "else": no condition on the kind
constexpr ModuleSet kBasin = 1 << imBasin;
constexpr ModuleSet kBorder = 1 << imBorder;
constexpr ModuleSet kFurrow = 1 << imFurrow;
constexpr ModuleSet kNotBasin = kBorder | kFurrow;
constexpr ModuleSet kAnyModule = 0xFF;  // "else": no condition on the module

constexpr KindSet kGalMin = Kinds({ukGALMIN_1});
constexpr KindSet kLs = Kinds({ukLS_1});
constexpr KindSet kMinutes = Kinds({ukMinutes});
constexpr KindSet kHours = Kinds({ukHours});

using Names = std::vector<const char *>;
const Names kFlows = {"FlowRate", "CutBackFlow"};
const Names kShapeNames = {"Spacing", "SideSlope", "MaxDepth", "MaxWidth", "BedWidth"};
const Names kShapeCoefficients = {"Sigma1", "Sigma2", "Tau1", "Tau2"};
const Names kTrialFlows = {"TrialFlowRate", "StableRunoffRate"};

struct FormatRule {
    Names names;  // the names a line of the table lists
    KindSet kinds;
    ModuleSet modules;
    const char *pattern;
};

// One row per rule; the rows of a name stand in the order they are tried, and a rule holds
// for every name it lists.
const FormatRule kInputRules[] = {
    {{"BasinLength"}, kAnyKind, kBasin, "####0.00"},
    {{"BasinLength"}, kAnyKind, kBorder, "####0"},
    {{"BasinWidth"}, kAnyKind, kBasin, "####0.00"},
    {{"BasinWidth"}, kAnyKind, kBorder, "####0"},
    {{"Length"}, kAnyKind, kAnyModule, "####0"},
    {{"FlowRate"}, kGalMin, kBasin, "####0"},
    {{"FlowRate"}, kAnyKind, kBasin, "####0.00"},
    {{"FlowRate"}, kGalMin, kAnyModule, "####0.0"},
    {{"FlowRate"}, kLs, kAnyModule, "####0.00"},
    {{"FlowRate"}, kAnyKind, kAnyModule, "####0.000"},
    {{"CutoffTime"}, kMinutes, kAnyModule, "####0"},
    {{"CutoffTime"}, kHours, kAnyModule, "####0.00"},
    {{"SCS #"}, kAnyKind, kBasin, "####0.0"},
    {{"SCS #"}, kAnyKind, kAnyModule, "####0.00"},
    {{"Flowresistance"}, kAnyKind, kAnyModule, "####0.00"},
    {{"RequiredDepth"}, Kinds({ukMM}), kAnyModule, "####0"},
    {{"RequiredDepth"}, Kinds({ukINCH}), kFurrow, "####0.0"},
    {{"RequiredDepth"}, Kinds({ukFT3FT_1}), kFurrow, "####0.00"},
    {{"RequiredDepth"}, Kinds({ukM3M_1}), kFurrow, "####0.000"},
    {{"RequiredDepth"}, kAnyKind, kAnyModule, "####0.0"},
    {{"TimeRatedT100"}, kMinutes, kAnyModule, "####0"},
    {{"TimeRatedT100"}, kAnyKind, kAnyModule, "####0.00"},
    {{"KostiakovA"}, kAnyKind, kAnyModule, "####0.000"},
    {{"Kostiakovk"}, Kinds({ukMM_MIN_A, ukMM_HR_A}), kNotBasin, "####0.000"},
    {{"Kostiakovk"}, Kinds({ukCM_MIN_A, ukCM_HR_A, ukIN_MIN_A, ukIN_HR_A}), kNotBasin, "####0.00000"},
    {{"Kostiakovk"}, Kinds({ukM3M_1_MIN_A, ukM3M_1_HR_A, ukFT3FT_1_MIN_A, ukFT3FT_1_HR_A}), kFurrow, "####0.00000"},
    {{"Kostiakovk"}, kAnyKind, kAnyModule, "####0.00"},
    {{"KostiakovFo"}, Kinds({ukMM_MIN, ukMM_HR}), kNotBasin, "####0.000"},
    {{"KostiakovFo"}, Kinds({ukCM_MIN, ukCM_HR, ukIN_MIN, ukIN_HR}), kNotBasin, "####0.00000"},
    {{"KostiakovFo"}, Kinds({ukM3M_1_MIN, ukM3M_1_HR, ukFT3FT_1_MIN, ukFT3FT_1_HR}), kFurrow, "####0.00000"},
    {{"Slope"}, kAnyKind, kAnyModule, "####0.0000"},
    {{"LengthWidthRatio"}, kAnyKind, kAnyModule, "####0"},
    {{"AdvanceRatio", "CutBackRatio", "TailwaterRecoveryRatio"}, kAnyKind, kAnyModule, "####0.00"},
    {{"MaxVelocity"}, kAnyKind, kAnyModule, "####0.0"},
    {kShapeNames, kAnyKind, kAnyModule, "####0.00"},
    {kShapeCoefficients, kAnyKind, kAnyModule, "####0.000"},
    {kTrialFlows, kGalMin, kAnyModule, "####0.00"},
    {kTrialFlows, kLs, kAnyModule, "####0.000"},
    {kTrialFlows, kAnyKind, kAnyModule, "####0.0000"},
    {{"AdvTimeL", "AdvTimeHalfL"}, kMinutes, kAnyModule, "####0"},
    {{"AdvTimeL", "AdvTimeHalfL"}, kHours, kAnyModule, "####0.00"},
    {{"TrialLength"}, kAnyKind, kAnyModule, "####0"},
    {{"TrialSlope"}, kAnyKind, kAnyModule, "####0.0000"},
};

struct KindRule {
    TUnitKind kind;
    const char *pattern;
};

// A result in one of these units is formatted by its unit alone.
constexpr KindRule kResultKindRules[] = {
    {ukMM, "####0"},         {ukCM, "####0.0"},  {ukINCH, "####0.0"},  {ukM3M_1, "####0.000"},
    {ukFT3FT_1, "####0.00"}, {ukFeet, "####0"},  {ukMeters, "####0"},  {ukPerc, "####0"},
    {ukMinutes, "####0"},    {ukHours, "####0.00"},
};

const FormatRule kResultNameRules[] = {
    {kFlows, kGalMin, kBasin, "####0"},
    {kFlows, kLs, kBasin, "####0"},
    {kFlows, kAnyKind, kBasin, "####0.0"},
    {kFlows, kGalMin, kAnyModule, "####0.0"},
    {kFlows, kLs, kAnyModule, "####0.00"},
    {kFlows, kAnyKind, kAnyModule, "####0.000"},
    {{"BasinLength", "BasinWidth"}, kAnyKind, kBasin, "####0.00"},
    {{"BasinLength", "BasinWidth"}, kAnyKind, kBorder, "####0"},
    {{"Length"}, kAnyKind, kAnyModule, "####0.00"},
    {{"SCS #"}, kAnyKind, kBasin, "####0.0"},
    {{"SCS #"}, kAnyKind, kAnyModule, "####0.00"},
    {{"Flowresistance"}, kAnyKind, kAnyModule, "####0.00"},
    {{"RequiredDepth"}, kAnyKind, kAnyModule, "####0.0"},
    {{"TimeRatedT100"}, kAnyKind, kAnyModule, "####0.00"},
    {{"KostiakovA"}, kAnyKind, kAnyModule, "####0.000"},
    {{"Kostiakovk"}, kAnyKind, kAnyModule, "####0.00"},
    {{"Slope"}, kAnyKind, kAnyModule, "####0.0000"},
    {{"LengthWidthRatio"}, kAnyKind, kAnyModule, "####0"},
    {{"AdvanceRatio", "CutBackRatio", "TailwaterRecoveryRatio"}, kAnyKind, kAnyModule, "####0.00"},
    {{"MaxVelocity"}, kAnyKind, kAnyModule, "####0.0"},
    {kShapeNames, kAnyKind, kAnyModule, "####0.00"},
    {kShapeCoefficients, kAnyKind, kAnyModule, "####0.000"},
    {kTrialFlows, kGalMin, kAnyModule, "####0.00"},
    {kTrialFlows, kLs, kAnyModule, "####0.000"},
    {kTrialFlows, kAnyKind, kAnyModule, "####0.0000"},
    {{"TrialLength"}, kAnyKind, kAnyModule, "####0"},
    {{"TrialSlope"}, kAnyKind, kAnyModule, "####0.0000"},
};

struct SuffixRow {
    const char *unitName;
    const char *suffix;
};

constexpr SuffixRow kUnitSuffixes[] = {
    {"Feet", " Ft"},
    {"Meters", " m"},
    {"MM", " mm"},
    {"M3M_1", " m^3/m"},
    {"FT3FT_1", " Ft^3/Ft"},
    {"Inch", " Inch"},
    {"FT3S_1", " Ft^3/s"},
    {"LS_1", " l/s"},
    {"GalMin_1", " Gal/min"},
    {"M3Min_1", " m^3/min"},
    {"Minutes", " min"},
    {"Hours", " hours"},
    {"Perc", " %"},
    {"CM", " cm"},
    {"MM_MIN_A", " mm/min^A"},
    {"MM_HR_A", " mm/hr^A"},
    {"CM_MIN_A", " cm/min^A"},
    {"CM_HR_A", " cm/hr^A"},
    {"IN_MIN_A", " inch/min^A"},
    {"IN_HR_A", " inch/hr^A"},
    {"M_MIN_A", " m/min^A"},
    {"M_HR_A", " m/hr^A"},
    {"FT3FT_1_MIN_A", " Ft^3/Ft/min^A"},
    {"MM_1", " m/m"},
    {"FTFT_1", " Ft/Ft"},
    {"M_MIN", " m/min"},
    {"FT_MIN", " Ft/min"},
    {"M_HR", " m/hr"},
    {"FT_HR", " Ft/hr"},
    {"MM_MIN", " mm/min"},
    {"MM_HR", " mm/hr"},
    {"CM_MIN", " cm/min"},
    {"CM_HR", " cm/hr"},
    {"IN_MIN", " inch/min"},
    {"IN_HR", " inch/hr"},
    {"M3M_1_MIN", " m^3/m/min"},
    {"M3M_1_HR", " m^3/m/hr"},
    {"FT3FT_1_MIN", " Ft^3/Ft/min"},
    {"FT3FT_1_HR", " Ft^3/Ft/hr"},
    {"M_2_Sig2", " m^(2-Sig2)"},
    {"M_1_Tau2", " m^(1-Tau2)"},
    {"FT_2_Sig2", " Ft^(2-Sig2)"},
    {"FT_1_Tau2", " Ft^(1-Tau2)"},
    {"M3M_1_MIN_A", " m^3/m/min^A"},
    {"M3M_1_HR_A", " m^3/m/hr^A"},
    {"FT3FT_1_HR_A", " Ft^3/Ft/hr^A"},
};

constexpr const char *kDefaultPattern = "####0";

template <std::size_t N>
const char *FirstMatch(const FormatRule (&rules)[N], const std::string &name, TUnitKind kind,
                       TIrrigationModule module)
{
    // Codes beyond the sets share their last bit: only "else" rules hold for them.
    const KindSet kindBit = KindSet{1} << (kind < 64 ? kind : 63);
    const ModuleSet moduleBit = static_cast<ModuleSet>(1 << (module < 8 ? module : 7));
    for (const FormatRule &rule : rules) {
        if ((rule.kinds & kindBit) == 0 || (rule.modules & moduleBit) == 0)
            continue;
        for (const char *ruleName : rule.names)
            if (name == ruleName)
                return rule.pattern;
    }
    return kDefaultPattern;
}

}  // namespace

const char *InputPattern(const std::string &name, TUnitKind kind, TIrrigationModule module)
{
    return FirstMatch(kInputRules, name, kind, module);
}

const char *ResultPattern(const std::string &name, TUnitKind kind, TIrrigationModule module)
{
    for (const KindRule &rule : kResultKindRules)
        if (rule.kind == kind)
            return rule.pattern;
    return FirstMatch(kResultNameRules, name, kind, module);
}

const char *UnitSuffix(const std::string &unitName)
{
    for (const SuffixRow &row : kUnitSuffixes)
        if (unitName == row.unitName)
            return row.suffix;
    return " -";
}
