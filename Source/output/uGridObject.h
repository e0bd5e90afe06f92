#ifndef IRRIKA_OUTPUT_UGRIDOBJECT_H
#define IRRIKA_OUTPUT_UGRIDOBJECT_H

// Turns the runs-table content of a binding into grid cells: column 0 the row captions,
// column 1 the unit texts, from column 2 on one column per run. Made for one fill and
// freed right after it; it owns neither the grid nor the data lists.

#include "Collection.h"

#include <string>
#include <vector>

class TAggregationList;
class TStringGrid;

// The cells of one run's column.
class TDataList : public TRootObject {
public:
    TDataList() { SetOperation(0); }

    void SetRunNumber(int runNumber) { FRunNumber = runNumber; }
    void SetMode(int mode) { FMode = mode; }
    // 0 = the module has no operation: the column then carries its mode in row 1.
    void SetOperation(int operation) { FOperation = operation; }

    // The run's value texts in row order, one per row from the first data row on; the
    // caller appends to it directly.
    std::vector<std::string> FValues;

private:
    friend class TIrrikaGridObject;
    int FRunNumber = 0;
    int FMode = 0;
    int FOperation = 0;
};

class TIrrikaGridObject {
public:
    explicit TIrrikaGridObject(TStringGrid *grid) : FGrid(grid) {}

    // Empties every cell; sizes and widths stay.
    void ClearGrid();
    // Sets the grid up and writes one caption and one unit text per row; the two lists
    // have the same length. A missing list only records the first data row.
    void SetRowHeaders(int firstDataRow, const std::vector<std::string> *captions,
                       const std::vector<std::string> *units);
    // One column per TDataList of the list, in its order, and the grid fitted to them.
    void AddDataColumns(TAggregationList *lists);

private:
    TStringGrid *FGrid;  // not owned
    int FFirstDataRow = 0;
};

#endif
