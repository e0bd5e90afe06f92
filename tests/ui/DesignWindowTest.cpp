// The design window's frame: its menu bar, the screen states and the key dispatcher, driven
// with real keys, clicks and menus.
#include "UiDriver.h"

#include "FrameDecisionVariables.h"
#include "FrameFieldParameters.h"
#include "FrameGraphGrid.h"
#include "FrameResults.h"
#include "TStatusBar.h"
#include "uIrrigationDataSet.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>

namespace {

bool Shown(const QWidget *w) { return !w->isHidden(); }

struct Item {
    const char *name;
    const char *caption;
    const char *hint;
    int help[3];
    int group;
};

}  // namespace

TEST_F(UiFixture, MenuBarItemsCarryTheirCaptionsHintsGroupsAndHelpContexts)
{
    const Item items[] = {
        {"mniFiles", "&Files", "Files | Load, view or print a file", {0, 0, 0}, 1},
        {"mniLoad", "&Load", "Load | Load an existing file for editing/calculatin", {0, 0, 0}, 11},
        {"mniView", "&View / &Print", "View | View a file", {0, 0, 0}, 11},
        {"Help1", "&Help", "", {0, 0, 0}, 11},
        {"mniExit", "E&xit", "", {0, 0, 0}, 11},
        {"mniOperation", "&Operation", "Operation | Select fixed flow operation", {-1, 2100, 3100}, 1},
        {"mniInfiltration", "&Infiltration", "Infiltration | Select infiltration option", {1100, 2200, -1}, 1},
        {"mniParameters", "&Parameters", "Parameters | Select parameters for Geometry and Infiltration", {-1, -1, 3200}, 1},
        {"mniCalculation", "&Calculation", "Calculation | Select mode, perform calculations, see results", {1200, 2300, 3500}, 1},
        {"mniN1Flowrate", "&1. Flow rate", "Mode 1 | Select calculation mode 1", {1210, 2310, 3510}, 41},
        {"mniN2Dimensions", "&2. Dimensions", "Mode 2 | Select calculation mode 2", {1220, 2320, 3520}, 41},
        {"mniN3Cutofftime", "&3. Cutoff time", "Mode 3 | Select calculation mode 3", {1230, 2330, 3530}, 41},
        {"mniN4Mindepth", "&4. Min. depth", "Mode 4 | Select calculation mode 4", {1240, 2340, 3540}, 41},
    };
    const char *quitHints[] = {"Quit | Exit Pondix", "Quit | Exit Striva", "Quit | Exit Rillox"};
    const std::vector<std::string> bars[] = {{"&Files", "Units", "&Infiltration", "&Calculation", "&Quit"},
                                             {"&Files", "&Operation", "&Units", "&Infiltration", "&Calculation", "&Quit"},
                                             {"&Files", "&Operation", "&Units", "&Parameters", "&Calculation", "&Quit"}};
    for (TIrrigationModule module : {imBasin, imBorder, imFurrow}) {
        SCOPED_TRACE(int(module));
        TfrmDesignWindow &w = Open(module);
        std::vector<std::string> bar;
        for (QAction *a : w.menuBar()->actions())
            bar.push_back(a->text().toStdString());
        EXPECT_EQ(bar, bars[module]);
        for (const Item &item : items) {
            SCOPED_TRACE(item.name);
            auto *a = w.findChild<QAction *>(item.name);
            if (item.help[module] < 0) {
                EXPECT_EQ(a, nullptr);
                continue;
            }
            ASSERT_NE(a, nullptr);
            EXPECT_EQ(a->text().toStdString(), item.caption);
            EXPECT_EQ(HintOf(a), item.hint);
            EXPECT_EQ(HelpContextOf(a), item.help[module]);
            EXPECT_EQ(GroupIndexOf(a), item.group);
        }
        EXPECT_EQ(HintOf(w.mniQuit), quitHints[module]);
        EXPECT_TRUE(w.mniN1Flowrate->isChecked());
        EXPECT_EQ(Status(0), "F1 Help");
    }
}

