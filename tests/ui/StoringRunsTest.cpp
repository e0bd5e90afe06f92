// F4, Files > View and Load, and Delete Run, with the file dialogs scripted and the files
// on disk read back.
#include "UiDriver.h"

#include "FixedStringGrid.h"
#include "FormAppendReplace.h"
#include "FrameDecisionVariables.h"
#include "FrameFieldParameters.h"
#include "FrameGraphGrid.h"
#include "TChart.h"
#include "TStatusBar.h"
#include "uIrrigationDataSet.h"

#include <QDir>
#include <QGroupBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

namespace {

// The run count a run file announces on its third line.
int RunCount(const std::string &path)
{
    std::istringstream in(FileBytes(path));
    std::string line;
    for (int i = 0; i < 3 && std::getline(in, line); ++i) {
    }
    return line.empty() ? -1 : std::stoi(line);
}

// The length, flow and time units a user switches to, and back to the settings file's.
const std::vector<std::vector<std::string>> kOtherUnits = {{"mniUnits", "mniLength", "mnifeet"},
                                                           {"mniUnits", "mniFlowrate", "mnicubicmetresperminute"},
                                                           {"mniUnits", "mniTime", "mnihours"}};
const std::vector<std::vector<std::string>> kMetricUnits = {{"mniUnits", "mniLength", "mnimeters"},
                                                            {"mniUnits", "mniFlowrate", "mnilitrespersecond"},
                                                            {"mniUnits", "mniTime", "mniminutes"}};

void ChooseUnits(TfrmDesignWindow &w, const std::vector<std::vector<std::string>> &items)
{
    for (const std::vector<std::string> &path : items)
        ClickMenu(w, path);
}

// Every stored value and unit of a run, by parameter name.
std::map<std::string, std::pair<double, int>> StoredState(TIrrigationRun &run)
{
    std::map<std::string, std::pair<double, int>> state;
    const std::unique_ptr<TIterator> it(run.GetParameters()->CreateParameterIterator());
    while (!it->IsDone()) {
        auto *p = static_cast<TParameter *>(it->Next());
        state[p->Name()] = {p->HasValue() ? p->GetValue() : 0.0, p->GetUnit() ? p->GetUnit()->Kind() : -1};
    }
    return state;
}

const char *LengthOf(TIrrigationModule module) { return module == imFurrow ? "Length" : "BasinLength"; }

class StoringRuns : public UiFixture {
protected:
    std::string Path(const std::string &name) const { return folder.path().toStdString() + "/" + name; }

