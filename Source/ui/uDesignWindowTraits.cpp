#include "uDesignWindowTraits.h"

namespace {

const char *const kFamilies = "0.1, 0.3, 0.5, 1.0, 1.5, 2.0, 3.0, 4.0";
const char *const kStandardNumbers =
    "0.05, 0.1, 0.15, 0.20, 0.25, 0.30, 0.35, 0.40, 0.45, 0.50, 0.60, 0.70, 0.80, 0.90, 1.00, 1.50, 2.00";

constexpr TDesignWindowTraits kTraits[] = {
    {
        imBasin,  // Module
        "frmPondix",  // FormName
        "Pondix",  // Caption
        true,  // KeysOnKeyDown
        "F2 Calculate",  // EscStatusText
        20,  // FieldBoxMargin
        true,  // StatusBarClickShowsWidth
        -13,  // FontHeight
        " DecisionVariables ",  // DecisionBoxCaption
        "Units",  // UnitsCaption
        "Quit | Exit Pondix",  // QuitHint
        0,  // OperationHelp
        1100,  // InfiltrationHelp
        0,  // ParametersHelp
        1200,  // CalculationHelp
        1210,  // FirstModeHelp
        31,  // InfiltrationGroupIndex
        true,  // TablePageFirst
        true,  // UpdatesInfiltrationFirst
        kFamilies,  // SCSNumbers
        true,  // SCSUpdatesInfiltration
        false,  // ChecksFieldsAfterFailure
        "Pondix (*.pdx)",  // RunFileFilter
        ".pdx",  // RunFileExtension
        fkBasinRunFile,  // RunFileKind
        false,  // RestoresOperation
        false,  // RestoresGeometry
        false,  // LoadRestoresAmountUnits
    },
    {
        imBorder,  // Module
        "frmStriva",  // FormName
        "Striva",  // Caption
        false,  // KeysOnKeyDown
        "F1 Help   F2 Calculate",  // EscStatusText
        20,  // FieldBoxMargin
        false,  // StatusBarClickShowsWidth
        -11,  // FontHeight
        " DecisionVariables ",  // DecisionBoxCaption
        "&Units",  // UnitsCaption
        "Quit | Exit Striva",  // QuitHint
        2100,  // OperationHelp
        2200,  // InfiltrationHelp
        0,  // ParametersHelp
        2300,  // CalculationHelp
        2310,  // FirstModeHelp
        31,  // InfiltrationGroupIndex
        false,  // TablePageFirst
        false,  // UpdatesInfiltrationFirst
        kStandardNumbers,  // SCSNumbers
        true,  // SCSUpdatesInfiltration
        false,  // ChecksFieldsAfterFailure
        "Striva (*.svx)",  // RunFileFilter
        ".svx",  // RunFileExtension
        fkBorderRunFile,  // RunFileKind
        true,  // RestoresOperation
        false,  // RestoresGeometry
        false,  // LoadRestoresAmountUnits
    },
    {
        imFurrow,  // Module
        "frmRillox",  // FormName
        "Rillox",  // Caption
        false,  // KeysOnKeyDown
        "F1 Help   F2 Calculate",  // EscStatusText
        12,  // FieldBoxMargin
        false,  // StatusBarClickShowsWidth
        -13,  // FontHeight
        " Decision Variables ",  // DecisionBoxCaption
        "&Units",  // UnitsCaption
        "Quit | Exit Rillox",  // QuitHint
        3100,  // OperationHelp
        0,  // InfiltrationHelp
        3200,  // ParametersHelp
        3500,  // CalculationHelp
        3510,  // FirstModeHelp
        34,  // InfiltrationGroupIndex
        false,  // TablePageFirst
        false,  // UpdatesInfiltrationFirst
        kStandardNumbers,  // SCSNumbers
        false,  // SCSUpdatesInfiltration
        true,  // ChecksFieldsAfterFailure
        "Rillox (*.rlx)",  // RunFileFilter
        ".rlx",  // RunFileExtension
        fkFurrowRunFile,  // RunFileKind
        true,  // RestoresOperation
        true,  // RestoresGeometry
        true,  // LoadRestoresAmountUnits
    },
};

}  // namespace

const TDesignWindowTraits &DesignWindowTraits(TIrrigationModule module)
{
    return kTraits[module <= imFurrow ? module : imBasin];
}
