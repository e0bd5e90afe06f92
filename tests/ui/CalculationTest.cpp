// F2 with the real engines: the result lists of every module and mode, the screen after a
// calculation, the way back with Esc, and the chart view.
#include "UiDriver.h"

#include "FrameDecisionVariables.h"
#include "FrameFieldParameters.h"
#include "FrameGraphGrid.h"
#include "FrameResults.h"
#include "NumberText.h"
#include "TChart.h"
#include "TStatusBar.h"
#include "uIrrigationDataSet.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTest>

#include <cmath>

namespace {

// The number a result row shows after "= ".
double ShownNumber(const std::string &row)
{
    const std::size_t at = row.find("= ");
    return at == std::string::npos ? NAN : std::stod(row.substr(at + 2));
}

}  // namespace

TEST_F(UiFixture, F2ListsTheResultsOfEveryModuleAndMode)
{
    struct Case {
        TIrrigationModule module;
        const char *mode;
        const char *operation;
        int rows;
        const char *caption;
        const char *firstRow;
    };
    const Case cases[] = {
        {imBasin, "mniN1Flowrate", nullptr, 7, " First estimate of required flow rate ", "Flow rate"},
        {imBasin, "mniN2Dimensions", nullptr, 8, " First estimate of required dimensions ", "Basin length"},
        {imBasin, "mniN3Cutofftime", nullptr, 6, " Irrigation performance output ", "Cutoff time"},
        {imBasin, "mniN4Mindepth", nullptr, 12, " Irrigation performance output ", "Minimum infiltrated depth"},
        {imBorder, "mniN1Flowrate", nullptr, 15, "Output, Fixed Flow, Mode 1", "Flow rate"},
        {imBorder, "mniN2Dimensions", nullptr, 16, "Output, Fixed Flow, Mode 2", "Border length"},
        {imBorder, "mniN3Cutofftime", nullptr, 14, "Output, Fixed Flow, Mode 3", "Cutoff time"},
        {imBorder, "mniN4Mindepth", nullptr, 18, "Output, Fixed Flow, Mode 4", "Minimum infiltrated depth"},
        {imBorder, "mniN4Mindepth", "mniCutbackFlow", 20, "Output, Cutback Flow, Mode 4", "Minimum infiltrated depth"},
        {imBorder, "mniN4Mindepth", "mniTailwaterReuse", 18, "Output, Tailwater reuse, Mode 4",
         "Minimum infiltrated depth"},
        {imFurrow, "mniN1Flowrate", nullptr, 15, "Output, Fixed Flow, Mode 1", "Flow rate"},
        {imFurrow, "mniN2Dimensions", nullptr, 15, "Output, Fixed Flow, Mode 2", "Length"},
        {imFurrow, "mniN3Cutofftime", nullptr, 14, "Output, Fixed Flow, Mode 3", "Cutoff time"},
        {imFurrow, "mniN4Mindepth", nullptr, 18, "Output, Fixed Flow, Mode 4", "Minimum infiltrated depth"},
        {imFurrow, "mniN4Mindepth", "mniCutbackFlow", 20, "Output, Cutback Flow, Mode 4", "Minimum infiltrated depth"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.module) + " " + c.mode + " " + (c.operation ? c.operation : ""));
        const std::size_t shownBefore = errors.Showings().size();
        TfrmDesignWindow &w = Open(c.module);
        if (c.operation)
            ClickMenu(w, {"mniOperation", c.operation});
        ClickMenu(w, {"mniCalculation", c.mode});
        PressKey(w, Qt::Key_F2);
        ASSERT_EQ(errors.Showings().size(), shownBefore) << errors.Showings().back().text;
        ASSERT_FALSE(w.grbResults->isHidden());
        const std::vector<std::string> rows = ResultRows();
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(c.rows));
        EXPECT_EQ(rows[0].substr(0, rows[0].find(" =")), c.firstRow);
        for (const std::string &row : rows) {
            const double value = ShownNumber(row);
            EXPECT_TRUE(std::isfinite(value) && value >= 0) << row;
        }
        EXPECT_EQ(w.grbResults->title().toStdString(), c.caption);
        EXPECT_TRUE(w.grbResults->font().bold());
        EXPECT_FALSE(w.fraResults1->CaptionLabel(1)->font().bold());
        EXPECT_EQ(w.grbResults->height(), std::min(40 + 24 * c.rows, w.ClientHeight() - (w.grbResults->y() +
                                                                                        w.pnlButtons->height() +
                                                                                        w.StatusBar1->height() + 20)));
        EXPECT_EQ(w.grbResults->y(), w.grbDecisionVariables->y() + w.grbDecisionVariables->height() + 10);
        for (int r = 1; r <= static_cast<int>(w.Results()->Count()); ++r) {
            auto *p = static_cast<TParameter *>(w.Results()->GetItem(r));
            EXPECT_EQ(p->Category(), pcResult);
            EXPECT_TRUE(p->Active());
        }
    }
}