TEST_F(UiFixture, EscStepsBackOneLevelAtATime)
{
    TfrmDesignWindow &w = Open(imBorder);
    // Nothing to step back from.
    PressKey(w, Qt::Key_Escape);
    EXPECT_FALSE(w.InputActive());
    EXPECT_EQ(Status(0), "F1 Help");

    ClickMenu(w, {"mniCalculation", "mniN3Cutofftime"});
    ASSERT_TRUE(Shown(w.grbFieldParameters));
    ASSERT_TRUE(w.InputActive());
    QLineEdit *edit = w.fraDecisionVariables1->Edit(1);
    const QString former = edit->text();
    TypeInto(*edit, "77");
    ASSERT_TRUE(w.Editing());
    // a: the edit gets back the text it had when it got the focus, and keeps the focus.
    PressKey(w, Qt::Key_Escape);
    EXPECT_EQ(edit->text(), former);
    EXPECT_EQ(QApplication::focusWidget(), edit);
    EXPECT_FALSE(w.Editing());
    // b: the information table goes.
    w.grbExtraInformation->show();
    PressKey(w, Qt::Key_Escape);
    EXPECT_FALSE(Shown(w.grbExtraInformation));
    EXPECT_TRUE(Shown(w.grbFieldParameters));
    // f: the input screen goes.
    PressKey(w, Qt::Key_Escape);
    EXPECT_FALSE(Shown(w.grbFieldParameters));
    EXPECT_FALSE(Shown(w.grbDecisionVariables));
    EXPECT_FALSE(w.InputActive());
    EXPECT_FALSE(w.CalculateEnabled());
    EXPECT_FALSE(w.bbtCalculate->isEnabled());
    EXPECT_EQ(Status(0), "F1 Help");
}

TEST_F(UiFixture, FunctionKeysDoNothingWhileTheirStepIsOff)
{
    TfrmDesignWindow &w = Open(imBasin);
    for (int key : {Qt::Key_F2, Qt::Key_F3, Qt::Key_F4}) {
        PressKey(w, key);
        EXPECT_FALSE(Shown(w.grbResults));
        EXPECT_FALSE(Shown(w.sbxGraph));
        EXPECT_TRUE(dialogs.Messages().empty());
        EXPECT_TRUE(dialogs.FileDialogs().empty());
        EXPECT_TRUE(errors.Showings().empty());
    }
}

