#ifndef IRRIKA_ENGINE_URUNTABLE_H
#define IRRIKA_ENGINE_URUNTABLE_H

// What the runs table of a module shows: its rows, their captions and units from run 1,
// and one column per calculated run whose units equal run 1's. The three bindings differ
// only in their layout; the grid object writes the cells.

#include <string>
#include <vector>

class TIrrigationDataSet;
class TStringGrid;

// How a row's cell is made from the run's parameter P of the row's name.
enum class TCellRule {
    In,         // P's display text when active and an input, else "-"
    Out,        // P's result text when active and a result, else "-"
    Out1,       // as Out, the display value with one decimal
    Res,        // P's result text when a result, active or not, else "-"
    Res1,       // as Res, the display value with one decimal
    CutbackOut, // P made active exactly for cutback runs (operation 2), then Out
    Heading,    // the name is the caption; no unit, an empty cell
};

struct TRunTableRow {
    TCellRule Rule;
    const char *Name;  // the parameter, or the caption of a heading
};

struct TRunTableLayout {
    // Rows before the parameter rows: the run number, the operation when the module has
    // one, the mode and the input heading.
    bool HasOperation;
    std::vector<TRunTableRow> Rows;  // in row order
};

extern const TRunTableLayout BasinRunTable;
extern const TRunTableLayout BorderRunTable;
extern const TRunTableLayout FurrowRunTable;

// Fills the grid: 0, or -1 with the grid emptied when the data set yields no first run;
// -1 and nothing done without a grid.
int FillRunTable(TIrrigationDataSet &dataSet, TStringGrid *grid, const TRunTableLayout &layout);

// Prints the grid as it stands under the module's title on the program's printer;
// nothing without a grid. Always 0.
int PrintRunTable(TStringGrid *grid, const std::string &title);

#endif
