#include "uResultLists.h"

namespace {

// The basin's caption by mode.
struct TBasinCaption {
    TCalculationMode Mode;
    const char *Caption;
};
const TBasinCaption kBasinCaptions[] = {
    {cmInflowRate, " First estimate of required flow rate "},
    {cmDimensions, " First estimate of required dimensions "},
    {cmCutoffTime, " Irrigation performance output "},
    {cmMinimumDepth, " Irrigation performance output "},
};

// The border's and furrow's caption names the operation; without one it keeps its comma.
struct TOperationCaption {
    TOperationKind Operation;
    const char *Text;
};
const TOperationCaption kOperationCaptions[] = {
    {okFixedFlow, "Fixed Flow, "},
    {okCutbackFlow, "Cutback Flow, "},
    {okTailwaterReuse, "Tailwater reuse, "},
};

}  // namespace

std::string ResultCaption(TIrrigationModule module, TCalculationMode mode, TOperationKind operation)
{
    if (module == imBasin) {
        for (const TBasinCaption &row : kBasinCaptions) {
            if (row.Mode == mode)
                return row.Caption;
        }
        return std::string();
    }
    std::string caption = "Output, ";
    const char *named = ", ";
    for (const TOperationCaption &row : kOperationCaptions) {
        if (row.Operation == operation)
            named = row.Text;
    }
    return caption + named + "Mode " + std::to_string(mode);
}
