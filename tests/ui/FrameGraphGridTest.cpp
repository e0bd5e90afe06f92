#include "FixedStringGrid.h"
#include "FrameGraphGrid.h"
#include "NumberText.h"
#include "TChart.h"

#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

TEST(TfraGraphGrid, ButtonRowAsDesigned)
{
    struct Button {
        QPushButton *const TfraGraphGrid::*button;
        const char *caption;
        int left;
    };
    const Button kButtons[] = {
        {&TfraGraphGrid::btbtnSaveTimeChart, "&Export", 6},
        {&TfraGraphGrid::btbtnPrintTimeChart, "&Print", 102},
        {&TfraGraphGrid::btbtnCopyTimeChart, "&Clipboard", 198},
        {&TfraGraphGrid::bbtDeleteRun, "&Delete Run", 296},
        {&TfraGraphGrid::bbtClose, "C&lose", 392},
    };
    TfraGraphGrid frame;
    EXPECT_EQ(frame.font().pixelSize(), 13);
    EXPECT_EQ(frame.pnlButtons->height(), 41);
    // The designed 91 pixels unless the caption and glyph need more in this font; a wider
    // button moves the ones after it, the gaps stay.
    int shift = 0;
    for (const Button &design : kButtons) {
        SCOPED_TRACE(design.caption);
        const QPushButton *button = frame.*design.button;
        EXPECT_EQ(button->text(), design.caption);
        EXPECT_FALSE(button->icon().isNull());
        const int width = std::max(91, button->sizeHint().width());
        EXPECT_EQ(button->geometry(), QRect(design.left + shift, 8, width, 25));
        shift += width - 91;
    }
    EXPECT_FALSE(frame.bbtDeleteRun->isHidden());
    EXPECT_FALSE(frame.bbtDeleteRun->isEnabled());
    EXPECT_TRUE(frame.btbtnCopyTimeChart->isEnabled());
    EXPECT_EQ(frame.pgcGraphGrid->tabText(0), "&Graph");
    EXPECT_EQ(frame.pgcGraphGrid->tabText(1), "&Table");
    EXPECT_EQ(frame.pgcGraphGrid->widget(0), frame.tshGraph);
    EXPECT_EQ(frame.pgcGraphGrid->widget(1), frame.tshTable);
}

TEST(TfraGraphGrid, RunsGridAsDesigned)
{
    TfraGraphGrid frame;
    const TFixedStringGrid *grid = frame.stgIrrigationRuns;
    EXPECT_EQ(grid->ColCount(), 100);
    EXPECT_EQ(grid->RowCount(), 60);
    EXPECT_EQ(grid->rowHeight(0), 24);
    EXPECT_EQ(grid->rowHeight(59), 24);
    EXPECT_EQ(grid->FixedRows(), 1);
    EXPECT_EQ(grid->FixedCols(), 1);
    EXPECT_EQ(grid->selectionBehavior(), QAbstractItemView::SelectItems);
    EXPECT_EQ(grid->selectionMode(), QAbstractItemView::ContiguousSelection);
    EXPECT_TRUE(grid->showGrid());
    EXPECT_TRUE(grid->horizontalHeader()->isHidden());
}

TEST(TfraGraphGrid, EachChartGetsHalfThePanelWithTiesToEven)
{
    struct Case {
        int panelHeight, chartHeight;
    };
    const Case kCases[] = {{465, 232}, {467, 234}, {466, 233}, {1, 0}};
    TfraGraphGrid frame;
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.panelHeight);
        frame.Panel1->resize(640, c.panelHeight);
        frame.Panel1Resize();
        EXPECT_EQ(frame.chrtTimes->geometry(), QRect(0, 0, 640, c.chartHeight));
        EXPECT_EQ(frame.chrtDepths->geometry(), QRect(0, c.panelHeight - c.chartHeight, 640, c.chartHeight));
    }
}

