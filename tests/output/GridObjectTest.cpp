#include "RunsTableFixture.h"

#include <gtest/gtest.h>

using namespace runs_table;

namespace {
// Every cell of one column from first to last row.
void ExpectColumnEmpty(const TStringGrid &grid, int col)
{
    for (int row = 0; row < grid.RowCount(); ++row)
        ASSERT_EQ(grid.Cells(col, row), "") << "column " << col << " row " << row;
}
}  // namespace

TEST(TIrrikaGridObject, ThreeBasinRunsFillFiveColumnsOfThirtyOneRows)
{
    TStringGrid grid;
    FillBasinTable(grid, 3);
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.RowCount(), kBasinRows);
    EXPECT_EQ(grid.Cells(0, 0), " Run nr. ");
    EXPECT_EQ(grid.Cells(1, 0), " ");  // an empty unit text occupies its cell
    EXPECT_EQ(grid.Cells(1, 2), "units");
    EXPECT_EQ(grid.Cells(0, 30), "Caption30");
    EXPECT_EQ(grid.Cells(1, 30), "unit30");
    for (int run = 1; run <= 3; ++run) {
        SCOPED_TRACE(run);
        const int col = 1 + run;
        EXPECT_EQ(grid.Cells(col, 0), std::to_string(run));
        EXPECT_EQ(grid.Cells(col, 1), "1");  // basin: the mode in row 1
        EXPECT_EQ(grid.Cells(col, 2), "");   // nothing on the "INPUT PARAMETERS" row
        EXPECT_EQ(grid.Cells(col, 3), "r" + std::to_string(run) + "v03");
        EXPECT_EQ(grid.Cells(col, 30), "r" + std::to_string(run) + "v30");
    }
    EXPECT_EQ(grid.ColWidths(0), 200);
    EXPECT_EQ(grid.ColWidths(1), 70);
}

TEST(TIrrikaGridObject, AFillWithoutRunsKeepsTheHeadersAndAHundredColumns)
{
    TStringGrid grid;
    FillBasinTable(grid, 3);
    FillBasinTable(grid, 0);  // the earlier run columns must go
    EXPECT_EQ(grid.ColCount(), 100);
    EXPECT_EQ(grid.RowCount(), kBasinRows);
    EXPECT_EQ(grid.Cells(0, 5), "Caption05");
    for (int col = 2; col < 100; ++col)
        ExpectColumnEmpty(grid, col);
}

TEST(TIrrikaGridObject, BorderColumnsCarryOperationThenModeAndNilItemsLeaveAnEmptyColumn)
{
    TStringGrid grid;
    const std::vector<std::string> captions{" Run nr. ", " Type of system ", " Calculation Mode ",
                                            "INPUT PARAMETERS", "Flow"};
    const std::vector<std::string> units{"", "", "", "units", "l/s"};
    TIrrikaGridObject object(&grid);
    object.SetRowHeaders(4, &captions, &units);
    TAggregationList lists;
    lists.Add(MakeColumn(1, 3, 2, 4, 5));
    lists.Add(std::unique_ptr<TRootObject>());
    lists.Add(MakeColumn(7, 4, 1, 4, 5));
    object.AddDataColumns(&lists);

    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.RowCount(), 5);
    const char *expected[][5] = {{"1", "2", "3", "", "r1v04"}, {"7", "1", "4", "", "r7v04"}};
    for (int k = 0; k < 2; ++k) {
        SCOPED_TRACE(k);
        for (int row = 0; row < 5; ++row)
            EXPECT_EQ(grid.Cells(2 + k, row), expected[k][row]) << "row " << row;
    }
    // The nil item still counts, so the grid ends with an empty column on the right.
    ExpectColumnEmpty(grid, 4);
}

TEST(TIrrikaGridObject, ShortOrMissingHeaderLists)
{
    TStringGrid grid;
    FillBasinTable(grid, 2);
    grid.SetColWidths(2, 90);  // the user drags a run column wider

    TIrrikaGridObject object(&grid);
    // A missing list leaves the content and the size of the grid alone.
    const std::vector<std::string> captions{"a", "b"};
    object.SetRowHeaders(1, &captions, nullptr);
    EXPECT_EQ(grid.ColCount(), 4);
    EXPECT_EQ(grid.RowCount(), kBasinRows);
    EXPECT_EQ(grid.Cells(2, 3), "r1v03");

    // Two rows or fewer leave the grid at its 60 rows.
    const std::vector<std::string> units{"u", ""};
    object.SetRowHeaders(1, &captions, &units);
    EXPECT_EQ(grid.RowCount(), 60);
    EXPECT_EQ(grid.Cells(0, 1), "b");
    EXPECT_EQ(grid.Cells(1, 1), " ");
    EXPECT_EQ(grid.Cells(2, 3), "");
    EXPECT_EQ(grid.ColWidths(2), 90);  // run columns keep the user's width
}

TEST(TIrrikaGridObject, MoreThanNinetyEightRunsWidenTheGridInsteadOfDroppingRuns)
{
    TStringGrid grid;
    FillBasinTable(grid, 99);
    EXPECT_EQ(grid.ColCount(), 101);
    EXPECT_EQ(grid.Cells(100, 0), "99");
    EXPECT_EQ(grid.Cells(100, 30), "r99v30");
    EXPECT_EQ(grid.Cells(99, 0), "98");
}

TEST(TIrrikaGridObject, ClearGridEmptiesEveryCellAndKeepsTheSize)
{
    TStringGrid grid;
    FillBasinTable(grid, 3);
    TIrrikaGridObject(&grid).ClearGrid();
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.RowCount(), kBasinRows);
    EXPECT_EQ(grid.ColWidths(0), 200);
    for (int col = 0; col < 5; ++col)
        ExpectColumnEmpty(grid, col);
}
