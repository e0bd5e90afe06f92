// Loading a run file: whatever the bytes, the load refuses them and leaves the data set
// exactly as it was, or it takes the file; a taken file saves, and the saved file loads
// into the same runs (values, units, roles) and saves again to the same bytes. The file
// itself is never written.

#include "FuzzSupport.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace fuzz;
    const ModuleCase &m = Module();
    ClearMessages();
    const std::string input(reinterpret_cast<const char *>(data), size);
    const std::string name = Workspace() + "input" + m.layout.Extension;
    WriteBytes(name, input);

    // The runs the data set holds before the load; made anew only after a load took a file.
    static std::unique_ptr<TIrrigationDataSet> dataSet;
    if (!dataSet || dataSet->FileName() != Workspace() + "own")
        dataSet = FilledDataSet(m.module, 2, Workspace() + "own");
    const std::string before = Snapshot(*dataSet);
    const int result = Load(*dataSet, name);
    Check(ReadBytes(name) == input, "the load wrote to the file");
    Check(result != Raised || m.module == imBasin, "only the basin passes reading errors on");
    const std::string after = Snapshot(*dataSet);
    if (result != 0 || after == before) {
        Check(after == before, "a failed or refused load changed the data set");
        return 0;
    }
    Check(dataSet->FileName() == name && dataSet->FileKind() == m.layout.FileKind, "file name or kind not taken");
    Check(dataSet->CurrentRun() == dataSet->GetRunCount(), "the current run is not the last");
    for (TIrrigationRun *run : RunsIn(*dataSet))
        Check(run->Calculated() && run->Saved() && CurvesOf(run).size() == m.curves, "a loaded run is incomplete");

    // A file of no runs loads as an empty data set, and saving that makes up a first run.
    const bool empty = dataSet->GetRunCount() == 0;
    const std::string saved = Workspace() + "saved" + m.layout.Extension;
    dataSet->SetFileName(saved);
    Check(Save(*dataSet, saved) == 0, "a loaded file does not save");
    const std::string bytes = ReadBytes(saved);
    TIrrigationDataSet reread(m.module);
    Check(Load(reread, saved) == 0 && reread.FileName() == saved, "a saved file does not load");
    if (empty)
        Check(reread.GetRunCount() == 1, "an empty data set did not save one made-up run");
    else
        CheckSameRuns(*dataSet, reread);
    Check(Save(reread, saved) == 0 && ReadBytes(saved) == bytes, "saving the reloaded runs changed the file");
    return 0;
}
