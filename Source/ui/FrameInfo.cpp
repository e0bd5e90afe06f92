#include "FrameInfo.h"

#include "FixedStringGrid.h"
#include "NumberText.h"
#include "uFormFont.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr int kFrameHeight = 240;
constexpr int kDefaultColWidth = 200;
constexpr int kFontPixelSize = 13;
constexpr int kRowHeight = 24;
// What a column gives its text beyond the text's own width, as the tables' widths do: the
// lead, the grid line and a little air (a text drawn to the last pixel may wrap).
constexpr int kTextMargin = 5;

// Recommended Manning n-values (table 1), one row per data row.
struct TManningRow {
    const char *n;
    const char *condition;
};
constexpr TManningRow kManningRows[] = {
    {"0.04", "smooth, bare soil surface; row crops"},
    {"0.10", "drill rows in flow direction; drilled, small grain crops"},
    {"0.15", "alfalfa, mint, broadcast small grains"},
    {"0.20", "dense alfalfa or alfalfa on long fields without secondary ditches"},
    {"0.25", "dense sod crops and small grains, drilled perpendicular to flow direction"},
};

struct TFamilyRow {
    const char *family;
    const char *soilClasses;
};
// Intake families 0.1 to 4.0 (table 0); their soil classes are also the Kostiakov tables'.
constexpr TFamilyRow kIntakeFamilies[] = {
    {"0.1", "clay, silty, clay"},
    {"0.3", "silty clay, clay loam"},
    {"0.5", "clay loam, loam"},
    {"1.0", "loam, silt loam"},
    {"1.5", "silt, sandy loam"},
    {"2.0", "sandy loam, fine sand"},
    {"3.0", "fine to medium sand"},
    {"4.0", "medium to coarse sand"},
};
// Intake families 0.05 to 2.00 (table 9).
constexpr TFamilyRow kIntakeFamiliesFine[] = {
    {"0.05", "Very heavy clay"},
    {"0.10", "Heavy clay"},
    {"0.15", "Moderately heavy clay"},
    {"0.20", "Very heavy clay-loam"},
    {"0.25", "Heavy clay-loam"},
    {"0.30", "Moderately heavy clay-loam"},
    {"0.35", "Light clay-loam"},
    {"0.40", "Very light clay-loam"},
    {"0.45", "Very fine silty-loam"},
    {"0.50", "Fine silty-loam"},
    {"0.60", "Moderately fine silty-loam"},
    {"0.70", "Coarse silty-loam"},
    {"0.80", "Very coarse silty-loam"},
    {"0.90", "Fine sandy-loam"},
    {"1.00", "Coarse sandy-loam"},
    {"1.50", "Fine san"},
    {"2.00", "Coarse sand"},
};

// Time-rated families, T100 doubling from 30 minutes: k in the units of tables 21 to 26.
struct TTimeRatedRow {
    const char *t100Minutes;
    const char *t100Hours;
    const char *a;
    const char *k[6];
};
constexpr TTimeRatedRow kTimeRatedRows[] = {
    {"30", "0.5", "0.739", {"8.10", "0.81", "0.32", "166.90", "16.69", "6.57"}},
    {"60", "1", "0.675", {"6.31", "0.63", "0.25", "100.00", "10.00", "3.94"}},
    {"120", "2", "0.611", {"5.37", "0.54", "0.21", "65.47", "6.55", "2.58"}},
    {"240", "4", "0.547", {"4.99", "0.50", "0.20", "46.85", "4.69", "1.84"}},
    {"480", "8", "0.483", {"5.07", "0.51", "0.20", "36.63", "3.66", "1.44"}},
    {"960", "16", "0.419", {"5.63", "0.56", "0.22", "31.29", "3.13", "1.23"}},
    {"1920", "32", "0.355", {"6.83", "0.68", "0.27", "29.22", "2.92", "1.15"}},
};
struct TTimeRatedTable {
    TInfoTableIndex index;
    const char *t100Heading;
    const char *kHeading;
    bool hours;   // T100 in hours instead of minutes
    int kColumn;  // into TTimeRatedRow::k
};
constexpr TTimeRatedTable kTimeRatedTables[] = {
    {itTimeRatedMmMin, "T100(min)", "k(mm/min^A)", false, 0},
    {itTimeRatedCmMin, "T100(min)", "k(cm/min^A)", false, 1},
    {itTimeRatedInchMin, "T100(min)", "k(inch/min^A)", false, 2},
    {itTimeRatedMmHr, "T100(hr)", "k(mm/hr^A)", true, 3},
    {itTimeRatedCmHr, "T100(hr)", "k(cm/hr^A)", true, 4},
    {itTimeRatedInchHr, "T100(hr)", "k(inch/hr^A)", true, 5},
};

