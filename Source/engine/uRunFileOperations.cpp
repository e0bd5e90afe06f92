#include "uRunFileOperations.h"

#include "FileNames.h"
#include "uFileConnection.h"
#include "uIrrigationDataSet.h"
#include "uIrrigationFormatter.h"
#include "uIrrigationRun.h"
#include "uSaveGrid.h"

#include <memory>
#include <vector>

namespace {
// No load sets this current run: it tells a complete load from one that changed nothing.
constexpr int kNothingLoaded = -1;

template <typename Exporter>
bool ExportTable(TIrrigationFormatter &binding, const char *extension)
{
    if (!binding.FRunGrid)
        return false;
    TIrrigationDataSet &dataSet = *binding.GetDataSet();
    const std::string name = ChangeFileExt(dataSet.FileName(), extension);
    binding.FillRunTable();
    return Exporter().Save(name, binding.FRunGrid);
}

// Takes every run but the last out of the data set, so that the last one can be saved
// alone, and puts them back with their numbers unless Commit was called.
class TOtherRunsAside {
public:
    explicit TOtherRunsAside(TIrrigationDataSet &dataSet) : FDataSet(dataSet)
    {
        const std::unique_ptr<TIterator> runs = dataSet.CreateRunIterator();
        while (!runs->IsDone())
            FNumbers.push_back(static_cast<TIrrigationRun *>(runs->Next())->Number());
        while (dataSet.GetRunCount() > 1)
            FAside.push_back(dataSet.ExtractRun(1));
    }
    ~TOtherRunsAside()
    {
        if (FCommitted)
            return;
        std::unique_ptr<TIrrigationRun> last = FDataSet.ExtractRun(1);
        for (std::unique_ptr<TIrrigationRun> &run : FAside)
            FDataSet.AddRun(std::move(run));
        if (last)
            FDataSet.AddRun(std::move(last));
        const std::unique_ptr<TIterator> runs = FDataSet.CreateRunIterator();
        for (int number : FNumbers)
            static_cast<TIrrigationRun *>(runs->Next())->SetNumber(number);
    }
    TOtherRunsAside(const TOtherRunsAside &) = delete;
    TOtherRunsAside &operator=(const TOtherRunsAside &) = delete;

    // The save succeeded: the other runs go for good.
    void Commit() { FCommitted = true; }

private:
    TIrrigationDataSet &FDataSet;
    std::vector<int> FNumbers;  // of every run, in list order
    std::vector<std::unique_ptr<TIrrigationRun>> FAside;
    bool FCommitted = false;
};

// Restores the data set's current run unless a load set it.
class TCurrentRunGuard {
public:
    explicit TCurrentRunGuard(TIrrigationDataSet &dataSet) : FDataSet(dataSet), FPrevious(dataSet.CurrentRun())
    {
        dataSet.SetCurrentRun(kNothingLoaded);
    }
    ~TCurrentRunGuard()
    {
        if (!Loaded())
            FDataSet.SetCurrentRun(FPrevious);
    }
    TCurrentRunGuard(const TCurrentRunGuard &) = delete;
    TCurrentRunGuard &operator=(const TCurrentRunGuard &) = delete;

    bool Loaded() const { return FDataSet.CurrentRun() != kNothingLoaded; }

private:
    TIrrigationDataSet &FDataSet;
    int FPrevious;
};
}  // namespace

bool LoadRuns(TIrrigationFormatter &binding, const TRunFileModule &module)
{
    TIrrigationDataSet &dataSet = *binding.GetDataSet();
    TFileConnection connection(module.FileKind);
    dataSet.SetFileName(ChangeFileExt(dataSet.FileName(), module.Extension));
    TCurrentRunGuard guard(dataSet);
    const int result = connection.LoadFromFile(&dataSet);
    return result == 0 && guard.Loaded();
}

bool SaveRuns(TIrrigationFormatter &binding, const TRunFileModule &module)
{
    TIrrigationDataSet &dataSet = *binding.GetDataSet();
    if (dataSet.FileKind() == fkTextTable)
        return ExportTable<TSaveToASCII>(binding, ".txt");
    if (dataSet.FileKind() == fkSpreadsheetTable)
        return ExportTable<TSaveToXL>(binding, ".xls");
    dataSet.SetFileKind(module.FileKind);
    TFileConnection connection(dataSet.FileKind());
    dataSet.SetFileName(ChangeFileExt(dataSet.FileName(), module.Extension));
    return connection.SaveToFile(&dataSet) == 0;
}

bool ReplaceWithLastRun(TIrrigationFormatter &binding, const TRunFileModule &module)
{
    TIrrigationDataSet &dataSet = *binding.GetDataSet();
    TOtherRunsAside aside(dataSet);
    dataSet.RenumberRuns();
    const bool saved = SaveRuns(binding, module);
    if (saved)
        aside.Commit();
    return saved;
}

bool AppendLastRun(TIrrigationFormatter &binding, const TRunFileModule &module)
{
    TIrrigationDataSet &dataSet = *binding.GetDataSet();
    dataSet.SetFileKind(module.FileKind);
    TFileConnection connection(module.FileKind);
    dataSet.SetFileName(ChangeFileExt(dataSet.FileName(), module.Extension));
    return connection.AppendRun(&dataSet) == 0;
}

int DeleteRun(TIrrigationFormatter &binding, int runNumber)
{
    TIrrigationDataSet &dataSet = *binding.GetDataSet();
    if (runNumber >= 1 && runNumber <= dataSet.GetRunCount()) {
        dataSet.DeleteRun(runNumber);
        dataSet.RenumberRuns();
    }
    return 0;
}
