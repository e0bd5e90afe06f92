#include "FixedStringGrid.h"
#include "FrameInfo.h"

#include <QFontMetrics>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Shape and headings of every table: the fixed rows as the user sees them.
struct TableShape {
    int index;
    int cols, rows, fixedRows;
    std::vector<std::vector<std::string>> fixedCells;
};
const TableShape kShapes[] = {
    {0, 2, 9, 1, {{"Family #", "Soil classes"}}},
    {1, 2, 7, 2, {{"", "Recomended n - values"}, {"n-values", "Field condition"}}},
    {9, 2, 18, 1, {{"Family #", "Soil classes"}}},
    {21, 3, 9, 2, {{"", "Time rated families", ""}, {"T100(min)", "A(-)", "k(mm/min^A)"}}},
    {22, 3, 9, 2, {{"", "Time rated families", ""}, {"T100(min)", "A(-)", "k(cm/min^A)"}}},
    {23, 3, 9, 2, {{"", "Time rated families", ""}, {"T100(min)", "A(-)", "k(inch/min^A)"}}},
    {24, 3, 9, 2, {{"", "Time rated families", ""}, {"T100(hr)", "A(-)", "k(mm/hr^A)"}}},
    {25, 3, 9, 2, {{"", "Time rated families", ""}, {"T100(hr)", "A(-)", "k(cm/hr^A)"}}},
    {26, 3, 9, 2, {{"", "Time rated families", ""}, {"T100(hr)", "A(-)", "k(inch/hr^A)"}}},
    {31, 3, 9, 1, {{"A (-)", "k (mm/min^A)", "Soil classes"}}},
    {32, 3, 9, 1, {{"A (-)", "k (cm/min^A)", "Soil classes"}}},
    {33, 3, 9, 1, {{"A (-)", "k (inch/min^A)", "Soil classes"}}},
    {34, 3, 9, 1, {{"A (-)", "k (mm/hr^A)", "Soil classes"}}},
    {35, 3, 9, 1, {{"A (-)", "k (cm/hr^A)", "Soil classes"}}},
    {36, 3, 9, 1, {{"A (-)", "k (inch/hr^A)", "Soil classes"}}},
};

// Data rows, first and last of each table and the texts most easily "corrected".
struct TableRow {
    int index;
    int row;
    std::vector<std::string> cells;
};
const TableRow kRows[] = {
    {0, 1, {"0.1", "clay, silty, clay"}},
    {0, 6, {"2.0", "sandy loam, fine sand"}},
    {0, 8, {"4.0", "medium to coarse sand"}},
    {1, 2, {"0.04", "smooth, bare soil surface; row crops"}},
    {1, 3, {"0.10", "drill rows in flow direction; drilled, small grain crops"}},
    {1, 6, {"0.25", "dense sod crops and small grains, drilled perpendicular to flow direction"}},
    {9, 1, {"0.05", "Very heavy clay"}},
    {9, 2, {"0.10", "Heavy clay"}},
    {9, 11, {"0.60", "Moderately fine silty-loam"}},
    {9, 16, {"1.50", "Fine san"}},
    {9, 17, {"2.00", "Coarse sand"}},
    {21, 2, {"30", "0.739", "8.10"}},
    {21, 8, {"1920", "0.355", "6.83"}},
    {22, 4, {"120", "0.611", "0.54"}},
    {23, 5, {"240", "0.547", "0.20"}},
    {24, 2, {"0.5", "0.739", "166.90"}},
    {24, 3, {"1", "0.675", "100.00"}},
    {25, 4, {"2", "0.611", "6.55"}},
    {26, 8, {"32", "0.355", "1.15"}},
    {31, 1, {"0.595", "1.10", "clay, silty, clay"}},
    {31, 8, {"0.740", "6.59", "medium to coarse sand"}},
    {33, 4, {"0.706", "0.11", "loam, silt loam"}},
    {34, 2, {"0.650", "22.57", "silty clay, clay loam"}},
    {35, 7, {"0.735", "10.97", "fine to medium sand"}},
    {36, 5, {"0.718", "2.65", "silt, sandy loam"}},
};

std::vector<std::string> RowTexts(const TFixedStringGrid &grid, int row)
{
    std::vector<std::string> texts;
    for (int col = 0; col < grid.ColCount(); ++col)
        texts.push_back(grid.Cells(col, row));
    return texts;
}

int TW(const TFixedStringGrid &grid, const std::string &text)
{
    return QFontMetrics(grid.font()).horizontalAdvance(QString::fromStdString(text));
}

}  // namespace

