#ifndef IRRIKA_TESTS_OUTPUT_RUNSTABLEFIXTURE_H
#define IRRIKA_TESTS_OUTPUT_RUNSTABLEFIXTURE_H

// A basin-shaped runs table for the grid object, the exporters and the printer: the
// three head rows, then 28 data rows captioned "Caption03".. with units "unit03".., and
// per run values "r<run>v<row>".

#include "ConcreteCollections.h"
#include "TStringGrid.h"
#include "uGridObject.h"

#include <memory>
#include <string>
#include <vector>

namespace runs_table {

constexpr int kBasinRows = 31;
constexpr int kBasinFirstDataRow = 3;

inline std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

struct Headers {
    std::vector<std::string> captions;
    std::vector<std::string> units;
};

inline Headers BasinHeaders()
{
    Headers h{{" Run nr. ", " Calculation Mode ", "INPUT PARAMETERS"}, {"", "", "units"}};
    for (int row = kBasinFirstDataRow; row < kBasinRows; ++row) {
        h.captions.push_back("Caption" + TwoDigits(row));
        h.units.push_back("unit" + TwoDigits(row));
    }
    return h;
}

// A run column with one value per data row; operation 0 is a basin column.
inline std::unique_ptr<TDataList> MakeColumn(int run, int mode, int operation, int firstDataRow, int rows)
{
    auto list = std::make_unique<TDataList>();
    list->SetRunNumber(run);
    list->SetMode(mode);
    list->SetOperation(operation);
    for (int row = firstDataRow; row < rows; ++row)
        list->FValues.push_back("r" + std::to_string(run) + "v" + TwoDigits(row));
    return list;
}

// Fills the grid as a basin binding would, with runs 1..runs in mode 1.
inline void FillBasinTable(TStringGrid &grid, int runs)
{
    const Headers h = BasinHeaders();
    TIrrikaGridObject object(&grid);
    object.SetRowHeaders(kBasinFirstDataRow, &h.captions, &h.units);
    TAggregationList lists;
    for (int run = 1; run <= runs; ++run)
        lists.Add(MakeColumn(run, 1, 0, kBasinFirstDataRow, kBasinRows));
    object.AddDataColumns(&lists);
}

}  // namespace runs_table

#endif
