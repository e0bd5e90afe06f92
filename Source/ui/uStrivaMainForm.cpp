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
    UpdateInfiltration();
}

void TfrmStriva::ApplyUnitSelection()
{
    TIrrigationRun *run = CurrentRun();
    if (!run)
        return;
    // Every parameter of a group ends in the checked unit, also those of a run made since the
    // last switch; slopes follow the length, intake rates the depth and the time.
    const TUnitKind length = CheckedKind(FLengthGroup, ukMeters);
    const TUnitKind depth = CheckedKind(FDepthGroup, ukMM);
    const TUnitKind time = CheckedKind(FTimeGroup, ukMinutes);
    RepointKinds(*run, GroupKinds(FFlowGroup), CheckedKind(FFlowGroup, ukLS_1));
    RepointKinds(*run, GroupKinds(FLengthGroup), length);
    RepointKinds(*run, {ukMM_1, ukFTFT_1}, length == ukFeet ? ukFTFT_1 : ukMM_1);
    RepointKinds(*run, GroupKinds(FDepthGroup), depth);
    RepointKinds(*run, GroupKinds(FTimeGroup), time);
    RepointKinds(*run, DepthRateKinds(), RateKind(depth, time));
}

void TfrmStriva::UpdateInfiltration() { UpdateSlopingFieldInfiltration(); }


bool TfrmStriva::IsValidSCSNumber(double number)
{
    TIrrigationRun *run = CurrentRun();
    return run && run->GetInfiltration()->IsStandardSCSNumber(number);
}
