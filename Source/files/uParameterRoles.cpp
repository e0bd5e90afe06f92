#include "uParameterRoles.h"

#include "uIrrigationRun.h"
#include "uResultNames.h"

namespace {

constexpr int kCutback = 2;
constexpr int kReuse = 3;
constexpr int kInputCategory = 0;
constexpr int kResultCategory = 1;

const TNames kCutbackBoth = {"CutBackRatio", "AdvanceRatio"};
const TNames kCutbackRatio = {"CutBackRatio"};
const TNames kReuseRatio = {"TailwaterRecoveryRatio"};

template <typename Names>
void Mark(TParameters *parameters, const Names &names, int category)
{
    for (const auto &name : names) {
        if (TParameter *p = parameters->FindParameter(name)) {
            p->SetCategory(static_cast<TParameterCategory>(category));
            p->SetActive(true);
        }
    }
}

int IntegerValue(TParameters *parameters, const char *name)
{
    const TParameter *p = parameters->FindParameter(name);
    return p ? p->GetValueAsInteger() : 0;
}

}  // namespace

const TParameterRoles &BasinRoles()
{
    static const TParameterRoles roles = {
        imBasin,
        {},
        false,
        {},
        {{0, kAnyKey, {"SCS #", "Flowresistance", "RequiredDepth"}},
         {1, kAnyKey, {"TimeRatedT100", "Flowresistance", "RequiredDepth"}},
         {2, kAnyKey, {"KostiakovA", "Kostiakovk", "Flowresistance", "RequiredDepth"}}},
        false,
        {{1, {"BasinLength", "BasinWidth"}, {}, {}},
         {2, {"FlowRate"}, {}, {}},
         {3, {"FlowRate", "BasinLength", "BasinWidth"}, {}, {}},
         {4, {"FlowRate", "BasinLength", "BasinWidth", "CutoffTime"}, {}, {}}}};
    return roles;
}

const TParameterRoles &BorderRoles()
{
    static const TParameterRoles roles = {
        imBorder,
        {"Operation"},
        false,
        {},
        {{0, kAnyKey, {"SCS #", "Infiltration", "Flowresistance", "RequiredDepth", "Slope"}},
         {2, kAnyKey,
          {"Infiltration", "KostiakovA", "Kostiakovk", "KostiakovFo", "Flowresistance",
           "RequiredDepth", "Slope"}}},
        true,
        {{1, {"BasinLength", "BasinWidth"}, kCutbackBoth, kReuseRatio},
         {2, {"FlowRate", "LengthWidthRatio"}, kCutbackBoth, kReuseRatio},
         {3, {"FlowRate", "BasinLength", "BasinWidth"}, kCutbackRatio, kReuseRatio},
         {4, {"FlowRate", "BasinLength", "BasinWidth", "CutoffTime"}, kCutbackRatio, kReuseRatio}}};
    return roles;
}

const TParameterRoles &FurrowRoles()
{
    static const TParameterRoles roles = {
        imFurrow,
        {"RequiredDepth", "MaxVelocity", "Flowresistance", "Slope", "Geometry", "CrossSection",
         "Operation"},
        true,
        {{1, 1, {"Spacing", "SideSlope"}},
         {1, 2, {"MaxDepth", "MaxWidth"}},
         {1, 3, {"SideSlope", "BedWidth"}},
         {2, kAnyKey, {"Spacing", "Sigma1", "Sigma2", "Tau1", "Tau2"}}},
        {{0, kAnyKey, {"SCS #", "Infiltration"}},
         {2, kAnyKey, {"Infiltration", "KostiakovA", "Kostiakovk", "KostiakovFo"}},
         {3, kAnyKey,
          {"Infiltration", "TrialFlowRate", "StableRunoffRate", "AdvTimeL", "AdvTimeHalfL",
           "TrialLength", "TrialSlope"}}},
        true,
        {{1, {"Length"}, kCutbackBoth, kReuseRatio},
         {2, {"FlowRate"}, kCutbackBoth, kReuseRatio},
         {3, {"FlowRate", "Length"}, kCutbackRatio, kReuseRatio},
         {4, {"FlowRate", "Length", "CutoffTime"}, kCutbackRatio, kReuseRatio}}};
    return roles;
}

void ApplyParameterRoles(const TParameterRoles &roles, TIrrigationRun *run)
{
    if (!run || !run->GetParameters())
        return;
    TParameters *parameters = run->GetParameters();
    Mark(parameters, roles.AlwaysInputs, kInputCategory);
    if (roles.HasShape) {
        const int geometry = IntegerValue(parameters, "Geometry");
        const int crossSection = IntegerValue(parameters, "CrossSection");
        for (const TKeyedInputs &row : roles.Shapes) {
            if (row.Key == geometry && (row.SecondKey == kAnyKey || row.SecondKey == crossSection))
                Mark(parameters, row.Inputs, kInputCategory);
        }
    }
    for (const TKeyedInputs &row : roles.ByInfiltration) {
        if (row.Key == run->InfiltrationType())
            Mark(parameters, row.Inputs, kInputCategory);
    }
    const int operation = roles.HasOperation ? IntegerValue(parameters, "Operation") : 0;
    const int mode = run->GetMode();
    for (const TModeRoles &row : roles.ByMode) {
        if (row.Mode != mode)
            continue;
        Mark(parameters, row.Inputs, kInputCategory);
        Mark(parameters, ResultNames(roles.Module, mode, operation == kCutback), kResultCategory);
        if (operation == kCutback)
            Mark(parameters, row.InputsCutback, kInputCategory);
        else if (operation == kReuse)
            Mark(parameters, row.InputsReuse, kInputCategory);
    }
}
