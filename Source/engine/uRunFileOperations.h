#ifndef IRRIKA_ENGINE_URUNFILEOPERATIONS_H
#define IRRIKA_ENGINE_URUNFILEOPERATIONS_H

// Storing, loading and removing runs, the same steps for the three bindings; a module
// gives only its run-file kind and extension.

#include "uIrrigationTypes.h"

#include <string>

class TIrrigationFormatter;

struct TRunFileModule {
    TFileKind FileKind;  // the module's run-file kind
    const char *Extension;  // ".pdx", ".svx", ".rlx"
};

inline constexpr TRunFileModule BasinRunFiles{fkBasinRunFile, ".pdx"};
inline constexpr TRunFileModule BorderRunFiles{fkBorderRunFile, ".svx"};
inline constexpr TRunFileModule FurrowRunFiles{fkFurrowRunFile, ".rlx"};

// Loads the run file named in the data set; the loader replaces the runs only after a
// complete read. True when runs were loaded; a missing, refused or broken file leaves the
// data set as it was and gives False.
bool LoadRuns(TIrrigationFormatter &binding, const TRunFileModule &module);
// By the data set's file kind: 0 the runs table as text, 1 as a workbook (each refilled
// first, False without a grid, else what the exporter reported), otherwise all runs as
// the module's run file.
bool SaveRuns(TIrrigationFormatter &binding, const TRunFileModule &module);
// Keeps only the last run, numbered 1, and saves as SaveRuns; the other runs are removed
// only once the save succeeded, so a failed save leaves every run as it was.
bool ReplaceWithLastRun(TIrrigationFormatter &binding, const TRunFileModule &module);
// Appends the last run to the existing run file named in the data set.
bool AppendLastRun(TIrrigationFormatter &binding, const TRunFileModule &module);
// Deletes the run at that position, if there is one, and renumbers the rest. Always 0.
int DeleteRun(TIrrigationFormatter &binding, int runNumber);

#endif
