// The input screens: which parameters the field and decision boxes list for each module,
// option and mode, and what building a screen writes into the current run.
#include "UiDriver.h"

#include "FrameDecisionVariables.h"
#include "FrameFieldParameters.h"
#include "TStatusBar.h"
#include "uIrrigationDataSet.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "ExecutableFolder.h"
#include "uRilloxMainForm.h"

#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::vector<std::string> Names(TAssociationList *list)
{
    std::vector<std::string> names;
    for (int i = 1; i <= list->Count(); ++i)
        names.push_back(static_cast<TParameter *>(list->GetItem(i))->Name());
    return names;
}

std::vector<std::string> ActiveNames(TIrrigationRun &run)
{
    std::vector<std::string> names;
    std::unique_ptr<TIterator> it(run.GetParameters()->CreateParameterIterator());
    while (!it->IsDone()) {
        auto *p = static_cast<TParameter *>(it->Next());
        if (p->Active())
            names.push_back(p->Name());
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST_F(UiFixture, FieldListsFollowTheInfiltrationAndGeometryItems)
{
    struct Case {
        TIrrigationModule module;
        std::vector<std::vector<const char *>> clicks;  // menu paths before the mode pick
        std::string title;
        std::vector<std::string> fields;
        TInfiltrationType type;
        std::map<std::string, double> options;
    };
    const Case cases[] = {
        {imBasin, {}, "Modified SCS Families", {"SCS #", "Flowresistance", "RequiredDepth"}, itIntakeFamily, {}},
        {imBasin,
         {{"mniInfiltration", "mniTimeratedfamilies"}},
         "Time rated Families",
         {"TimeRatedT100", "Flowresistance", "RequiredDepth"},
         itTimeRated,
         {}},
        {imBasin,
         {{"mniInfiltration", "mniKostiakovequation"}},
         "Kostiakov equation",
         {"KostiakovA", "Kostiakovk", "Flowresistance", "RequiredDepth"},
         itKostiakov,
         {}},
        {imBorder, {}, "Modified SCS Families", {"SCS #", "Flowresistance", "RequiredDepth", "Slope"}, itIntakeFamily,
         {{"Infiltration", 1}}},
        {imBorder,
         {{"mniInfiltration", "mniKostiakovequation"}},
         "Kostiakov equation",
         {"KostiakovA", "Kostiakovk", "KostiakovFo", "Flowresistance", "RequiredDepth", "Slope"},
         itKostiakov,
         {{"Infiltration", 2}}},
        {imFurrow,
         {},
         "",
         {"RequiredDepth", "MaxVelocity", "Flowresistance", "Slope", "Spacing", "SideSlope", "SCS #"},
         itIntakeFamily,
         {{"Infiltration", 1}, {"Geometry", 1}, {"CrossSection", 1}}},
        {imFurrow,
         {{"mniParameters", "mniGeometry", "mniCrossSection", "mniParabolic"},
          {"mniParameters", "mniParametersInfiltration", "mniKostiakovequation"}},
         "",
         {"RequiredDepth", "MaxVelocity", "Flowresistance", "Slope", "Spacing", "MaxDepth", "MaxWidth", "KostiakovA",
          "Kostiakovk", "KostiakovFo"},
         itKostiakov,
         {{"Infiltration", 2}, {"Geometry", 1}, {"CrossSection", 2}}},
        {imFurrow,
         {{"mniParameters", "mniGeometry", "mniCrossSection", "mniTrapezoidal"}},
         "",
         {"RequiredDepth", "MaxVelocity", "Flowresistance", "Slope", "Spacing", "SideSlope", "BedWidth", "SCS #"},
         itIntakeFamily,
         {{"Geometry", 1}, {"CrossSection", 3}}},
        // The longest furrow screen: every one of its fifteen rows can be seen and edited.
        {imFurrow,
         {{"mniParameters", "mniGeometry", "mniSigma_Tau"}, {"mniParameters", "mniParametersInfiltration", "mniFieldData"}},
         "",
         {"RequiredDepth", "MaxVelocity", "Flowresistance", "Slope", "Spacing", "Sigma2", "Sigma1", "Tau2", "Tau1",
          "TrialFlowRate", "StableRunoffRate", "AdvTimeL", "AdvTimeHalfL", "TrialLength", "TrialSlope"},
         itFieldData,
         {{"Infiltration", 3}, {"Geometry", 2}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.module) + " " + c.title + " " + std::to_string(c.fields.size()));
        TfrmDesignWindow &w = Open(c.module);
        for (const auto &path : c.clicks) {
            if (path.size() == 2)
                ClickMenu(w, {path[0], path[1]});
            else if (path.size() == 3)
                ClickMenu(w, {path[0], path[1], path[2]});
            else
                ClickMenu(w, {path[0], path[1], path[2], path[3]});
        }
        ClickMenu(w, {"mniCalculation", "mniN3Cutofftime"});
        EXPECT_EQ(Names(w.FieldParameters()), c.fields);
        EXPECT_EQ(w.fraFieldParameters1->TitleLabel->text().toStdString(), c.title);
        EXPECT_EQ(FieldRows().size(), c.fields.size());
        EXPECT_EQ(w.grbFieldParameters->height(), 62 + 20 * static_cast<int>(c.fields.size()));
        EXPECT_EQ(w.grbFieldParameters->title(), " Field Parameters ");
        EXPECT_EQ(Run().InfiltrationType(), c.type);
        for (const auto &[name, value] : c.options)
            EXPECT_EQ(Parameter(name.c_str()).GetValue(), value) << name;
    }
}

TEST_F(UiFixture, DecisionListsFollowTheModeAndTheOperation)
{
    struct Case {
        TIrrigationModule module;
        const char *mode;
        const char *operation;  // nullptr: fixed flow
        std::vector<std::string> decisions;
        const char *status;
        int operationValue;
    };
    const Case cases[] = {
        {imBasin, "mniN1Flowrate", nullptr, {"BasinLength", "BasinWidth"},
         "Edit input parameters for Flowrate calculations", 0},
        {imBasin, "mniN2Dimensions", nullptr, {"FlowRate"}, "Edit input parameters for Dimension calculations", 0},
        {imBorder, "mniN2Dimensions", nullptr, {"FlowRate", "LengthWidthRatio"},
         "Edit input parameters for Dimension calculations", 1},
        {imBorder, "mniN4Mindepth", "mniCutbackFlow",
         {"FlowRate", "BasinLength", "BasinWidth", "CutoffTime", "CutBackRatio"},
         "Edit input parameters for Minimum Depth calculations", 2},
        {imBorder, "mniN3Cutofftime", "mniCutbackFlow", {"FlowRate", "BasinLength", "BasinWidth", "CutBackRatio"},
         "Edit input parameters for Cutoff time calculations", 2},
        {imBorder, "mniN1Flowrate", "mniCutbackFlow", {"BasinLength", "BasinWidth", "CutBackRatio", "AdvanceRatio"},
         "Edit input parameters for Flowrate calculations", 2},
        {imFurrow, "mniN1Flowrate", nullptr, {"Length"}, "Edit input parameters for Flowrate calculations", 1},
        {imFurrow, "mniN4Mindepth", "mniTailwaterReuse", {"FlowRate", "Length", "CutoffTime", "TailwaterRecoveryRatio"},
         "Edit input parameters for Minimum Depth calculations", 3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.mode) + " " + std::to_string(c.module));
        TfrmDesignWindow &w = Open(c.module);
        if (c.operation)
            ClickMenu(w, {"mniOperation", c.operation});
        ClickMenu(w, {"mniCalculation", c.mode});
        EXPECT_EQ(Names(w.DecisionVariables()), c.decisions);
        EXPECT_EQ(DecisionRows().size(), std::min<std::size_t>(c.decisions.size(), 5));
        for (const std::string &name : c.decisions) {
            EXPECT_EQ(Parameter(name.c_str()).Category(), pcInput) << name;
            EXPECT_TRUE(Parameter(name.c_str()).Active()) << name;
        }
        EXPECT_EQ(Status(1), c.status);
        EXPECT_EQ(Status(0), "F2 Calculate");
        EXPECT_EQ(w.grbDecisionVariables->title(), " Input decision variables ");
        EXPECT_EQ(w.grbDecisionVariables->height(), 42 + 20 * static_cast<int>(c.decisions.size()));
        EXPECT_TRUE(w.bbtCalculate->isEnabled());
        EXPECT_FALSE(w.grbResults->isVisibleTo(&w));
        if (c.operationValue != 0) {
            EXPECT_EQ(Parameter("Operation").GetValue(), c.operationValue);
        }
        EXPECT_EQ(Run().GetMode(), c.mode[4] - '0');
    }
}

TEST_F(UiFixture, ABuildMarksExactlyTheListedParametersActive)
{
    TfrmDesignWindow &w = Open(imBasin);
    ClickMenu(w, {"mniInfiltration", "mniTimeratedfamilies"});
    ClickMenu(w, {"mniCalculation", "mniN2Dimensions"});
    EXPECT_EQ(ActiveNames(Run()),
              (std::vector<std::string>{"FlowRate", "Flowresistance", "RequiredDepth", "TimeRatedT100"}));
    // Switching the option drops the former option's parameters from the active set.
    ClickMenu(w, {"mniInfiltration", "mniKostiakovequation"});
    ClickMenu(w, {"mniCalculation", "mniN2Dimensions"});
    EXPECT_EQ(ActiveNames(Run()), (std::vector<std::string>{"FlowRate", "Flowresistance", "KostiakovA",
                                                             "Kostiakovk", "RequiredDepth"}));
}

TEST_F(UiFixture, ASavedRunStartsTheNextRunAnUnsavedOneIsKept)
{
    TfrmDesignWindow &w = Open(imBorder);
    ClickMenu(w, {"mniInfiltration", "mniKostiakovequation"});
    ClickMenu(w, {"mniCalculation", "mniN3Cutofftime"});
    Parameter("FlowRate").SetValue(31.5);
    Run().SetCalculated(true);
    ClickMenu(w, {"mniCalculation", "mniN4Mindepth"});
    EXPECT_EQ(w.DataSet()->CurrentRun(), 1);
    EXPECT_EQ(w.DataSet()->GetRunCount(), 1);
    Run().SetSaved(true);
    ClickMenu(w, {"mniCalculation", "mniN4Mindepth"});
    EXPECT_EQ(w.DataSet()->CurrentRun(), 2);
    EXPECT_EQ(Parameter("FlowRate").GetValue(), 31.5);
    EXPECT_EQ(Run().InfiltrationType(), itKostiakov);
}

TEST_F(UiFixture, PickingTheCheckedModeAgainRebuildsTheScreen)
{
    TfrmDesignWindow &w = Open(imFurrow);
    ClickMenu(w, {"mniCalculation", "mniN3Cutofftime"});
    const QString shown = w.fraDecisionVariables1->Edit(1)->text();
    w.fraDecisionVariables1->Edit(1)->setText("9");
    ClickMenu(w, {"mniCalculation", "mniN3Cutofftime"});
    EXPECT_EQ(w.fraDecisionVariables1->Edit(1)->text(), shown);
}

TEST_F(UiFixture, TheFlowResistanceIsOfferedToTheInfiltrationObject)
{
    TfrmDesignWindow &w = Open(imBasin);
    ClickMenu(w, {"mniInfiltration", "mniTimeratedfamilies"});
    Parameter("Flowresistance").SetValue(0.2);
    ClickMenu(w, {"mniCalculation", "mniN3Cutofftime"});
    EXPECT_EQ(Run().GetInfiltration()->FlowResistance(), 0.2);
    // A value of no table row leaves the object's choice and is written back all the same.
    Parameter("Flowresistance").SetValue(0.123);
    ClickMenu(w, {"mniCalculation", "mniN3Cutofftime"});
    EXPECT_EQ(Run().GetInfiltration()->FlowResistance(), 0.2);
    EXPECT_EQ(Parameter("Flowresistance").GetValue(), 0.123);
    // The time-rated family of T100 300 minutes was handed over.
    EXPECT_EQ(Run().GetInfiltration()->TimeRatedFamily().T100(), 5.0);
}

TEST(UiNoSettings, WithoutASettingsFileTheInputScreenStaysEmpty)
{
    RecordingDialogs dialogs;
    RecordingErrorDisplay errors;
    const std::string real = ExecutableFolder();
    const std::string empty = ::testing::TempDir() + "irrika_nosettings_" + std::to_string(getpid()) + "/";
    mkdir(empty.c_str(), 0755);
    SetExecutableFolder(empty);
    {
        SetCurrentModule(imFurrow);
        TfrmRillox w;
        w.show();
        const std::size_t messages = dialogs.Texts().size();
        ClickMenu(w, {"mniCalculation", "mniN1Flowrate"});
        PressKey(w, Qt::Key_F2);
        PressKey(w, Qt::Key_Escape);
        EXPECT_TRUE(w.grbFieldParameters->isHidden());
        EXPECT_FALSE(w.InputActive());
        for (std::size_t i = messages; i < dialogs.Texts().size(); ++i)
            EXPECT_EQ(dialogs.Texts()[i], "Unable to find Rillox.Ini");
        EXPECT_TRUE(errors.Showings().empty());
    }
    SetExecutableFolder("");
    rmdir(empty.c_str());
}
