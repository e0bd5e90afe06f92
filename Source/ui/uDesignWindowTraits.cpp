#include "uDesignWindowTraits.h"

namespace {

const char *const kFamilies = "0.1, 0.3, 0.5, 1.0, 1.5, 2.0, 3.0, 4.0";
const char *const kStandardNumbers =
    "0.05, 0.1, 0.15, 0.20, 0.25, 0.30, 0.35, 0.40, 0.45, 0.50, 0.60, 0.70, 0.80, 0.90, 1.00, 1.50, 2.00";

constexpr TDesignWindowTraits kTraits[] = {
    {imBasin, "frmPondix", "Pondix", true, "F2 Calculate", 20, true, -13, " DecisionVariables ", "Units",
     "Quit | Exit Pondix", 0, 1100, 0, 1200, 1210, true, kFamilies, true, false,
     "Pondix (*.pdx)", ".pdx", fkBasinRunFile, false, false, false},
    {imBorder, "frmStriva", "Striva", false, "F1 Help   F2 Calculate", 20, false, -11, " DecisionVariables ",
     "&Units", "Quit | Exit Striva", 2100, 2200, 0, 2300, 2310, false, kStandardNumbers, true, false,
     "Striva (*.svx)", ".svx", fkBorderRunFile, true, false, false},
    {imFurrow, "frmRillox", "Rillox", false, "F1 Help   F2 Calculate", 12, false, -13, " Decision Variables ",
     "&Units", "Quit | Exit Rillox", 3100, 0, 3200, 3500, 3510, false, kStandardNumbers, false, true,
     "Rillox (*.rlx)", ".rlx", fkFurrowRunFile, true, true, true},
};

}  // namespace

const TDesignWindowTraits &DesignWindowTraits(TIrrigationModule module)
{
    return kTraits[module <= imFurrow ? module : imBasin];
}
