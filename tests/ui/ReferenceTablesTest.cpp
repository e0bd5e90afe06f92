// F1 in a field edit: the reference table that belongs to it in the checked units, and a
// picked row copied into the edits; F1 on a menu item and Files > Help.
#include "UiDriver.h"

#include "FixedStringGrid.h"
#include "FrameFieldParameters.h"
#include "FrameInfo.h"
#include "HelpRecorder.h"
#include "HelpSystem.h"
#include "ExecutableFolder.h"
#include "uIrrigationDataSet.h"

#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QApplication>
#include <QFontMetrics>
#include <QScrollBar>
#include <QTest>

namespace {

class ReferenceTables : public UiFixture {
protected:
    // F1 in the field edit of a row, as the user presses it there.
    void F1In(TfrmDesignWindow &w, int row)
    {
        QTest::mouseClick(w.fraFieldParameters1->Edit(row), Qt::LeftButton);
        PressKey(w, Qt::Key_F1);
    }
    // A click on a data row of the information table.
    void Pick(TfrmDesignWindow &w, int row)
    {
        TStringGrid *grid = w.fraInfo1->stgInformation;
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(row, 0)).center());
    }
    std::string Cell(TfrmDesignWindow &w, int col, int row) { return w.fraInfo1->stgInformation->Cells(col, row); }
    std::string Edit(TfrmDesignWindow &w, int row)
    {
        return w.fraFieldParameters1->Edit(row)->text().toStdString();
    }
};

}  // namespace

TEST_F(ReferenceTables, TheTimeRatedTableFollowsTheUnitsAndAPickFillsT100)
{
    TfrmDesignWindow &w = Open(imBasin);
    ClickMenu(w, {"mniInfiltration", "mniTimeratedfamilies"});
    ClickMenu(w, {"mniUnits", "mniTime", "mnihours"});
    ClickMenu(w, {"mniUnits", "mniDepth", "mnicentimeters"});
    ClickMenu(w, {"mniCalculation", "mniN3Cutofftime"});
    F1In(w, 1);
    ASSERT_FALSE(w.grbExtraInformation->isHidden());
    EXPECT_EQ(w.grbExtraInformation->title(), " Time-rated families ");
    EXPECT_EQ(Cell(w, 0, 1), "T100(hr)");
    EXPECT_EQ(Cell(w, 2, 1), "k(cm/hr^A)");  // index 25
    EXPECT_EQ(w.grbExtraInformation->y(), w.grbFieldParameters->y() + w.grbFieldParameters->height() + 10);
    EXPECT_EQ(w.grbExtraInformation->height(), 240);
    EXPECT_EQ(w.InfoShown(), (std::array<bool, 3>{true, false, false}));
    Pick(w, 5);
    EXPECT_EQ(Edit(w, 1), "4");
    EXPECT_NEAR(Parameter("TimeRatedT100").GetValue(), 240, 1e-9);  // validated into minutes
}

// The table opens from the A edit and from the k edit; a pick from either writes A into the
// A edit and k into the k edit.
TEST_F(ReferenceTables, AKostiakovPickWritesBothAAndK)
{
    struct Case {
        int row;
        std::array<bool, 3> flags;
    };
    for (const Case &c : {Case{2, {false, true, false}}, Case{1, {true, false, false}}}) {
        SCOPED_TRACE(c.row);
        TfrmDesignWindow &w = Open(imBasin);
        ClickMenu(w, {"mniInfiltration", "mniKostiakovequation"});
        ClickMenu(w, {"mniUnits", "mniDepth", "mnicentimeters"});
        ClickMenu(w, {"mniCalculation", "mniN3Cutofftime"});
        F1In(w, c.row);
        EXPECT_EQ(Cell(w, 1, 0), "k (cm/min^A)");  // index 32
        EXPECT_EQ(w.InfoShown(), c.flags);
        Pick(w, 5);
        EXPECT_EQ(Edit(w, 1), "0.718");
        EXPECT_EQ(Edit(w, 2), "0.36");  // 3.56 / 10 with two decimals
        EXPECT_TRUE(errors.Showings().empty());
        EXPECT_DOUBLE_EQ(Parameter("KostiakovA").GetValue(), 0.718);
        EXPECT_DOUBLE_EQ(Parameter("Kostiakovk").GetDisplayValue(), 0.36);
    }
}

