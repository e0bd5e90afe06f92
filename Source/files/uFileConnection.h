#ifndef IRRIKA_FILES_UFILECONNECTION_H
#define IRRIKA_FILES_UFILECONNECTION_H

// Made by a binding for one load, save or append: picks the formatter of the data set's
// file kind, hands it the file name and forwards the call.

#include "Collection.h"
#include "uFileFormatter.h"

#include <cstdint>
#include <memory>

class TFileConnection : public TRootObject {
public:
    // 2 basin, 3 furrow, 4 border run file; any other kind gets no formatter.
    explicit TFileConnection(std::uint8_t fileKind);

    // -1 without formatter, without data set or with an empty file name in it; else the
    // formatter's result. A basin reading error passes through.
    int LoadFromFile(TIrrigationDataSet *dataSet);
    int SaveToFile(TIrrigationDataSet *dataSet);
    int AppendRun(TIrrigationDataSet *dataSet);

    TFileFormatter *GetFormatter() const { return FFileFormatter.get(); }

private:
    bool Prepare(TIrrigationDataSet *dataSet);

    std::unique_ptr<TFileFormatter> FFileFormatter;
};

#endif
