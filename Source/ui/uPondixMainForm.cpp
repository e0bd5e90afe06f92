#include "uPondixMainForm.h"

#include "uIrrigationDataSet.h"
#include "uUnitSwitch.h"

TfrmPondix::TfrmPondix(QWidget *parent) : TfrmDesignWindow(DesignWindowTraits(imBasin), parent) {}

void TfrmPondix::RadioGroupClick(QAction *Sender)
{
    const std::vector<TRadioMenuGroup *> units = {&FFlowGroup, &FLengthGroup, &FDepthGroup, &FTimeGroup};
    RememberChecks(units);
    CheckWithin(Sender, units);
    ApplyUnitSelection();
    UpdateInfiltrationForMenuChoice();
}

void TfrmPondix::RadioGroupInfiltrationClick(QAction *Sender)
{
    RememberChecks({&FInfiltrationGroup});
    CheckWithin(Sender, {&FInfiltrationGroup});
    UpdateInfiltrationForMenuChoice();
}

void TfrmPondix::ApplyUnitSelection()
{
    TIrrigationRun *run = RunForMenuChoice();
    if (!run)
        return;
    // Every parameter of a group ends in the checked unit, also those of a run made since the
    // last switch, which start in the settings file's units.
    for (TRadioMenuGroup *group : {&FFlowGroup, &FLengthGroup, &FDepthGroup, &FTimeGroup}) {
        if (group->Checked())
            RepointKinds(*run, GroupKinds(*group), CheckedKind(*group, ukEmpty));
    }
}

void TfrmPondix::UpdateInfiltration()
{
    TIrrigationRun *run = CurrentRun();
    if (!run)
        return;
    TParameters *parameters = run->GetParameters();
    TInfiltration *infiltration = run->GetInfiltration();
    auto stored = [parameters](const char *name, double &value) {
        TParameter *p = parameters->FindParameter(name);
        if (p)
            value = p->GetValue();
        return p != nullptr;
    };
    auto takeFamily = [&] {
        double number = 0;
        if (stored("SCS #", number))
            infiltration->SetSCSNumber(number);
    };
    auto takeTimeRated = [&] {
        double t100 = 0;
        if (stored("TimeRatedT100", t100))
            infiltration->SetTimeRatedT100(t100);
    };

    // What was chosen before the last infiltration click, then what is chosen now.
    QAction *before = OldChecked(FInfiltrationGroup);
    if (before == mniModifiedSCSfamilies)
        takeFamily();
    if (before == mniTimeratedfamilies)
        takeTimeRated();
    if (mniModifiedSCSfamilies->isChecked()) {
        takeFamily();
    } else if (mniTimeratedfamilies->isChecked()) {
        takeTimeRated();
    } else if (mniKostiakovequation->isChecked()) {
        TParameter *a = parameters->FindParameter("KostiakovA");
        TParameter *k = parameters->FindParameter("Kostiakovk");
        // The basin's k is a depth: a k in the furrow's own units is left alone.
        const TKostiakovUnit *unit = k && k->GetUnit() ? FindKostiakovUnit(k->GetUnit()->Kind()) : nullptr;
        double factor = 0;
        if (a && unit && !unit->FurrowOnly && KostiakovFactor(unit->Kind, a->GetValue(), factor)) {
            TInfiltrationCoefficients coefficients;
            coefficients.A = a->GetValue();
            coefficients.k = k->GetValue() * factor;
            coefficients.Fo = 0;
            infiltration->SetCoefficients(coefficients);
        }
    }
    run->SetKostiakovParameters(CheckedKind(FDepthGroup, ukMM), CheckedKind(FTimeGroup, ukMinutes));
}


bool TfrmPondix::IsValidSCSNumber(double number)
{
    // Only the numbers of the basin's own families; their tables are the same in every run.
    TIrrigationRun *first = FDataSet ? FDataSet->GetFirstRun() : nullptr;
    return first && first->GetInfiltration()->SelectSCSFamily(number) != nullptr;
}