// Kostiakov coefficients of the intake families 0.1 to 4.0, in the row order of table 0.
// k in cm/min^A is not listed: it is the mm/min^A value divided by ten.
struct TKostiakovRow {
    const char *a;
    const char *kMmMin;
    const char *kInchMin;
    const char *kMmHr;
    const char *kCmHr;
    const char *kInchHr;
};
constexpr TKostiakovRow kKostiakovRows[] = {
    {"0.595", "1.10", "0.04", "12.57", "1.26", "0.49"},
    {"0.650", "1.59", "0.06", "22.57", "2.28", "0.90"},
    {"0.684", "1.93", "0.08", "31.76", "3.18", "1.25"},
    {"0.706", "2.84", "0.11", "51.13", "5.11", "2.01"},
    {"0.718", "3.56", "0.14", "67.32", "6.73", "2.65"},
    {"0.726", "4.22", "0.17", "82.46", "8.25", "3.25"},
    {"0.735", "5.41", "0.21", "109.68", "10.97", "4.32"},
    {"0.740", "6.59", "0.26", "136.37", "13.64", "5.37"},
};
static_assert(std::size(kKostiakovRows) == std::size(kIntakeFamilies), "one soil class per Kostiakov row");
struct TKostiakovTable {
    TInfoTableIndex index;
    const char *kHeading;
    const char *TKostiakovRow::*k;  // nullptr: mm/min^A divided by ten
};
constexpr TKostiakovTable kKostiakovTables[] = {
    {itKostiakovMmMin, "k (mm/min^A)", &TKostiakovRow::kMmMin},
    {itKostiakovCmMin, "k (cm/min^A)", nullptr},
    {itKostiakovInchMin, "k (inch/min^A)", &TKostiakovRow::kInchMin},
    {itKostiakovMmHr, "k (mm/hr^A)", &TKostiakovRow::kMmHr},
    {itKostiakovCmHr, "k (cm/hr^A)", &TKostiakovRow::kCmHr},
    {itKostiakovInchHr, "k (inch/hr^A)", &TKostiakovRow::kInchHr},
};

// A column width as the tables give it: the pixel width of a text in the grid's font plus
// a margin. A column without one keeps the default width.
struct TColumnWidth {
    std::string text;
    int margin;
};

// A table ready to be written: fixed rows first, then every row (the fixed ones included)
// with one text per column.
struct TInfoLayout {
    int fixedRows = 0;
    int colCount = 0;
    std::vector<std::vector<std::string>> rows;
    std::vector<TColumnWidth> widths;  // by column; empty for the default width everywhere
};

TInfoLayout ManningTable()
{
    TInfoLayout layout{2, 2, {{"", "Recomended n - values"}, {"n-values", "Field condition"}}, {}};
    for (const TManningRow &row : kManningRows)
        layout.rows.push_back({row.n, row.condition});
    layout.widths = {{"n-values", 5},
                     {"dense sod crops and small grains, drilled perpendicular to flow direction", 5}};
    return layout;
}

