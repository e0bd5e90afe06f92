#include "FixedStringGrid.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cstdlib>

namespace {

// How far from a column border, in pixels, a press still grips it.
constexpr int kSizingGrip = 3;
constexpr int kMinColWidth = 8;
constexpr int kTextMargin = 2;

// Draws every cell as the string grid does: the text 2 pixels from the left edge, cut at the
// right edge rather than shortened with an ellipsis (the reference tables size their columns
// to the text plus 5 pixels), or wrapped at its blanks in a grid that wraps words. Fixed
// cells are raised header cells in the fixed colour.
class TGridCellDelegate : public QStyledItemDelegate {
public:
    explicit TGridCellDelegate(TFixedStringGrid *grid) : QStyledItemDelegate(grid), FGrid(grid) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const bool fixed = FGrid->IsFixedCell(index.column(), index.row());
        QStyleOptionViewItem cell(option);
        initStyleOption(&cell, index);
        const QString text = cell.text;
        cell.text.clear();
        if (fixed) {
            cell.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_MouseOver);
            cell.backgroundBrush = FGrid->FixedColor();
        }
        FGrid->style()->drawControl(QStyle::CE_ItemViewItem, &cell, painter, FGrid);

        const QPalette::ColorGroup group = !(cell.state & QStyle::State_Enabled) ? QPalette::Disabled
                                           : (cell.state & QStyle::State_Active) ? QPalette::Active
                                                                                 : QPalette::Inactive;
        const QRect r = option.rect;
        painter->save();
        painter->setClipRect(r);
        painter->setFont(cell.font);
        painter->setPen(cell.palette.color(
            group, (cell.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(r.adjusted(kTextMargin, 0, 0, 0),
                          Qt::AlignLeft | Qt::AlignVCenter | (FGrid->wordWrap() ? Qt::TextWordWrap : 0), text);
        if (fixed) {
            painter->setPen(cell.palette.color(QPalette::Light));
            painter->drawLine(r.topLeft(), r.topRight());
            painter->drawLine(r.topLeft(), r.bottomLeft());
            painter->setPen(cell.palette.color(QPalette::Mid));
            painter->drawLine(r.bottomLeft(), r.bottomRight());
            painter->drawLine(r.topRight(), r.bottomRight());
        }
        painter->restore();
    }

private:
    TFixedStringGrid *FGrid;
};

}  // namespace

TFixedStringGrid::TFixedStringGrid(QWidget *parent)
    : TStringGrid(parent), FFixedColor(palette().color(QPalette::Button))
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    // One line per cell unless a grid asks for more.
    setWordWrap(false);
    // Tab leaves the grid, as it leaves any other control of the windows.
    setTabKeyNavigation(false);
    setItemDelegate(new TGridCellDelegate(this));
    // Moves without a button show the sizing cursor over a column border.
    viewport()->setMouseTracking(true);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &current) {
        if (current.isValid() && !IsFixedIndex(current) && !FFocusing)
            emit SelectCell(current.column(), current.row());
    });
}

void TFixedStringGrid::SetFixedRows(int count)
{
    FFixedRows = std::max(0, count);
    FixedAreaChanged();
}

void TFixedStringGrid::SetFixedCols(int count)
{
    FFixedCols = std::max(0, count);
    FixedAreaChanged();
}

void TFixedStringGrid::FixedAreaChanged()
{
    // A cell that has just become fixed can no longer be the current one.
    if (IsFixedIndex(currentIndex())) {
        clearSelection();
        setCurrentIndex(QModelIndex());
    }
    viewport()->update();
}

void TFixedStringGrid::SetFixedColor(const QColor &color)
{
    FFixedColor = color;
    viewport()->update();
}

void TFixedStringGrid::SetDefaultRowHeight(int height)
{
    verticalHeader()->setMinimumSectionSize(std::min(height, verticalHeader()->minimumSectionSize()));
    verticalHeader()->setDefaultSectionSize(height);
}

int TFixedStringGrid::TextWidth(int columnWidth) const
{
    return columnWidth - kTextMargin - (showGrid() ? 1 : 0);
}

bool TFixedStringGrid::IsFixedIndex(const QModelIndex &index) const
{
    return index.isValid() && IsFixedCell(index.column(), index.row());
}

