// The input screen of the design windows: the field parameters of the checked options and
// the decision variables of the checked mode, written into the current run and shown.
#include "uDesignWindow.h"

#include "FrameDecisionVariables.h"
#include "FrameFieldParameters.h"
#include "TStatusBar.h"
#include "uInputScreenTables.h"
#include "uIrrigationDataSet.h"

#include <QGroupBox>
#include <QPushButton>

namespace {

void EmptyList(TAssociationList &list)
{
    // Last item first; the list only refers to the parameters.
    while (list.Count() > 0)
        list.Delete(list.Count());
}

}  // namespace

void TfrmDesignWindow::CalculationClick()
{
    EmptyList(*FDecisionVariables);
    EmptyList(*FFieldParameters);
    if (!FDataSet)
        return;

    TIrrigationRun *run = CurrentRun();
    bool started = false;
    if (!run || run->Saved()) {
        TIrrigationRun *previous = FDataSet->GetRunByNumber(FDataSet->GetRunCount());
        FDataSet->SetCurrentRun(FDataSet->NewRun());
        run = CurrentRun();
        TakeOverUnits(previous, run);
        started = true;
    }
    // Without a settings file there is no run, and nothing to show.
    if (!run)
        return;
    ApplyUnitSelection();
    // A unit switch made while the saved run was current left that run alone, so the run
    // started from it takes k in the checked units here.
    if (FTraits.Module == imBasin || started)
        UpdateInfiltration();

    TParameters *parameters = run->GetParameters();
    parameters->ResetActive();

    auto listField = [&](const char *name) {
        if (TParameter *p = parameters->FindParameter(name)) {
            p->SetActive(true);
            FFieldParameters->Add(p);
        }
    };
    auto setOption = [&](const char *name, int value) {
        if (TParameter *p = parameters->FindParameter(name))
            p->SetDisplayValueAndUnit(value, p->GetUnit());
    };

    if (FTraits.Module == imFurrow) {
        for (const char *name : FurrowFirstFields())
            listField(name);
        for (const TGeometryRow &row : GeometryRows()) {
            if (!ItemChecked(row.GeometryItem) || (row.ShapeItem && !ItemChecked(row.ShapeItem)))
                continue;
            setOption("Geometry", row.Geometry);
            setOption("CrossSection", row.CrossSection);
            for (const char *name : row.Parameters)
                listField(name);
            break;
        }
    }
    std::string title;
    for (const TInfiltrationRow &row : InfiltrationRows()) {
        if (row.Module != FTraits.Module || !ItemChecked(row.Item))
            continue;
        title = row.Title;
        run->SetInfiltrationType(row.Type);
        if (row.InfiltrationOption != 0)
            setOption("Infiltration", row.InfiltrationOption);
        for (const char *name : row.Parameters)
            listField(name);
        if (row.PassesTimeRatedT100) {
            if (TParameter *t100 = parameters->FindParameter("TimeRatedT100"))
                run->GetInfiltration()->SetTimeRatedT100(t100->GetValue());
        }
        if (row.OffersFlowResistance) {
            if (TParameter *n = parameters->FindParameter("Flowresistance"))
                n->SetDisplayValueAndUnit(run->GetInfiltration()->SelectFlowResistance(n->GetValue()), n->GetUnit());
        }
        break;
    }
    fraFieldParameters1->Display(title, FFieldParameters.get());
    fraFieldParameters1->show();
    grbFieldParameters->resize(grbFieldParameters->width(), fraFieldParameters1->FHeight);
    grbFieldParameters->setTitle(" Field Parameters ");
    grbFieldParameters->show();

    auto listDecision = [&](const char *name) {
        if (TParameter *p = parameters->FindParameter(name)) {
            p->SetCategory(pcInput);
            p->SetActive(true);
            FDecisionVariables->Add(p);
        }
    };
    for (const TDecisionRow &row : DecisionRows()) {
        if (!ItemChecked(row.Item))
            continue;
        run->SetMode(row.Mode);
        for (const char *name : row.Parameters[FTraits.Module])
            listDecision(name);
        if (FTraits.Module != imBasin) {
            for (const TOperationRow &operation : OperationRows()) {
                if (operation.Item && !ItemChecked(operation.Item))
                    continue;
                if (TParameter *p = parameters->FindParameter("Operation"))
                    p->SetValue(operation.Operation);
                for (const char *name : operation.Ratios)
                    listDecision(name);
                if (row.Mode == cmInflowRate || row.Mode == cmDimensions) {
                    for (const char *name : operation.DesignModeRatios)
                        listDecision(name);
                }
                break;
            }
        }
        StatusBar1->SetPanelText(1, row.StatusText);
        break;
    }
    fraDecisionVariables1->Display(FDecisionVariables.get());
    fraDecisionVariables1->show();
    grbDecisionVariables->resize(grbDecisionVariables->width(), fraDecisionVariables1->FHeight);
    grbDecisionVariables->setTitle(" Input decision variables ");
    grbDecisionVariables->show();

    StatusBar1->SetPanelText(0, "F2 Calculate");
    grbResults->hide();
    FCalculateEnabled = true;
    bbtCalculate->setEnabled(true);
    FInputActive = true;
}