class TfraGraphGridPages : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame.resize(800, 600);
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    }
    void ExpectTableButtons()
    {
        EXPECT_TRUE(frame.bbtDeleteRun->isEnabled());
        EXPECT_FALSE(frame.btbtnCopyTimeChart->isEnabled());
    }
    void ExpectGraphButtons()
    {
        EXPECT_FALSE(frame.bbtDeleteRun->isEnabled());
        EXPECT_TRUE(frame.btbtnCopyTimeChart->isEnabled());
    }
    void ClickTab(int index)
    {
        QTabBar *bar = frame.pgcGraphGrid->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    TfraGraphGrid frame;
};

TEST_F(TfraGraphGridPages, ResizingTheViewSplitsTheGraphPageBetweenTheCharts)
{
    for (const QSize size : {QSize(800, 600), QSize(700, 673), QSize(900, 512)}) {
        SCOPED_TRACE(size.height());
        frame.resize(size);
        QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const QSize panel = frame.Panel1->size();
        ASSERT_EQ(panel, frame.ScrollBox1->viewport()->size());
        const int half = static_cast<int>(Round(panel.height() / 2.0));
        EXPECT_EQ(frame.chrtTimes->geometry(), QRect(0, 0, panel.width(), half));
        EXPECT_EQ(frame.chrtDepths->geometry(), QRect(0, panel.height() - half, panel.width(), half));
    }
}

TEST_F(TfraGraphGridPages, APageSetByTheProgramEnablesItsButtonsButRaisesNoChange)
{
    QSignalSpy changes(&frame, &TfraGraphGrid::pgcGraphGridChange);
    frame.ActivatePage(frame.tshTable);
    EXPECT_EQ(frame.ActivePage(), frame.tshTable);
    ExpectTableButtons();
    frame.ActivatePage(frame.tshGraph);
    ExpectGraphButtons();
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(TfraGraphGridPages, TheUsersSwitchRaisesTheChangeAfterThePageShowed)
{
    QSignalSpy changes(&frame, &TfraGraphGrid::pgcGraphGridChange);
    bool tableButtonsAtChange = false;
    QObject::connect(&frame, &TfraGraphGrid::pgcGraphGridChange, &frame,
                     [&] { tableButtonsAtChange = frame.bbtDeleteRun->isEnabled(); });
    ClickTab(1);
    EXPECT_EQ(frame.ActivePage(), frame.tshTable);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_TRUE(tableButtonsAtChange);
    ExpectTableButtons();

    // The keys on the tab bar switch back.
    QTest::keyClick(frame.pgcGraphGrid->tabBar(), Qt::Key_Left);
    EXPECT_EQ(frame.ActivePage(), frame.tshGraph);
    EXPECT_EQ(changes.count(), 2);
    ExpectGraphButtons();

    // A click on the tab already active changes nothing.
    ClickTab(0);
    EXPECT_EQ(changes.count(), 2);

    // The tab's mnemonic.
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(&frame, Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(frame.ActivePage(), frame.tshTable);
    EXPECT_EQ(changes.count(), 3);
}

TEST_F(TfraGraphGridPages, HidingTheActiveTableTabShowsTheGraphWithoutAChange)
{
    frame.ActivatePage(frame.tshTable);
    QSignalSpy changes(&frame, &TfraGraphGrid::pgcGraphGridChange);
    frame.SetTableTabVisible(false);
    EXPECT_FALSE(frame.TableTabVisible());
    EXPECT_EQ(frame.ActivePage(), frame.tshGraph);
    ExpectGraphButtons();
    // Only the Graph tab is left to the user, by keys and mnemonic too.
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(frame.pgcGraphGrid->tabBar(), Qt::Key_Right);
    QTest::keyClick(frame.pgcGraphGrid, Qt::Key_Tab, Qt::ControlModifier);
    QTest::keyClick(&frame, Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(frame.ActivePage(), frame.tshGraph);

    frame.SetTableTabVisible(true);
    frame.ActivatePage(frame.tshTable);
    EXPECT_TRUE(frame.TableTabVisible());
    ExpectTableButtons();
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(TfraGraphGridPages, ShowingTheViewAgainRunsTheActivePagesHandler)
{
    frame.ActivatePage(frame.tshTable);
    frame.hide();
    frame.bbtDeleteRun->setEnabled(false);
    frame.btbtnCopyTimeChart->setEnabled(true);
    frame.show();
    ExpectTableButtons();
}
