#ifndef IRRIKA_UI_FIXEDSTRINGGRID_H
#define IRRIKA_UI_FIXEDSTRINGGRID_H

// A string grid whose first rows and columns are fixed: header cells inside the grid, so
// that Cells(c, r) still reaches them and the exporters and the printer see them as any
// other cell. A fixed cell is drawn as a header, never becomes current or selected, and the
// column borders in the fixed rows are the handles the user drags to size the columns.
// The table widget's own headers are hidden.

#include "TStringGrid.h"

#include <QColor>

class TFixedStringGrid : public TStringGrid {
    Q_OBJECT

public:
    explicit TFixedStringGrid(QWidget *parent = nullptr);

    int FixedRows() const { return FFixedRows; }
    void SetFixedRows(int count);
    int FixedCols() const { return FFixedCols; }
    void SetFixedCols(int count);
    bool IsFixedCell(int col, int row) const { return row < FFixedRows || col < FFixedCols; }

    // The background of the fixed cells; the button face unless set.
    QColor FixedColor() const { return FFixedColor; }
    void SetFixedColor(const QColor &color);

    // Rows have one height, as in the runs table and the reference tables, unless a row is
    // given its own.
    void SetDefaultRowHeight(int height);

    // The width a cell's text is drawn in, in a column of that width: less the text's lead
    // and the grid line.
    int TextWidth(int columnWidth) const;

signals:
    // A cell outside the fixed area became the current cell: by a click (also a click on the
    // cell that already is current), by moving the selection with the keys, or by the program.
    // The first data cell that the grid makes current when it gets the focus is no such pick.
    void SelectCell(int col, int row);

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

public slots:
    void selectAll() override;

private:
    // The column whose right border lies under the point within the fixed rows, or -1.
    int SizingColumnAt(const QPoint &pos) const;
    bool IsFixedIndex(const QModelIndex &index) const;
    void FixedAreaChanged();

    int FFixedRows = 0;
    int FFixedCols = 0;
    QColor FFixedColor;
    // Column being sized by a drag, with the width and position where the drag started.
    int FSizingCol = -1;
    int FSizingStartWidth = 0;
    int FSizingStartX = 0;
    // A press in the fixed area owns the mouse until its release, so the drag selects nothing.
    bool FPressInFixedArea = false;
    // Set while getting the focus gives the grid its first current cell.
    bool FFocusing = false;
};

#endif