    void Calculate(TfrmDesignWindow &w, const char *mode = "mniN3Cutofftime")
    {
        ClickMenu(w, {"mniCalculation", mode});
        PressKey(w, Qt::Key_F2);
        ASSERT_TRUE(Run().Calculated());
    }
    // Clicks a button of the append-or-replace dialog as soon as it is up.
    void AnswerAppendReplace(QPushButton *const TfrmAppendReplace::*button)
    {
        QTimer::singleShot(0, [button] {
            if (frmAppendReplace)
                (frmAppendReplace->*button)->click();
        });
    }
    void SelectColumn(TfrmDesignWindow &w, int column)
    {
        TStringGrid *grid = w.fraGraphGrid1->stgIrrigationRuns;
        const QRect cell = grid->visualRect(grid->model()->index(1, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }

    QTemporaryDir folder;
};

}  // namespace

TEST_F(StoringRuns, TheFirstF4GoesStraightToTheSaveDialog)
{
    TfrmDesignWindow &w = Open(imBasin);
    Calculate(w);
    dialogs.ScriptFileName(Path("first.pdx"));
    PressKey(w, Qt::Key_F4);
    EXPECT_TRUE(dialogs.Messages().empty());  // no question
    ASSERT_EQ(dialogs.FileDialogs().size(), 1u);
    const FileDialogRequest &request = dialogs.FileDialogs()[0].request;
    EXPECT_TRUE(dialogs.FileDialogs()[0].save);
    EXPECT_EQ(request.title, "Save calculated irrigations");
    EXPECT_EQ(request.filters, (std::vector<std::string>{"Pondix (*.pdx)", "All files (*.*)"}));
    EXPECT_EQ(request.initialDir, w.DataSet()->DataDir());
    EXPECT_EQ(RunCount(Path("first.pdx")), 1);
    EXPECT_TRUE(Run().Saved());
    EXPECT_EQ(Status(0), "F3 Graph");
    EXPECT_EQ(Status(1), "Saved");
    EXPECT_FALSE(w.bbtSaveRun->isEnabled());

    // A second run saved to a new file: the data set keeps only it, as run 1.
    Calculate(w);
    ASSERT_EQ(w.DataSet()->CurrentRun(), 2);
    dialogs.ScriptAnswer(DialogAnswer::No);
    dialogs.ScriptFileName(Path("second.pdx"));
    PressKey(w, Qt::Key_F4);
    EXPECT_EQ(dialogs.Texts().back(), "Append to \r\n" + Path("first.pdx") + " ?");
    EXPECT_EQ(dialogs.Messages().back().buttons, DialogButtons::YesNoCancel);
    EXPECT_EQ(RunCount(Path("second.pdx")), 1);
    EXPECT_EQ(w.DataSet()->GetRunCount(), 1);
    EXPECT_EQ(Run().Number(), 1);
}

TEST_F(StoringRuns, TheModulesExtensionReplacesWhateverWasTyped)
{
    struct Case {
        TIrrigationModule module;
        const char *typed;
        int filter;
        const char *written;
    };
    const Case cases[] = {{imBasin, "plan.txt", 1, "plan.pdx"},
                          {imBorder, "plan.txt", 2, "plan.svx"},
                          {imFurrow, "plan", 2, "plan.rlx"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.written);
        TfrmDesignWindow &w = Open(c.module);
        Calculate(w);
        dialogs.ScriptFileName(Path(c.typed), c.filter);
        PressKey(w, Qt::Key_F4);
        EXPECT_EQ(RunCount(Path(c.written)), 1);
        EXPECT_FALSE(QFile::exists(QString::fromStdString(Path(c.typed))));
    }
}

TEST_F(StoringRuns, CancelInTheAppendOrReplaceDialogForgetsTheFileName)
{
    TfrmDesignWindow &w = Open(imBorder);
    Calculate(w);
    std::ofstream(Path("there.svx")) << "someone else's";
    dialogs.ScriptFileName(Path("there.svx"));
    AnswerAppendReplace(&TfrmAppendReplace::btnCancel);
    PressKey(w, Qt::Key_F4);
    EXPECT_EQ(FileBytes(Path("there.svx")), "someone else's");
    EXPECT_EQ(w.DataSet()->FileName(), "");
    EXPECT_FALSE(Run().Saved());
    // No file name: the next F4 asks no question and opens the dialog again.
    dialogs.Clear();
    PressKey(w, Qt::Key_F4);
    EXPECT_TRUE(dialogs.Messages().empty());
    EXPECT_EQ(dialogs.FileDialogs().size(), 1u);
}

TEST_F(StoringRuns, AfterViewYesAppendsTheNewRunToTheViewedFile)
{
    {
        TfrmDesignWindow &w = Open(imFurrow);
        Calculate(w);
        dialogs.ScriptFileName(Path("field.rlx"));
        PressKey(w, Qt::Key_F4);
        Calculate(w, "mniN4Mindepth");
        PressKey(w, Qt::Key_F4);  // Yes: all runs into field.rlx
        ASSERT_EQ(RunCount(Path("field.rlx")), 2);
    }
    TfrmDesignWindow &w = Open(imFurrow);
    dialogs.ScriptFileName(Path("field.rlx"));
    ClickMenu(w, {"mniFiles", "mniView"});
    ASSERT_FALSE(w.sbxGraph->isHidden());
    EXPECT_EQ(w.fraGraphGrid1->pgcGraphGrid->currentWidget(), w.fraGraphGrid1->tshTable);
    EXPECT_TRUE(w.fraGraphGrid1->bbtDeleteRun->isEnabled());
    EXPECT_EQ(Status(0), "F3 Graph");
    EXPECT_EQ(w.fraGraphGrid1->stgIrrigationRuns->Cells(3, 0), "2");
    EXPECT_TRUE(w.mniN4Mindepth->isChecked());  // the last run's mode
    QTest::mouseClick(w.fraGraphGrid1->bbtClose, Qt::LeftButton);
    Calculate(w);
    dialogs.Clear();
    PressKey(w, Qt::Key_F4);
    ASSERT_EQ(dialogs.Texts().size(), 1u);
    EXPECT_EQ(dialogs.Texts()[0], "Append to \r\n" + Path("field.rlx") + " ?");
    EXPECT_EQ(RunCount(Path("field.rlx")), 3);
}

TEST_F(StoringRuns, AppendingToAFileWithOtherUnitsIsRefusedAndKeepsTheRun)
{
    {
        TfrmDesignWindow &w = Open(imBasin);
        Calculate(w);
        dialogs.ScriptFileName(Path("litres.pdx"));
        PressKey(w, Qt::Key_F4);
    }
    const std::string before = FileBytes(Path("litres.pdx"));
    TfrmDesignWindow &w = Open(imBasin);
    ClickMenu(w, {"mniUnits", "mniFlowrate", "mniUSgallonsperminute"});
    Calculate(w);
    dialogs.Clear();
    dialogs.ScriptFileName(Path("litres.pdx"));
    AnswerAppendReplace(&TfrmAppendReplace::btnAppend);
    PressKey(w, Qt::Key_F4);
    EXPECT_EQ(FileBytes(Path("litres.pdx")), before);
    EXPECT_NE(std::find(dialogs.Texts().begin(), dialogs.Texts().end(),
                        "Cannot save run, units differ from the units in the file"),
              dialogs.Texts().end());
    // Nothing calculated is lost: the run stays unsaved and F4 stays on.
    EXPECT_FALSE(Run().Saved());
    EXPECT_TRUE(w.SaveEnabled());
    EXPECT_TRUE(w.bbtSaveRun->isEnabled());
    EXPECT_EQ(w.DataSet()->FileName(), "");
}

TEST_F(StoringRuns, AFailedSaveKeepsTheRunUnsavedAndF4On)
{
    TfrmDesignWindow &w = Open(imBorder);
    Calculate(w);
    dialogs.ScriptFileName(Path("no/such/folder/x.svx"));
    PressKey(w, Qt::Key_F4);
    ASSERT_FALSE(dialogs.Messages().empty());
    EXPECT_EQ(dialogs.Texts()[0].substr(0, 19), "Unable to open File");
    EXPECT_FALSE(Run().Saved());
    EXPECT_TRUE(w.SaveEnabled());
    EXPECT_TRUE(w.bbtSaveRun->isEnabled());
    EXPECT_EQ(w.DataSet()->FileName(), "");
    EXPECT_EQ(Status(0), "F3 Graph   F4 Save");
}

TEST_F(StoringRuns, DeleteRunRemovesTheRunOfTheSelectedColumnAndRewritesTheFile)
{
    {
        TfrmDesignWindow &w = Open(imBasin);
        Calculate(w);
        dialogs.ScriptFileName(Path("three.pdx"));
        PressKey(w, Qt::Key_F4);
        for (double flow : {50.0, 60.0}) {
            ClickMenu(w, {"mniCalculation", "mniN3Cutofftime"});
            TypeInto(*w.fraDecisionVariables1->Edit(1), std::to_string(int(flow)));
            PressKey(w, Qt::Key_F2);
            PressKey(w, Qt::Key_F4);
        }
        ASSERT_EQ(RunCount(Path("three.pdx")), 3);
    }
    TfrmDesignWindow &w = Open(imBasin);
    dialogs.ScriptFileName(Path("three.pdx"));
    ClickMenu(w, {"mniFiles", "mniView"});
    TStringGrid *grid = w.fraGraphGrid1->stgIrrigationRuns;
    // The units column deletes nothing.
    SelectColumn(w, 1);
    QTest::mouseClick(w.fraGraphGrid1->bbtDeleteRun, Qt::LeftButton);
    EXPECT_EQ(RunCount(Path("three.pdx")), 3);
    EXPECT_EQ(w.DataSet()->CurrentRun(), 0);
    // Column 3 holds run 2.
    SelectColumn(w, 3);
    dialogs.Clear();
    QTest::mouseClick(w.fraGraphGrid1->bbtDeleteRun, Qt::LeftButton);
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{"Table will be automatically saved"}));
    EXPECT_EQ(RunCount(Path("three.pdx")), 2);
    EXPECT_EQ(grid->Cells(3, 0), "2");
    EXPECT_EQ(w.DataSet()->GetRunByNumber(2)->GetParameters()->FindParameter("FlowRate")->GetValue(), 60);

