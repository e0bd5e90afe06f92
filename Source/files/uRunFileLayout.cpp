#include "uRunFileLayout.h"

#include "uParameterRoles.h"

namespace {

constexpr std::uint8_t kEmptyKind = 12;

// The last 18 columns of the border and the furrow list.
const std::vector<const char *> kResultBlock = {
    "Applic. efficiency", "Storage efficiency", "Uniformity coeff.", "Distribution unif.",
    "Deep perc. ratio", "Runoff Ratio", "Average depth", "Min. inf. depth", "Max. inf. depth",
    "Surface runoff", "Over-irr. depth", "Under-irr. depth", "Over-irr. length",
    "Under-irr. length", "Advancetime", "Depletiontime", "Recessiontime", "Opportunitytime"};

std::vector<const char *> WithResultBlock(std::vector<const char *> columns)
{
    columns.insert(columns.end(), kResultBlock.begin(), kResultBlock.end());
    return columns;
}

}  // namespace

const TRunFileLayout &PondixLayout()
{
    static const TRunFileLayout layout = {
        "PondixFile", 2, ".pdx", {},
        {"FlowRate", "BasinLength", "BasinWidth", "CutoffTime", "RequiredDepth", "Flowresistance",
         "SCS #", "TimeRatedT100", "KostiakovA", "Kostiakovk", "FlowRate", "BasinLength",
         "BasinWidth", "CutoffTime", "Applic. efficiency", "Storage efficiency",
         "Distribution unif.", "Min. inf. depth", "Max. inf. depth", "Average depth",
         "Over-irr. depth", "Under-irr. depth", "Over-irr. length", "Under-irr. length",
         "Advancetime", "Recessiontime"},
        20, 29, 26, {1, 2, 3, 1}, true, false, true, &BasinRoles()};
    return layout;
}

const TRunFileLayout &StrivaLayout()
{
    static const TRunFileLayout layout = {
        "StrivaFile", 4, ".svx", {"Operation"},
        WithResultBlock({"FlowRate", "BasinLength", "BasinWidth", "LengthWidthRatio", "CutoffTime",
                         "AdvanceRatio", "CutBackRatio", "TailwaterRecoveryRatio", "RequiredDepth",
                         "Flowresistance", "Slope", "SCS #", "KostiakovA", "Kostiakovk",
                         "KostiakovFo", "FlowRate", "CutBackFlow", "BasinLength", "BasinWidth",
                         "CutoffTime", "CutbackTime", "AdvanceRatio"}),
        38, 99, 99, {1, 1, 2, 1}, false, true, false, &BorderRoles()};
    return layout;
}

const TRunFileLayout &RilloxLayout()
{
    static const TRunFileLayout layout = {
        "RilloxFile", 3, ".rlx", {"Operation", "Geometry", "CrossSection"},
        WithResultBlock({"FlowRate", "Length", "CutoffTime", "AdvanceRatio", "CutBackRatio",
                         "TailwaterRecoveryRatio", "RequiredDepth", "Flowresistance", "Slope",
                         "Spacing", "MaxVelocity", "Sigma1", "Sigma2", "Tau1", "Tau2", "SideSlope",
                         "BedWidth", "MaxDepth", "MaxWidth", "SCS #", "KostiakovA", "Kostiakovk",
                         "KostiakovFo", "TrialFlowRate", "StableRunoffRate", "AdvTimeL",
                         "AdvTimeHalfL", "TrialLength", "TrialSlope", "FlowRate", "CutBackFlow",
                         "Length", "CutoffTime", "AdvanceRatio"}),
        46, 58, 52, {1, 1, 2, 3}, false, true, false, &FurrowRoles()};
    return layout;
}

int UnitKindToFileCode(const TRunFileLayout &layout, std::uint8_t kind)
{
    return (kind <= layout.HighestOwnUnitKind ? kind : kEmptyKind) + 1;
}

std::uint8_t FileCodeToUnitKind(const TRunFileLayout &layout, int code)
{
    if (code >= 1 && code <= layout.HighestOwnUnitKind + 1)
        return static_cast<std::uint8_t>(code - 1);
    return kEmptyKind;
}

int InfiltrationTypeToFileCode(const TRunFileLayout &layout, std::uint8_t type)
{
    return type < 4 ? layout.InfiltrationCodes[type] : 1;
}

std::uint8_t FileCodeToInfiltrationType(const TRunFileLayout &layout, int code)
{
    // The first type that writes the code reads it back: basin 1, 2, 3 give 0, 1, 2,
    // border 1 and 2 give 0 and 2, furrow 1, 2, 3 give 0, 2, 3.
    for (std::uint8_t type = 0; type < 4; ++type) {
        if (layout.InfiltrationCodes[type] == code)
            return type;
    }
    return 0;
}
