#ifndef IRRIKA_FILES_URUNFILE_H
#define IRRIKA_FILES_URUNFILE_H

// The run-file formatter that the three modules share: the line routines and the load,
// save and append steps, driven by the module's layout row.
//
// A load changes the data set only once the whole file was read: a missing, refused or
// broken file leaves its runs, file name, kind and current run as they were. A save or an
// append replaces the file only once the whole new content was written and the module's
// own reader took it back into a scratch data set and every run came back as it is in memory.
// Every run written must have the units of the file's units line; a run in other units is
// refused before anything is written, since its numbers would come back meaning others.

#include "uFileFormatter.h"
#include "uRunFileLayout.h"
#include "uRunFileLines.h"
#include "uTextFile.h"

#include <string>
#include <vector>

class TIrrigationRun;
class TParameterArray;

class TRunFile : public TFileFormatter {
public:
    explicit TRunFile(const TRunFileLayout &layout) : FLayout(layout) {}

    // True when the file exists and was opened; false without a message when it does not
    // exist, false after "Unable to open File" when it could not be opened.
    bool OpenRead() override;
    // False after "Unable to open File" when the file cannot be written.
    bool OpenWrite() override;
    // False after "Unable to close File"; a write that failed ends here and the file
    // keeps its former content.
    bool Close() override;

    int LoadFromFile(TIrrigationDataSet *dataSet) override;
    int SaveToFile(TIrrigationDataSet *dataSet) override;
    int AppendRun(TIrrigationDataSet *dataSet) override;

    const TRunFileLayout &Layout() const { return FLayout; }

    // The line routines, each for this module's layout.
    std::string BuildHeaderLine(TIrrigationDataSet *dataSet) const;
    // The units of the data set's first run (one is made when the data set has none).
    std::string BuildUnitsLine(TIrrigationDataSet *dataSet) const;
    std::string BuildUnitsLine(TIrrigationRun *run) const;
    std::string BuildRunLine(TIrrigationRun *run) const;
    // Empty for no array.
    std::string BuildArrayLine(TParameterArray *array) const;
    // Applies a run line read with the file's units line; nothing when either list is
    // missing. Raises, with part of the line applied, when either is longer than the module
    // accepts, a field is missing or no number, a unit code names another quantity than its
    // column's, or a value leaves the double range once stored or shown.
    void ParseRunLine(const TFieldList *runFields, const TFieldList *unitFields, TIrrigationRun *run) const;
    // An empty line leaves the curve as it is; a point beyond the double range once stored
    // or shown raises.
    void ParseArrayLine(const std::string &line, TParameterArray *array) const;

private:
    enum class Outcome { Loaded, Missing, Refused, Failed };

    // Opens the file and checks the header; Missing or Refused end with the file closed.
    Outcome OpenAndCheckHeader(bool allowEmptyFileMessage);
    // Reads the runs after the header into the data set; on a failure the data set is
    // restored and, for the basin, the error raised again.
    Outcome ReadRuns(TIrrigationDataSet *dataSet);
    Outcome Load(TIrrigationDataSet *dataSet);
    // Writes the header, the units line, the count, the data set's runs and then the extra
    // runs. Refuses, writing nothing, when a run does not have the units of the units line;
    // replaces the file only when the new content reads back into the same runs.
    int Write(TIrrigationDataSet *dataSet, const std::string &unitsLine,
              const std::vector<TIrrigationRun *> &extraRuns);
    // False, after a message that names the run and the quantity, when the run's units are
    // not those of the units line.
    bool HasFileUnits(TIrrigationRun *run, const std::string &unitsLine) const;
    // Empty when the content just written loads into runs that hold the written runs'
    // values, to the digits the file holds, in their units; else the message that says why not.
    std::string ReadBackFault(const TIrrigationDataSet &dataSet, const std::vector<TIrrigationRun *> &written) const;
    // Empty when the run read back holds what the written run holds; else what differs.
    std::string Difference(TIrrigationRun *written, TIrrigationRun *read) const;

    bool UnitsMatchFile(TIrrigationRun *run);

    const TRunFileLayout &FLayout;
    TTextFile FFile;
};

#endif