// Every table where the windows show it, at their default size: nothing lies beyond the
// grid's right edge, and no cell's text is wider than the part of its column the grid shows
// (a text wrapped onto more lines has each line within it and its row tall enough).
TEST_F(ReferenceTables, EveryTextOfEveryTableIsReadWholeAtTheDefaultSize)
{
    using Path = std::vector<const char *>;
    struct Case {
        TIrrigationModule module;
        std::vector<Path> menus;
        int row;
        int index;
    };
    const Path timeRated = {"mniInfiltration", "mniTimeratedfamilies"};
    const Path kostiakov = {"mniInfiltration", "mniKostiakovequation"};
    const Path cm = {"mniUnits", "mniDepth", "mnicentimeters"}, inch = {"mniUnits", "mniDepth", "mniinches"};
    const Path hours = {"mniUnits", "mniTime", "mnihours"};
    const Path parabolic = {"mniParameters", "mniGeometry", "mniCrossSection", "mniParabolic"};
    const Path sigmaTau = {"mniParameters", "mniGeometry", "mniSigma_Tau"};
    const Case cases[] = {
        {imBasin, {}, 1, 0},
        {imBasin, {}, 2, 1},
        {imBasin, {timeRated}, 1, 21},
        {imBasin, {timeRated, cm}, 1, 22},
        {imBasin, {timeRated, inch}, 1, 23},
        {imBasin, {timeRated, hours}, 1, 24},
        {imBasin, {timeRated, hours, cm}, 1, 25},
        {imBasin, {timeRated, hours, inch}, 1, 26},
        {imBasin, {kostiakov}, 2, 31},
        {imBasin, {kostiakov, cm}, 2, 32},
        {imBasin, {kostiakov, inch}, 1, 33},
        {imBasin, {kostiakov, hours}, 2, 34},
        {imBasin, {kostiakov, hours, cm}, 2, 35},
        {imBasin, {kostiakov, hours, inch}, 1, 36},
        {imBorder, {}, 1, 9},
        {imBorder, {}, 2, 1},
        {imFurrow, {}, 7, 9},
        {imFurrow, {parabolic}, 8, 9},
        {imFurrow, {sigmaTau}, 10, 9},
        {imFurrow, {}, 3, 1},
    };
    TfraInfo expected;
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::Message() << "module " << int(c.module) << ", table " << c.index);
        TfrmDesignWindow &w = Open(c.module);
        for (const Path &path : c.menus)
            ClickMenu(w, std::vector<std::string>(path.begin(), path.end()));
        ClickMenu(w, {"mniCalculation", "mniN4Mindepth"});
        F1In(w, c.row);
        ASSERT_FALSE(w.grbExtraInformation->isHidden());
        TFixedStringGrid &grid = *w.fraInfo1->stgInformation;
        ASSERT_TRUE(expected.ShowInfo(c.index));
        ASSERT_EQ(grid.RowCount(), expected.stgInformation->RowCount());
        ASSERT_EQ(grid.ColCount(), expected.stgInformation->ColCount());
        // The grid sets its scroll bars' ranges once the events are handled.
        QApplication::processEvents();
        EXPECT_EQ(grid.horizontalScrollBar()->maximum(), 0);
        const QFontMetrics metrics(grid.font());
        const int shown = grid.viewport()->width();
        for (int row = 0; row < grid.RowCount(); ++row) {
            for (int col = 0; col < grid.ColCount(); ++col) {
                const std::string text = grid.Cells(col, row);
                ASSERT_EQ(text, expected.stgInformation->Cells(col, row));
                if (text.empty())
                    continue;
                const int left = std::max(0, grid.columnViewportPosition(col));
                const int right = std::min(shown, grid.columnViewportPosition(col) + grid.columnWidth(col));
                const int room = grid.TextWidth(right - left);
                const QRect lines =
                    metrics.boundingRect(QRect(0, 0, std::max(room, 1), 1 << 16), Qt::TextWordWrap, QString::fromStdString(text));
                EXPECT_LE(lines.width(), room) << text;
                EXPECT_LE(lines.height(), grid.rowHeight(row) - 1) << text;
            }
        }
    }
}

TEST_F(ReferenceTables, OnlyTheFieldsWithATableOpenOne)
{
    struct Case {
        TIrrigationModule module;
        std::vector<const char *> path;  // an option to check first, if any
        int row;
        const char *caption;  // nullptr: the box stays hidden
        const char *firstCell;
    };
    const Case cases[] = {
        {imBorder, {"mniInfiltration", "mniKostiakovequation"}, 1, nullptr, ""},
        {imBorder, {"mniInfiltration", "mniKostiakovequation"}, 4, " Flow resistance (Rec. n-values) ", "n-values"},
        {imBorder, {}, 1, " SCS Intake families ", "Family #"},
        {imFurrow, {"mniParameters", "mniGeometry", "mniCrossSection", "mniParabolic"}, 8, " SCS Intake families ",
         "Family #"},
        {imFurrow, {"mniParameters", "mniGeometry", "mniCrossSection", "mniParabolic"}, 7, nullptr, ""},
        {imFurrow, {}, 3, " Flow resistance (Rec. n-values) ", "n-values"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.module) + " row " + std::to_string(c.row));
        TfrmDesignWindow &w = Open(c.module);
        if (c.path.size() == 2)
            ClickMenu(w, {c.path[0], c.path[1]});
        else if (c.path.size() == 4)
            ClickMenu(w, {c.path[0], c.path[1], c.path[2], c.path[3]});
        ClickMenu(w, {"mniCalculation", "mniN4Mindepth"});
        F1In(w, c.row);
        EXPECT_EQ(w.grbExtraInformation->isHidden(), c.caption == nullptr);
        if (c.caption) {
            EXPECT_EQ(w.grbExtraInformation->title().toStdString(), c.caption);
            EXPECT_EQ(Cell(w, 0, c.firstCell == std::string("n-values") ? 1 : 0), c.firstCell);
        }
    }
}