    // A run the table skips: the column after it belongs to the run named at its head.
    w.DataSet()->GetRunByNumber(1)->SetCalculated(false);
    w.Formatter()->FillRunTable();
    ASSERT_EQ(grid->Cells(2, 0), "2");
    SelectColumn(w, 2);
    QTest::mouseClick(w.fraGraphGrid1->pgcGraphGrid->tabBar(), Qt::LeftButton, {},
                      w.fraGraphGrid1->pgcGraphGrid->tabBar()->tabRect(0).center());
    EXPECT_NE(w.fraGraphGrid1->chrtTimes->Title().find("run number : 2"), std::string::npos);
    QTest::mouseClick(w.fraGraphGrid1->pgcGraphGrid->tabBar(), Qt::LeftButton, {},
                      w.fraGraphGrid1->pgcGraphGrid->tabBar()->tabRect(1).center());
    SelectColumn(w, 2);
    QTest::mouseClick(w.fraGraphGrid1->bbtDeleteRun, Qt::LeftButton);
    ASSERT_EQ(w.DataSet()->GetRunCount(), 1);
    EXPECT_EQ(w.DataSet()->GetRunByNumber(1)->GetParameters()->FindParameter("FlowRate")->GetValue(), 40);
    // The last run is never deleted: nothing is said, the file stays as it is, and the run
    // is the one it was.
    w.DataSet()->GetRunByNumber(1)->SetCalculated(true);
    w.Formatter()->FillRunTable();
    SelectColumn(w, 2);
    const std::string before = FileBytes(Path("three.pdx"));
    dialogs.Clear();
    QTest::mouseClick(w.fraGraphGrid1->bbtDeleteRun, Qt::LeftButton);
    EXPECT_TRUE(dialogs.Texts().empty());
    EXPECT_EQ(FileBytes(Path("three.pdx")), before);
    EXPECT_EQ(w.DataSet()->GetRunCount(), 1);
    EXPECT_EQ(RunCount(Path("three.pdx")), 1);
    EXPECT_TRUE(w.DataSet()->GetRunByNumber(1)->Calculated());
    EXPECT_EQ(grid->Cells(2, 0), "1");
}

