#ifndef IRRIKA_OUTPUT_UPRINTGRID_H
#define IRRIKA_OUTPUT_UPRINTGRID_H

// Prints the runs table on one page: a title line, then every cell at a position derived
// from the grid's screen column widths. Coordinates are the printer's device units from
// the top-left corner of the printable area; texts are placed by their top-left corner.
// Where the printer's resolution makes a text larger than its place, the place grows, so
// that no printed text runs into another.

#include "Collection.h"

#include <string>

class QPainter;
class QPrinter;
class TStringGrid;

class TPrintGrid : public TRootObject {
public:
    // The printer is the one the user chose; it is not owned.
    explicit TPrintGrid(QPrinter &printer) : FPrinter(printer) {}

    // True after the page was sent; False, with nothing printed, without a grid. A printer
    // that cannot start the job raises Exception.
    bool Print(TStringGrid *grid, const std::string &title);

private:
    // Prints columns 0 and 1 from the table's top and hands back the line height, the
    // running column end and the x of the next column.
    void PrintFirstColumns(QPainter &painter, TStringGrid &grid, int top, int &lineHeight, int &end, int &x);
    void PrintColumn(QPainter &painter, TStringGrid &grid, int col, int x, int top, int lineHeight);

    QPrinter &FPrinter;
};

#endif
