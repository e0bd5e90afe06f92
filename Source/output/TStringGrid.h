#ifndef IRRIKA_OUTPUT_TSTRINGGRID_H
#define IRRIKA_OUTPUT_TSTRINGGRID_H

// The runs-table grid: a table widget with the few string-grid operations that the grid
// object, the exporters and the printer rely on. Cells are addressed column first, as
// Cells(c, r); an unset cell reads as the empty text.

#include <QTableWidget>

#include <string>

class TStringGrid : public QTableWidget {
public:
    // Column c of the grid, for emptying it.
    class TColStrings {
    public:
        // Empties all RowCount cells of the column.
        void Clear();

    private:
        friend class TStringGrid;
        TColStrings(TStringGrid &grid, int col) : FGrid(grid), FCol(col) {}
        TStringGrid &FGrid;
        int FCol;
    };

    // Row r of the grid, for appending to it.
    class TRowStrings {
    public:
        // Writes the text into the first cell of the row, from column 0 on, that holds the
        // empty text; an empty text is stored as " " so that it occupies its cell. When no
        // cell of the row is empty the text is dropped.
        void Add(const std::string &text);

    private:
        friend class TStringGrid;
        TRowStrings(TStringGrid &grid, int row) : FGrid(grid), FRow(row) {}
        TStringGrid &FGrid;
        int FRow;
    };

    explicit TStringGrid(QWidget *parent = nullptr);

    int ColCount() const { return columnCount(); }
    int RowCount() const { return rowCount(); }
    void SetColCount(int count) { setColumnCount(count); }
    void SetRowCount(int count) { setRowCount(count); }

    // Screen pixels; a column never set keeps the default width of 64.
    int ColWidths(int col) const { return columnWidth(col); }
    void SetColWidths(int col, int width) { setColumnWidth(col, width); }

    // An index outside the grid raises EListError.
    TColStrings Cols(int col);
    TRowStrings Rows(int row);
    std::string Cells(int col, int row) const;
    void SetCells(int col, int row, const std::string &text);

    static constexpr int DefaultColWidth = 64;
};

#endif