TEST_F(StoringRuns, LoadRestoresTheMenusFromTheLastRun)
{
    {
        TfrmDesignWindow &w = Open(imFurrow);
        ClickMenu(w, {"mniParameters", "mniParametersInfiltration", "mniFieldData"});
        ClickMenu(w, {"mniParameters", "mniGeometry", "mniSigma_Tau"});
        ClickMenu(w, {"mniOperation", "mniTailwaterReuse"});
        ClickMenu(w, {"mniUnits", "mniTime", "mnihours"});
        Calculate(w, "mniN2Dimensions");
        dialogs.ScriptFileName(Path("trial.rlx"));
        PressKey(w, Qt::Key_F4);
        ASSERT_TRUE(Run().Saved());
    }
    TfrmDesignWindow &w = Open(imFurrow);
    dialogs.ScriptFileName(Path("trial.rlx"));
    ClickMenu(w, {"mniFiles", "mniLoad"});
    EXPECT_TRUE(w.mniFieldData->isChecked());
    EXPECT_TRUE(w.mniSigma_Tau->isChecked());
    EXPECT_TRUE(w.mniTailwaterReuse->isChecked());
    EXPECT_TRUE(w.mnihours->isChecked());
    EXPECT_TRUE(w.mniN2Dimensions->isChecked());
    // Load goes on calculating: a new run from the file's last one, on its input screen.
    EXPECT_FALSE(w.grbFieldParameters->isHidden());
    EXPECT_EQ(w.DataSet()->CurrentRun(), 2);
    EXPECT_EQ(w.FieldParameters()->Count(), 15);
}

