// Appending a run to a run file: whatever the bytes, a refused append leaves the file byte
// for byte and the data set exactly as they were; a done append leaves a file that loads
// into the file's runs as they were followed by the appended run, numbered 1 to N + 1,
// which is what the data set then holds.

#include "FuzzSupport.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace fuzz;
    const ModuleCase &m = Module();
    ClearMessages();
    const std::string input(reinterpret_cast<const char *>(data), size);
    const std::string name = Workspace() + "target" + m.layout.Extension;
    WriteBytes(name, input);

    // The file as a load takes it, and the run to append as it was before.
    TIrrigationDataSet fileRuns(m.module);
    const bool fileLoads = Load(fileRuns, name) == 0 && fileRuns.FileName() == name;
    const auto reference = FilledDataSet(m.module, 2, name);

    auto dataSet = FilledDataSet(m.module, 2, name);
    const std::string before = Snapshot(*dataSet);
    const int result = Append(*dataSet, name);
    Check(result != Raised || m.module == imBasin, "only the basin passes reading errors on");
    if (result != 0) {
        Check(ReadBytes(name) == input, "a refused append changed the file");
        Check(Snapshot(*dataSet) == before, "a refused append changed the data set");
        return 0;
    }
    Check(fileLoads, "appended to a file that does not load");
    const auto runs = RunsIn(*dataSet);
    const auto earlier = RunsIn(fileRuns);
    Check(runs.size() == earlier.size() + 1, "the run count is not the file's plus one");
    Check(dataSet->CurrentRun() == static_cast<int>(runs.size()) && dataSet->FileName() == name,
          "current run or file name not taken");
    for (std::size_t i = 0; i < runs.size(); ++i)
        Check(runs[i]->Number() == static_cast<int>(i) + 1, "runs not numbered 1 to N + 1");
    for (std::size_t i = 0; i < earlier.size(); ++i)
        CheckSameRun(earlier[i], runs[i], false, true);
    CheckSameStored(reference->GetRunByNumber(2), runs.back());

    TIrrigationDataSet reread(m.module);
    Check(Load(reread, name) == 0 && reread.FileName() == name, "the appended file does not load");
    CheckSameRuns(*dataSet, reread);
    return 0;
}
