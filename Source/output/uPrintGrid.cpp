#include "uPrintGrid.h"

#include "Errors.h"
#include "TStringGrid.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace {
const char *const kFontName = "Times New Roman";
constexpr int kTitleSize = 12;
constexpr int kCellSize = 8;
constexpr int kLeft = 100;
constexpr int kTitleTop = 100;
constexpr int kTableTop = 300;
constexpr int kLineGap = 16;
constexpr int kColumnGap = 100;
// Screen pixels to printer units: the caption and unit columns are printed narrower
// than the run columns.
constexpr int kHeaderColumnScale = 5;
constexpr int kRunColumnScale = 6;

void DrawTopLeft(QPainter &painter, int x, int y, const std::string &text)
{
    painter.drawText(x, y + painter.fontMetrics().ascent(), QString::fromStdString(text));
}

// The layout's units are device pixels, but the text is sized in points, so on a printer of
// high resolution a text can be wider than its column. The next column then starts two
// blanks after the widest text, so that no text runs into it; elsewhere the layout stays as
// it is.
int ColumnEnd(QPainter &painter, TStringGrid &grid, int col, int x, int end)
{
    const QFontMetrics metrics = painter.fontMetrics();
    int widest = 0;
    for (int row = 0; row < grid.RowCount(); ++row)
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(grid.Cells(col, row))));
    return std::max(end, x + widest + metrics.horizontalAdvance(QStringLiteral("  ")) - kColumnGap);
}
}  // namespace

bool TPrintGrid::Print(TStringGrid *grid, const std::string &title)
{
    if (!grid)
        return false;
    FPrinter.setDocName(QString::fromStdString(title));
    QPainter painter;
    if (!painter.begin(&FPrinter))
        throw Exception("Unable to start the print job");

    QFont font(kFontName, kTitleSize);
    font.setBold(true);
    font.setUnderline(true);
    painter.setFont(font);
    DrawTopLeft(painter, kLeft, kTitleTop, title);
    // As with the columns: the table starts lower only where the title would reach into it.
    const int top = std::max(kTableTop, kTitleTop + painter.fontMetrics().lineSpacing());
    font.setBold(false);
    font.setUnderline(false);
    font.setPointSize(kCellSize);
    painter.setFont(font);

    int lineHeight = 0;
    int end = 0;
    int x = 0;
    PrintFirstColumns(painter, *grid, top, lineHeight, end, x);
    for (int col = 2; col < grid->ColCount(); ++col) {
        end = ColumnEnd(painter, *grid, col, x, end + kRunColumnScale * grid->ColWidths(col));
        PrintColumn(painter, *grid, col, x, top, lineHeight);
        x = end + kColumnGap;
    }
    painter.end();
    return true;
}

void TPrintGrid::PrintFirstColumns(QPainter &painter, TStringGrid &grid, int top, int &lineHeight, int &end,
                                   int &x)
{
    x = kLeft;
    end = kLeft;
    // The height of a one-line text is the font's height, whatever the text.
    lineHeight = painter.fontMetrics().height() + kLineGap;
    for (int col = 0; col < 2 && col < grid.ColCount(); ++col) {
        end = ColumnEnd(painter, grid, col, x, end + kHeaderColumnScale * grid.ColWidths(col));
        PrintColumn(painter, grid, col, x, top, lineHeight);
        // The gap moves x only, never the running end: the printed columns keep the
        // proportions of the screen columns.
        x = end + kColumnGap;
    }
}

void TPrintGrid::PrintColumn(QPainter &painter, TStringGrid &grid, int col, int x, int top, int lineHeight)
{
    for (int row = 0; row < grid.RowCount(); ++row)
        DrawTopLeft(painter, x, top + row * lineHeight, grid.Cells(col, row));
}