TEST_F(StoringRuns, AFileThatDoesNotLoadChangesNothing)
{
    TfrmDesignWindow &w = Open(imBorder);
    Calculate(w);
    dialogs.ScriptFileName(Path("good.svx"));
    PressKey(w, Qt::Key_F4);
    ClickMenu(w, {"mniUnits", "mniFlowrate", "mniUSgallonsperminute"});
    ClickMenu(w, {"mniCalculation", "mniN2Dimensions"});
    std::ofstream(Path("broken.svx")) << "not a run file\r\n";
    for (const char *item : {"mniView", "mniLoad"}) {
        SCOPED_TRACE(item);
        dialogs.ScriptFileName(Path("broken.svx"));
        ClickMenu(w, {"mniFiles", item});
        EXPECT_EQ(w.DataSet()->FileName(), Path("good.svx"));
        EXPECT_TRUE(w.mniUSgallonsperminute->isChecked());
        EXPECT_TRUE(w.mniN2Dimensions->isChecked());
        EXPECT_TRUE(w.sbxGraph->isHidden());
    }
}

// A run file of another module chosen through "All files" is refused with a word on whose
// it is; the window stays as it was.
TEST_F(StoringRuns, AnotherModulesRunFileIsRefusedAndSaysWhoseItIs)
{
    struct Case {
        TIrrigationModule writer, reader;
        const char *file;
        const char *text;
    };
    const Case cases[] = {
        {imBasin, imFurrow, "basin.pdx", "Cannot open a Pondix run file in Rillox"},
        {imFurrow, imBorder, "furrow.rlx", "Cannot open a Rillox run file in Striva"},
        {imBorder, imBasin, "border.svx", "Cannot open a Striva run file in Pondix"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        {
            TfrmDesignWindow &w = Open(c.writer);
            Calculate(w);
            dialogs.ScriptFileName(Path(c.file));
            PressKey(w, Qt::Key_F4);
            ASSERT_TRUE(Run().Saved());
        }
        TfrmDesignWindow &w = Open(c.reader);
        Calculate(w);
        const std::string own = Path(std::string("own") + DesignWindowTraits(c.reader).RunFileExtension);
        dialogs.ScriptFileName(own);
        PressKey(w, Qt::Key_F4);
        ClickMenu(w, {"mniUnits", "mniFlowrate", "mniUSgallonsperminute"});
        ClickMenu(w, {"mniCalculation", "mniN2Dimensions"});
        const int runs = w.DataSet()->GetRunCount(), current = w.DataSet()->CurrentRun();
        TParameters *parameters = Run().GetParameters();
        for (const char *item : {"mniView", "mniLoad"}) {
            SCOPED_TRACE(item);
            dialogs.Clear();
            dialogs.ScriptFileName(Path(c.file), 2);
            ClickMenu(w, {"mniFiles", item});
            ASSERT_EQ(dialogs.Messages().size(), 1u);
            EXPECT_EQ(dialogs.Texts()[0], std::string(c.text) + "\r\n" + Path(c.file));
            EXPECT_EQ(dialogs.Messages()[0].icon, DialogIcon::Error);
            EXPECT_EQ(w.DataSet()->FileName(), own);
            EXPECT_EQ(w.DataSet()->GetRunCount(), runs);
            EXPECT_EQ(w.DataSet()->CurrentRun(), current);
            EXPECT_EQ(Run().GetParameters(), parameters);
            EXPECT_TRUE(w.mniUSgallonsperminute->isChecked());
            EXPECT_TRUE(w.mniN2Dimensions->isChecked());
            EXPECT_TRUE(w.sbxGraph->isHidden());
        }
    }
}

// Appending and opening a file give the data set the file's runs in place of its own. The
// screen's lists only refer to parameters: they must follow to the runs the data set holds
// now, or the next check of an edit writes into freed runs.
TEST_F(StoringRuns, TheScreenFollowsTheRunsThatAFileBringsIn)
{
    {
        TfrmDesignWindow &w = Open(imBasin);
        Calculate(w);
        dialogs.ScriptFileName(Path("field.pdx"));
        PressKey(w, Qt::Key_F4);
        ASSERT_EQ(RunCount(Path("field.pdx")), 1);
    }
    TfrmDesignWindow &w = Open(imBasin);
    Calculate(w);
    // The mode picked again keeps the calculated run and F4 with it.
    ClickMenu(w, {"mniCalculation", "mniN3Cutofftime"});
    dialogs.ScriptFileName(Path("field.pdx"));
    AnswerAppendReplace(&TfrmAppendReplace::btnAppend);
    PressKey(w, Qt::Key_F4);
    ASSERT_EQ(RunCount(Path("field.pdx")), 2);
    ASSERT_EQ(w.DataSet()->CurrentRun(), 2);
    TParameters *appended = Run().GetParameters();
    EXPECT_EQ(w.DecisionVariables()->GetItem(1), appended->FindParameter("FlowRate"));
    EXPECT_EQ(w.FieldParameters()->GetItem(1), appended->FindParameter("SCS #"));
    ASSERT_GE(w.Results()->Count(), 1);
    EXPECT_EQ(w.Results()->GetItem(1), appended->FindParameter("CutoffTime"));
    // The appended run is saved, so its screen is locked and what is typed reaches no run
    // (the window is active again once the dialog has gone, as the window manager does it);
    // Esc goes on with the next run, which takes it.
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    const double flow = appended->FindParameter("FlowRate")->GetDisplayValue();
    TypeInto(*w.fraDecisionVariables1->Edit(1), "50");
    PressKey(w, Qt::Key_Return);
    EXPECT_EQ(appended->FindParameter("FlowRate")->GetDisplayValue(), flow);
    PressKey(w, Qt::Key_Escape);
    ASSERT_EQ(w.DataSet()->CurrentRun(), 3);
    TypeInto(*w.fraDecisionVariables1->Edit(1), "50");
    PressKey(w, Qt::Key_Return);
    EXPECT_EQ(Parameter("FlowRate").GetDisplayValue(), 50);

    dialogs.ScriptFileName(Path("field.pdx"));
    ClickMenu(w, {"mniFiles", "mniView"});
    ASSERT_EQ(w.DataSet()->CurrentRun(), 2);
    TParameters *viewed = Run().GetParameters();
    EXPECT_EQ(w.DecisionVariables()->GetItem(1), viewed->FindParameter("FlowRate"));
    EXPECT_EQ(w.FieldParameters()->GetItem(1), viewed->FindParameter("SCS #"));
}

// Run 2 is saved into a file in metric units beside run 1; while it is the current run
// the user switches length, flow and time, starts the next run, goes back to metric for
// it, calculates and answers Yes to "Append to". The saved run stays as its file holds it
// (the menus keep the choice for the next run), and the file read back holds the runs on
// screen: values and units. The switch may also come after the next run was started.
TEST_F(StoringRuns, AUnitSwitchLeavesASavedRunAsItsFileHoldsIt)
{
    const char *extensions[] = {".pdx", ".svx", ".rlx"};
    for (TIrrigationModule module : {imBasin, imBorder, imFurrow}) {
        for (const bool beforeTheNextRun : {true, false}) {
            SCOPED_TRACE(std::string(extensions[module]) + (beforeTheNextRun ? ", switch before" : ", switch after") +
                         " starting the next run");
            const std::string name = Path(std::string(beforeTheNextRun ? "before" : "after") + extensions[module]);
            TfrmDesignWindow &w = Open(module);
            Calculate(w);
            dialogs.ScriptFileName(name);
            PressKey(w, Qt::Key_F4);
            Calculate(w);
            PressKey(w, Qt::Key_F4);  // Yes: runs 1 and 2 into the file
            ASSERT_EQ(RunCount(name), 2);
            ASSERT_EQ(w.DataSet()->CurrentRun(), 2);
            ASSERT_TRUE(Run().Saved());
            const auto saved = StoredState(Run());

            if (beforeTheNextRun) {
                ChooseUnits(w, kOtherUnits);
                EXPECT_EQ(StoredState(*w.DataSet()->GetRunByNumber(2)), saved);
                // The next run takes the units the menus show.
                ClickMenu(w, {"mniCalculation", "mniN3Cutofftime"});
                ASSERT_EQ(w.DataSet()->CurrentRun(), 3);
                EXPECT_EQ(Parameter(LengthOf(module)).GetUnit()->Kind(), ukFeet);
                EXPECT_EQ(Parameter("FlowRate").GetUnit()->Kind(), ukM3MIN_1);
                EXPECT_EQ(Parameter("CutoffTime").GetUnit()->Kind(), ukHours);
                // k as well, per hour^A.
                const double k = saved.at("Kostiakovk").first * std::pow(60.0, saved.at("KostiakovA").first);
                EXPECT_EQ(Parameter("Kostiakovk").GetUnit()->Kind(), ukMM_HR_A);
                EXPECT_NEAR(Parameter("Kostiakovk").GetValue(), k, 1e-12 * k);
                const std::vector<std::string> rows = DecisionRows();
                ASSERT_GE(rows.size(), 2u);
                EXPECT_NE(rows[0].find("m^3/min"), std::string::npos) << rows[0];
                EXPECT_NE(rows[1].find(" Ft"), std::string::npos) << rows[1];
            } else {
                ClickMenu(w, {"mniCalculation", "mniN3Cutofftime"});
                ASSERT_EQ(w.DataSet()->CurrentRun(), 3);
                ChooseUnits(w, kOtherUnits);
            }
            ChooseUnits(w, kMetricUnits);
            Calculate(w);
            ASSERT_EQ(w.DataSet()->CurrentRun(), 3);
            dialogs.Clear();
            PressKey(w, Qt::Key_F4);  // Yes: all three runs
            EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Append to \r\n" + name + " ?"});
            EXPECT_TRUE(Run().Saved());
            EXPECT_EQ(RunCount(name), 3);
            EXPECT_EQ(RunFileDifference(module, name, *w.DataSet()), "");
            EXPECT_EQ(StoredState(*w.DataSet()->GetRunByNumber(2)), saved);
        }
    }
}

// Runs opened with View are saved runs too: a unit switch leaves them as the file holds
// them, so Delete Run rewrites the file with the remaining runs as they were, and the
// table still shows them all.
TEST_F(StoringRuns, ViewedRunsStayInTheirFilesUnitsThroughASwitchAndDeleteRun)
{
    const char *extensions[] = {".pdx", ".svx", ".rlx"};
    for (TIrrigationModule module : {imBasin, imBorder, imFurrow}) {
        SCOPED_TRACE(extensions[module]);
        const std::string name = Path(std::string("viewed") + extensions[module]);
        {
            TfrmDesignWindow &w = Open(module);
            Calculate(w);
            dialogs.ScriptFileName(name);
            PressKey(w, Qt::Key_F4);
            for (int run = 2; run <= 3; ++run) {
                Calculate(w);
                PressKey(w, Qt::Key_F4);
            }
            ASSERT_EQ(RunCount(name), 3);
        }
        TfrmDesignWindow &w = Open(module);
        dialogs.ScriptFileName(name);
        ClickMenu(w, {"mniFiles", "mniView"});
        ASSERT_EQ(w.DataSet()->GetRunCount(), 3);
        const auto third = StoredState(*w.DataSet()->GetRunByNumber(3));
        ChooseUnits(w, kOtherUnits);
        EXPECT_EQ(StoredState(*w.DataSet()->GetRunByNumber(3)), third);
        SelectColumn(w, 3);
        dialogs.Clear();
        QTest::mouseClick(w.fraGraphGrid1->bbtDeleteRun, Qt::LeftButton);
        EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{"Table will be automatically saved"}));
        EXPECT_EQ(RunCount(name), 2);
        EXPECT_EQ(RunFileDifference(module, name, *w.DataSet()), "");
        EXPECT_EQ(StoredState(*w.DataSet()->GetRunByNumber(2)), third);
        TStringGrid *grid = w.fraGraphGrid1->stgIrrigationRuns;
        EXPECT_EQ(grid->Cells(2, 0), "1");
        EXPECT_EQ(grid->Cells(3, 0), "2");
    }
}