QModelIndex TFixedStringGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex target = TStringGrid::moveCursor(cursorAction, modifiers);
    if (!target.isValid())
        return target;
    // A move towards the fixed cells stops at the first data row or column.
    const int row = std::max(target.row(), FFixedRows);
    const int col = std::max(target.column(), FFixedCols);
    if (row >= rowCount() || col >= columnCount())
        return currentIndex();
    return model()->index(row, col);
}

void TFixedStringGrid::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command)
{
    if (FFixedRows >= rowCount() || FFixedCols >= columnCount()) {
        selectionModel()->select(QItemSelection(), command);
        return;
    }
    // The selected block ends where the fixed cells begin, wherever the drag went.
    QRect area = rect.normalized();
    if (FFixedRows > 0)
        area.setTop(std::max(area.top(), rowViewportPosition(FFixedRows)));
    if (FFixedCols > 0)
        area.setLeft(std::max(area.left(), columnViewportPosition(FFixedCols)));
    if (area.isEmpty()) {
        selectionModel()->select(QItemSelection(), command);
        return;
    }
    TStringGrid::setSelection(area, command);
}

void TFixedStringGrid::selectAll()
{
    const SelectionMode mode = selectionMode();
    if (mode == SingleSelection || mode == NoSelection)
        return;
    if (FFixedRows >= rowCount() || FFixedCols >= columnCount())
        return;
    const QItemSelection data(model()->index(FFixedRows, FFixedCols),
                              model()->index(rowCount() - 1, columnCount() - 1));
    selectionModel()->select(data, QItemSelectionModel::ClearAndSelect);
}

int TFixedStringGrid::SizingColumnAt(const QPoint &pos) const
{
    const int row = rowAt(pos.y());
    if (row < 0 || row >= FFixedRows)
        return -1;
    for (const int col : {columnAt(pos.x()), columnAt(pos.x() - kSizingGrip)}) {
        if (col < 0)
            continue;
        const int right = columnViewportPosition(col) + columnWidth(col);
        if (std::abs(pos.x() - right) <= kSizingGrip)
            return col;
    }
    return -1;
}

void TFixedStringGrid::mousePressEvent(QMouseEvent *event)
{
    // Only the left button selects; other presses end here, so they never reach the
    // widgets below the grid either.
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    const int sizing = SizingColumnAt(pos);
    if (sizing >= 0) {
        FSizingCol = sizing;
        FSizingStartWidth = columnWidth(sizing);
        FSizingStartX = pos.x();
        return;
    }
    const QModelIndex index = indexAt(pos);
    if (IsFixedIndex(index)) {
        FPressInFixedArea = true;
        setFocus(Qt::MouseFocusReason);
        return;
    }
    // A click on the current cell picks it again: the current cell does not change, so
    // the selection model stays silent.
    const bool onCurrent = index.isValid() && index == currentIndex();
    TStringGrid::mousePressEvent(event);
    if (onCurrent)
        emit SelectCell(index.column(), index.row());
}

void TFixedStringGrid::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (FSizingCol >= 0) {
        setColumnWidth(FSizingCol, std::max(kMinColWidth, FSizingStartWidth + pos.x() - FSizingStartX));
        return;
    }
    if (FPressInFixedArea)
        return;
    if (event->buttons() == Qt::NoButton) {
        if (SizingColumnAt(pos) >= 0)
            viewport()->setCursor(Qt::SplitHCursor);
        else
            viewport()->unsetCursor();
    }
    TStringGrid::mouseMoveEvent(event);
}

void TFixedStringGrid::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (FSizingCol >= 0 || FPressInFixedArea) {
        FSizingCol = -1;
        FPressInFixedArea = false;
        return;
    }
    TStringGrid::mouseReleaseEvent(event);
}

void TFixedStringGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || IsFixedIndex(indexAt(event->position().toPoint())))
        return;
    TStringGrid::mouseDoubleClickEvent(event);
}

void TFixedStringGrid::focusInEvent(QFocusEvent *event)
{
    const QScopedValueRollback<bool> focusing(FFocusing, true);
    TStringGrid::focusInEvent(event);
}
