#ifndef IRRIKA_ENGINE_UIRRIGATIONFORMATTER_H
#define IRRIKA_ENGINE_UIRRIGATIONFORMATTER_H

// The engine binding of a module: everything a design window does that is particular to
// its module goes through one of these. TPondix, TStriva and TRillox are the three
// descendants; TIrrigationManager makes the one for a module number.

#include "Collection.h"

#include <memory>
#include <string>

class TChart;
class TStringGrid;
class TIrrigationDataSet;

class TIrrigationFormatter : public TRootObject {
public:
    ~TIrrigationFormatter() override;

    // Loads the run file named in the data set (its extension forced to the module's);
    // False when nothing was loaded, the data set then as it was.
    virtual bool LoadRuns() = 0;
    // By the data set's file kind: the runs table as text (0) or as a workbook (1), False
    // without a grid, else what the export reported; otherwise all runs as the module's
    // run file.
    virtual bool SaveRuns() = 0;
    // Keeps only the last run, as run 1, and saves as SaveRuns; the other runs go only once
    // the save succeeded.
    virtual bool ReplaceWithLastRun() = 0;
    // Appends the data set's last run to the existing run file named in the data set.
    virtual bool AppendLastRun() = 0;
    // The binding's data set; it stays owned by the binding.
    virtual TIrrigationDataSet *GetDataSet() = 0;
    // Calculates the run with that number through the module's engine library and writes
    // the results back, or reports the engine's codes. 0 means success, and also that no run
    // has that number; any other value is the failure the user was told about.
    virtual int Calculate(int RunNumber) = 0;
    // Deletes the run with that number, when there is one, and renumbers; always 0.
    virtual int DeleteRun(int RunNumber) = 0;
    // Draws the calculated run with that number into the two charts; always 0.
    virtual int DrawGraphs(int RunNumber) = 0;
    // Fills the runs table, one column per calculated run whose units equal the first
    // run's; -1, with the grid emptied, when the data set yields no first run.
    virtual int FillRunTable() = 0;
    // Prints the runs table as it stands under the module's title; nothing without a
    // grid. Always 0.
    virtual int PrintRunTable() = 0;
    // Both charts as one picture: Kind 0 JPEG, 1 bitmap, 3 metafile file (the name's
    // extension forced), 4 the clipboard. 0 when written or copied, else -1.
    virtual int SaveGraphs(unsigned char Kind, const std::string &FileName) = 0;
    // Both charts on one landscape page; -1 when a chart is missing.
    virtual int PrintGraphs() = 0;
    // The time chart (0) or the depth chart (1) to the clipboard as a metafile; -1 when a
    // chart is missing.
    virtual int CopyGraphToClipboard(unsigned char Which) = 0;

    // The design window's displays, which it assigns once right after it got the binding;
    // the binding never creates, frees or replaces them.
    TChart *FTimeChart = nullptr;
    TChart *FDepthChart = nullptr;
    TStringGrid *FRunGrid = nullptr;

protected:
    TIrrigationFormatter();

    // Created by the descendant's constructor with its module number.
    std::unique_ptr<TIrrigationDataSet> FDataSet;
};

#endif
