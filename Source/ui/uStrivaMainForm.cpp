#include "uStrivaMainForm.h"

#include "uIrrigationDataSet.h"
#include "uUnitSwitch.h"

TfrmStriva::TfrmStriva(QWidget *parent) : TfrmDesignWindow(DesignWindowTraits(imBorder), parent) {}

void TfrmStriva::RadioGroupClick(QAction *Sender)
{
    const std::vector<TRadioMenuGroup *> groups = {&FFlowGroup, &FLengthGroup,    &FDepthGroup,       &FTimeGroup,
                                                   &FOperationGroup, &FInfiltrationGroup};
    RememberChecks(groups);
    CheckWithin(Sender, groups);
    ApplyUnitSelection();
    UpdateInfiltrationForMenuChoice();
}

void TfrmStriva::ApplyUnitSelection()
{
    TIrrigationRun *run = RunForMenuChoice();
    if (!run)
        return;
    // Every parameter of a group ends in the checked unit, also those of a run made since the
    // last switch; intake rates follow the depth and the time.
    RepointSlopingFieldUnits(*run);
    RepointKinds(*run, DepthRateKinds(),
                 RateKind(CheckedKind(FDepthGroup, ukMM), CheckedKind(FTimeGroup, ukMinutes)));
}

void TfrmStriva::UpdateInfiltration() { UpdateSlopingFieldInfiltration(); }


bool TfrmStriva::IsValidSCSNumber(double number)
{
    TIrrigationRun *run = CurrentRun();
    return run && run->GetInfiltration()->IsStandardSCSNumber(number);
}