TEST_F(UiFixture, AfterACalculationTheInputsAreLockedAndEscStepsBack)
{
    TfrmDesignWindow &w = Open(imBasin);
    ClickMenu(w, {"mniCalculation", "mniN1Flowrate"});
    PressKey(w, Qt::Key_F2);
    ASSERT_FALSE(w.grbResults->isHidden());
    EXPECT_FALSE(w.fraDecisionVariables1->Edit(1)->isEnabled());
    EXPECT_FALSE(w.fraFieldParameters1->Edit(1)->isEnabled());
    EXPECT_EQ(Status(0), "F3 Graph   F4 Save");
    EXPECT_TRUE(w.bbtGraph->isEnabled());
    EXPECT_TRUE(w.bbtSaveRun->isEnabled());
    EXPECT_FALSE(w.bbtCalculate->isEnabled());
    EXPECT_TRUE(Run().Calculated());
    EXPECT_EQ(w.LastCalculatedRun(), 1);
    // The mode-1 list stays while the menu offers the cutoff time next.
    EXPECT_TRUE(w.mniN3Cutofftime->isChecked());
    EXPECT_EQ(ResultRows().size(), 7u);
    // A second F2 does nothing now.
    PressKey(w, Qt::Key_F2);
    EXPECT_TRUE(w.mniN3Cutofftime->isChecked());

    PressKey(w, Qt::Key_Escape);
    EXPECT_TRUE(w.mniN1Flowrate->isChecked());
    EXPECT_TRUE(w.grbResults->isHidden());
    EXPECT_TRUE(w.fraDecisionVariables1->Edit(1)->isEnabled());
    EXPECT_FALSE(Run().Calculated());
    EXPECT_EQ(Status(0), "F2 Calculate");
    EXPECT_TRUE(w.bbtCalculate->isEnabled());
    EXPECT_FALSE(w.bbtGraph->isEnabled());
}

TEST_F(UiFixture, F2WhileAnOutOfRangeValueIsTypedCalculatesWithTheFormerValue)
{
    TfrmDesignWindow &w = Open(imBorder);
    ClickMenu(w, {"mniCalculation", "mniN4Mindepth"});
    TypeInto(*w.fraDecisionVariables1->Edit(2), "9999");
    PressKey(w, Qt::Key_F2);
    ASSERT_GE(errors.Showings().size(), 1u);
    EXPECT_EQ(errors.Showings()[0].text.substr(0, 41), "The Border length, input is out of bounds");
    EXPECT_EQ(w.fraDecisionVariables1->Edit(2)->text(), "150");
    EXPECT_FALSE(w.grbResults->isHidden());
    EXPECT_EQ(Parameter("BasinLength").GetValue(), 150);
}

// A field parameter typed out of range and taken back: the calculation that follows gives
// what it gave with the former value.
TEST_F(UiFixture, F2AfterAFieldValueWasTakenBackCalculatesWithTheFormerValue)
{
    struct Case {
        TIrrigationModule module;
        const char *mode;
        int row;  // the flow resistance's field row
        const char *typed;
    };
    const Case cases[] = {{imBasin, "mniN3Cutofftime", 2, "5"},
                          {imBorder, "mniN4Mindepth", 2, "0.9"},
                          {imFurrow, "mniN4Mindepth", 3, "0.9"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.module);
        TfrmDesignWindow &w = Open(c.module);
        ClickMenu(w, {"mniCalculation", c.mode});
        PressKey(w, Qt::Key_F2);
        ASSERT_FALSE(w.grbResults->isHidden());
        const std::vector<std::string> former = ResultRows();
        PressKey(w, Qt::Key_Escape);  // back to the inputs of the same run
        QLineEdit *edit = w.fraFieldParameters1->Edit(c.row);
        const QString text = edit->text();
        const std::size_t warnings = errors.Showings().size();
        TypeInto(*edit, c.typed);
        PressKey(w, Qt::Key_F2);
        ASSERT_EQ(errors.Showings().size(), warnings + 1);
        EXPECT_EQ(errors.Showings().back().text.substr(0, 38), "The Flow resistance, input is out of b");
        EXPECT_EQ(edit->text(), text);
        ASSERT_FALSE(w.grbResults->isHidden());
        EXPECT_EQ(ResultRows(), former);
    }
}

