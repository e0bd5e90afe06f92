#ifndef IRRIKA_SCREENS_UINPUTSCREENCONTENT_H
#define IRRIKA_SCREENS_UINPUTSCREENCONTENT_H

// What an input screen lists and writes into its run, by module, calculation mode and the
// options the menus have checked: the field parameters by infiltration option and furrow
// geometry, the decision variables by mode, and the operation's ratios. The design window
// reads its menus into these values and only shows the outcome.

#include "uIrrigationTypes.h"

#include <optional>
#include <string>
#include <vector>

// The options the menus have checked; a group a window lacks, or in which nothing is
// checked, stays unset (0).
struct TScreenOptions {
    std::optional<TInfiltrationType> Infiltration;
    TOperationKind Operation = 0;         // border and furrow; fixed flow unless another
    TFurrowGeometry Geometry = 0;         // furrow
    TCrossSectionShape CrossSection = 0;  // furrow, the shape of the cross-section geometry
};

struct TInputScreenContent {
    // The field box: its frame's title and parameters in row order.
    std::string Title;
    std::vector<const char *> FieldParameters;
    // Written into the run: its infiltration type (unset: left as it is), the parameters
    // "Infiltration", "Geometry" and "CrossSection" (0: not written).
    std::optional<TInfiltrationType> InfiltrationType;
    TInfiltrationOption InfiltrationOption = 0;
    TFurrowGeometry Geometry = 0;
    TCrossSectionShape CrossSection = 0;
    // The basin's time-rated T100 goes to the run's infiltration object; the flow
    // resistance is offered to it.
    bool PassesTimeRatedT100 = false;
    bool OffersFlowResistance = false;
    // The decision box: the mode the run takes (cmNone: no mode, and nothing of the box),
    // its decision variables and then the operation's ratios, the parameter "Operation"
    // (0: not written, the basin has none) and the text of status panel 1.
    TCalculationMode Mode = cmNone;
    std::vector<const char *> DecisionVariables;
    TOperationKind Operation = 0;
    std::string StatusText;
};

TInputScreenContent InputScreenContent(TIrrigationModule module, TCalculationMode mode,
                                       const TScreenOptions &options);

#endif
