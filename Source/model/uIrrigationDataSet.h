#ifndef IRRIKA_MODEL_UIRRIGATIONDATASET_H
#define IRRIKA_MODEL_UIRRIGATIONDATASET_H

// The runs of one design window with the module's settings reader, the unit table they
// share, the name and kind of the file that saving writes and the current run number.

#include "ConcreteCollections.h"
#include "uIrrigationRun.h"
#include "uIrrigationTypes.h"
#include "uIrrikaIniFile.h"
#include "uUnits.h"

#include <memory>
#include <string>

class TIrrigationDataSet : public TRootObject {
public:
    // Reads the unit table; a factor that is not a number or is 0 raises from here.
    explicit TIrrigationDataSet(TIrrigationModule module);

    // A data set of the same module without runs, with a copy of this one's unit table and
    // no other state: a run file just written is read back into it before it replaces the
    // old file, so the read happens in the units the file was written with.
    std::unique_ptr<TIrrigationDataSet> CreateScratch() const;

    // The data set takes ownership; -1 for no run, else 0.
    int AddRun(std::unique_ptr<TIrrigationRun> run);
    // A new run read from the settings file that takes over the previous run's values;
    // the run count, or 0 when there is no unit table.
    int NewRun();
    int GetRunCount() const { return FRuns.Count(); }
    TIrrigationRun *GetRunByNumber(int number) const;
    // Run 1, or the run numbered with the count; an empty data set makes a new run first.
    TIrrigationRun *GetFirstRun();
    TIrrigationRun *GetLastRun();
    std::unique_ptr<TIterator> CreateRunIterator();
    // Deletes the run at a list position without renumbering; -1 out of bounds.
    int DeleteRun(int position);
    // Takes the run at a list position out and hands it to the caller, without
    // renumbering; nullptr out of bounds. Work that must be undoable (a load, saving the
    // last run alone) keeps runs this way and puts them back with AddRun.
    std::unique_ptr<TIrrigationRun> ExtractRun(int position);
    void RenumberRuns();
    int ClearRuns();
    // True when run 1 and run number share every unit name (ignoring letter case); at the
    // first difference false and text "<run 1 unit> <> <run number unit>".
    bool CompareUnits(int number, std::string &text) const;

    TIrrikaIniFile *IniFile() const { return FIniFile.get(); }
    // nullptr when the settings file was missing.
    TUnits *Units() const { return FUnits.get(); }
    const std::string &FileName() const { return FFileName; }
    // The run files' fourth header field; nothing sets it.
    const std::string &FileNote() const { return FFileNote; }
    TFileKind FileKind() const { return FFileKind; }
    int CurrentRun() const { return FCurrentRun; }
    const std::string &DataDir() const { return FDataDir; }

    void SetFileName(const std::string &fileName) { FFileName = fileName; }
    void SetFileKind(TFileKind kind) { FFileKind = kind; }
    void SetCurrentRun(int number) { FCurrentRun = number; }
    void SetDataDir(const std::string &folder) { FDataDir = folder; }

private:
    // Everything but the unit table, which the caller gives.
    TIrrigationDataSet(TIrrigationModule module, std::unique_ptr<TUnits> units);

    // Declared so that destruction frees the unit table, then the reader, then the runs.
    TAggregationList FRuns;
    std::unique_ptr<TIrrikaIniFile> FIniFile;
    std::unique_ptr<TUnits> FUnits;
    std::string FFileName;
    std::string FFileNote;
    TFileKind FFileKind = fkTextTable;
    int FCurrentRun = 0;
    std::string FDataDir;
};

#endif