TEST(TfraInfo, EveryTableHasItsCountsAndHeadings)
{
    TfraInfo frame;
    for (const TableShape &shape : kShapes) {
        SCOPED_TRACE(shape.index);
        frame.FHeight = 0;
        ASSERT_TRUE(frame.ShowInfo(shape.index));
        EXPECT_EQ(frame.FHeight, 240);
        EXPECT_EQ(frame.stgInformation->ColCount(), shape.cols);
        EXPECT_EQ(frame.stgInformation->RowCount(), shape.rows);
        EXPECT_EQ(frame.stgInformation->FixedRows(), shape.fixedRows);
        EXPECT_EQ(frame.stgInformation->FixedCols(), 0);
        for (int row = 0; row < shape.fixedRows; ++row)
            EXPECT_EQ(RowTexts(*frame.stgInformation, row), shape.fixedCells[row]) << "row " << row;
        // No data row is left empty.
        for (int row = shape.fixedRows; row < shape.rows; ++row)
            EXPECT_FALSE(frame.stgInformation->Cells(0, row).empty()) << "row " << row;
    }
}

TEST(TfraInfo, DataRowsStandAsTheirTextsAreWritten)
{
    TfraInfo frame;
    for (const TableRow &expected : kRows) {
        SCOPED_TRACE(::testing::Message() << "table " << expected.index << " row " << expected.row);
        ASSERT_TRUE(frame.ShowInfo(expected.index));
        EXPECT_EQ(RowTexts(*frame.stgInformation, expected.row), expected.cells);
    }
}

TEST(TfraInfo, KostiakovKInCentimetresIsTheMillimetreKDividedByTenWithTwoDecimals)
{
    const char *const kMm[] = {"1.10", "1.59", "1.93", "2.84", "3.56", "4.22", "5.41", "6.59"};
    const char *const kCm[] = {"0.11", "0.16", "0.19", "0.28", "0.36", "0.42", "0.54", "0.66"};
    TfraInfo frame;
    for (int row = 1; row <= 8; ++row) {
        SCOPED_TRACE(row);
        ASSERT_TRUE(frame.ShowInfo(31));
        EXPECT_EQ(frame.stgInformation->Cells(1, row), kMm[row - 1]);
        const std::string a = frame.stgInformation->Cells(0, row);
        const std::string soil = frame.stgInformation->Cells(2, row);
        ASSERT_TRUE(frame.ShowInfo(32));
        EXPECT_EQ(frame.stgInformation->Cells(1, row), kCm[row - 1]);
        EXPECT_EQ(frame.stgInformation->Cells(0, row), a);
        EXPECT_EQ(frame.stgInformation->Cells(2, row), soil);
    }
}

TEST(TfraInfo, ColumnWidthsFollowTheHeadingTextsInTheGridsFont)
{
    struct Width {
        int index;
        std::vector<std::pair<std::string, int>> columns;  // empty text: default width
    };
    const Width kWidths[] = {
        {1, {{"n-values", 5}, {"dense sod crops and small grains, drilled perpendicular to flow direction", 5}}},
        {0, {{"Family #", 100}, {"medium to coarse sand", 100}}},
        {9, {{"Family #", 100}, {"Moderately heavy clay-loam", 100}}},
        {21, {{"T100(min)", 5}, {"Time rated families", 5}, {"k(mm/min^A)", 5}}},
        {26, {{"T100(hr)", 5}, {"Time rated families", 5}, {"k(inch/hr^A)", 5}}},
        {34, {{"A (-)", 20}, {"k (mm/hr^A)", 20}, {"medium to coarse sand", 100}}},
    };
    TfraInfo frame;
    EXPECT_EQ(frame.stgInformation->font().pixelSize(), 13);
    // Each table after one that set other widths, so that a width left over would show.
    frame.ShowInfo(9);
    for (const Width &width : kWidths) {
        SCOPED_TRACE(width.index);
        ASSERT_TRUE(frame.ShowInfo(width.index));
        for (int col = 0; col < static_cast<int>(width.columns.size()); ++col) {
            const auto &[text, margin] = width.columns[col];
            const int expected = text.empty() ? margin : TW(*frame.stgInformation, text) + margin;
            EXPECT_EQ(frame.stgInformation->ColWidths(col), expected) << "column " << col;
        }
    }
}

TEST(TfraInfo, ASmallerTableAfterALargerLeavesNothingBehind)
{
    TfraInfo frame;
    // Table 9 writes (0, 0) and every row down to 17; the Manning table leaves (0, 0) empty,
    // the time-rated tables leave (0, 0) and (2, 0) empty.
    ASSERT_TRUE(frame.ShowInfo(9));
    ASSERT_TRUE(frame.ShowInfo(1));
    EXPECT_EQ(frame.stgInformation->RowCount(), 7);
    EXPECT_EQ(frame.stgInformation->Cells(0, 0), "");
    EXPECT_EQ(RowTexts(*frame.stgInformation, 1), (std::vector<std::string>{"n-values", "Field condition"}));

    ASSERT_TRUE(frame.ShowInfo(31));
    ASSERT_TRUE(frame.ShowInfo(24));
    EXPECT_EQ(RowTexts(*frame.stgInformation, 0), (std::vector<std::string>{"", "Time rated families", ""}));
}