template <std::size_t N>
TInfoLayout IntakeFamilies(const TFamilyRow (&families)[N], const char *widestSoilClasses)
{
    TInfoLayout layout{1, 2, {{"Family #", "Soil classes"}}, {}};
    for (const TFamilyRow &row : families)
        layout.rows.push_back({row.family, row.soilClasses});
    layout.widths = {{"Family #", 100}, {widestSoilClasses, 100}};
    return layout;
}

TInfoLayout TimeRatedFamilies(const TTimeRatedTable &table)
{
    TInfoLayout layout{2, 3, {{"", "Time rated families", ""}, {table.t100Heading, "A(-)", table.kHeading}}, {}};
    for (const TTimeRatedRow &row : kTimeRatedRows)
        layout.rows.push_back({table.hours ? row.t100Hours : row.t100Minutes, row.a, row.k[table.kColumn]});
    layout.widths = {{table.t100Heading, 5}, {"Time rated families", 5}, {table.kHeading, 5}};
    return layout;
}

TInfoLayout KostiakovCoefficients(const TKostiakovTable &table)
{
    TInfoLayout layout{1, 3, {{"A (-)", table.kHeading, "Soil classes"}}, {}};
    for (std::size_t i = 0; i < std::size(kKostiakovRows); ++i) {
        const TKostiakovRow &row = kKostiakovRows[i];
        const std::string k = table.k ? std::string(row.*table.k)
                                      : FormatFloat("0.00", StrToFloat(row.kMmMin) / 10.0);
        layout.rows.push_back({row.a, k, kIntakeFamilies[i].soilClasses});
    }
    // Three columns of 200 pixels hid the soil classes behind the right edge: the numbers
    // take their headings' width, the soil classes that of their own table.
    layout.widths = {{"A (-)", 20}, {table.kHeading, 20}, {"medium to coarse sand", 100}};
    return layout;
}

// The layout of a table index; false for an index without a table.
bool LayoutOf(TInfoTableIndex index, TInfoLayout &layout)
{
    if (index == itIntakeFamilies) {
        layout = IntakeFamilies(kIntakeFamilies, "medium to coarse sand");
        return true;
    }
    if (index == itManning) {
        layout = ManningTable();
        return true;
    }
    if (index == itIntakeFamiliesFine) {
        layout = IntakeFamilies(kIntakeFamiliesFine, "Moderately heavy clay-loam");
        return true;
    }
    for (const TTimeRatedTable &table : kTimeRatedTables) {
        if (table.index == index) {
            layout = TimeRatedFamilies(table);
            return true;
        }
    }
    for (const TKostiakovTable &table : kKostiakovTables) {
        if (table.index == index) {
            layout = KostiakovCoefficients(table);
            return true;
        }
    }
    return false;
}

}  // namespace

