#ifndef IRRIKA_FILES_UFILEFORMATTER_H
#define IRRIKA_FILES_UFILEFORMATTER_H

// What a run-file formatter offers its connection: opening and closing its file, and
// loading, saving and appending the runs of a data set.

#include "Collection.h"

#include <string>

class TIrrigationDataSet;

class TFileFormatter : public TRootObject {
public:
    // The full name of the run file; the connection sets it before every call.
    std::string FileName;

    virtual bool OpenRead() = 0;
    virtual bool OpenWrite() = 0;
    virtual bool Close() = 0;
    // 0, or -1 after a reading error that the formatter does not pass on.
    virtual int LoadFromFile(TIrrigationDataSet *dataSet) = 0;
    // 0, or -1 when the file could not be opened, written or closed.
    virtual int SaveToFile(TIrrigationDataSet *dataSet) = 0;
    // 0 when the data set's last run was appended, -1 when refused or failed.
    virtual int AppendRun(TIrrigationDataSet *dataSet) = 0;
};

#endif