TEST(TfraInfo, AnUnknownIndexEmptiesTheGridAndKeepsItsCounts)
{
    TfraInfo frame;
    for (const int index : {-1, 2, 8, 10, 20, 27, 30, 37}) {
        SCOPED_TRACE(index);
        ASSERT_TRUE(frame.ShowInfo(21));
        frame.FHeight = 0;
        EXPECT_FALSE(frame.ShowInfo(index));
        EXPECT_EQ(frame.FHeight, 240);
        EXPECT_EQ(frame.stgInformation->ColCount(), 3);
        EXPECT_EQ(frame.stgInformation->RowCount(), 9);
        for (int row = 0; row < 9; ++row) {
            for (int col = 0; col < 3; ++col)
                EXPECT_EQ(frame.stgInformation->Cells(col, row), "") << col << ", " << row;
        }
        for (int col = 0; col < 3; ++col)
            EXPECT_EQ(frame.stgInformation->ColWidths(col), 200);
    }
}

// The row pick: what the windows copy into their edits.
class TfraInfoPick : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame.resize(500, 240);
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
        ASSERT_TRUE(frame.ShowInfo(25));  // two fixed rows, data from row 2
    }
    void Click(int col, int row)
    {
        TFixedStringGrid *grid = frame.stgInformation;
        const QRect cell = grid->visualRect(grid->model()->index(row, col));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }
    TfraInfo frame;
};

TEST_F(TfraInfoPick, AClickOnADataRowPicksItAndSelectsTheWholeRow)
{
    QSignalSpy picks(&frame, &TfraInfo::stgInformationSelectCell);
    Click(1, 4);
    ASSERT_EQ(picks.count(), 1);
    EXPECT_EQ(picks[0][0].toInt(), 1);
    EXPECT_EQ(picks[0][1].toInt(), 4);
    EXPECT_EQ(frame.stgInformation->selectionModel()->selectedIndexes().size(), 3);
    EXPECT_EQ(frame.stgInformation->Cells(0, 4), "2");
    // The same cell again is a pick again: the user may have typed over the value since.
    Click(1, 4);
    ASSERT_EQ(picks.count(), 2);
    EXPECT_EQ(picks[1][0].toInt(), 1);
    EXPECT_EQ(picks[1][1].toInt(), 4);
}

TEST_F(TfraInfoPick, FixedRowsCannotBePicked)
{
    QSignalSpy picks(&frame, &TfraInfo::stgInformationSelectCell);
    Click(1, 0);
    Click(0, 1);
    EXPECT_EQ(picks.count(), 0);
    EXPECT_TRUE(frame.stgInformation->selectionModel()->selectedIndexes().isEmpty());
}

TEST_F(TfraInfoPick, MovingTheSelectionWithTheKeysPicksEachRowReached)
{
    QSignalSpy picks(&frame, &TfraInfo::stgInformationSelectCell);
    Click(0, 2);
    QTest::keyClick(frame.stgInformation, Qt::Key_Down);
    ASSERT_EQ(picks.count(), 2);
    EXPECT_EQ(picks[1][1].toInt(), 3);
    // Up from the first data row stays there: the fixed rows are no destination.
    QTest::keyClick(frame.stgInformation, Qt::Key_Up);
    QTest::keyClick(frame.stgInformation, Qt::Key_Up);
    QTest::keyClick(frame.stgInformation, Qt::Key_Home);
    ASSERT_EQ(picks.count(), 3);
    EXPECT_EQ(picks[2][1].toInt(), 2);
    EXPECT_EQ(frame.stgInformation->currentRow(), 2);
}

TEST_F(TfraInfoPick, ANewTableStartsWithNothingPicked)
{
    Click(0, 3);
    QSignalSpy picks(&frame, &TfraInfo::stgInformationSelectCell);
    ASSERT_TRUE(frame.ShowInfo(1));
    ASSERT_TRUE(frame.ShowInfo(0));
    EXPECT_FALSE(frame.ShowInfo(5));
    ASSERT_TRUE(frame.ShowInfo(31));
    EXPECT_EQ(picks.count(), 0);
    EXPECT_TRUE(frame.stgInformation->selectionModel()->selectedIndexes().isEmpty());
    // The cursor does not stay where the old table had it: the first move reaches the
    // first data row.
    QTest::keyClick(frame.stgInformation, Qt::Key_Down);
    ASSERT_EQ(picks.count(), 1);
    EXPECT_EQ(picks[0][1].toInt(), 1);
}
