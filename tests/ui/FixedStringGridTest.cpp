#include "FixedStringGrid.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <utility>

namespace {

// A runs-table-like grid: one fixed row, one fixed column, block selection.
class FixedGrid : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid.SetColCount(6);
        grid.SetRowCount(8);
        grid.SetFixedRows(1);
        grid.SetFixedCols(1);
        grid.SetDefaultRowHeight(24);
        grid.setSelectionMode(QAbstractItemView::ContiguousSelection);
        picks = std::make_unique<QSignalSpy>(&grid, &TFixedStringGrid::SelectCell);
        grid.resize(600, 300);
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    }
    QPoint Centre(int col, int row) const { return grid.visualRect(grid.model()->index(row, col)).center(); }
    // Right border of a column, within row 0.
    QPoint Border(int col) const
    {
        return {grid.columnViewportPosition(col) + grid.columnWidth(col), Centre(col, 0).y()};
    }
    void Mouse(QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QMouseEvent event(type, pos, grid.viewport()->mapToGlobal(pos), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(grid.viewport(), &event);
    }
    std::set<std::pair<int, int>> Selected() const
    {
        std::set<std::pair<int, int>> cells;
        for (const QModelIndex &index : grid.selectionModel()->selectedIndexes())
            cells.insert({index.column(), index.row()});
        return cells;
    }
    TFixedStringGrid grid;
    std::unique_ptr<QSignalSpy> picks;  // from before the grid is first shown
};

}  // namespace

TEST_F(FixedGrid, ADragIntoTheFixedCellsSelectsOnlyDataCells)
{
    Mouse(QEvent::MouseButtonPress, Centre(2, 3), Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, Centre(0, 0), Qt::NoButton, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, Centre(0, 0), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(Selected(), (std::set<std::pair<int, int>>{{1, 1}, {2, 1}, {1, 2}, {2, 2}, {1, 3}, {2, 3}}));

    grid.selectAll();
    EXPECT_EQ(Selected().size(), 5u * 7u);
    for (const auto &[col, row] : Selected())
        EXPECT_FALSE(grid.IsFixedCell(col, row)) << col << ", " << row;
}

TEST_F(FixedGrid, FixedCellsNeverBecomeCurrent)
{
    // Getting the focus makes the first data cell current without picking it.
    grid.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
    EXPECT_EQ(grid.currentColumn(), 1);
    EXPECT_EQ(grid.currentRow(), 1);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, Centre(0, 4));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, Centre(3, 0));
    EXPECT_EQ(grid.currentColumn(), 1);
    EXPECT_EQ(grid.currentRow(), 1);
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(picks->count(), 0);

    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_Right);
    EXPECT_EQ(picks->count(), 2);
    // Towards the fixed cells every move stops at the first data row and column.
    QTest::keyClick(&grid, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(&grid, Qt::Key_Left);
    QTest::keyClick(&grid, Qt::Key_Up);
    QTest::keyClick(&grid, Qt::Key_PageUp);
    EXPECT_EQ(grid.currentColumn(), 1);
    EXPECT_EQ(grid.currentRow(), 1);
    EXPECT_EQ(picks->count(), 3);
}

TEST_F(FixedGrid, DraggingAColumnBorderInTheFixedRowSizesTheColumn)
{
    grid.SetColWidths(2, 80);
    const QPoint start = Border(2);
    Mouse(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, start + QPoint(30, 0), Qt::NoButton, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, start + QPoint(30, 0), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(grid.ColWidths(2), 110);
    EXPECT_TRUE(Selected().empty());

    // The same border below the fixed rows is an ordinary cell edge.
    const QPoint inData(start.x(), Centre(2, 3).y());
    Mouse(QEvent::MouseButtonPress, inData, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, inData + QPoint(30, 0), Qt::NoButton, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, inData + QPoint(30, 0), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(grid.ColWidths(2), 110);
}

TEST_F(FixedGrid, OnlyTheLeftButtonSelects)
{
    grid.setCurrentCell(1, 1);
    QSignalSpy picks(&grid, &TFixedStringGrid::SelectCell);
    QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, Centre(2, 2));
    QTest::mouseClick(grid.viewport(), Qt::MiddleButton, {}, Centre(3, 3));
    EXPECT_EQ(grid.currentColumn(), 1);
    EXPECT_EQ(grid.currentRow(), 1);
    EXPECT_EQ(Selected(), (std::set<std::pair<int, int>>{{1, 1}}));
    EXPECT_EQ(picks.count(), 0);
}