TEST_F(ReferenceTables, APickGoesIntoTheRowThatOwnsTheTable)
{
    TfrmDesignWindow &w = Open(imFurrow);
    ClickMenu(w, {"mniParameters", "mniGeometry", "mniCrossSection", "mniParabolic"});
    ClickMenu(w, {"mniCalculation", "mniN4Mindepth"});
    F1In(w, 8);
    Pick(w, 5);
    EXPECT_EQ(Edit(w, 8), "0.25");
    EXPECT_DOUBLE_EQ(Parameter("SCS #").GetValue(), 0.25);
    F1In(w, 3);
    Pick(w, 3);
    EXPECT_EQ(Edit(w, 3), "0.10");
    EXPECT_DOUBLE_EQ(Parameter("Flowresistance").GetValue(), 0.1);
    // Typing into an edit closes the table.
    QTest::mouseClick(w.fraFieldParameters1->Edit(1), Qt::LeftButton);
    EXPECT_TRUE(w.grbExtraInformation->isHidden());
}

// A top-level menu opened with the mouse highlights none of its items: F1 then asks for the
// help of the menu's title, in every window that has one.
TEST_F(ReferenceTables, F1OnAnOpenMenuWithNoItemHighlightedOpensItsTitlesHelp)
{
    HelpRecorder help;
    HelpSystem::SetFileName(ExecutableFolder() + "IRRIKAHELP.HLP");
    struct Case {
        TIrrigationModule module;
        std::vector<std::pair<const char *, int>> titles;
    };
    const Case kCases[] = {
        {imBasin, {{"mniInfiltration", 1100}, {"mniCalculation", 1200}}},
        {imBorder, {{"mniOperation", 2100}, {"mniInfiltration", 2200}, {"mniCalculation", 2300}}},
        {imFurrow, {{"mniOperation", 3100}, {"mniParameters", 3200}, {"mniCalculation", 3500}}},
    };
    for (const Case &c : kCases) {
        TfrmDesignWindow &w = Open(c.module);
        for (const auto &[name, context] : c.titles) {
            SCOPED_TRACE(name);
            help.Clear();
            auto *title = w.findChild<QAction *>(name);
            ASSERT_NE(title, nullptr);
            QTest::mouseClick(w.menuBar(), Qt::LeftButton, {}, w.menuBar()->actionGeometry(title).center());
            QMenu *menu = title->menu();
            ASSERT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }));
            ASSERT_EQ(menu->activeAction(), nullptr);
            QTest::keyClick(menu, Qt::Key_F1);
            QTest::keyClick(menu, Qt::Key_Escape);
            ASSERT_EQ(help.Requests().size(), 1u);
            EXPECT_EQ(help.Requests()[0].context, context);
        }
    }
    HelpSystem::SetFileName("");
}

TEST_F(ReferenceTables, F1OnAMenuItemOpensItsHelpAndFilesHelpTheContents)
{
    HelpRecorder help;
    HelpSystem::SetFileName(ExecutableFolder() + "IRRIKAHELP.HLP");
    TfrmDesignWindow &w = Open(imBorder);
    QTest::mouseClick(w.menuBar(), Qt::LeftButton, {}, w.menuBar()->actionGeometry(w.mniCalculation).center());
    QMenu *menu = w.mniCalculation->menu();
    ASSERT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }));
    QTest::mouseMove(menu, menu->actionGeometry(w.mniN2Dimensions).center());
    QTest::keyClick(menu, Qt::Key_F1);
    QTest::keyClick(menu, Qt::Key_Escape);
    ClickMenu(w, {"mniFiles", "Help1"});
    ASSERT_EQ(help.Requests().size(), 2u);
    EXPECT_EQ(help.Requests()[0].context, 2320);
    EXPECT_EQ(help.Requests()[1].topic, "Contents");
    HelpSystem::SetFileName("");
}