TfraInfo::TfraInfo(QWidget *parent) : QWidget(parent), stgInformation(new TFixedStringGrid(this))
{
    setObjectName("fraInfo");
    setFont(FormFont(-kFontPixelSize));

    stgInformation->setObjectName("stgInformation");
    stgInformation->SetFixedCols(0);
    // Fixed cells in the window colour: the reference tables are white throughout.
    stgInformation->SetFixedColor(palette().color(QPalette::Base));
    stgInformation->SetDefaultRowHeight(kRowHeight);
    stgInformation->setSelectionBehavior(QAbstractItemView::SelectRows);
    stgInformation->setSelectionMode(QAbstractItemView::SingleSelection);
    stgInformation->setShowGrid(true);
    stgInformation->setWordWrap(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(stgInformation);

    connect(stgInformation, &TFixedStringGrid::SelectCell, this, &TfraInfo::stgInformationSelectCell);
}

bool TfraInfo::ShowInfo(TInfoTableIndex index)
{
    FHeight = kFrameHeight;
    stgInformation->horizontalHeader()->setDefaultSectionSize(kDefaultColWidth);
    for (int col = 0; col < stgInformation->ColCount(); ++col)
        stgInformation->SetColWidths(col, kDefaultColWidth);
    stgInformation->clearContents();
    // No row is picked in a new table; without a current cell, changing the counts cannot
    // move one either, which would count as a pick.
    stgInformation->clearSelection();
    stgInformation->setCurrentIndex(QModelIndex());

    TInfoLayout layout;
    if (!LayoutOf(index, layout))
        return false;

    stgInformation->SetFixedRows(layout.fixedRows);
    stgInformation->SetColCount(layout.colCount);
    stgInformation->SetRowCount(static_cast<int>(layout.rows.size()));
    for (int row = 0; row < static_cast<int>(layout.rows.size()); ++row) {
        for (int col = 0; col < layout.colCount; ++col) {
            const std::string &text = layout.rows[row][col];
            if (!text.empty())
                stgInformation->SetCells(col, row, text);
        }
    }
    const QFontMetrics metrics(stgInformation->font());
    for (int col = 0; col < static_cast<int>(layout.widths.size()); ++col) {
        const TColumnWidth &width = layout.widths[col];
        stgInformation->SetColWidths(col, metrics.horizontalAdvance(QString::fromStdString(width.text)) + width.margin);
    }
    FDesignedWidths.clear();
    for (int col = 0; col < layout.colCount; ++col)
        FDesignedWidths.push_back(stgInformation->ColWidths(col));
    FitToWidth();
    return true;
}

void TfraInfo::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    FitToWidth();
}

void TfraInfo::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    FitToWidth();
}

void TfraInfo::FitToWidth()
{
    TFixedStringGrid *grid = stgInformation;
    const int cols = grid->ColCount(), rows = grid->RowCount();
    if (!isVisible() || static_cast<int>(FDesignedWidths.size()) != cols || cols == 0)
        return;
    const QFontMetrics metrics(grid->font());
    // What each column's texts need on one line, and its longest word.
    std::vector<int> need(cols, 0), longestWord(cols, 0);
    for (int col = 0; col < cols; ++col) {
        for (int row = 0; row < rows; ++row) {
            const QString text = QString::fromStdString(grid->Cells(col, row));
            need[col] = std::max(need[col], metrics.horizontalAdvance(text) + kTextMargin);
            for (const QString &word : text.split(' '))
                longestWord[col] = std::max(longestWord[col], metrics.horizontalAdvance(word) + kTextMargin);
        }
    }
    const int frame = 2 * grid->frameWidth();
    const int scrollBar = grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid);
    // The vertical scroll bar takes room as the rows grow; twice settles it.
    bool scrolls = false;
    for (int pass = 0; pass < 2; ++pass) {
        // Columns that fill the grid to its last pixel still get a scroll bar.
        const int room = grid->width() - frame - (scrolls ? scrollBar : 0) - 1;
        std::vector<int> widths = FDesignedWidths;
        int excess = -room;
        for (int width : widths)
            excess += width;
        for (int col = cols - 1; col >= 0 && excess > 0; --col) {
            const int cut = std::min(excess, std::max(0, widths[col] - need[col]));
            widths[col] -= cut;
            excess -= cut;
        }
        if (excess > 0)
            widths[cols - 1] = std::max(widths[cols - 1] - excess, longestWord[cols - 1]);
        int height = 0;
        for (int row = 0; row < rows; ++row) {
            int rowHeight = kRowHeight;
            for (int col = 0; col < cols; ++col) {
                const QRect lines = metrics.boundingRect(QRect(0, 0, grid->TextWidth(widths[col]), 1 << 16),
                                                         Qt::TextWordWrap,
                                                         QString::fromStdString(grid->Cells(col, row)));
                rowHeight = std::max(rowHeight, lines.height() + kRowHeight - metrics.height());
            }
            grid->setRowHeight(row, rowHeight);
            height += rowHeight;
        }
        for (int col = 0; col < cols; ++col)
            grid->SetColWidths(col, widths[col]);
        scrolls = height > grid->height() - frame;
    }
}