TEST_F(UiFixture, BasinActsAsAKeyGoesDownOthersAsItComesUp)
{
    for (TIrrigationModule module : {imBasin, imBorder, imFurrow}) {
        SCOPED_TRACE(int(module));
        TfrmDesignWindow &w = Open(module);
        ClickMenu(w, {"mniCalculation", "mniN4Mindepth"});
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(KeyTarget(w), &down);
        EXPECT_EQ(w.InputActive(), module != imBasin);
        QKeyEvent up(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(KeyTarget(w), &up);
        EXPECT_FALSE(w.InputActive());
    }
}

TEST_F(UiFixture, AReleaseWhosePressWentElsewhereDoesNothing)
{
    // Esc closes a dialog as it goes down; its release then reaches the window below.
    TfrmDesignWindow &w = Open(imFurrow);
    ClickMenu(w, {"mniCalculation", "mniN1Flowrate"});
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(KeyTarget(w), &up);
    EXPECT_TRUE(w.InputActive());
}

TEST_F(UiFixture, AHeldKeyRepeatsInTheBasinOnly)
{
    for (TIrrigationModule module : {imBasin, imBorder}) {
        SCOPED_TRACE(int(module));
        TfrmDesignWindow &w = Open(module);
        ClickMenu(w, {"mniCalculation", "mniN4Mindepth"});
        TypeInto(*w.fraDecisionVariables1->Edit(1), "12");
        // The first Esc restores the edit, a repeated one leaves the input screen.
        RepeatKey(w, Qt::Key_Escape, 1);
        EXPECT_EQ(w.InputActive(), module != imBasin);
        EXPECT_FALSE(w.Editing());
    }
}

TEST_F(UiFixture, ARightClickActsAsEscOnTheNamedAreasOnly)
{
    TfrmDesignWindow &w = Open(imBasin);
    struct Area {
        QWidget *widget;
        bool steps;
    };
    const Area areas[] = {{w.pnlButtons, true},
                          {w.Panel1, true},
                          {w.Panel2, true},
                          {w.grbFieldParameters, true},
                          {w.grbDecisionVariables, true},
                          {w.fraFieldParameters1, true},
                          {w.fraDecisionVariables1, true},
                          {w.grbExtraInformation, false}};
    for (const Area &area : areas) {
        SCOPED_TRACE(area.widget->objectName().toStdString());
        ClickMenu(w, {"mniCalculation", "mniN3Cutofftime"});
        ASSERT_TRUE(w.InputActive());
        if (area.widget == w.grbExtraInformation)
            area.widget->show();
        RightClick(*area.widget, QPoint(3, 3));
        // From the input screen Esc leaves it.
        EXPECT_EQ(w.InputActive(), !area.steps);
        if (!area.steps) {
            EXPECT_TRUE(Shown(w.grbExtraInformation));
        }
    }
}

TEST_F(UiFixture, TheResultsBoxFillsTheRoomUnderTheDecisionBox)
{
    TfrmDesignWindow &w = Open(imBorder);
    w.resize(800, 600 + w.menuBar()->height());
    QTest::qWait(0);
    ASSERT_EQ(w.ClientHeight(), 600);
    w.grbDecisionVariables->setGeometry(10, 8, w.grbDecisionVariables->width(), 179);
    TAssociationList many;
    TParameters *parameters = Run().GetParameters();
    std::unique_ptr<TIterator> it(parameters->CreateParameterIterator());
    for (int i = 0; i < 20 && !it->IsDone(); ++i)
        many.Add(it->Next());
    w.fraResults1->Display(&many);
    w.FormResize();
    EXPECT_EQ(w.grbResults->y(), 197);
    const int room = 600 - (197 + w.pnlButtons->height() + w.StatusBar1->height() + 20);
    EXPECT_EQ(w.grbResults->height(), room);
    // A short list asks for less.
    TAssociationList few;
    few.Add(parameters->FindParameter("FlowRate"));
    w.fraResults1->Display(&few);
    w.FormResize();
    EXPECT_EQ(w.grbResults->height(), 64);
}

TEST_F(UiFixture, OpeningAMenuClearsTheScreenButKeepsTheKeys)
{
    TfrmDesignWindow &w = Open(imFurrow);
    ClickMenu(w, {"mniCalculation", "mniN3Cutofftime"});
    ASSERT_TRUE(w.bbtCalculate->isEnabled());
    OpenAndCloseMenu(w, "mniUnits");
    EXPECT_FALSE(Shown(w.grbFieldParameters));
    EXPECT_FALSE(Shown(w.grbDecisionVariables));
    EXPECT_FALSE(w.bbtCalculate->isEnabled());
    EXPECT_TRUE(w.InputActive());
    EXPECT_TRUE(w.CalculateEnabled());
}

TEST_F(UiFixture, TheStatusLineShowsTheLongPartOfAHint)
{
    TfrmDesignWindow &w = Open(imBasin);
    w.DisplayHint("Files | Load, view or print a file");
    EXPECT_EQ(Status(1), " Load, view or print a file");
    w.DisplayHint("no bar");
    EXPECT_EQ(Status(1), "no bar");
    // Highlighting a menu item shows its hint.
    QTest::mouseClick(w.menuBar(), Qt::LeftButton, {}, w.menuBar()->actionGeometry(w.mniCalculation).center());
    QMenu *menu = w.mniCalculation->menu();
    ASSERT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }));
    QTest::mouseMove(menu, menu->actionGeometry(w.mniN2Dimensions).center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return Status(1) == " Select calculation mode 2"; }));
    QTest::keyClick(menu, Qt::Key_Escape);
}

TEST_F(UiFixture, ExitAndQuitCloseTheWindow)
{
    TfrmDesignWindow &first = Open(imBorder);
    ClickMenu(first, {"mniFiles", "mniExit"});
    EXPECT_FALSE(first.isVisible());
    TfrmDesignWindow &second = Open(imBorder);
    ClickMenu(second, {"mniQuit"});
    EXPECT_FALSE(second.isVisible());
}

TEST_F(UiFixture, AClickOnTheBasinStatusBarShowsTheLeftPanelWidth)
{
    for (TIrrigationModule module : {imBasin, imFurrow}) {
        dialogs.Clear();
        TfrmDesignWindow &w = Open(module);
        QTest::mouseClick(w.StatusBar1, Qt::LeftButton);
        if (module == imBasin) {
            ASSERT_EQ(dialogs.Texts().size(), 1u);
            EXPECT_EQ(dialogs.Texts()[0], std::to_string(w.Panel1->width()));
            EXPECT_EQ(w.Panel1->width(), 400);
        } else {
            EXPECT_TRUE(dialogs.Texts().empty());
        }
    }
}
