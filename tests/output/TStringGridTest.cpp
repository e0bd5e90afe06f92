#include "Errors.h"
#include "TStringGrid.h"

#include <gtest/gtest.h>

TEST(TStringGrid, RowAddFillsTheFirstEmptyCellAndDropsTextsOfAFullRow)
{
    TStringGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(2);
    grid.SetCells(1, 0, "taken");
    grid.Rows(0).Add("a");      // column 0 was empty
    grid.Rows(0).Add("");       // column 1 is taken, so column 2; stored as a blank
    grid.Rows(0).Add("lost");   // no empty cell left
    EXPECT_EQ(grid.Cells(0, 0), "a");
    EXPECT_EQ(grid.Cells(1, 0), "taken");
    EXPECT_EQ(grid.Cells(2, 0), " ");
    EXPECT_EQ(grid.Cells(0, 1), "");
}

TEST(TStringGrid, ColClearEmptiesEveryRowOfThatColumnOnly)
{
    TStringGrid grid;
    grid.SetColCount(2);
    grid.SetRowCount(3);
    for (int row = 0; row < 3; ++row) {
        grid.Rows(row).Add("c0");
        grid.Rows(row).Add("c1");
    }
    grid.Cols(1).Clear();
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(grid.Cells(0, row), "c0");
        EXPECT_EQ(grid.Cells(1, row), "");
    }
    grid.Rows(2).Add("again");  // the cleared cell is empty again
    EXPECT_EQ(grid.Cells(1, 2), "again");
}

TEST(TStringGrid, SizesWidthsAndIndexChecks)
{
    TStringGrid grid;
    grid.SetColCount(4);
    grid.SetRowCount(5);
    EXPECT_EQ(grid.ColCount(), 4);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.ColWidths(3), TStringGrid::DefaultColWidth);
    grid.SetColWidths(0, 200);
    EXPECT_EQ(grid.ColWidths(0), 200);
    EXPECT_THROW(grid.Cells(4, 0), EListError);
    EXPECT_THROW(grid.Cells(0, 5), EListError);
    EXPECT_THROW(grid.Rows(5), EListError);
    EXPECT_THROW(grid.Cols(-1), EListError);
}