// The basin engine takes k in mm per min^A: the same k typed in another depth or time unit
// gives the same results.
TEST_F(UiFixture, TheBasinCalculatesTheSameFieldAlikeWhateverTheUnitOfK)
{
    struct Case {
        const char *depth;
        const char *time;
        const char *requiredDepth;  // 76.2 mm, which every depth unit shows exactly
        std::string k;       // 2.54 mm/min^A in the case's unit, with A 0.706
    };
    const Case cases[] = {{"mnimillimetres", "mniminutes", "76.2", "2.54"},
                          {"mnicentimeters", "mniminutes", "7.62", "0.254"},
                          {"mniinches", "mniminutes", "3", "0.1"},
                          {"mniinches", "mnihours", "3", FloatToStr(0.1 * std::pow(60.0, 0.706))}};
    std::vector<double> expected;
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.depth) + " " + c.time);
        TfrmDesignWindow &w = Open(imBasin);
        ClickMenu(w, {"mniInfiltration", "mniKostiakovequation"});
        ClickMenu(w, {"mniUnits", "mniDepth", c.depth});
        ClickMenu(w, {"mniUnits", "mniTime", c.time});
        ClickMenu(w, {"mniCalculation", "mniN3Cutofftime"});
        ASSERT_EQ(w.fraFieldParameters1->Edit(1)->text(), "0.706");
        TypeInto(*w.fraFieldParameters1->Edit(2), c.k);
        // The depth too: its shown text, rounded in inches, would be another depth.
        ASSERT_EQ(static_cast<TParameter *>(w.FieldParameters()->GetItem(4))->Name(), "RequiredDepth");
        TypeInto(*w.fraFieldParameters1->Edit(4), c.requiredDepth);
        PressKey(w, Qt::Key_F2);
        ASSERT_FALSE(w.grbResults->isHidden());
        ASSERT_TRUE(errors.Showings().empty());
        std::vector<double> results;  // stored values: mm, m and minutes whatever is shown
        for (int i = 1; i <= w.Results()->Count(); ++i)
            results.push_back(static_cast<TParameter *>(w.Results()->GetItem(i))->GetValue());
        if (expected.empty()) {
            expected = results;
            continue;
        }
        ASSERT_EQ(results.size(), expected.size());
        for (std::size_t i = 0; i < results.size(); ++i)
            EXPECT_NEAR(results[i], expected[i], 1e-6 * std::max(1.0, std::fabs(expected[i]))) << "result " << i;
    }
}

TEST_F(UiFixture, AFailedCalculationKeepsTheInputScreen)
{
    TfrmDesignWindow &w = Open(imFurrow);
    ClickMenu(w, {"mniCalculation", "mniN4Mindepth"});
    PressKey(w, Qt::Key_F2);
    ASSERT_FALSE(w.grbResults->isHidden());
    const int listed = w.Results()->Count();
    PressKey(w, Qt::Key_Escape);
    // A flow far too small to reach the end of the furrow.
    TypeInto(*w.fraDecisionVariables1->Edit(1), "0.02");
    const std::size_t before = errors.Showings().size();
    PressKey(w, Qt::Key_F2);
    ASSERT_GT(errors.Showings().size(), before);
    EXPECT_EQ(errors.Showings().back().kind, ekError);
    EXPECT_TRUE(w.grbResults->isHidden());
    EXPECT_TRUE(w.CalculateEnabled());
    EXPECT_TRUE(w.fraDecisionVariables1->Edit(1)->isEnabled());
    EXPECT_FALSE(Run().Calculated());
    EXPECT_EQ(w.Results()->Count(), listed);
}

