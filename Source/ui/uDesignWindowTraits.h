#ifndef IRRIKA_UI_UDESIGNWINDOWTRAITS_H
#define IRRIKA_UI_UDESIGNWINDOWTRAITS_H

// Where the basin, border and furrow design windows differ in their frame: one row per
// module. Everything else about the windows is shared. The rows give one field a line,
// each named in a comment, so that two swapped values of a kind show.

#include "uIrrigationTypes.h"

struct TDesignWindowTraits {
    TIrrigationModule Module;  // given to the manager's CreateFormatter
    const char *FormName;
    const char *Caption;
    bool KeysOnKeyDown;        // the basin acts as a key goes down, the others as it comes up
    const char *EscStatusText;  // status panel 0 after stepping back from a result list
    int FieldBoxMargin;        // field and information boxes are Panel1.Width less this
    bool StatusBarClickShowsWidth;
    int FontHeight;            // window font, pixel height as a negative number
    const char *DecisionBoxCaption;
    const char *UnitsCaption;
    const char *QuitHint;
    // Help contexts of the top-level items; 0 where the window has no such item.
    int OperationHelp;
    int InfiltrationHelp;
    int ParametersHelp;
    int CalculationHelp;
    int FirstModeHelp;  // mode 1's item; the next modes follow in steps of 10
    int InfiltrationGroupIndex;  // the group index of the infiltration items
    bool TablePageFirst;  // the view opens on the Table page (basin) or the Graph page
    // The basin brings its infiltration object and k up to date before it builds an input
    // screen, calculates or takes a picked row of a reference table; the others do it
    // only where the menus change the infiltration.
    bool UpdatesInfiltrationFirst;
    // Validation: the numbers an "SCS #" may take, as the warning lists them; whether a
    // valid one updates the infiltration; whether the field parameters are checked after a
    // decision variable failed.
    const char *SCSNumbers;
    bool SCSUpdatesInfiltration;
    bool ChecksFieldsAfterFailure;
    // Run files: the save and open dialogs' first filter, the extension every name gets,
    // the file kind the first filter sets; what opening a file restores in the menus.
    const char *RunFileFilter;
    const char *RunFileExtension;
    TFileKind RunFileKind;
    bool RestoresOperation;
    bool RestoresGeometry;
    bool LoadRestoresAmountUnits;
};

const TDesignWindowTraits &DesignWindowTraits(TIrrigationModule module);

#endif