// A calculated run whose mode is picked again keeps F4 on its input screen. Once F4 saved
// it there, that screen locks as after a calculation: neither F2 nor the edits change the
// saved run, also after a unit switch, and the next Yes writes the file with it as it was.
TEST_F(StoringRuns, ARunSavedFromItsInputScreenIsNotCalculatedAgain)
{
    const char *extensions[] = {".pdx", ".svx", ".rlx"};
    for (TIrrigationModule module : {imBasin, imBorder, imFurrow}) {
        SCOPED_TRACE(extensions[module]);
        const std::string name = Path(std::string("locked") + extensions[module]);
        TfrmDesignWindow &w = Open(module);
        Calculate(w);
        dialogs.ScriptFileName(name);
        PressKey(w, Qt::Key_F4);
        Calculate(w);
        ClickMenu(w, {"mniCalculation", "mniN3Cutofftime"});
        TypeInto(*w.fraDecisionVariables1->Edit(1), "2");
        PressKey(w, Qt::Key_F4);  // Yes, from the input screen
        ASSERT_EQ(RunCount(name), 2);
        ASSERT_TRUE(Run().Saved());
        const auto saved = StoredState(Run());
        EXPECT_FALSE(w.bbtCalculate->isEnabled());
        EXPECT_FALSE(w.fraDecisionVariables1->Edit(1)->isEnabled());
        // The flow that was being typed shows again what was saved.
        EXPECT_EQ(w.fraDecisionVariables1->Edit(1)->text().toStdString(), Parameter("FlowRate").GetDisplayText());

        ClickMenu(w, {"mniUnits", "mniTime", "mnihours"});
        PressKey(w, Qt::Key_F2);
        EXPECT_TRUE(w.grbResults->isHidden());
        EXPECT_EQ(StoredState(Run()), saved);
        dialogs.Clear();
        PressKey(w, Qt::Key_F4);
        EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Append to \r\n" + name + " ?"});
        EXPECT_EQ(RunFileDifference(module, name, *w.DataSet()), "");
        // Esc goes on with the next run.
        PressKey(w, Qt::Key_Escape);
        EXPECT_EQ(w.DataSet()->CurrentRun(), 3);
        EXPECT_TRUE(w.fraDecisionVariables1->Edit(1)->isEnabled());
    }
}