// The engine refuses a run and the focus stays in the edit the user typed into: what is typed
// there next is what the next F2 calculates with, and Esc takes the edit back to what the run
// holds, not to an older text.
TEST_F(UiFixture, AValueTypedAfterARefusedCalculationIsTheOneTheNextF2Takes)
{
    struct Case {
        TIrrigationModule module;
        int row;  // the cutoff time's decision row in mode 4
        const char *accepted;
    };
    const Case cases[] = {{imBasin, 4, "60"}, {imBorder, 4, "480"}, {imFurrow, 3, "600"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(int(c.module));
        TfrmDesignWindow &w = Open(c.module);
        ClickMenu(w, {"mniCalculation", "mniN4Mindepth"});
        QLineEdit *cutoff = w.fraDecisionVariables1->Edit(c.row);
        // Ten minutes bring no front to the end of the shipped fields.
        TypeInto(*cutoff, "10");
        std::size_t shown = errors.Showings().size();
        PressKey(w, Qt::Key_F2);
        ASSERT_EQ(errors.Showings().size(), shown + 1);
        ASSERT_TRUE(w.grbResults->isHidden());
        ASSERT_EQ(Parameter("CutoffTime").GetValue(), 10);
        ASSERT_EQ(QApplication::focusWidget(), cutoff);

        TypeInto(*cutoff, "300");
        PressKey(w, Qt::Key_Escape);
        EXPECT_EQ(cutoff->text(), "10");
        EXPECT_EQ(Parameter("CutoffTime").GetValue(), 10);

        TypeInto(*cutoff, c.accepted);
        shown = errors.Showings().size();
        PressKey(w, Qt::Key_F2);
        EXPECT_EQ(errors.Showings().size(), shown);
        EXPECT_FALSE(w.grbResults->isHidden());
        EXPECT_EQ(Parameter("CutoffTime").GetValue(), std::stod(c.accepted));
        EXPECT_TRUE(Run().Calculated());
    }
}

TEST_F(UiFixture, F3ShowsTheChartsOfTheLastCalculationAndEscReturns)
{
    for (TIrrigationModule module : {imBasin, imBorder}) {
        SCOPED_TRACE(int(module));
        TfrmDesignWindow &w = Open(module);
        ClickMenu(w, {"mniCalculation", "mniN3Cutofftime"});
        PressKey(w, Qt::Key_F3);
        EXPECT_TRUE(w.sbxGraph->isHidden());  // nothing calculated yet
        // The edit typed into keeps the focus until the charts hide it.
        TypeInto(*w.fraDecisionVariables1->Edit(1), "30");
        PressKey(w, Qt::Key_F2);
        PressKey(w, Qt::Key_F3);
        ASSERT_FALSE(w.sbxGraph->isHidden());
        EXPECT_TRUE(w.sbxCalculation->isHidden());
        TfraGraphGrid *view = w.fraGraphGrid1;
        EXPECT_EQ(view->pgcGraphGrid->currentWidget(), view->tshGraph);
        EXPECT_FALSE(view->TableTabVisible());
        EXPECT_FALSE(view->bbtDeleteRun->isEnabled());
        EXPECT_GT(view->chrtTimes->SeriesCount(), 0);
        EXPECT_EQ(view->chrtDepths->SeriesCount(), 5);
        PressKey(w, Qt::Key_Escape);
        EXPECT_TRUE(w.sbxGraph->isHidden());
        EXPECT_FALSE(w.grbResults->isHidden());
        PressKey(w, Qt::Key_Escape);
        EXPECT_TRUE(w.grbResults->isHidden());
        EXPECT_TRUE(w.CalculateEnabled());
    }
}

TEST_F(UiFixture, F3FollowsTheLastRunOnly)
{
    TfrmDesignWindow &w = Open(imBasin);
    ClickMenu(w, {"mniCalculation", "mniN3Cutofftime"});
    PressKey(w, Qt::Key_F2);
    ASSERT_TRUE(Run().Calculated());
    Run().SetSaved(true);
    ClickMenu(w, {"mniCalculation", "mniN3Cutofftime"});  // run 2, not calculated
    ASSERT_EQ(w.DataSet()->CurrentRun(), 2);
    PressKey(w, Qt::Key_F3);
    EXPECT_TRUE(w.sbxGraph->isHidden());
    EXPECT_FALSE(w.GraphEnabled());
}
