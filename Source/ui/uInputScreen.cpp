// The input screen of the design windows: the field parameters of the checked options and
// the decision variables of the checked mode, written into the current run and shown.
#include "uDesignWindow.h"

#include "FrameDecisionVariables.h"
#include "FrameFieldParameters.h"
#include "TStatusBar.h"
#include "uInputScreenContent.h"
#include "uIrrigationDataSet.h"

#include <QAction>
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

TCalculationMode TfrmDesignWindow::CheckedMode() const
{
    const std::vector<QAction *> &items = FCalculationGroup.Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i]->isChecked())
            return static_cast<TCalculationMode>(i + 1);
    }
    return cmNone;
}

TScreenOptions TfrmDesignWindow::CheckedScreenOptions() const
{
    TScreenOptions options;
    if (FInfiltrationGroup.Checked())
        options.Infiltration = static_cast<TInfiltrationType>(ItemValue(FInfiltrationGroup.Checked()));
    options.Operation = static_cast<TOperationKind>(CheckedValue(FOperationGroup, 0));
    options.Geometry = static_cast<TFurrowGeometry>(CheckedValue(FGeometryGroup, 0));
    options.CrossSection = static_cast<TCrossSectionShape>(CheckedValue(FCrossSectionGroup, 0));
    return options;
}

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
    if (FTraits.UpdatesInfiltrationFirst || started)
        UpdateInfiltration();

    TParameters *parameters = run->GetParameters();
    parameters->ResetActive();
    const TInputScreenContent content = InputScreenContent(FTraits.Module, CheckedMode(), CheckedScreenOptions());

    auto setOption = [&](const char *name, int value) {
        if (TParameter *p = parameters->FindParameter(name))
            p->SetDisplayValueAndUnit(value, p->GetUnit());
    };
    if (content.Geometry != 0) {
        setOption("Geometry", content.Geometry);
        setOption("CrossSection", content.CrossSection);
    }
    if (content.InfiltrationType)
        run->SetInfiltrationType(*content.InfiltrationType);
    if (content.InfiltrationOption != 0)
        setOption("Infiltration", content.InfiltrationOption);
    for (const char *name : content.FieldParameters) {
        if (TParameter *p = parameters->FindParameter(name)) {
            p->SetActive(true);
            FFieldParameters->Add(p);
        }
    }
    if (content.PassesTimeRatedT100) {
        if (TParameter *t100 = parameters->FindParameter("TimeRatedT100"))
            run->GetInfiltration()->SetTimeRatedT100(t100->GetValue());
    }
    if (content.OffersFlowResistance) {
        if (TParameter *n = parameters->FindParameter("Flowresistance"))
            n->SetDisplayValueAndUnit(run->GetInfiltration()->SelectFlowResistance(n->GetValue()), n->GetUnit());
    }
    fraFieldParameters1->Display(content.Title, FFieldParameters.get());
    fraFieldParameters1->show();
    grbFieldParameters->resize(grbFieldParameters->width(), fraFieldParameters1->FHeight);
    grbFieldParameters->setTitle(" Field Parameters ");
    grbFieldParameters->show();

    if (content.Mode != cmNone) {
        run->SetMode(content.Mode);
        if (content.Operation != 0) {
            if (TParameter *p = parameters->FindParameter("Operation"))
                p->SetValue(content.Operation);
        }
        for (const char *name : content.DecisionVariables) {
            if (TParameter *p = parameters->FindParameter(name)) {
                p->SetCategory(pcInput);
                p->SetActive(true);
                FDecisionVariables->Add(p);
            }
        }
        StatusBar1->SetPanelText(1, content.StatusText);
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
