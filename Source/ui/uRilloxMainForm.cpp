#include "uRilloxMainForm.h"

#include "uIrrigationDataSet.h"
#include "uUnitSwitch.h"

TfrmRillox::TfrmRillox(QWidget *parent) : TfrmDesignWindow(DesignWindowTraits(imFurrow), parent) {}

void TfrmRillox::RadioGroupClick(QAction *Sender)
{
    RememberChecks({&FInfiltrationGroup, &FFlowGroup, &FLengthGroup, &FDepthGroup, &FTimeGroup, &FOperationGroup});
    CheckWithin(Sender, {&FFlowGroup, &FLengthGroup});
    // The depth or amount, the time and the infiltration option decide the unit of k.
    if (CheckWithin(Sender, {&FDepthGroup}))
        UpdateInfiltrationForMenuChoice();
    if (CheckWithin(Sender, {&FTimeGroup}))
        UpdateInfiltrationForMenuChoice();
    CheckWithin(Sender, {&FGeometryGroup, &FCrossSectionGroup, &FOperationGroup});
    if (CheckWithin(Sender, {&FInfiltrationGroup}))
        UpdateInfiltrationForMenuChoice();
    ApplyUnitSelection();
}

void TfrmRillox::ApplyUnitSelection()
{
    TIrrigationRun *run = RunForMenuChoice();
    if (!run)
        return;
    // Every parameter of a group ends in the checked unit, also those of a run made since the
    // last switch; slopes and shape coefficients follow the length, velocities the length
    // and the time, intake rates the depth or amount and the time.
    const TUnitKind length = CheckedKind(FLengthGroup, ukMeters);
    const TUnitKind depth = CheckedKind(FDepthGroup, ukMM);
    const TUnitKind time = CheckedKind(FTimeGroup, ukMinutes);
    RepointSlopingFieldUnits(*run);
    MoveShapeCoefficients(*run, length == ukFeet);
    RepointKinds(*run, VelocityKinds(), VelocityKind(length, time));
    RepointKinds(*run, AmountRateKinds(), RateKind(depth, time));
}

void TfrmRillox::UpdateInfiltration() { UpdateSlopingFieldInfiltration(); }

bool TfrmRillox::IsValidSCSNumber(double number)
{
    TIrrigationRun *run = CurrentRun();
    return run && run->GetInfiltration()->IsStandardSCSNumber(number);
}
