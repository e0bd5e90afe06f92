#include "uParameterRoles.h"

#include "uIrrigationRun.h"

namespace {

constexpr int kCutback = 2;
constexpr int kReuse = 3;
constexpr int kInputCategory = 0;
constexpr int kResultCategory = 1;

TNames Join(TNames first, const TNames &second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// Results of the basin in modes 1 to 3.
const TNames kB5 = {"Max. inf. depth", "Average depth", "Applic. efficiency", "Advancetime",
                    "Recessiontime"};
// Results of the border and the furrow in every mode, and those that mode 4 adds.
const TNames kR13 = {"Applic. efficiency", "Runoff Ratio", "Deep perc. ratio", "Distribution unif.",
                     "Uniformity coeff.", "Advancetime", "Depletiontime", "Recessiontime",
                     "Opportunitytime", "Max. inf. depth", "Min. inf. depth", "Average depth",
                     "Surface runoff"};
const TNames kR4 = {"Storage efficiency", "Over-irr. depth", "Under-irr. depth", "Over-irr. length",
                    "Under-irr. length"};

const TNames kCutbackBoth = {"CutBackRatio", "AdvanceRatio"};
const TNames kCutbackRatio = {"CutBackRatio"};
const TNames kReuseRatio = {"TailwaterRecoveryRatio"};
const TNames kCutbackFlow = {"CutBackFlow"};
const TNames kCutbackFlowAdvance = {"CutBackFlow", "AdvanceRatio"};

void Mark(TParameters *parameters, const TNames &names, int category)
{
    for (const char *name : names) {
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
        {},
        false,
        {},
        {{0, kAnyKey, {"SCS #", "Flowresistance", "RequiredDepth"}},
         {1, kAnyKey, {"TimeRatedT100", "Flowresistance", "RequiredDepth"}},
         {2, kAnyKey, {"KostiakovA", "Kostiakovk", "Flowresistance", "RequiredDepth"}}},
        false,
        {{1, {"BasinLength", "BasinWidth"}, {}, {}, Join({"FlowRate", "CutoffTime"}, kB5), {}},
         {2, {"FlowRate"}, {}, {}, Join({"BasinLength", "BasinWidth", "CutoffTime"}, kB5), {}},
         {3, {"FlowRate", "BasinLength", "BasinWidth"}, {}, {}, Join({"CutoffTime"}, kB5), {}},
         {4, {"FlowRate", "BasinLength", "BasinWidth", "CutoffTime"}, {}, {},
          {"Min. inf. depth", "Max. inf. depth", "Average depth", "Over-irr. length",
           "Over-irr. depth", "Under-irr. length", "Under-irr. depth", "Applic. efficiency",
           "Storage efficiency", "Distribution unif.", "Advancetime", "Recessiontime"},
          {}}}};
    return roles;
}

const TParameterRoles &BorderRoles()
{
    static const TParameterRoles roles = {
        {"Operation"},
        false,
        {},
        {{0, kAnyKey, {"SCS #", "Infiltration", "Flowresistance", "RequiredDepth", "Slope"}},
         {2, kAnyKey,
          {"Infiltration", "KostiakovA", "Kostiakovk", "KostiakovFo", "Flowresistance",
           "RequiredDepth", "Slope"}}},
        true,
        {{1, {"BasinLength", "BasinWidth"}, kCutbackBoth, kReuseRatio,
          Join({"FlowRate", "CutoffTime"}, kR13), kCutbackFlow},
         {2, {"FlowRate", "LengthWidthRatio"}, kCutbackBoth, kReuseRatio,
          Join({"BasinLength", "BasinWidth", "CutoffTime"}, kR13), kCutbackFlow},
         {3, {"FlowRate", "BasinLength", "BasinWidth"}, kCutbackRatio, kReuseRatio,
          Join({"CutoffTime"}, kR13), kCutbackFlowAdvance},
         {4, {"FlowRate", "BasinLength", "BasinWidth", "CutoffTime"}, kCutbackRatio, kReuseRatio,
          Join(kR13, kR4), kCutbackFlowAdvance}}};
    return roles;
}

const TParameterRoles &FurrowRoles()
{
    static const TParameterRoles roles = {
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
        {{1, {"Length"}, kCutbackBoth, kReuseRatio, Join({"FlowRate", "CutoffTime"}, kR13),
          kCutbackFlow},
         {2, {"FlowRate"}, kCutbackBoth, kReuseRatio, Join({"Length", "CutoffTime"}, kR13),
          kCutbackFlow},
         {3, {"FlowRate", "Length"}, kCutbackRatio, kReuseRatio, Join({"CutoffTime"}, kR13),
          kCutbackFlowAdvance},
         {4, {"FlowRate", "Length", "CutoffTime"}, kCutbackRatio, kReuseRatio, Join(kR13, kR4),
          kCutbackFlowAdvance}}};
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
        Mark(parameters, row.Results, kResultCategory);
        if (operation == kCutback) {
            Mark(parameters, row.InputsCutback, kInputCategory);
            Mark(parameters, row.ResultsCutback, kResultCategory);
        } else if (operation == kReuse) {
            Mark(parameters, row.InputsReuse, kInputCategory);
        }
    }
}