// F4 on the input screen of a calculated run, while a number is being typed there: the run
// is saved as it was calculated, and every edit shows what the run and the file hold; the
// typed text is dropped as Esc would drop it. The save dialog leaves the focus in another
// window, as a real one may, so the edit is no longer the focused control when it closes.
TEST_F(StoringRuns, SavingFromTheInputScreenDropsTheTextBeingTyped)
{
    struct Case {
        TIrrigationModule module;
        const char *firstField;
        const char *file;
    };
    const Case kCases[] = {
        {imBasin, "SCS #", "typed.pdx"},
        {imBorder, "SCS #", "typed.svx"},
        {imFurrow, "RequiredDepth", "typed.rlx"},
    };
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.file);
        QWidget elsewhere;
        auto *other = new QLineEdit(&elsewhere);
        dialogs.WhileShown([&] {
            elsewhere.show();
            elsewhere.activateWindow();
            other->setFocus();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
        });
        TfrmDesignWindow &w = Open(c.module);
        Calculate(w);
        ClickMenu(w, {"mniCalculation", "mniN3Cutofftime"});
        const double calculated = Parameter(c.firstField).GetValue();
        const std::vector<std::string> fields = FieldRows(), decisions = DecisionRows();
        QLineEdit &edit = *w.fraFieldParameters1->Edit(1);
        TypeInto(edit, "777");
        const std::string name = Path(c.file);
        dialogs.ScriptFileName(name);
        PressKey(w, Qt::Key_F4);

        ASSERT_EQ(dialogs.FileDialogs().size(), 1u);
        ASSERT_TRUE(Run().Saved());
        EXPECT_NE(QApplication::focusWidget(), &edit);
        EXPECT_EQ(Parameter(c.firstField).GetValue(), calculated);
        EXPECT_EQ(edit.text().toStdString(), Parameter(c.firstField).GetDisplayText());
        EXPECT_EQ(FieldRows(), fields);
        EXPECT_EQ(DecisionRows(), decisions);
        EXPECT_EQ(RunFileDifference(c.module, name, *w.DataSet()), "");
        dialogs.WhileShown(nullptr);
        dialogs.Clear();
    }
}
