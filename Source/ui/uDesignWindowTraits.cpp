#include "uDesignWindowTraits.h"

namespace {

constexpr TDesignWindowTraits kTraits[] = {
    {imBasin, "frmPondix", "Pondix", true, "F2 Calculate", 20, true, -13, " DecisionVariables ", "Units",
     "Quit | Exit Pondix", 0, 1100, 0, 1200, 1210, true},
    {imBorder, "frmStriva", "Striva", false, "F1 Help   F2 Calculate", 20, false, -11, " DecisionVariables ",
     "&Units", "Quit | Exit Striva", 2100, 2200, 0, 2300, 2310, false},
    {imFurrow, "frmRillox", "Rillox", false, "F1 Help   F2 Calculate", 12, false, -13, " Decision Variables ",
     "&Units", "Quit | Exit Rillox", 3100, 0, 3200, 3500, 3510, false},
};

}  // namespace

const TDesignWindowTraits &DesignWindowTraits(TIrrigationModule module)
{
    return kTraits[module <= imFurrow ? module : imBasin];
}
